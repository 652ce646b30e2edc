#pragma once

#include <juce_graphics/juce_graphics.h>

// The editor's zoom steps, in percent, and which of them a screen can show.
namespace EditorZoom
{
constexpr int steps[] = { 100, 125, 150, 175, 200 };
constexpr int defaultPercent = 100;

// The step closest to a remembered value, which may come from a hand-edited settings file.
int nearestStep(int percent);

// Whether the panel at `percent`, further scaled by the host, fits the screen's usable area. An empty area
// (no screen known, as offscreen) takes anything.
bool fits(int percent, float hostScale, juce::Rectangle<int> panel, juce::Rectangle<int> screenArea);

// The largest step up to `preferred` that fits; the smallest step when none does.
int largestFitting(int preferred, float hostScale, juce::Rectangle<int> panel, juce::Rectangle<int> screenArea);
} // namespace EditorZoom
