#include "EditorFixture.h"

namespace
{
enum class Kind
{
    timeKnob, knob, caption, button, comboBox
};

struct ControlRow
{
    Kind kind;
    const char* name;
    const char* caption; // label text or button text; "" for knobs and combo boxes
    juce::Rectangle<int> bounds;
};

// clang-format off
const ControlRow panelControls[] = {
    { Kind::timeKnob, "time",           "",                    { 217, 147, 80, 80 } },
    { Kind::knob,     "Feedback",       "",                    { 113, 155, 60, 60 } },
    { Kind::knob,     "modAmount",      "",                    { 222, 312, 60, 60 } },
    { Kind::knob,     "Mix",            "",                    { 329, 55, 60, 60 } },
    { Kind::knob,     "modFreq",        "",                    { 310, 310, 60, 60 } },
    { Kind::caption,  "new label",      "TIME",                { 233, 221, 48, 18 } },
    { Kind::caption,  "new label",      "FEEDBACK",            { 97, 211, 88, 24 } },
    { Kind::caption,  "new label",      "MOD AMOUNT\n\n\n",    { 205, 368, 96, 24 } },
    { Kind::caption,  "new label",      "MIX",                 { 337, 111, 48, 24 } },
    { Kind::caption,  "new label",      "MOD FREQ\n",          { 304, 367, 69, 24 } },
    { Kind::button,   "syncTempo",      "BPM SYNC",            { 76, 261, 80, 16 } },
    { Kind::knob,     "Spread",         "",                    { 341, 155, 60, 60 } },
    { Kind::caption,  "new label",      "SPREAD",              { 326, 211, 88, 24 } },
    { Kind::knob,     "modFeedback",    "",                    { 398, 310, 60, 60 } },
    { Kind::caption,  "new label",      "MOD FEEDBACK\n",      { 381, 368, 96, 24 } },
    { Kind::knob,     "highpass",       "",                    { 121, 55, 60, 60 } },
    { Kind::caption,  "new label",      "HIGHPASS",            { 120, 110, 64, 24 } },
    { Kind::knob,     "lowpass",        "",                    { 225, 55, 60, 60 } },
    { Kind::caption,  "new label",      "LOWPASS",             { 217, 110, 72, 24 } },
    { Kind::button,   "new button",     "NORMAL",              { 180, 261, 80, 16 } },
    { Kind::button,   "new button",     "DOTTED",              { 264, 261, 80, 16 } },
    { Kind::button,   "new button",     "TRIPPLET",            { 347, 261, 80, 16 } },
    { Kind::button,   "new button",     "PRE",                 { 75, 359, 40, 16 } },
    { Kind::button,   "new button",     "POST",                { 115, 359, 40, 16 } },
    { Kind::comboBox, "modType",        "",                    { 79, 324, 112, 24 } },
    { Kind::button,   "new button",     "BYPASS",              { 155, 359, 40, 16 } },
    { Kind::caption,  "new label",      "MOD TYPE\n\n\n",      { 75, 303, 96, 16 } },
    { Kind::button,   "makePreset",     "Make Factory Preset", { 401, 76, 84, 16 } },
    { Kind::button,   "bypassDelay",    "BYPASS",              { 432, 175, 37, 16 } },
    { Kind::button,   "loop",           "LOOP",                { 432, 195, 37, 16 } },
    { Kind::comboBox, "presetSelector", "",                    { 176, 11, 152, 24 } },
    { Kind::caption,  "new label",      "PRESET\n",            { 130, 20, 46, 8 } },
    { Kind::knob,     "duck",           "",                    { 433, 55, 60, 60 } },
    { Kind::caption,  "new label",      "DUCK",                { 441, 111, 48, 24 } },
    { Kind::button,   "pingPong",       "PING-PONG",           { 432, 215, 37, 16 } },
};
// clang-format on

bool hasKind(juce::Component& c, Kind kind)
{
    switch (kind)
    {
        case Kind::timeKnob: return dynamic_cast<MainComponent::TimeSlider*>(&c) != nullptr;
        case Kind::knob: return dynamic_cast<juce::Slider*>(&c) != nullptr;
        case Kind::caption: return dynamic_cast<juce::Label*>(&c) != nullptr;
        case Kind::button: return dynamic_cast<juce::TextButton*>(&c) != nullptr;
        case Kind::comboBox: return dynamic_cast<juce::ComboBox*>(&c) != nullptr;
    }
    return false;
}

juce::String captionOf(juce::Component& c)
{
    if (auto* label = dynamic_cast<juce::Label*>(&c))
        return label->getText();
    if (auto* button = dynamic_cast<juce::Button*>(&c))
        return button->getButtonText();
    return {};
}

using EditorLayout = EditorFixture;
} // namespace

