#include "FactoryBank.h"
#include "PluginProcessor.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

namespace
{
const juce::File committedBank { VELA_FACTORY_PRESETS_DIR };
} // namespace

TEST(FactoryBank, CommittedFilesAreWhatThePresetWriterProduces)
{
    TemporaryHome home;
    const auto fresh = home.folder.getChildFile("bank");
    ASSERT_TRUE(writeFactoryBank(fresh));

    const auto committed = committedBank.findChildFiles(juce::File::findFiles, false, "*.preset");
    EXPECT_EQ(committed.size(), static_cast<int>(factoryBank().size())) << "a preset file without an entry, or one missing";

    for (const auto& preset : factoryBank())
    {
        const auto name = juce::String(preset.name) + ".preset";
        EXPECT_EQ(committedBank.getChildFile(name).loadFileAsString(), fresh.getChildFile(name).loadFileAsString())
            << name << " differs: run scripts/make-factory-presets.sh";
    }
}

TEST(FactoryBank, InitHoldsEveryDefaultAndEveryOtherPresetChangesSomething)
{
    TemporaryHome home;
    VelaAudioProcessor defaults;
    juce::MemoryBlock defaultState;
    defaults.getStateInformation(defaultState);

    for (const auto& preset : factoryBank())
    {
        VelaAudioProcessor processor;
        ASSERT_TRUE(processor.loadPresetFile(committedBank.getChildFile(juce::String(preset.name) + ".preset")))
            << preset.name;

        juce::MemoryBlock state;
        processor.getStateInformation(state);
        EXPECT_EQ(state == defaultState, juce::String(preset.name) == "Init") << preset.name;
    }
}

TEST(FactoryBank, FirstOpenWritesTheBankTheUserThenKeepsWhatever)
{
    TemporaryHome home(TemporaryHome::noPresetFolder);
    {
        VelaAudioProcessor processor;
        EXPECT_EQ(processor.getNumPrograms(), static_cast<int>(factoryBank().size()));
        EXPECT_EQ(processor.getProgramName(0), "Init");
        EXPECT_EQ(processor.getProgramName(1), "Auto-Pan Echo");
    }

    for (const auto& committed : committedBank.findChildFiles(juce::File::findFiles, false, "*.preset"))
        EXPECT_EQ(home.presetFolder().getChildFile(committed.getFileName()).loadFileAsString(),
                  committed.loadFileAsString())
            << committed.getFileName();

    // The user's own folder from then on: what they delete stays deleted, what they change stays changed.
    ASSERT_TRUE(home.presetFolder().getChildFile("Dark Repeats.preset").deleteFile());
    VelaAudioProcessor reopened;
    EXPECT_EQ(reopened.getNumPrograms(), static_cast<int>(factoryBank().size()) - 1);
}

TEST(FactoryBank, RestoringWritesBackWhatIsMissingAndReplacesNothing)
{
    TemporaryHome home;
    const auto mine = home.presetFolder().getChildFile("Init.preset");
    ASSERT_TRUE(mine.replaceWithText("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Vela/>\n"));
    ASSERT_TRUE(home.presetFolder().getChildFile("Mine.preset").replaceWithText(mine.loadFileAsString()));

    VelaAudioProcessor processor;
    ASSERT_EQ(processor.getNumPrograms(), 2) << "an existing folder is the user's, even with few presets";

    processor.restoreFactoryPresets();
    EXPECT_EQ(processor.getNumPrograms(), static_cast<int>(factoryBank().size()) + 1) << "the list is refreshed";
    EXPECT_EQ(mine.loadFileAsString(), home.presetFolder().getChildFile("Mine.preset").loadFileAsString())
        << "a file of the same name is never replaced";
    EXPECT_EQ(home.presetFolder().getChildFile("Dark Repeats.preset").loadFileAsString(),
              committedBank.getChildFile("Dark Repeats.preset").loadFileAsString());
}
