#include "ArtworkPalette.h"
#include "ArtworkText.h"
#include "BackgroundParts.h"
#include "PanelLayout.h"

namespace BackgroundParts
{
namespace
{
using namespace juce;

void paintGround(Graphics& g)
{
    const auto panel = Rectangle<float>(0.0f, 0.0f, (float) PanelTable::width, (float) PanelTable::height);
    g.setGradientFill(ColourGradient::vertical(ArtworkPalette::bodyTop, 0.0f, ArtworkPalette::bodyBottom, panel.getBottom()));
    g.fillRect(panel);

    // A broad, faint light from above the knobs keeps the large flat area from looking dead.
    ColourGradient light(Colours::white.withAlpha(0.045f), panel.getCentreX(), 40.0f,
                         Colours::white.withAlpha(0.0f), panel.getCentreX(), 330.0f, true);
    g.setGradientFill(light);
    g.fillRect(panel);

    // Darker towards the corners, so the eye stays on the controls.
    ColourGradient vignette(Colours::transparentBlack, panel.getCentreX(), panel.getCentreY(),
                            Colours::black.withAlpha(0.22f), 0.0f, 0.0f, true);
    vignette.addColour(0.55, Colours::transparentBlack);
    g.setGradientFill(vignette);
    g.fillRect(panel);
}

// An engraved line one panel pixel high: a dark half over a light half, fading out towards both sides.
void paintRule(Graphics& g, float row)
{
    const auto width = (float) PanelTable::width;
    const auto fade = [&](Colour colour)
    {
        ColourGradient gradient(colour.withAlpha(0.0f), 0.0f, row, colour.withAlpha(0.0f), width, row, false);
        gradient.addColour(0.06, colour);
        gradient.addColour(0.94, colour);
        return gradient;
    };

    g.setGradientFill(fade(Colours::black.withAlpha(0.45f)));
    g.fillRect(0.0f, row, width, 0.5f);
    g.setGradientFill(fade(Colours::white.withAlpha(0.07f)));
    g.fillRect(0.0f, row + 0.5f, width, 0.5f);
}

void paintSectionTitle(Graphics& g, const PanelLayout::Section& section)
{
    const auto accent = section.modulation ? ArtworkPalette::magenta : ArtworkPalette::teal;
    const auto centre = (float) section.controlsCentre;

    // A short bar in the section's knob colour marks where the title belongs.
    const auto bar = Rectangle<float>(12.0f, centre - 6.0f, 2.0f, 12.0f);
    g.setColour(accent.withAlpha(0.8f));
    g.fillRoundedRectangle(bar, 1.0f);

    const auto text = ArtworkText::outline(section.title, 10.0f, 0.12f);
    g.setColour(ArtworkPalette::title);
    g.fillPath(ArtworkText::placed(text, { 19.0f, centre - 10.0f, 50.0f, 20.0f }, Justification::centredLeft));
}
} // namespace

void paintBody(Graphics& g)
{
    paintGround(g);
    for (const auto row : PanelLayout::ruleRows)
        paintRule(g, (float) row);
    for (const auto& section : PanelLayout::sections())
        paintSectionTitle(g, section);
}
} // namespace BackgroundParts
