#include "LumJuceParameter.h"
#include "PluginProcessor.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <map>

// tests/compat holds a state chunk and a preset file as the plug-in saved them at version 1.0.3. Users' projects
// and presets hold these bytes; every later build must read them back to the same values, and the parameters
// added since to their defaults.
namespace
{
const juce::File fixtures(VELA_COMPAT_DIR);

using Values = std::map<juce::String, float>;

const Values chunkValues = {
    { "time", 735.0f },       { "feedback", 64.0f },  { "spread", 35.0f },    { "lowpass", 7250.5f },
    { "highpass", 180.3f },   { "mix", 42.0f },       { "modAmount", 27.0f }, { "modFreq", 1.37f },
    { "modFeedback", 71.0f }, { "modType", 4.0f },    { "modRouting", 1.0f }, { "syncTempo", 1.0f },
    { "syncMode", 2.0f },     { "bypassDelay", 1.0f },  { "pingPong", 0.0f },   { "duck", 0.0f },
};

const Values presetValues = {
    { "time", 1500.0f },     { "feedback", 100.0f }, { "spread", 100.0f },  { "lowpass", 20000.0f },
    { "highpass", 10.0f },   { "mix", 100.0f },      { "modAmount", 0.0f }, { "modFreq", 5.0f },
    { "modFeedback", 0.0f }, { "modType", 6.0f },    { "modRouting", 2.0f }, { "syncTempo", 0.0f },
    { "syncMode", 1.0f },    { "bypassDelay", 0.0f }, { "pingPong", 0.0f },  { "duck", 0.0f },
};

void expectValues(VelaAudioProcessor& processor, const Values& expected, const char* source)
{
    ASSERT_EQ(static_cast<size_t>(processor.getParameters().size()), expected.size()) << source;

    for (const auto& [id, value] : expected)
    {
        ASSERT_NE(processor.valueTreeState.getParameter(id), nullptr) << source << ": " << id;
        EXPECT_NEAR(LumJuceParameter::plainValue(processor.valueTreeState, id), value, 1.0e-3f) << source << ": " << id;
    }
}
} // namespace

TEST(Compatibility, StateChunkSavedBy103RestoresEveryValue)
{
    TemporaryHome home;
    juce::MemoryBlock chunk;
    ASSERT_TRUE(fixtures.getChildFile("state-1.0.3.chunk").loadFileAsData(chunk));

    VelaAudioProcessor processor;
    processor.setStateInformation(chunk.getData(), static_cast<int>(chunk.getSize()));
    expectValues(processor, chunkValues, "state chunk");

    // Saved again, it reads back the same: nothing was dropped on the way through.
    juce::MemoryBlock again;
    processor.getStateInformation(again);
    VelaAudioProcessor reread;
    reread.setStateInformation(again.getData(), static_cast<int>(again.getSize()));
    expectValues(reread, chunkValues, "state chunk saved again");
}

TEST(Compatibility, PresetFileSavedBy103LoadsEveryValueAsFileAndAsProgram)
{
    TemporaryHome home;
    const auto fixture = fixtures.getChildFile("Saved-1.0.3.preset");

    VelaAudioProcessor processor;
    ASSERT_TRUE(processor.loadPresetFile(fixture));
    expectValues(processor, presetValues, "preset file");

    home.presetFolder().createDirectory();
    ASSERT_TRUE(fixture.copyFileTo(home.presetFolder().getChildFile(fixture.getFileName())));
    VelaAudioProcessor host;
    ASSERT_EQ(host.getNumPrograms(), 1);
    host.setCurrentProgram(0);
    expectValues(host, presetValues, "preset as a program");
}
