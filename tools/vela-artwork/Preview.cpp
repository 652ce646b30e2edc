#include "Artwork.h"
#include "ControlSketch.h"

namespace Artwork
{
juce::Image preview(const juce::Image& background)
{
    juce::Image image(juce::Image::ARGB, PanelTable::width, PanelTable::height, true);
    juce::Graphics g(image);

    // What the editor's panel does before its controls paint.
    g.fillAll(juce::Colour(0xff323e44));
    g.setImageResamplingQuality(juce::Graphics::highResamplingQuality);
    g.drawImage(background, 0, 0, PanelTable::width, PanelTable::height, 0, 0, background.getWidth(), background.getHeight());

    for (const auto& row : PanelTable::rows())
    {
        if (row.visibility == PanelTable::Visibility::hidden)
            continue;
        sketchControl(g, row);
        const auto isCaption = std::holds_alternative<PanelTable::CaptionStyle>(row.style);
        g.setColour(juce::Colour(isCaption ? 0x8033aaff : 0x90ffcc00));
        g.drawRect(row.bounds, 1);
    }
    return image;
}
} // namespace Artwork
