#include "Artwork.h"
#include "BackgroundParts.h"
#include "LogoMark.h"
#include "PanelLayout.h"

namespace Artwork
{
juce::Image background(int scale)
{
    juce::Image image(juce::Image::ARGB, PanelTable::width * scale, PanelTable::height * scale, true);
    juce::Graphics g(image);
    g.addTransform(juce::AffineTransform::scale((float) scale));

    BackgroundParts::paintBody(g);
    BackgroundParts::paintInsetBoxes(g);
    BackgroundParts::paintHeader(g);
    return image;
}

juce::Image logo()
{
    constexpr int size = 256;
    juce::Image image(juce::Image::ARGB, size, size, true);
    juce::Graphics g(image);

    // A small margin so the mark does not touch the edges wherever it is placed.
    for (const auto& layer : LogoMark::layers(juce::Rectangle<float>((float) size, (float) size).reduced(12.0f)))
    {
        g.setColour(juce::Colours::white.withAlpha(layer.opacity));
        g.fillPath(layer.shape);
    }
    return image;
}
} // namespace Artwork
