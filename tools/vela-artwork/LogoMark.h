#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

// The maker's mark for the product: a sail whose trailing edge echoes away in fading arcs.
namespace LogoMark
{
struct Layer
{
    juce::Path shape; // to be filled
    float opacity;    // 1 for the boat, less for each later echo
};

// The mark scaled to fill `area` in one direction, centred in the other.
std::vector<Layer> layers(juce::Rectangle<float> area);
} // namespace LogoMark
