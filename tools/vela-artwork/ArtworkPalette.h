#pragma once

#include "PanelTable.h"

#include <juce_graphics/juce_graphics.h>

// The artwork's colours. The accents are the knobs' own value-ring hues, at full strength.
namespace ArtworkPalette
{
inline const juce::Colour teal = juce::Colour(PanelTable::delayKnobColour).withAlpha(1.0f);
inline const juce::Colour magenta = juce::Colour(PanelTable::modKnobColour).withAlpha(1.0f);

inline const juce::Colour bodyTop { 0xff323d43 };
inline const juce::Colour bodyBottom { 0xff232b30 };
inline const juce::Colour headerTop { 0xff1b2125 };
inline const juce::Colour headerBottom { 0xff14181b };

inline const juce::Colour productName { 0xffe8eef0 };
inline const juce::Colour title { 0xff95a3a9 };
inline const juce::Colour tagline { 0xff7f8d93 };
} // namespace ArtworkPalette
