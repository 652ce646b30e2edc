#include "LumJuceLookAndFeelModern_DocumentWindowButton.h"

using namespace juce;

LumJuceLookAndFeelModern_DocumentWindowButton::LumJuceLookAndFeelModern_DocumentWindowButton(
    const String& name, Colour accent, const Path& normal, const Path& toggled)
    : Button(name), colour(accent), normalShape(normal), toggledShape(toggled)
{
}

LumJuceLookAndFeelModern_DocumentWindowButton::~LumJuceLookAndFeelModern_DocumentWindowButton() = default;

void LumJuceLookAndFeelModern_DocumentWindowButton::paintButton(Graphics& g, bool isMouseOverButton, bool isButtonDown)
{
    auto background = Colours::grey;
    if (auto* window = findParentComponentOfClass<ResizableWindow>())
        background = window->getBackgroundColour();

    const float cx = (float) getWidth() * 0.5f;
    const float cy = (float) getHeight() * 0.5f;
    const float diam = jmin(cx, cy) * (isButtonDown ? 0.6f : 0.65f);
    const Rectangle<float> circle(cx - diam, cy - diam, 2.0f * diam, 2.0f * diam);

    g.setColour(background);
    g.fillEllipse(circle);

    auto c = background.contrasting(colour, 0.6f);
    if (! isEnabled())
        c = c.withAlpha(0.6f);
    else if (isMouseOverButton)
        c = c.brighter(0.4f);

    g.setColour(c);
    g.drawEllipse(circle, 0.2f * diam);

    const auto& shape = getToggleState() ? toggledShape : normalShape;
    const float half = 0.55f * diam;
    g.fillPath(shape, shape.getTransformToScaleToFit(cx - half, cy - half, 2.0f * half, 2.0f * half, true));
}
