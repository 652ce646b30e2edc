#include "EditorFixture.h"
#include "ChoiceValues.h"

#include <cmath>
#include <functional>
#include <set>
#include <thread>
#include <utility>

namespace
{
using PanelBehaviour = EditorFixture;

int litIndex(EditorFixture& f, std::initializer_list<int> row)
{
    int index = 0;
    for (int child : row)
    {
        if (f.controlAs<juce::Button>(child).getToggleState())
            return index;
        ++index;
    }
    return -1;
}
} // namespace

TEST_F(PanelBehaviour, RowButtonsWriteTheirChoiceAndLightFromTheParameter)
{
    struct Case
    {
        int child;
        const char* id;
        float value;
    };

    setFromHost("syncTempo", 1.0f);
    runMessages();

    const Case cases[] = {
        { Controls::post, "modRouting", hostValue(ModRouting::post) },
        { Controls::routingBypass, "modRouting", hostValue(ModRouting::bypass) },
        { Controls::pre, "modRouting", hostValue(ModRouting::pre) },
        { Controls::dotted, "syncMode", hostValue(SyncMode::dotted) },
        { Controls::triplet, "syncMode", hostValue(SyncMode::triplet) },
        { Controls::normal, "syncMode", hostValue(SyncMode::normal) },
    };

    for (const Case& c : cases)
    {
        click(control(c.child));
        EXPECT_EQ(raw(c.id), c.value) << c.id;
        EXPECT_TRUE(controlAs<juce::Button>(c.child).getToggleState()) << c.id;
    }

    setFromHost("modRouting", hostValue(ModRouting::post));
    EXPECT_EQ(litIndex(*this, { Controls::pre, Controls::post, Controls::routingBypass }), 1);
    setFromHost("syncMode", hostValue(SyncMode::triplet));
    EXPECT_EQ(litIndex(*this, { Controls::normal, Controls::dotted, Controls::triplet }), 2);
}

TEST_F(PanelBehaviour, AutomationFromAHostThreadReachesTheRowsOnTheMessageThread)
{
    std::thread([this] {
        setFromHost("modRouting", hostValue(ModRouting::bypass));
        setFromHost("syncTempo", 1.0f);
        setFromHost("syncMode", hostValue(SyncMode::dotted));
    }).join();
    runMessages();

    EXPECT_EQ(litIndex(*this, { Controls::pre, Controls::post, Controls::routingBypass }), 2);
    EXPECT_EQ(litIndex(*this, { Controls::normal, Controls::dotted, Controls::triplet }), 1);
}

TEST_F(PanelBehaviour, ClosingRightAfterAutomationIsSafe)
{
    for (int i = 0; i < 20; ++i)
    {
        std::thread host([this, i] { setFromHost("modRouting", static_cast<float>(i % 3)); });
        closeEditor();
        host.join();
        openEditor();
    }
    runMessages();
    EXPECT_EQ(litIndex(*this, { Controls::pre, Controls::post, Controls::routingBypass }), 19 % 3);
}

TEST_F(PanelBehaviour, LoopHoldsFeedbackAtItsMaximumAndGivesItBack)
{
    setFromHost("feedback", 35.0f);

    click(control(Controls::loop));
    EXPECT_EQ(raw("feedback"), 100.0f);
    EXPECT_EQ(controlAs<juce::Slider>(Controls::feedback).getValue(), 100.0);
    EXPECT_TRUE(std::isinf(processor->getTailLengthSeconds())) << "hosts hear that the repeats go on for good";

    click(control(Controls::loop));
    EXPECT_EQ(raw("feedback"), 35.0f);
    EXPECT_EQ(controlAs<juce::Slider>(Controls::feedback).getValue(), 35.0);
    EXPECT_TRUE(std::isfinite(processor->getTailLengthSeconds()));

    click(control(Controls::loop));
    closeEditor();
    EXPECT_EQ(raw("feedback"), 100.0f) << "closing the editor keeps the held feedback";
    openEditor();
    EXPECT_FALSE(controlAs<juce::Button>(Controls::loop).getToggleState());
}

