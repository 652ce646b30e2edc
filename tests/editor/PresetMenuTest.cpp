#include "EditorFixture.h"
#include "FactoryPresets.h"
#include "LumJucePresetSelector.h"
#include "SnapshotComparison.h"

namespace
{
constexpr int cancel = 0;
constexpr int confirm = 1;

class PresetMenu : public EditorFixture
{
protected:
    LumJucePresetSelector& selector() { return controlAs<LumJucePresetSelector>(Controls::presetSelector); }

    // A pick from the menu, as the user makes it.
    void choose(int itemId)
    {
        selector().setSelectedId(itemId, juce::sendNotificationSync);
        runMessages(10);
    }

    juce::AlertWindow* question() { return selector().openDialog(); }
    bool asksForName() { return question() != nullptr && question()->getTextEditor("name") != nullptr; }
    juce::String nameOffered() { return question()->getTextEditorContents("name"); }

    // Types a name, if the dialog asks for one, and presses the button with the given result.
    void answer(int button, const juce::String& name = {})
    {
        ASSERT_NE(question(), nullptr);
        ASSERT_TRUE(question()->isCurrentlyModal());
        if (auto* field = question()->getTextEditor("name"))
            field->setText(name);
        question()->exitModalState(button);
        runMessages(20);
    }

    juce::StringArray items()
    {
        juce::StringArray texts;
        for (int i = 0; i < selector().getNumItems(); ++i)
            texts.add(selector().getItemText(i));
        return texts;
    }

    juce::File presetFile(const juce::String& name) { return home.presetFolder().getChildFile(name + ".preset"); }
};
} // namespace

TEST_F(PresetMenu, SavingAsksForANameAndMakesTheNewPresetCurrent)
{
    writePreset("Init", "");
    writePreset("Take 10", "<PARAM id=\"time\" value=\"300\"/>");
    restart();
    setFromHost("time", 777.0f);

    choose(LumJucePresetSelector::saveItemId);
    ASSERT_TRUE(asksForName());
    EXPECT_EQ(selector().getSelectedId(), 0) << "the action is not shown as the selection";

    answer(confirm, "Take 2");
    EXPECT_EQ(question(), nullptr);
    EXPECT_TRUE(presetFile("Take 2").loadFileAsString().contains("<PARAM id=\"time\" value=\"777\"/>"));
    EXPECT_EQ(items(), (juce::StringArray { "Init", "Take 2", "Take 10", "Save Preset...", "Delete Preset",
                                            "Restore Factory Presets" }));
    EXPECT_EQ(selector().getText(), "Take 2");
    EXPECT_TRUE(selector().isItemEnabled(LumJucePresetSelector::deleteItemId));
    EXPECT_EQ(processor->getCurrentProgram(), 1);
    EXPECT_EQ(processor->getNumPrograms(), 3);
    EXPECT_EQ(processor->getProgramName(1), "Take 2");
}

TEST_F(PresetMenu, RefusedNamesAreExplainedAndAskedForAgain)
{
    for (const juce::String name : { "", "   ", "Sub/Name", "Back\\slash", ".hidden", "../Escape" })
    {
        choose(LumJucePresetSelector::saveItemId);
        answer(confirm, name);
        ASSERT_NE(question(), nullptr) << name;
        EXPECT_FALSE(asksForName()) << name << ": a message first";

        answer(confirm);
        ASSERT_TRUE(asksForName()) << name;
        EXPECT_EQ(nameOffered(), name.trim()) << "the name stays to be mended";
        answer(cancel);
        EXPECT_EQ(question(), nullptr);
    }

    EXPECT_TRUE(home.folder.findChildFiles(juce::File::findFiles, true).isEmpty()) << "nothing was written";
    EXPECT_EQ(processor->getNumPrograms(), 0);
}

TEST_F(PresetMenu, ReplacingAPresetAsksFirst)
{
    writePreset("Init", "");
    writePreset("Bass", "<PARAM id=\"time\" value=\"300\"/>");
    restart();
    const auto before = presetFile("Bass").loadFileAsString();
    setFromHost("time", 900.0f);

    choose(LumJucePresetSelector::saveItemId);
    answer(confirm, "Bass");
    ASSERT_NE(question(), nullptr);
    EXPECT_FALSE(asksForName()) << "a confirmation";
    answer(cancel);
    EXPECT_EQ(question(), nullptr);
    EXPECT_EQ(presetFile("Bass").loadFileAsString(), before);

    choose(LumJucePresetSelector::saveItemId);
    answer(confirm, "Bass");
    answer(confirm);
    EXPECT_TRUE(presetFile("Bass").loadFileAsString().contains("<PARAM id=\"time\" value=\"900\"/>"));
    EXPECT_EQ(items().size(), 5);
    EXPECT_EQ(selector().getText(), "Bass");
    EXPECT_EQ(processor->getCurrentProgram(), 1);
}

