#pragma once

#include "LumJuceLookAndFeelModern.h"

#include <functional>

// Drawing onto transparent pictures and reading back what landed where.
namespace OffscreenDrawing
{
// The look and feel the test run installed as the default.
LumJuceLookAndFeelModern& lookAndFeel();

juce::Image paint(juce::Component&);
juce::Image paint(int width, int height, const std::function<void(juce::Graphics&)>& draw);

// The pixel under a point given in polar form around `centre`: angle 0 at twelve o'clock, growing clockwise.
juce::Colour pixelAtAngle(const juce::Image&, juce::Point<float> centre, float radius, float angle);

// The alpha summed over a run of pixels: how much ink a line crossing them left.
float inkAcrossRow(const juce::Image&, int y, int fromX, int toX);
float inkDownColumn(const juce::Image&, int x, int fromY, int toY);

bool isBlank(const juce::Image&);

// Each channel within `tolerance` of the expected one.
bool isNear(juce::Colour actual, juce::Colour expected, int tolerance = 4);
} // namespace OffscreenDrawing