TEST_F(PanelBehaviour, PresetSelectorLoadsTheProgramOfTheItemPicked)
{
    writePreset("Init", "");
    writePreset("Long", "<PARAM id=\"time\" value=\"1500\"/>");
    writePreset("Short", "<PARAM id=\"time\" value=\"40\"/>");
    restart();

    auto& selector = controlAs<juce::ComboBox>(Controls::presetSelector);
    ASSERT_EQ(selector.getNumItems(), 6) << "three presets, then saving, deleting and restoring the factory ones";
    EXPECT_EQ(selector.getItemText(0), "Init");
    EXPECT_EQ(selector.getItemText(2), "Short");
    EXPECT_EQ(selector.getItemText(3), "Save Preset...");
    EXPECT_EQ(selector.getItemText(4), "Delete Preset");
    EXPECT_EQ(selector.getItemText(5), "Restore Factory Presets");
    EXPECT_EQ(selector.getSelectedItemIndex(), -1);
    EXPECT_EQ(selector.getTextWhenNothingSelected(), "Init");

    selector.setSelectedItemIndex(2, juce::sendNotificationSync);
    EXPECT_EQ(raw("time"), 40.0f);
    EXPECT_EQ(processor->getCurrentProgram(), 2);

    selector.setSelectedItemIndex(1, juce::sendNotificationSync);
    EXPECT_EQ(raw("time"), 1500.0f);
    EXPECT_EQ(processor->getCurrentProgram(), 1);
}

TEST_F(PanelBehaviour, OpeningShowsTheCurrentProgramWithoutLoadingItAgain)
{
    writePreset("Init", "");
    writePreset("Long", "<PARAM id=\"time\" value=\"1500\"/>");
    restart();
    processor->setCurrentProgram(1);
    closeEditor();

    writePreset("Long", "<PARAM id=\"time\" value=\"900\"/>");
    openEditor();
    runMessages();

    EXPECT_EQ(controlAs<juce::ComboBox>(Controls::presetSelector).getSelectedItemIndex(), 1);
    EXPECT_EQ(raw("time"), 1500.0f);
    EXPECT_EQ(processor->getCurrentProgram(), 1);
}

TEST_F(PanelBehaviour, WithoutPresetsTheSelectorOffersSavingAndTheFactoryPresets)
{
    auto& selector = controlAs<juce::ComboBox>(Controls::presetSelector);
    ASSERT_EQ(selector.getNumItems(), 3);
    EXPECT_EQ(selector.getItemText(0), "Save Preset...");
    EXPECT_EQ(selector.getItemText(2), "Restore Factory Presets");
    EXPECT_FALSE(selector.isItemEnabled(LumJucePresetSelector::deleteItemId)) << "nothing to delete";
    EXPECT_EQ(selector.getSelectedItemIndex(), -1);
    EXPECT_EQ(selector.getTextWhenNothingSelected(), "Init");
    EXPECT_EQ(selector.getTextWhenNoChoicesAvailable(), "(no choices)");
}

TEST_F(PanelBehaviour, TurningAKnobMarksTheProgramModified)
{
    writePreset("Init", "");
    restart();
    processor->setCurrentProgram(0);

    controlAs<juce::Slider>(Controls::mix).setValue(80.0, juce::sendNotificationSync);
    EXPECT_EQ(processor->getCurrentProgram(), -1);
}

namespace
{
// What a host records for undo and automation: each parameter's values and its gestures.
struct GestureWatch : juce::AudioProcessorListener
{
    void audioProcessorParameterChanged(juce::AudioProcessor*, int index, float) override
    {
        ++values;
        outsideAGesture += open.count(index) == 0 ? 1 : 0;
    }

    void audioProcessorParameterChangeGestureBegin(juce::AudioProcessor*, int index) override { open.insert(index); }
    void audioProcessorParameterChangeGestureEnd(juce::AudioProcessor*, int index) override { open.erase(index); }
    void audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails&) override {}

