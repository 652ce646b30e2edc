#include "PluginProcessor.h"
#include "TempoPlayHead.h"
#include "effects/LumDigiDelay.h"
#include "ChoiceValues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{
class ProcessBlock : public ::testing::Test
{
protected:
    void SetUp() override { processor.prepareToPlay(44100.0, 512); }

    void set(const char* id, float realValue)
    {
        auto* p = processor.valueTreeState.getParameter(id);
        p->setValueNotifyingHost(p->convertTo0to1(realValue));
    }

    void run(int numSamples = 1, int channels = 2)
    {
        juce::AudioBuffer<float> buffer(channels, numSamples);
        buffer.clear();
        juce::MidiBuffer midi;
        processor.processBlock(buffer, midi);
    }

    // Where the loudest sample of the left output falls, in a block that starts with an impulse.
    int echoSample()
    {
        juce::AudioBuffer<float> buffer(2, 8192);
        buffer.clear();
        buffer.setSample(0, 0, 0.5f);
        buffer.setSample(1, 0, 0.5f);
        juce::MidiBuffer midi;
        processor.processBlock(buffer, midi);

        const auto* left = buffer.getReadPointer(0);
        return static_cast<int>(std::max_element(left, left + buffer.getNumSamples(),
                                                 [](float a, float b) { return std::abs(a) < std::abs(b); })
                                - left);
    }

    VelaAudioProcessor processor;
    const LumDigiDelay& engine = processor.engine();
};
} // namespace

TEST_F(ProcessBlock, CopiesEveryParameterInEngineUnits)
{
    set("time", 300.0f);
    set("feedback", 75.0f);
    set("spread", 20.0f);
    set("lowpass", 5000.0f);
    set("highpass", 120.0f);
    set("mix", 33.0f);
    set("modAmount", 10.0f);
    set("modFreq", 2.5f);
    set("modFeedback", 90.0f);
    set("modType", hostValue(ModType::flanger));
    set("modRouting", hostValue(ModRouting::post));
    set("syncTempo", 1.0f);
    set("syncMode", hostValue(SyncMode::triplet));
    set("bypassDelay", 1.0f);

    run();

    EXPECT_EQ(engine.time, 300.0f);
    EXPECT_EQ(engine.feedback, 0.75f);
    EXPECT_EQ(engine.spread, 0.2f);
    EXPECT_NEAR(engine.lowpass, 5000.0f, 0.05f);
    EXPECT_NEAR(engine.highpass, 120.0f, 0.05f);
    EXPECT_EQ(engine.mix, 0.33f);
    EXPECT_EQ(engine.modAmount, 0.1f);
    EXPECT_NEAR(engine.modFreq, 2.5f, 1e-6f);
    EXPECT_EQ(engine.modFeedback, 0.9f);
    EXPECT_EQ(engine.modType, LumDigiDelay::flanger);
    EXPECT_EQ(engine.modRouting, LumDigiDelay::ModRouting::post);
    EXPECT_TRUE(engine.syncTempo);
    EXPECT_EQ(engine.syncMode, LumDigiDelay::SyncMode::triplet);
    EXPECT_TRUE(engine.bypassDelay);
}

// Blocks store only what changed: a value changed between blocks, and changed back, still arrives.
TEST_F(ProcessBlock, ChangesBetweenBlocksArrive)
{
    run();
    set("time", 300.0f);
    set("modType", hostValue(ModType::phaser));
    run();
    EXPECT_EQ(engine.time, 300.0f);
    EXPECT_EQ(engine.modType, LumDigiDelay::phaser);

    set("time", 250.0f);
    run();
    EXPECT_EQ(engine.time, 250.0f);
    EXPECT_EQ(engine.modType, LumDigiDelay::phaser);
}

