#include "ControlSketch.h"
#include "ArtworkText.h"
#include "effects/LumDigiDelay.h"

#include <type_traits>
#include <variant>

namespace
{
using namespace juce;

void sketchKnob(Graphics& g, Rectangle<float> bounds, Colour fill)
{
    constexpr float start = MathConstants<float>::pi * 1.2f, end = MathConstants<float>::pi * 2.8f;
    const auto radius = (float) (juce::jmin((int) bounds.getWidth() / 2, (int) bounds.getHeight() / 2) - 2);
    const auto square = bounds.withSizeKeepingCentre(2.0f * radius, 2.0f * radius);
    const auto centre = square.getCentre();

    Path track, value, rim;
    track.addPieSegment(square, start, end, 0.8f);
    value.addPieSegment(square, start, (start + end) * 0.5f, 0.8f);
    rim.addPieSegment(square, start, end, 1.0f);

    g.setColour(Colour(0x40808080));
    g.fillPath(track);
    g.setColour(fill.withAlpha(0.7f));
    g.fillPath(value);
    g.setColour(Colours::black.withAlpha(0.3f));
    g.fillEllipse(Rectangle<float>(radius, radius).withCentre(centre));
    g.setColour(Colour(0x66e9e9e9));
    g.strokePath(rim, PathStrokeType(1.0f));
}

void sketchText(Graphics& g, Rectangle<float> area, const String& text, float height, Colour colour,
                Justification placement)
{
    g.setFont(ArtworkText::font(height));
    g.setColour(colour);
    g.drawText(text, area, placement, false);
}

void sketchButton(Graphics& g, Rectangle<float> bounds, const char* text)
{
    const auto base = Colour(0x7f515151);
    g.setGradientFill(ColourGradient::vertical(base.brighter(0.2f), bounds.getY(), base.darker(0.15f), bounds.getBottom()));
    g.fillRoundedRectangle(bounds.reduced(0.5f), 4.0f);
    sketchText(g, bounds, text, jmin(10.0f, bounds.getHeight() * 0.6f), Colour(0xffcbcbcb), Justification::centred);
}

void sketchComboBox(Graphics& g, Rectangle<float> bounds, const char* text)
{
    g.setColour(Colour(0xff333333));
    g.drawRect(bounds, 1.0f);
    sketchText(g, bounds.withTrimmedLeft(6.0f).withTrimmedRight(30.0f), text, jmin(16.0f, bounds.getHeight() * 0.85f),
               Colour(0xff999999), Justification::centredLeft);

    const auto arrows = bounds.removeFromRight(29.0f);
    Path path;
    path.addTriangle(arrows.getRelativePoint(0.5f, 0.25f), arrows.getRelativePoint(0.7f, 0.45f), arrows.getRelativePoint(0.3f, 0.45f));
    path.addTriangle(arrows.getRelativePoint(0.5f, 0.75f), arrows.getRelativePoint(0.7f, 0.55f), arrows.getRelativePoint(0.3f, 0.55f));
    g.setColour(Colour(0xff999999));
    g.fillPath(path);
}

void sketchCaption(Graphics& g, Rectangle<float> bounds, const char* text, const PanelTable::CaptionStyle& style)
{
    // Labels keep a border of 1 x 5 pixels inside their bounds; a caption's empty lines below its text fall
    // outside them.
    sketchText(g, bounds.reduced(5.0f, 1.0f), String(text).trimEnd(), jmin(10.0f, bounds.getHeight() * 0.8f),
               Colour(style.textColour), Justification(style.justification));
}

// A box shows its text for no choice; the mode box, which has none, its first mode.
const char* shownText(const PanelTable::BoxStyle& style)
{
    return *style.textWhenNothingSelected != 0 ? style.textWhenNothingSelected : LumDigiDelay::modTypeNames[0];
}
} // namespace

void sketchControl(Graphics& g, const PanelTable::Row& row)
{
    const auto bounds = row.bounds.toFloat();
    std::visit(
        [&](const auto& style)
        {
            using Style = std::decay_t<decltype(style)>;
            if constexpr (std::is_same_v<Style, PanelTable::KnobStyle>)
                sketchKnob(g, bounds, Colour(style.fill));
            else if constexpr (std::is_same_v<Style, PanelTable::CaptionStyle>)
                sketchCaption(g, bounds, row.text, style);
            else if constexpr (std::is_same_v<Style, PanelTable::ButtonStyle>)
                sketchButton(g, bounds, row.text);
            else
                sketchComboBox(g, bounds, shownText(style));
        },
        row.style);
}
