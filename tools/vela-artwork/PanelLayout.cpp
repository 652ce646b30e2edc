#include "PanelLayout.h"

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

const std::vector<Control>& controls()
{
    using K = Control::Kind;
    static const std::vector<Control> all {
        { K::tealKnob, { 121, 55, 60, 60 }, "" },
        { K::caption, { 120, 110, 64, 24 }, "HIGHPASS" },
        { K::tealKnob, { 225, 55, 60, 60 }, "" },
        { K::caption, { 217, 110, 72, 24 }, "LOWPASS" },
        { K::tealKnob, { 329, 55, 60, 60 }, "" },
        { K::caption, { 337, 111, 48, 24 }, "MIX" },
        { K::tealKnob, { 113, 155, 60, 60 }, "" },
        { K::caption, { 97, 211, 88, 24 }, "FEEDBACK" },
        { K::tealKnob, { 217, 147, 80, 80 }, "" },
        { K::caption, { 233, 221, 48, 18 }, "TIME" },
        { K::tealKnob, { 341, 155, 60, 60 }, "" },
        { K::caption, { 326, 211, 88, 24 }, "SPREAD" },
        { K::button, { 432, 175, 37, 16 }, "BYPASS", 1 },
        { K::button, { 432, 195, 37, 16 }, "LOOP", 1 },
        { K::button, { 76, 261, 80, 16 }, "BPM SYNC" },
        { K::button, { 180, 261, 80, 16 }, "NORMAL", 2 },
        { K::button, { 264, 261, 80, 16 }, "DOTTED", 2 },
        { K::button, { 347, 261, 80, 16 }, "TRIPPLET", 2 },
        { K::caption, { 75, 303, 96, 16 }, "MOD TYPE" },
        { K::comboBox, { 79, 324, 112, 24 }, "Chorus", 3 },
        { K::button, { 75, 359, 40, 16 }, "PRE", 3 },
        { K::button, { 115, 359, 40, 16 }, "POST", 3 },
        { K::button, { 155, 359, 40, 16 }, "BYPASS", 3 },
        { K::magentaKnob, { 222, 312, 60, 60 }, "" },
        { K::caption, { 205, 368, 96, 24 }, "MOD AMOUNT" },
        { K::magentaKnob, { 310, 310, 60, 60 }, "" },
        { K::caption, { 304, 367, 69, 24 }, "MOD FREQ" },
        { K::magentaKnob, { 398, 310, 60, 60 }, "" },
        { K::caption, { 381, 368, 96, 24 }, "MOD FEEDBACK" },
        { K::caption, { 130, 20, 46, 8 }, "PRESET" },
        { K::comboBox, presetSelector, "Init" },
    };
    return all;
}

std::vector<juce::Rectangle<float>> groupBoxes()
{
    // Enough margin to read as a frame, little enough to stay clear of the captions next to the boxes.
    constexpr float margin = 4.0f;
    std::vector<juce::Rectangle<float>> boxes;

    for (int box = 1; box <= boxCount; ++box)
    {
        juce::Rectangle<int> area;
        for (const auto& control : controls())
            if (control.box == box)
                area = area.getUnion(control.bounds);
        boxes.push_back(area.toFloat().expanded(margin));
    }
    return boxes;
}
} // namespace PanelLayout
