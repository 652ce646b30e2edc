#include "PanelLayout.h"

#include <map>

namespace PanelLayout
{
const std::vector<Section>& sections()
{
    static const std::vector<Section> all {
        { "IN / OUT", 85, false },
        { "DELAY", 187, false },
        { "SYNC", 269, false },
        { "MOD", 341, true },
    };
    return all;
}

juce::Rectangle<int> boundsOf(const char* name)
{
    for (const auto& row : PanelTable::rows())
        if (juce::String(row.name) == name)
            return row.bounds;
    jassertfalse;
    return {};
}

std::vector<juce::Rectangle<float>> groupBoxes()
{
    // Enough margin to read as a frame, little enough to stay clear of the captions next to the boxes.
    constexpr float margin = 4.0f;
    std::map<PanelTable::Box, juce::Rectangle<int>> areas;

    for (const auto& row : PanelTable::rows())
        if (row.box != PanelTable::noBox)
            areas[row.box] = areas[row.box].getUnion(row.bounds);

    std::vector<juce::Rectangle<float>> boxes;
    for (const auto& [box, area] : areas)
        boxes.push_back(area.toFloat().expanded(margin));
    return boxes;
}
} // namespace PanelLayout
