#pragma once

#include <juce_graphics/juce_graphics.h>

// Text for the artwork, in the plug-in's own embedded typeface, as outlines placed by their visible extent.
namespace ArtworkText
{
juce::Font font(float height);

// `tracking` is extra space between letters, as a fraction of the height.
// The returned outline's bounds are exactly its ink, so it can be lined up with the panel's geometry.
juce::Path outline(const juce::String& text, float height, float tracking);

// Moves `path` so that its ink sits in `area` at `placement`.
juce::Path placed(juce::Path path, juce::Rectangle<float> area, juce::Justification placement);
} // namespace ArtworkText
