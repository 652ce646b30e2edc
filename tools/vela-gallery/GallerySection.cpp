#include "GallerySection.h"

using namespace juce;

namespace
{
const int margin = 12;
const int titleHeight = 24;
const int captionHeight = 16;
const int gap = 14;
const float captionFontHeight = 11.0f;
} // namespace

GallerySection::GallerySection(const String& sectionTitle, int width)
    : title(sectionTitle), nextX(margin), rowTop(titleHeight)
{
    setSize(width, titleHeight + margin);
}

void GallerySection::place(std::unique_ptr<Component> item, const String& caption, int itemWidth, int itemHeight)
{
    const int cellWidth = jmax(itemWidth, Font(captionFontHeight).getStringWidth(caption) + 6);

    if (nextX > margin && nextX + cellWidth > getWidth() - margin)
        startNewRow();

    item->setBounds(nextX + (cellWidth - itemWidth) / 2, rowTop, itemWidth, itemHeight);
    addAndMakeVisible(*item);
    captions.push_back({ caption, { nextX, rowTop + itemHeight + 2, cellWidth, captionHeight } });
    items.push_back(std::move(item));

    nextX += cellWidth + gap;
    rowHeight = jmax(rowHeight, itemHeight + captionHeight + 4);
    setSize(getWidth(), rowTop + rowHeight + margin);
}

void GallerySection::startNewRow()
{
    rowTop += rowHeight + gap;
    rowHeight = 0;
    nextX = margin;
}

void GallerySection::showHovered(Component& item)
{
    hoveredItems.push_back(&item);
}

void GallerySection::paint(Graphics& g)
{
    g.setColour(Colours::white.withAlpha(0.08f));
    g.fillRect(getLocalBounds().removeFromBottom(1));

    g.setColour(Colour(0xffe2e2e2));
    g.setFont(15.0f);
    g.drawText(title, margin, 4, getWidth() - 2 * margin, titleHeight - 6, Justification::centredLeft);

    g.setColour(Colour(0xffababab));
    g.setFont(captionFontHeight);
    for (const auto& caption : captions)
        g.drawFittedText(caption.text, caption.area, Justification::centredTop, 1);
}
