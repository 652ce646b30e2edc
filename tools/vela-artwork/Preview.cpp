#include "Artwork.h"
#include "ControlSketch.h"

namespace Artwork
{
juce::Image preview(const juce::Image& background)
{
    juce::Image image(juce::Image::ARGB, PanelLayout::width, PanelLayout::height, true);
    juce::Graphics g(image);

    // What the editor's panel does before its controls paint.
    g.fillAll(juce::Colour(0xff323e44));
    g.setImageResamplingQuality(juce::Graphics::highResamplingQuality);
    g.drawImage(background, 0, 0, PanelLayout::width, PanelLayout::height, 0, 0, background.getWidth(), background.getHeight());

    for (const auto& control : PanelLayout::controls())
    {
        sketchControl(g, control);
        const auto isCaption = control.kind == PanelLayout::Control::Kind::caption;
        g.setColour(juce::Colour(isCaption ? 0x8033aaff : 0x90ffcc00));
        g.drawRect(control.bounds, 1);
    }
    return image;
}
} // namespace Artwork
