#include "EditorFixture.h"
#include "ChoiceValues.h"

#include <thread>

namespace
{
using TimeKnob = EditorFixture;

juce::Button* lit(std::initializer_list<juce::Button*> row)
{
    for (auto* button : row)
        if (button->getToggleState())
            return button;
    return nullptr;
}
} // namespace

TEST_F(TimeKnob, ShowsMillisecondsOrNoteValues)
{
    auto& knob = controlAs<MainComponent::TimeSlider>(Controls::time);
    EXPECT_EQ(knob.getTextFromValue(250.0), "250");

    knob.synced = true;
    knob.setRange(1.0, 6.0, 1.0);
    const char* const notes[] = { "1/32", "1/16", "1/8", "1/4", "1/2", "1/1" };
    for (int e = 1; e <= 6; ++e)
        EXPECT_EQ(knob.getTextFromValue(e), notes[e - 1]) << e;
}

TEST_F(TimeKnob, UserSwitchingSyncOnGivesASixteenthForAMillisecondTime)
{
    setFromHost("time", 400.0f);
    auto& knob = controlAs<MainComponent::TimeSlider>(Controls::time);

    click(control(Controls::syncTempo));
    runMessages();

    EXPECT_EQ(raw("syncTempo"), 1.0f);
    EXPECT_EQ(knob.getMinimum(), 1.0);
    EXPECT_EQ(knob.getMaximum(), 6.0);
    EXPECT_EQ(knob.getTextValueSuffix(), "div");
    EXPECT_EQ(raw("time"), 2.0f);
    EXPECT_EQ(knob.getTextFromValue(knob.getValue()), "1/16");
    for (int child : { Controls::normal, Controls::dotted, Controls::triplet })
        EXPECT_TRUE(control(child).isEnabled());
    EXPECT_EQ(lit({ &controlAs<juce::Button>(Controls::normal), &controlAs<juce::Button>(Controls::dotted),
                    &controlAs<juce::Button>(Controls::triplet) }),
              &controlAs<juce::Button>(Controls::normal));
}

TEST_F(TimeKnob, UserSwitchingSyncOnKeepsEveryNoteValueTheKnobOffers)
{
    for (float note : { 1.0f, 3.0f, 6.0f })
    {
        setFromHost("syncTempo", 0.0f);
        setFromHost("time", note);
        click(control(Controls::syncTempo));
        runMessages();
        EXPECT_EQ(raw("time"), note);
    }
}

TEST_F(TimeKnob, UserSwitchingSyncOffGivesTwoHundredFiftyMilliseconds)
{
    click(control(Controls::syncTempo));
    runMessages();
    setFromHost("syncMode", hostValue(SyncMode::dotted));
    click(control(Controls::syncTempo));
    runMessages();

    auto& knob = controlAs<MainComponent::TimeSlider>(Controls::time);
    EXPECT_EQ(raw("syncTempo"), 0.0f);
    EXPECT_EQ(raw("time"), 250.0f);
    EXPECT_EQ(knob.getMinimum(), 10.0);
    EXPECT_EQ(knob.getInterval(), 10.0);
    EXPECT_EQ(knob.getTextFromValue(knob.getValue()), "250");
    EXPECT_FALSE(control(Controls::dotted).isEnabled());
    EXPECT_TRUE(controlAs<juce::Button>(Controls::dotted).getToggleState()) << "the light stays as it was";
}

TEST_F(TimeKnob, SyncModeButtonsKeepTheNoteValue)
{
    setFromHost("syncTempo", 1.0f);
    runMessages();

    for (float note : { 3.0f, 6.0f })
    {
        setFromHost("time", note);
        click(control(Controls::dotted));
        runMessages();
        EXPECT_EQ(raw("syncMode"), hostValue(SyncMode::dotted));
        EXPECT_EQ(raw("time"), note);
        EXPECT_TRUE(controlAs<juce::Button>(Controls::dotted).getToggleState());

        click(control(Controls::triplet));
        runMessages();
        EXPECT_EQ(raw("syncMode"), hostValue(SyncMode::triplet));
        EXPECT_EQ(raw("time"), note);
    }
}