    std::set<int> open;
    int values = 0;
    int outsideAGesture = 0;
};
} // namespace

// Each value a user's action changes reaches hosts between a begin and an end of that parameter's gesture, so
// that a host's undo and automation take the action as one step.
TEST_F(PanelBehaviour, EveryChangeAUserMakesArrivesInsideAGesture)
{
    writePreset("Init", "");
    writePreset("Busy", "<PARAM id=\"time\" value=\"1500\"/><PARAM id=\"modRouting\" value=\"2\"/>"
                        "<PARAM id=\"syncTempo\" value=\"1\"/><PARAM id=\"syncMode\" value=\"2\"/>");
    restart();
    setFromHost("syncTempo", 1.0f);
    runMessages();
    auto& selector = controlAs<juce::ComboBox>(Controls::presetSelector);

    const std::pair<const char*, std::function<void()>> actions[] = {
        { "POST", [&] { click(control(Controls::post)); } },
        { "BYPASS", [&] { click(control(Controls::routingBypass)); } },
        { "PRE", [&] { click(control(Controls::pre)); } },
        { "DOTTED", [&] { click(control(Controls::dotted)); } },
        { "TRIPPLET", [&] { click(control(Controls::triplet)); } },
        { "NORMAL", [&] { click(control(Controls::normal)); } },
        { "PING-PONG", [&] { click(control(Controls::pingPong)); } },
        { "DUCK", [&] { drag(control(Controls::duck)); } },
        { "a preset", [&] { selector.setSelectedItemIndex(1, juce::sendNotificationSync); } },
        { "Init", [&] { selector.setSelectedItemIndex(0, juce::sendNotificationSync); } },
    };

    for (const auto& [name, act] : actions)
    {
        GestureWatch host;
        processor->addListener(&host);
        act();
        runMessages();
        processor->removeListener(&host);

        EXPECT_GT(host.values, 0) << name;
        EXPECT_EQ(host.outsideAGesture, 0) << name;
        EXPECT_TRUE(host.open.empty()) << name << ": every gesture ends";
    }
}

// A file the reader refuses leaves the sound and the current program as they were, and one line under the
// selector names the file and the reason until the next pick.
TEST_F(PanelBehaviour, ARefusedPresetSaysWhyAndChangesNothing)
{
    writePreset("Init", "");
    writePreset("Long", "<PARAM id=\"time\" value=\"1500\"/>");
    ASSERT_TRUE(home.presetFolder().getChildFile("Broken.preset").replaceWithText("<Vela><PARAM id=\"time\""));
    restart();
    auto& selector = controlAs<juce::ComboBox>(Controls::presetSelector);
    const auto refusalLine = [this]() -> juce::Label* {
        for (auto* child : panel().getChildren())
            if (child->getName() == "presetRefusal")
                return dynamic_cast<juce::Label*>(child);
        return nullptr;
    };
    ASSERT_EQ(processor->getAllProgramsNames(), (juce::StringArray { "Init", "Broken", "Long" }));

    selector.setSelectedItemIndex(2, juce::sendNotificationSync);
    ASSERT_EQ(raw("time"), 1500.0f);
    EXPECT_EQ(refusalLine(), nullptr);
    const int children = panel().getNumChildComponents();

    selector.setSelectedItemIndex(1, juce::sendNotificationSync);
    EXPECT_EQ(raw("time"), 1500.0f);
    EXPECT_EQ(processor->getCurrentProgram(), 2);
    EXPECT_EQ(selector.getText(), "Long");
    ASSERT_NE(refusalLine(), nullptr);
    EXPECT_TRUE(refusalLine()->getText().startsWith("Broken.preset not loaded: it is not well-formed XML"))
        << refusalLine()->getText();
    EXPECT_EQ(panel().getNumChildComponents(), children + 1) << "one line";

    selector.setSelectedItemIndex(0, juce::sendNotificationSync);
    EXPECT_EQ(raw("time"), 250.0f);
    EXPECT_EQ(refusalLine(), nullptr) << "gone with the next pick";
}
