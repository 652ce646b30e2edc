#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

// One titled block of the gallery: items placed left to right in rows, each with a caption below it.
class GallerySection : public juce::Component
{
public:
    GallerySection(const juce::String& title, int width);

    template <typename ItemType>
    ItemType& add(std::unique_ptr<ItemType> item, const juce::String& caption, int itemWidth, int itemHeight)
    {
        auto& added = *item;
        place(std::move(item), caption, itemWidth, itemHeight);
        return added;
    }

    void startNewRow();
    // Marks an item to be painted with the pointer over it.
    void showHovered(juce::Component& item);

    const std::vector<juce::Component*>& getHoveredItems() const { return hoveredItems; }

    void paint(juce::Graphics&) override;

private:
    struct Caption
    {
        juce::String text;
        juce::Rectangle<int> area;
    };

    void place(std::unique_ptr<juce::Component> item, const juce::String& caption, int itemWidth, int itemHeight);

    const juce::String title;
    std::vector<std::unique_ptr<juce::Component>> items;
    std::vector<Caption> captions;
    std::vector<juce::Component*> hoveredItems;
    int nextX, rowTop, rowHeight = 0;
};
