#include "LumJuceLookAndFeelModern.h"

#include <cmath>

using namespace juce;

namespace
{
const Colour disabledGrey(0x80808080);

struct KnobGeometry
{
    int width, height;
    float radius, centreX, centreY, rx, ry, rw;
    float startAngle, endAngle, valueAngle, proportion;
};

// Twenty-five ticks, 12 degrees apart, from 36 to 324 degrees clockwise from straight down;
// every third one is long, so that with the default rotary range they divide the travel into eight.
void addScaleTicks(Path& path, const KnobGeometry& knob)
{
    const Point<float> centre((float) (knob.width / 2), (float) (knob.height / 2));
    const auto tickRadius = (float) (0.75 * knob.radius);
    const auto step = (float) (6.2831852 / 30);
    const float cosStep = std::cos(step), sinStep = std::sin(step);
    Point<float> v(0.0f, tickRadius);

    for (int i = 0; i <= 30; ++i)
    {
        if (i >= 3 && i <= 27)
        {
            path.startNewSubPath(centre + v * (i % 3 == 0 ? 0.7f : 0.8f));
            path.lineTo(centre + v);
            path.closeSubPath();
        }

        v = { cosStep * v.x - sinStep * v.y, sinStep * v.x + cosStep * v.y };
    }
}

String valueText(Slider& slider)
{
    if (slider.getMaximum() > 10000.0)
        return String(slider.getValue() / 1000.0, 1) + "k";

    return slider.getTextFromValue(slider.getValue());
}

void drawLargeKnob(Graphics& g, const KnobGeometry& knob, Slider& slider, bool hover)
{
    const auto fill = slider.findColour(Slider::rotarySliderFillColourId);
    const auto outline = slider.findColour(Slider::rotarySliderOutlineColourId);
    const bool enabled = slider.isEnabled();

    Path track;
    track.addPieSegment(knob.rx, knob.ry, knob.rw, knob.rw, knob.startAngle, knob.endAngle, 0.8f);
    g.setColour(Colour(0x40808080));
    g.fillPath(track);

    // A range symmetric about zero grows to either side of twelve o'clock from its centre.
    const bool symmetric = slider.getMaximum() == std::abs(slider.getMinimum());
    const float ringFrom = symmetric ? 0.0f : knob.startAngle;
    const float ringTo = symmetric ? (knob.proportion - 0.5f) * (knob.endAngle - knob.startAngle) : knob.valueAngle;
    Path ring;
    ring.addPieSegment(knob.rx, knob.ry, knob.rw, knob.rw, ringFrom, ringTo, 0.8f);
    g.setColour(enabled ? fill.withAlpha(hover ? 0.9f : 0.7f) : disabledGrey);
    g.fillPath(ring);

    g.setColour(Colours::black.withAlpha(hover ? 0.4f : 0.3f));
    g.fillEllipse(knob.centreX - 0.5f * knob.radius, knob.centreY - 0.5f * knob.radius, knob.radius, knob.radius);

    Path scale;
    scale.addPieSegment(knob.rx, knob.ry, knob.rw, knob.rw, knob.startAngle, knob.endAngle, 1.0f);
    addScaleTicks(scale, knob);
    g.setColour(enabled ? outline : disabledGrey);
    g.strokePath(scale, PathStrokeType(enabled ? 1.0f : 0.3f));

    g.setColour(fill.withAlpha(0.9f));
    g.setFont((float) (knob.radius / 2.7));
    g.drawSingleLineText(valueText(slider), knob.width / 2, knob.height / 2 + 5, Justification::horizontallyCentred);
    g.setFont((float) (knob.radius / 2.7 - 1.0));
    g.drawSingleLineText(slider.getTextValueSuffix(), knob.width / 2, knob.height / 2 + 25,
                         Justification::horizontallyCentred);
}

// A ring with a pointer, turned to the value.
void drawSmallKnob(Graphics& g, const KnobGeometry& knob, Slider& slider, bool hover)
{
    const auto fill = slider.findColour(Slider::rotarySliderFillColourId);
    g.setColour(slider.isEnabled() ? fill.withAlpha(hover ? 1.0f : 0.7f) : disabledGrey);

    Path shape;
    shape.addEllipse(-0.4f * knob.rw, -0.4f * knob.rw, 0.8f * knob.rw, 0.8f * knob.rw);
    PathStrokeType(0.1f * knob.rw).createStrokedPath(shape, shape);
    shape.addLineSegment(Line<float>(0.0f, 0.0f, 0.0f, -knob.radius), 0.2f * knob.rw);
    g.fillPath(shape, AffineTransform::rotation(knob.valueAngle).translated(knob.centreX, knob.centreY));
}
} // namespace

void LumJuceLookAndFeelModern::drawRotarySlider(Graphics& g, int x, int y, int width, int height,
                                                float sliderPosProportional, float rotaryStartAngle,
                                                float rotaryEndAngle, Slider& slider)
{
    KnobGeometry knob;
    knob.width = width;
    knob.height = height;
    knob.radius = (float) jmin(width / 2, height / 2) - 2.0f;
    knob.centreX = (float) x + (float) width * 0.5f;
    knob.centreY = (float) y + (float) height * 0.5f;
    knob.rx = knob.centreX - knob.radius;
    knob.ry = knob.centreY - knob.radius;
    knob.rw = knob.radius * 2.0f;
    knob.startAngle = rotaryStartAngle;
    knob.endAngle = rotaryEndAngle;
    knob.proportion = sliderPosProportional;
    knob.valueAngle = rotaryStartAngle + sliderPosProportional * (rotaryEndAngle - rotaryStartAngle);

    const bool hover = slider.isMouseOverOrDragging() && slider.isEnabled();

    if (knob.radius > 12.0f)
        drawLargeKnob(g, knob, slider, hover);
    else
        drawSmallKnob(g, knob, slider, hover);
}
