// The standalone app's own tempo: what its synced delay follows, kept in the user's settings.
#include "PluginProcessor.h"
#include "StandaloneProcessor.h"
#include "TempoPlayHead.h"
#include "TemporaryHome.h"
#include "ChoiceValues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{
constexpr double rate = 44100.0;
constexpr int blockSize = 512;

class AppTempo : public ::testing::Test
{
protected:
    static void set(VelaAudioProcessor& processor, const char* id, float realValue)
    {
        auto* p = processor.valueTreeState.getParameter(id);
        p->setValueNotifyingHost(p->convertTo0to1(realValue));
    }

    static juce::MemoryBlock savedState(VelaAudioProcessor& processor)
    {
        juce::MemoryBlock state;
        processor.getStateInformation(state);
        return state;
    }

    // Seconds from an impulse to its echo, rendered as the app's player runs the processor: its play head
    // gives a position without a tempo.
    static double echoSeconds(VelaAudioProcessor& processor)
    {
        TempoPlayHead player;
        processor.setPlayHead(&player);
        processor.prepareToPlay(rate, blockSize);

        juce::AudioBuffer<float> output(2, static_cast<int>(1.5 * rate));
        output.clear();
        output.setSample(0, 0, 0.5f);
        output.setSample(1, 0, 0.5f);

        juce::MidiBuffer midi;
        for (int start = 0; start < output.getNumSamples(); start += blockSize)
        {
            juce::AudioBuffer<float> block(output.getArrayOfWritePointers(), 2, start,
                                           std::min(blockSize, output.getNumSamples() - start));
            processor.processBlock(block, midi);
        }
        processor.setPlayHead(nullptr);

        const auto* left = output.getReadPointer(0);
        const auto loudest = std::max_element(left, left + output.getNumSamples(),
                                              [](float a, float b) { return std::abs(a) < std::abs(b); });
        return static_cast<double>(loudest - left) / rate;
    }

    TemporaryHome home;
};
} // namespace

TEST_F(AppTempo, StartsAtOneHundredTwentyAndIsRememberedBesideTheZoom)
{
    EXPECT_EQ(makeStandaloneProcessor()->syncedTempo(), 120.0f) << "nothing remembered";

    home.settingsFile().getParentDirectory().createDirectory();
    home.settingsFile().replaceWithText("<Settings zoom=\"150\"/>");

    auto app = makeStandaloneProcessor();
    const auto stateBefore = savedState(*app);
    app->standaloneTempo()->set(93.0f);
    EXPECT_EQ(savedState(*app), stateBefore) << "the tempo is the app's, not the project's";

    const auto settings = juce::parseXML(home.settingsFile());
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->getIntAttribute("zoom"), 150);
    EXPECT_EQ(settings->getIntAttribute("tempo"), 93);
    EXPECT_EQ(makeStandaloneProcessor()->syncedTempo(), 93.0f) << "the next start of the app";
}

TEST_F(AppTempo, ARememberedTempoIsBroughtIntoRange)
{
    const struct
    {
        const char* remembered;
        float used;
    } cases[] = { { "5000", 300.0f }, { "3", 30.0f }, { "-40", 120.0f }, { "fast", 120.0f }, { "140", 140.0f } };

    home.settingsFile().getParentDirectory().createDirectory();
    for (const auto& c : cases)
    {
        home.settingsFile().replaceWithText(juce::String("<Settings tempo=\"") + c.remembered + "\"/>");
        EXPECT_EQ(makeStandaloneProcessor()->syncedTempo(), c.used) << c.remembered;
    }
}

TEST_F(AppTempo, APlugInFollowsItsHostAndNotTheAppsTempo)
{
    home.settingsFile().getParentDirectory().createDirectory();
    home.settingsFile().replaceWithText("<Settings tempo=\"93\"/>");

    VelaAudioProcessor plugIn;
    EXPECT_EQ(plugIn.standaloneTempo(), nullptr);
    EXPECT_EQ(plugIn.syncedTempo(), 120.0f) << "the engine's tempo until the host gives one";
}

TEST_F(AppTempo, TheSyncedEchoFollowsTheAppsTempo)
{
    auto app = makeStandaloneProcessor();
    for (const auto& [id, value] :
         { std::pair { "mix", 100.0f }, { "feedback", 0.0f }, { "modRouting", hostValue(ModRouting::bypass) },
           { "syncTempo", 1.0f }, { "syncMode", hostValue(SyncMode::normal) }, { "time", 4.0f } })
        set(*app, id, value);

    EXPECT_NEAR(echoSeconds(*app), 0.5, 1.0 / rate) << "a quarter note at 120 bpm, nothing remembered";

    for (const float bpm : { 100.0f, 150.0f })
    {
        app->standaloneTempo()->set(bpm);
        EXPECT_NEAR(echoSeconds(*app), 60.0 / bpm, 1.0 / rate) << "a quarter note at " << bpm << " bpm";
    }
}
