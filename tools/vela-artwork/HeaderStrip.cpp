#include "ArtworkPalette.h"
#include "ArtworkText.h"
#include "BackgroundParts.h"
#include "LogoMark.h"
#include "PanelLayout.h"

namespace BackgroundParts
{
namespace
{
using namespace juce;

constexpr auto stripBottom = (float) PanelLayout::headerBottom;
constexpr float centreLine = 23.0f;

void paintStrip(Graphics& g)
{
    const auto width = (float) PanelTable::width;
    g.setGradientFill(ColourGradient::vertical(ArtworkPalette::headerTop, 0.0f, ArtworkPalette::headerBottom, stripBottom));
    g.fillRect(0.0f, 0.0f, width, stripBottom);
    g.setColour(Colours::white.withAlpha(0.06f));
    g.fillRect(0.0f, 0.0f, width, 0.5f);

    // The strip overhangs the panel a little.
    g.setGradientFill(ColourGradient::vertical(Colours::black.withAlpha(0.28f), stripBottom,
                                               Colours::transparentBlack, stripBottom + 6.0f));
    g.fillRect(0.0f, stripBottom, width, 6.0f);

    // Its lower edge glows in the knobs' two colours, teal under the name, magenta under the tagline.
    ColourGradient edge(ArtworkPalette::teal.withAlpha(0.7f), 0.0f, 0.0f,
                        ArtworkPalette::magenta.withAlpha(0.7f), width, 0.0f, false);
    edge.addColour(0.42, ArtworkPalette::teal.withAlpha(0.0f));
    edge.addColour(0.58, ArtworkPalette::magenta.withAlpha(0.0f));
    g.setGradientFill(edge);
    g.fillRect(0.0f, stripBottom - 0.5f, width, 0.5f);
}

void paintMark(Graphics& g, Rectangle<float> area)
{
    // At this small size the echoes need more presence than in the logo; the first takes the filter and
    // delay knobs' teal, the last the modulation knobs' magenta.
    const auto layers = LogoMark::layers(area);
    const Colour echoColours[] { ArtworkPalette::teal, ArtworkPalette::magenta };
    size_t echo = 0;
    for (const auto& layer : layers)
    {
        if (layer.opacity >= 1.0f)
            g.setColour(ArtworkPalette::productName);
        else
            g.setColour(echoColours[juce::jmin(echo++, std::size(echoColours) - 1)].withAlpha(0.9f));
        g.fillPath(layer.shape);
    }
}

// A recessed display under the preset selector.
void paintPresetWell(Graphics& g)
{
    const auto presetSelector = PanelLayout::boundsOf("presetSelector").toFloat();
    g.setColour(Colour(0xff0d1012));
    g.fillRect(presetSelector);
    g.setGradientFill(ColourGradient::vertical(Colours::black.withAlpha(0.5f), presetSelector.getY(),
                                               Colours::transparentBlack, presetSelector.getY() + 6.0f));
    g.fillRect(presetSelector);
}
} // namespace

void paintHeader(Graphics& g)
{
    paintStrip(g);

    const Rectangle<float> mark { 13.0f, centreLine - 14.0f, 28.0f, 28.0f };
    paintMark(g, mark);

    const auto name = ArtworkText::outline("VELA", 24.0f, 0.16f);
    g.setColour(ArtworkPalette::productName);
    g.fillPath(ArtworkText::placed(name, { mark.getRight() + 7.0f, centreLine - 12.0f, 80.0f, 24.0f },
                                   Justification::centredLeft));

    const auto tagline = ArtworkText::outline("DUAL DIGITAL DELAY", 10.0f, 0.3f);
    g.setColour(ArtworkPalette::tagline);
    g.fillPath(ArtworkText::placed(tagline, { 340.0f, centreLine - 10.0f, 146.0f, 20.0f }, Justification::centredRight));

    paintPresetWell(g);
}
} // namespace BackgroundParts
