#pragma once

#include <juce_graphics/juce_graphics.h>

// Compares a drawing with its committed reference picture, allowing for a shade of difference in font
// rasterisation here and there. Without a reference it writes one, for a person to look at and commit, and fails.
void expectLooksLike(const juce::Image& snapshot, const juce::File& reference);

// The pixels of `area` in which two images differ by more than a shade.
int differingPixels(const juce::Image& a, const juce::Image& b, juce::Rectangle<int> area);