TEST_F(PresetMenu, DeletingAsksFirstAndRemovesTheShownPreset)
{
    writePreset("Init", "");
    writePreset("Bass", "<PARAM id=\"time\" value=\"300\"/>");
    restart();
    choose(2);
    ASSERT_EQ(raw("time"), 300.0f);
    setFromHost("time", 500.0f);

    choose(LumJucePresetSelector::deleteItemId);
    EXPECT_EQ(selector().getText(), "Bass") << "a changed preset is still the one shown, and the one deleted";
    answer(cancel);
    EXPECT_TRUE(presetFile("Bass").existsAsFile());

    choose(LumJucePresetSelector::deleteItemId);
    answer(confirm);
    EXPECT_FALSE(presetFile("Bass").existsAsFile());
    EXPECT_EQ(items(),
              (juce::StringArray { "Init", "Save Preset...", "Delete Preset", "Restore Factory Presets" }));
    EXPECT_EQ(selector().getSelectedId(), 0);
    EXPECT_FALSE(selector().isItemEnabled(LumJucePresetSelector::deleteItemId));
    EXPECT_EQ(processor->getNumPrograms(), 1);
    EXPECT_EQ(raw("time"), 500.0f) << "deleting changes no value";
}

TEST_F(PresetMenu, OpeningTheMenuShowsPresetsSavedElsewhere)
{
    writePreset("Init", "");
    writePreset("Take 2", "<PARAM id=\"time\" value=\"300\"/>");
    restart();
    choose(2);

    writePreset("Dark Repeats", "");
    writePreset("Take 10", "");
    EXPECT_EQ(items().size(), 5) << "until the menu opens";

    selector().showPopup();
    runMessages();
    EXPECT_EQ(items(), (juce::StringArray { "Init", "Dark Repeats", "Take 2", "Take 10", "Save Preset...",
                                            "Delete Preset", "Restore Factory Presets" }));
    EXPECT_EQ(processor->getNumPrograms(), 4);
    EXPECT_EQ(processor->getCurrentProgram(), 2);

    auto* menu = juce::Component::getCurrentlyModalComponent();
    ASSERT_NE(menu, nullptr);
    expectLooksLike(menu->createComponentSnapshot(menu->getLocalBounds(), true, 1.0f),
                    juce::File(VELA_PRESET_MENU_REFERENCE));

    juce::PopupMenu::dismissAllActiveMenus();
    runMessages();
}

TEST_F(PresetMenu, RestoringFactoryPresetsListsThemAndKeepsTheShownOne)
{
    writePreset("Init", "<PARAM id=\"time\" value=\"300\"/>");
    writePreset("Mine", "");
    restart();
    choose(1);

    choose(LumJucePresetSelector::restoreFactoryItemId);
    EXPECT_EQ(question(), nullptr) << "nothing is replaced, so nothing to confirm";
    EXPECT_EQ(items()[1], "Auto-Pan Echo");
    EXPECT_TRUE(presetFile("Tape Wobble").existsAsFile());
    EXPECT_TRUE(presetFile("Init").loadFileAsString().contains("value=\"300\"")) << "the user's Init stays";
    EXPECT_EQ(selector().getText(), "Init");
    EXPECT_EQ(processor->getCurrentProgram(), 0);
    // The factory bank and Mine: the user's Init stands in the place of the factory's.
    const int listed = static_cast<int>(velaFactoryPresets().size()) + 1;
    EXPECT_EQ(processor->getNumPrograms(), listed);
    EXPECT_EQ(items().size(), listed + 3) << "the presets, then saving, deleting and restoring";
}

TEST_F(PresetMenu, ClosingTheEditorWithAQuestionOpenIsSafe)
{
    choose(LumJucePresetSelector::saveItemId);
    ASSERT_TRUE(asksForName());
    closeEditor();
    runMessages();
    EXPECT_EQ(juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);
}
