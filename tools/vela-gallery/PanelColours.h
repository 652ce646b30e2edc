#pragma once

#include <juce_graphics/juce_graphics.h>

// The colours the plug-in's panel gives its controls, so that the gallery shows them as they appear there.
namespace PanelColours
{
const juce::Colour background(0xff323e44);
const juce::Colour knobOutline(0x66e9e9e9);
const juce::Colour teal(0x7f16e4d4);
const juce::Colour pink(0x7fe416b9);
const juce::Colour buttonOff(0x7f515151);
const juce::Colour buttonOn(0xff44ffe9);
const juce::Colour buttonTextOff(0xffcbcbcb);
const juce::Colour buttonTextOn(0xff272727);
const juce::Colour caption(0xffababab);
} // namespace PanelColours
