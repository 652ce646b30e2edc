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

TEST(FactoryBank, InitComesFirstInTheHostsProgramList)
{
    TemporaryHome home;
    ASSERT_TRUE(home.presetFolder().createDirectory());
    for (const auto& file : committedBank.findChildFiles(juce::File::findFiles, false, "*.preset"))
        ASSERT_TRUE(file.copyFileTo(home.presetFolder().getChildFile(file.getFileName())));

    VelaAudioProcessor processor;
    EXPECT_EQ(processor.getNumPrograms(), static_cast<int>(factoryBank().size()));
    EXPECT_EQ(processor.getProgramName(0), "Init");
    EXPECT_EQ(processor.getProgramName(1), "Auto-Pan Echo");
}
