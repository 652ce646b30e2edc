#include "LumJuceLookAndFeelModern.h"

using namespace juce;

// A gradient shape without a border, so that buttons joined edge to edge read as one bar.
static void drawButtonShape(Graphics& g, const Path& outline, Colour baseColour, float height)
{
    g.setGradientFill(ColourGradient::vertical(baseColour.brighter(0.2f), 0.0f, baseColour.darker(0.15f), height));
    g.fillPath(outline);
}

void LumJuceLookAndFeelModern::drawButtonBackground(Graphics& g, Button& button, const Colour& backgroundColour,
                                                    bool isMouseOverButton, bool isButtonDown)
{
    auto base = backgroundColour.withMultipliedSaturation(button.hasKeyboardFocus(true) ? 1.3f : 0.9f)
                    .withMultipliedAlpha(button.isEnabled() ? 0.9f : 0.5f);

    if (isButtonDown || isMouseOverButton)
        base = base.contrasting(isButtonDown ? 0.2f : 0.1f);

    const bool left = button.isConnectedOnLeft();
    const bool right = button.isConnectedOnRight();
    const bool top = button.isConnectedOnTop();
    const bool bottom = button.isConnectedOnBottom();

    const auto w = (float) button.getWidth() - 1.0f;
    const auto h = (float) button.getHeight() - 1.0f;

    if (w <= 0.0f || h <= 0.0f)
        return;

    Path outline;
    outline.addRoundedRectangle(0.5f, 0.5f, w, h, 4.0f, 4.0f, ! (left || top), ! (right || top),
                                ! (left || bottom), ! (right || bottom));
    drawButtonShape(g, outline, base, h);
}

void LumJuceLookAndFeelModern::drawComboBox(Graphics& g, int width, int height, bool, int buttonX, int buttonY,
                                            int buttonW, int buttonH, ComboBox& box)
{
    g.fillAll(box.findColour(ComboBox::backgroundColourId));

    const bool focused = box.isEnabled() && box.hasKeyboardFocus(false);
    g.setColour(box.findColour(focused ? ComboBox::buttonColourId : ComboBox::outlineColourId));
    g.drawRect(0, 0, width, height, 1);

    const auto bx = (float) buttonX, by = (float) buttonY, bw = (float) buttonW, bh = (float) buttonH;
    Path arrows;
    arrows.addTriangle(bx + 0.5f * bw, by + 0.25f * bh, bx + 0.7f * bw, by + 0.45f * bh, bx + 0.3f * bw, by + 0.45f * bh);
    arrows.addTriangle(bx + 0.5f * bw, by + 0.75f * bh, bx + 0.7f * bw, by + 0.55f * bh, bx + 0.3f * bw, by + 0.55f * bh);

    g.setColour(box.findColour(ComboBox::arrowColourId).withMultipliedAlpha(box.isEnabled() ? 1.0f : 0.3f));
    g.fillPath(arrows);
}

// The half-transparent fill lies over the inner half of the grey edge and dims it.
void LumJuceLookAndFeelModern::drawPopupMenuBackground(Graphics& g, int width, int height)
{
    Path edge;
    edge.addRectangle(0.0f, 0.0f, (float) width, (float) height);
    g.setColour(Colours::lightgrey);
    g.strokePath(edge, PathStrokeType(1.0f));

    g.fillAll(findColour(PopupMenu::backgroundColourId));
}
