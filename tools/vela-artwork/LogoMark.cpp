#include "LogoMark.h"

namespace LogoMark
{
namespace
{
using Point = juce::Point<float>;

// The sail's trailing edge, from the masthead down to the clew, in a unit square.
struct Leech
{
    Point start { 0.26f, 0.06f }, control1 { 0.50f, 0.20f }, control2 { 0.70f, 0.46f }, end { 0.72f, 0.76f };

    Point at(float t) const
    {
        const auto u = 1.0f - t;
        return start * (u * u * u) + control1 * (3.0f * u * u * t) + control2 * (3.0f * u * t * t) + end * (t * t * t);
    }

    // Unit vector at right angles to the edge, pointing away from the sail.
    Point outward(float t) const
    {
        const auto u = 1.0f - t;
        const auto tangent = (control1 - start) * (3.0f * u * u) + (control2 - control1) * (6.0f * u * t)
                           + (end - control2) * (3.0f * t * t);
        return Point(tangent.y, -tangent.x) / tangent.getDistanceFromOrigin();
    }
};

constexpr float footY = 0.76f;

juce::Path sail(const Leech& leech)
{
    juce::Path path;
    path.startNewSubPath(leech.start);
    path.cubicTo(leech.control1, leech.control2, leech.end);
    path.lineTo(leech.start.x, footY);
    path.closeSubPath();
    return path;
}

// Part of the trailing edge, moved out by `distance`, as a stroke with round ends.
juce::Path echo(const Leech& leech, float distance, float fromT, float toT, float thickness)
{
    constexpr int steps = 48;
    juce::Path line;
    for (int i = 0; i <= steps; ++i)
    {
        const auto t = fromT + (toT - fromT) * (float) i / (float) steps;
        const auto point = leech.at(t) + leech.outward(t) * distance;
        if (i == 0)
            line.startNewSubPath(point);
        else
            line.lineTo(point);
    }

    juce::Path stroke;
    juce::PathStrokeType(thickness, juce::PathStrokeType::curved, juce::PathStrokeType::rounded)
        .createStrokedPath(stroke, line);
    return stroke;
}

juce::Path hull()
{
    juce::Path path;
    path.startNewSubPath(0.12f, 0.82f);
    path.lineTo(0.90f, 0.82f);
    path.quadraticTo(0.85f, 0.93f, 0.70f, 0.93f);
    path.lineTo(0.30f, 0.93f);
    path.quadraticTo(0.17f, 0.93f, 0.12f, 0.82f);
    path.closeSubPath();
    return path;
}
} // namespace

std::vector<Layer> layers(juce::Rectangle<float> area)
{
    const Leech leech;
    // Echo strokes and the spaces between them and the sail are all the same width.
    constexpr float thickness = 0.045f, gap = 0.045f;
    std::vector<Layer> all {
        { sail(leech), 1.0f },
        { hull(), 1.0f },
        { echo(leech, gap + thickness * 0.5f, 0.16f, 0.90f, thickness), 0.7f },
        { echo(leech, 2.0f * gap + thickness * 1.5f, 0.30f, 0.82f, thickness), 0.4f },
    };

    juce::Rectangle<float> ink;
    for (const auto& layer : all)
        ink = ink.getUnion(layer.shape.getBounds());
    const auto toArea = juce::RectanglePlacement(juce::RectanglePlacement::centred).getTransformToFit(ink, area);
    for (auto& layer : all)
        layer.shape.applyTransform(toArea);
    return all;
}
} // namespace LogoMark
