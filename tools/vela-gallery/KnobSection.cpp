// Rotary knobs large and small, in the panel's two colours, in every state the look tells apart.
#include "GallerySections.h"
#include "PanelColours.h"

using namespace juce;

namespace
{
struct Knob
{
    double minimum, maximum, value;
    String suffix;
    Colour fill = PanelColours::teal;
};

std::unique_ptr<Slider> makeKnob(const Knob& knob)
{
    auto slider = std::make_unique<Slider>(Slider::RotaryHorizontalVerticalDrag, Slider::NoTextBox);
    slider->setRange(knob.minimum, knob.maximum, 1.0);
    slider->setValue(knob.value, dontSendNotification);
    slider->setTextValueSuffix(knob.suffix);
    slider->setColour(Slider::rotarySliderFillColourId, knob.fill);
    slider->setColour(Slider::rotarySliderOutlineColourId, PanelColours::knobOutline);
    return slider;
}
} // namespace

std::unique_ptr<GallerySection> makeKnobSection(int width)
{
    auto section = std::make_unique<GallerySection>("Knobs", width);
    const Knob feedback { 0.0, 100.0, 30.0, "%" };

    section->add(makeKnob(feedback), "30 %", 80, 80);
    section->showHovered(section->add(makeKnob(feedback), "hovered", 80, 80));
    section->add(makeKnob(feedback), "disabled", 80, 80).setEnabled(false);
    section->add(makeKnob({ 0.0, 100.0, 100.0, "%", PanelColours::pink }), "mod, at maximum", 60, 60);
    section->add(makeKnob({ -24.0, 24.0, 0.0, "dB" }), "-24..24 at 0", 80, 80);
    section->add(makeKnob({ -24.0, 24.0, 12.0, "dB" }), "-24..24 at 12", 80, 80);
    section->add(makeKnob({ -24.0, 24.0, -18.0, "dB" }), "-24..24 at -18", 80, 80);
    section->add(makeKnob({ -24.0, 12.0, 0.0, "dB" }), "-24..12 at 0", 80, 80);
    section->add(makeKnob({ 20.0, 20000.0, 15000.0, "hz" }), "15000 of 20000", 80, 80);
    section->add(makeKnob({ 10.0, 20000.0, 10.0, "hz" }), "10 of 20000", 80, 80);

    section->startNewRow();
    const Knob small { 0.0, 100.0, 40.0, {} };
    section->add(makeKnob(small), "small", 24, 24);
    section->showHovered(section->add(makeKnob(small), "hovered", 24, 24));
    section->add(makeKnob(small), "disabled", 24, 24).setEnabled(false);
    section->add(makeKnob({ 0.0, 100.0, 100.0, {}, PanelColours::pink }), "at maximum", 24, 24);
    section->add(makeKnob(small), "28 x 28: radius 12", 28, 28);
    section->add(makeKnob(small), "30 x 30: radius 13", 30, 30);
    return section;
}
