#pragma once

#include <juce_graphics/juce_graphics.h>

// The layers of the background picture, each painted in panel pixels (500 x 400) into a context that
// scales them to the picture.
namespace BackgroundParts
{
// Gradient ground, section rules and section titles.
void paintBody(juce::Graphics&);
// The dark boxes behind the grouped buttons.
void paintInsetBoxes(juce::Graphics&);
// The header strip: logo mark, product name, tagline and the well behind the preset selector.
void paintHeader(juce::Graphics&);
} // namespace BackgroundParts