TEST_F(EditorLayout, WindowIsAFixedFrameAroundThePanel)
{
    EXPECT_EQ(editor->getWidth(), 500);
    EXPECT_EQ(editor->getHeight(), 400);
    EXPECT_FALSE(editor->isResizable());
    ASSERT_EQ(editor->getNumChildComponents(), 1);
    EXPECT_EQ(panel().getBounds(), juce::Rectangle<int>(0, 0, 500, 400));
}

TEST_F(EditorLayout, ControlsInCreationOrder)
{
    constexpr int controls = static_cast<int>(std::size(panelControls));
    ASSERT_EQ(panel().getNumChildComponents(), controls);

    for (int i = 0; i < controls; ++i)
    {
        const ControlRow& row = panelControls[i];
        auto& c = control(i);
        EXPECT_TRUE(hasKind(c, row.kind)) << "child " << i;
        EXPECT_EQ(c.getName(), row.name) << "child " << i;
        EXPECT_EQ(captionOf(c), row.caption) << "child " << i;
        EXPECT_EQ(c.getBounds(), row.bounds) << "child " << i;
        EXPECT_EQ(c.isVisible(), i != Controls::makePreset) << "child " << i;
    }
}

TEST_F(EditorLayout, ControlsKeepTheirPlacesWhateverThePanelsSize)
{
    panel().setSize(800, 700);
    for (int i = 0; i < static_cast<int>(std::size(panelControls)); ++i)
        EXPECT_EQ(control(i).getBounds(), panelControls[i].bounds) << "child " << i;
}

TEST_F(EditorLayout, KnobSuffixesAndColours)
{
    struct Case
    {
        int child;
        const char* suffix;
        juce::uint32 fill;
    };

    const Case cases[] = {
        { Controls::feedback, "%", 0x7f16e4d4 },     { Controls::mix, "%", 0x7f16e4d4 },
        { Controls::spread, "%", 0x7f16e4d4 },       { Controls::highpass, "hz", 0x7f16e4d4 },
        { Controls::lowpass, "hz", 0x7f16e4d4 },     { Controls::modAmount, "%", 0x7fe416b9 },
        { Controls::modFreq, "hz", 0x7fe416b9 },     { Controls::modFeedback, "%", 0x7fe416b9 },
        { Controls::time, "ms", 0x7f16e4d4 },
    };

    for (const Case& c : cases)
    {
        auto& knob = controlAs<juce::Slider>(c.child);
        EXPECT_EQ(knob.getTextValueSuffix(), c.suffix) << knob.getName();
        EXPECT_EQ(knob.findColour(juce::Slider::rotarySliderFillColourId).getARGB(), c.fill) << knob.getName();
        EXPECT_EQ(knob.getSliderStyle(), juce::Slider::RotaryHorizontalVerticalDrag) << knob.getName();
        EXPECT_EQ(knob.getTextBoxPosition(), juce::Slider::NoTextBox) << knob.getName();
    }
}

TEST_F(EditorLayout, ButtonRowsJoinAndGroup)
{
    struct Case
    {
        int child;
        int edges;
        int radioGroup;
        bool toggles;
    };

    using B = juce::Button;
    const Case cases[] = {
        { Controls::normal, B::ConnectedOnRight, 1, true },
        { Controls::dotted, B::ConnectedOnLeft | B::ConnectedOnRight, 1, true },
        { Controls::triplet, B::ConnectedOnLeft, 1, true },
        { Controls::pre, B::ConnectedOnRight, 2, true },
        { Controls::post, B::ConnectedOnLeft | B::ConnectedOnRight, 2, true },
        { Controls::routingBypass, B::ConnectedOnLeft, 2, true },
        { Controls::bypassDelay, B::ConnectedOnBottom, 0, true },
        { Controls::loop, B::ConnectedOnTop | B::ConnectedOnBottom, 0, true },
        { Controls::pingPong, B::ConnectedOnTop, 0, true },
        { Controls::syncTempo, 0, 0, true },
        { Controls::makePreset, 0, 0, false },
    };

    for (const Case& c : cases)
    {
        auto& button = controlAs<juce::TextButton>(c.child);
        EXPECT_EQ(button.getConnectedEdgeFlags(), c.edges) << button.getButtonText();
        EXPECT_EQ(button.getRadioGroupId(), c.radioGroup) << button.getButtonText();
        EXPECT_EQ(button.getClickingTogglesState(), c.toggles) << button.getButtonText();
    }
}

TEST_F(EditorLayout, ModTypeBoxListsTheTypesInParameterOrder)
{
    auto& box = controlAs<juce::ComboBox>(Controls::modType);
    const juce::StringArray types { "Chorus", "Vibrato", "Flanger", "Pan", "Phaser", "Tremolo", "Delay" };
    ASSERT_EQ(box.getNumItems(), types.size());
    for (int i = 0; i < types.size(); ++i)
    {
        EXPECT_EQ(box.getItemText(i), types[i]);
        EXPECT_EQ(box.getItemId(i), i + 1);
    }
}