TEST_F(ProcessBlock, DefaultsArriveInTheEngine)
{
    run();

    EXPECT_EQ(engine.time, 250.0f);
    EXPECT_EQ(engine.feedback, 0.5f);
    EXPECT_EQ(engine.lowpass, 15000.0f);
    EXPECT_EQ(engine.modFreq, 0.25f);
    EXPECT_EQ(engine.modRouting, LumDigiDelay::ModRouting::pre);
    EXPECT_FALSE(engine.syncTempo);
    EXPECT_FALSE(engine.bypassDelay);
}

// What the tempo is for: with tempo sync on, "time" is an exponent e and the echo comes (60 / bpm) / 16 * 2^e
// seconds after the sound.
TEST_F(ProcessBlock, TempoComesFromThePlayHeadAndOutlivesBlocksWithoutOne)
{
    set("mix", 100.0f);
    set("feedback", 0.0f);
    set("modRouting", hostValue(ModRouting::bypass));
    set("syncTempo", 1.0f);
    set("syncMode", hostValue(SyncMode::normal));
    constexpr float exponent = 2.0f;
    set("time", exponent);
    const double echoAt93 = 44100.0 * (60.0 / 93.0) / 16.0 * std::exp2(exponent);

    TempoPlayHead head;
    processor.setPlayHead(&head);
    head.bpm = 93.0;
    EXPECT_NEAR(echoSample(), echoAt93, 1.0) << "the host's tempo";

    struct Case
    {
        const char* name;
        bool hasPosition;
        std::optional<double> bpm;
    };

    const Case missing[] = {
        { "no bpm in the position", true, std::nullopt },
        { "no position", false, 93.0 },
        { "zero tempo", true, 0.0 },
        { "infinite tempo", true, std::numeric_limits<double>::infinity() },
    };

    for (const Case& c : missing)
    {
        head.hasPosition = c.hasPosition;
        head.bpm = c.bpm;
        EXPECT_NEAR(echoSample(), echoAt93, 1.0) << c.name;
    }

    processor.setPlayHead(nullptr);
    EXPECT_NEAR(echoSample(), echoAt93, 1.0) << "no play head";
}

TEST_F(ProcessBlock, MonoLayoutRunsTheEngineInPlaceOnChannelZero)
{
    juce::AudioProcessor::BusesLayout mono;
    mono.inputBuses.add(juce::AudioChannelSet::mono());
    mono.outputBuses.add(juce::AudioChannelSet::mono());
    ASSERT_TRUE(processor.setBusesLayout(mono));
    processor.prepareToPlay(44100.0, 512);

    set("time", 100.0f);
    set("spread", 100.0f);
    set("mix", 100.0f);
    set("feedback", 0.0f);
    set("modRouting", hostValue(ModRouting::bypass));

    juce::MidiBuffer midi;
    juce::AudioBuffer<float> buffer(1, 512);
    for (int block = 0; block < 3 * 44100 / 512; ++block)
    {
        buffer.clear();
        processor.processBlock(buffer, midi);
    }

    juce::AudioBuffer<float> response(1, 4096);
    response.clear();
    response.setSample(0, 0, 0.5f);
    processor.processBlock(response, midi);

    // The right line (100 ms - 50 ms of spread) is the one whose result stays in the shared channel.
    int first = -1;
    for (int n = 0; n < response.getNumSamples() && first < 0; ++n)
        if (std::fabs(response.getSample(0, n)) > 1e-3f)
            first = n;
    EXPECT_EQ(first, 2205);
}

TEST_F(ProcessBlock, LeavesChannelsBeyondTheSecondAndEmptyBlocksAlone)
{
    juce::MidiBuffer midi;
    juce::AudioBuffer<float> buffer(3, 64);
    buffer.clear();
    buffer.setSample(2, 10, 0.7f);
    processor.processBlock(buffer, midi);
    EXPECT_EQ(buffer.getSample(2, 10), 0.7f);

    juce::AudioBuffer<float> empty(2, 0);
    processor.processBlock(empty, midi);
}
