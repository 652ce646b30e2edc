// LookAndFeel_V2's group outline, with a smaller caption and a hairline, to match the panel's small type.
#include "LumJuceLookAndFeelModern.h"

using namespace juce;

namespace
{
const float textHeight = 12.0f;
const float indent = 3.0f;
const float textEdgeGap = 4.0f;
const float cornerSize = 5.0f;
} // namespace

void LumJuceLookAndFeelModern::drawGroupComponentOutline(Graphics& g, int width, int height, const String& text,
                                                         const Justification& position, GroupComponent& group)
{
    const Font font(textHeight, Font::plain);
    const float x = indent;
    const float y = font.getAscent() - 3.0f;
    const float w = jmax(0.0f, (float) width - 2.0f * x);
    const float h = jmax(0.0f, (float) height - y - indent);
    const float cs = jmin(cornerSize, w * 0.5f, h * 0.5f);
    const float cs2 = 2.0f * cs;

    const float textW = text.isEmpty() ? 0.0f
                                       : jlimit(0.0f, jmax(0.0f, w - cs2 - 2.0f * textEdgeGap),
                                                (float) font.getStringWidth(text) + 2.0f * textEdgeGap);
    float textX = cs + textEdgeGap;
    if (position.testFlags(Justification::horizontallyCentred))
        textX = cs + (w - cs2 - textW) * 0.5f;
    else if (position.testFlags(Justification::right))
        textX = w - cs - textW - textEdgeGap;

    // Clockwise from the end of the caption's gap round to its start.
    Path outline;
    outline.startNewSubPath(x + textX + textW, y);
    outline.lineTo(x + w - cs, y);
    outline.addArc(x + w - cs2, y, cs2, cs2, 0.0f, MathConstants<float>::halfPi);
    outline.lineTo(x + w, y + h - cs);
    outline.addArc(x + w - cs2, y + h - cs2, cs2, cs2, MathConstants<float>::halfPi, MathConstants<float>::pi);
    outline.lineTo(x + cs, y + h);
    outline.addArc(x, y + h - cs2, cs2, cs2, MathConstants<float>::pi, 1.5f * MathConstants<float>::pi);
    outline.lineTo(x, y + cs);
    outline.addArc(x, y, cs2, cs2, 1.5f * MathConstants<float>::pi, MathConstants<float>::twoPi);
    outline.lineTo(x + textX, y);

    const float alpha = group.isEnabled() ? 1.0f : 0.5f;
    g.setColour(group.findColour(GroupComponent::outlineColourId).withMultipliedAlpha(alpha));
    g.strokePath(outline, PathStrokeType(1.0f));

    g.setColour(group.findColour(GroupComponent::textColourId).withMultipliedAlpha(alpha));
    g.setFont(font);
    g.drawText(text, roundToInt(x + textX), 0, roundToInt(textW), (int) textHeight, Justification::centred, true);
}