TEST_F(TimeKnob, NothingButTheUsersClickChangesTheStoredTime)
{
    writePreset("Synced Slow", "<PARAM id=\"syncTempo\" value=\"1\"/><PARAM id=\"time\" value=\"400\"/>"
                               "<PARAM id=\"syncMode\" value=\"2\"/>");
    writePreset("Synced Whole", "<PARAM id=\"syncTempo\" value=\"1\"/><PARAM id=\"time\" value=\"6\"/>");
    restart();

    struct Case
    {
        const char* name;
        std::function<void()> change;
        float expectedTime;
    };

    const Case cases[] = {
        { "host turns sync on", [this] { setFromHost("time", 400.0f); setFromHost("syncTempo", 1.0f); }, 400.0f },
        { "host turns sync off", [this] { setFromHost("time", 5.0f); setFromHost("syncTempo", 0.0f); }, 5.0f },
        { "host changes the sync mode while free",
          [this] { setFromHost("time", 777.0f); setFromHost("syncMode", hostValue(SyncMode::triplet)); }, 777.0f },
        { "host thread turns sync on",
          [this] {
              setFromHost("time", 640.0f);
              std::thread([this] { setFromHost("syncTempo", 1.0f); }).join();
          },
          640.0f },
        { "a program with sync on", [this] { processor->setCurrentProgram(0); }, 400.0f },
        { "a program with sync on and a whole note", [this] { processor->setCurrentProgram(1); }, 6.0f },
        { "a state restored",
          [this] {
              juce::MemoryBlock state;
              setFromHost("syncTempo", 0.0f);
              setFromHost("time", 1234.0f);
              processor->getStateInformation(state);
              setFromHost("syncTempo", 1.0f);
              processor->setStateInformation(state.getData(), static_cast<int>(state.getSize()));
          },
          1234.0f },
        { "the editor reopened while synced",
          [this] {
              processor->setCurrentProgram(0);
              closeEditor();
              openEditor();
          },
          400.0f },
    };

    for (const Case& c : cases)
    {
        c.change();
        runMessages();
        EXPECT_EQ(raw("time"), c.expectedTime) << c.name;
    }
}

namespace
{
// A stored time and the note the engine plays for it while synced (times above 8 play as 1).
struct StoredTime
{
    float time;
    const char* syncedText;
};

const StoredTime storedTimes[] = {
    { 0.0f, "1/64" }, { 3.0f, "1/8" }, { 8.0f, "4/1" }, { 9.0f, "1/32" }, { 95.0f, "1/32" }, { 400.0f, "1/32" },
};

enum class Switch
{
    host,
    hostThread,
    program,
    state,
    syncModeChange,
    editorReopened,
    usersClick,
    usersKey
};

const char* switchName(Switch how)
{
    constexpr const char* names[] = { "host",       "host thread",     "program", "state", "sync mode change",
                                      "editor reopened", "user's click", "user's key" };
    return names[static_cast<int>(how)];
}
} // namespace

