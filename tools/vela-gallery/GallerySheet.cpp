#include "GallerySheet.h"

#include "GallerySections.h"
#include "OffscreenPointer.h"
#include "PanelColours.h"

using namespace juce;

namespace
{
const int sheetWidth = 960;

class GallerySheet : public Component
{
public:
    GallerySheet()
    {
        sections.push_back(makeKnobSection(sheetWidth));
        sections.push_back(makeButtonSection(sheetWidth));
        sections.push_back(makeContainerSection(sheetWidth));
        sections.push_back(makeWindowSection(sheetWidth));

        int y = 0;
        for (auto& section : sections)
        {
            section->setTopLeftPosition(0, y);
            y += section->getHeight();
            addAndMakeVisible(*section);
        }
        setSize(sheetWidth, y);
    }

    void paint(Graphics& g) override { g.fillAll(PanelColours::background); }

    // Everything at rest first, then each hovered item again with the pointer over it.
    Image render()
    {
        Image image(Image::ARGB, getWidth(), getHeight(), true);
        {
            Graphics g(image);
            paintEntireComponent(g, false);
        }

        OffscreenPointer pointer(*this);
        for (auto& section : sections)
        {
            for (auto* item : section->getHoveredItems())
            {
                pointer.moveOnto(*item);
                Graphics g(image);
                g.reduceClipRegion(getLocalArea(item, item->getLocalBounds()));
                paintEntireComponent(g, false);
            }
        }
        return image;
    }

private:
    std::vector<std::unique_ptr<GallerySection>> sections;
};
} // namespace

Image renderGallery()
{
    return GallerySheet().render();
}