// Whoever switches Tempo Sync (or Sync Mode), the knob shows what the engine plays; only the user's own switch
// chooses a time for the new mode.
TEST_F(TimeKnob, ShowsWhatPlaysAfterEveryWayOfSwitching)
{
    const auto presetFile = home.presetFolder().getChildFile("Switch.preset");

    for (const StoredTime& stored : storedTimes)
        for (bool synced : { true, false })
            for (Switch how : { Switch::host, Switch::hostThread, Switch::program, Switch::state,
                                Switch::syncModeChange, Switch::editorReopened, Switch::usersClick,
                                Switch::usersKey })
            {
                const bool before = how == Switch::syncModeChange ? synced : ! synced;
                setFromHost("syncMode", hostValue(SyncMode::normal));
                setFromHost("syncTempo", before ? 1.0f : 0.0f);
                setFromHost("time", stored.time);
                runMessages(10);

                switch (how)
                {
                    case Switch::host: setFromHost("syncTempo", synced ? 1.0f : 0.0f); break;
                    case Switch::hostThread:
                        std::thread([this, synced] { setFromHost("syncTempo", synced ? 1.0f : 0.0f); }).join();
                        break;
                    case Switch::program:
                        writePreset("Switch", "<PARAM id=\"syncTempo\" value=\"" + juce::String(synced ? 1 : 0)
                                                  + "\"/><PARAM id=\"time\" value=\"" + juce::String(stored.time)
                                                  + "\"/>");
                        processor->loadPresetFile(presetFile);
                        break;
                    case Switch::state:
                    {
                        juce::MemoryBlock state;
                        setFromHost("syncTempo", synced ? 1.0f : 0.0f);
                        processor->getStateInformation(state);
                        setFromHost("syncTempo", before ? 1.0f : 0.0f);
                        runMessages(10);
                        processor->setStateInformation(state.getData(), static_cast<int>(state.getSize()));
                        break;
                    }
                    case Switch::syncModeChange: setFromHost("syncMode", hostValue(SyncMode::dotted)); break;
                    case Switch::editorReopened:
                        closeEditor();
                        setFromHost("syncTempo", synced ? 1.0f : 0.0f);
                        openEditor();
                        break;
                    case Switch::usersClick: click(control(Controls::syncTempo)); break;
                    case Switch::usersKey:
                        control(Controls::syncTempo).keyPressed(juce::KeyPress(juce::KeyPress::returnKey));
                        break;
                }
                runMessages(20);

                const bool users = how == Switch::usersClick || how == Switch::usersKey;
                const bool offered = stored.time >= 1.0f && stored.time <= 6.0f;
                const float expectedTime = ! users ? stored.time : synced ? (offered ? stored.time : 2.0f) : 250.0f;
                const juce::String expectedText = ! synced                 ? juce::String(expectedTime)
                                                  : users && ! offered     ? juce::String("1/16")
                                                                           : juce::String(stored.syncedText);
                const auto context = juce::String(stored.time) + (synced ? " synced" : " free") + " by "
                                     + switchName(how);

                auto& knob = controlAs<MainComponent::TimeSlider>(Controls::time);
                EXPECT_EQ(raw("syncTempo"), synced ? 1.0f : 0.0f) << context;
                EXPECT_EQ(raw("time"), expectedTime) << context;
                EXPECT_EQ(knob.getTextFromValue(knob.getValue()), expectedText) << context;
                EXPECT_EQ(knob.getTextValueSuffix(), synced ? "div" : "ms") << context;
            }
}

TEST_F(TimeKnob, BpmSyncTakesKeyboardFocusInTabOrder)
{
    auto& button = control(Controls::syncTempo);
    EXPECT_TRUE(button.getWantsKeyboardFocus());

    const auto focusable = juce::KeyboardFocusTraverser().getAllComponents(&panel());
    EXPECT_NE(std::find(focusable.begin(), focusable.end(), &button), focusable.end());
}

TEST_F(TimeKnob, UsersTurnPicksAmongTheOfferedValuesWhateverTheKnobShows)
{
    struct Case
    {
        float syncTempo;
        float storedTime;
        double attempted;
        double picked;
    };

    const Case cases[] = {
        { 0.0f, 95.0f, 97.0, 100.0 }, { 0.0f, 3.0f, 4.0, 10.0 }, { 0.0f, 400.0f, 2500.0, 2000.0 },
        { 1.0f, 400.0f, 0.4, 1.0 },   { 1.0f, 8.0f, 7.6, 6.0 },  { 1.0f, 3.0f, 4.4, 4.0 },
    };

    for (const Case& c : cases)
    {
        setFromHost("syncTempo", c.syncTempo);
        setFromHost("time", c.storedTime);
        runMessages(10);

        auto& knob = controlAs<MainComponent::TimeSlider>(Controls::time);
        EXPECT_EQ(knob.snapValue(c.attempted, juce::Slider::absoluteDrag), c.picked)
            << c.storedTime << (c.syncTempo != 0.0f ? " synced" : " free");
    }
}
