// The tail hosts are told: long enough for every repeat to fall below -90 dB, and not much longer.
#include "PluginProcessor.h"
#include "TempoPlayHead.h"
#include "VelaTail.h"
#include "ChoiceValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace
{
constexpr double rate = 44100.0;
constexpr int blockSize = 512;
const float minus90dB = std::pow(10.0f, -90.0f / 20.0f);

using Settings = std::vector<std::pair<const char*, float>>;

class Tail : public ::testing::Test
{
protected:
    void SetUp() override
    {
        processor.setPlayHead(&head);
        processor.prepareToPlay(rate, blockSize);
    }

    void TearDown() override { processor.setPlayHead(nullptr); }

    void set(const char* id, float realValue)
    {
        auto* p = processor.valueTreeState.getParameter(id);
        p->setValueNotifyingHost(p->convertTo0to1(realValue));
    }

    // Defaults but for the given values.
    void set(const Settings& settings)
    {
        for (auto* parameter : processor.getParameters())
            parameter->setValueNotifyingHost(parameter->getDefaultValue());

        for (const auto& [id, value] : settings)
            set(id, value);
    }

    void runSilence(double seconds)
    {
        juce::AudioBuffer<float> block(2, blockSize);
        juce::MidiBuffer midi;
        for (int done = 0; done < static_cast<int>(seconds * rate); done += blockSize)
        {
            block.clear();
            processor.processBlock(block, midi);
        }
    }

    // Seconds from a full-scale impulse to the last output sample at -90 dB or above, over `length` seconds.
    double lastAudibleAfterImpulse(double length)
    {
        juce::AudioBuffer<float> block(2, blockSize);
        juce::MidiBuffer midi;
        long lastAudible = 0;
        const long total = static_cast<long>(length * rate);

        for (long start = 0; start < total; start += blockSize)
        {
            block.clear();
            if (start == 0)
                for (int channel = 0; channel < 2; ++channel)
                    block.setSample(channel, 0, 1.0f);

            processor.processBlock(block, midi);

            for (int channel = 0; channel < 2; ++channel)
                for (int n = 0; n < blockSize; ++n)
                    if (std::fabs(block.getSample(channel, n)) >= minus90dB)
                        lastAudible = std::max(lastAudible, start + n);
        }

        return static_cast<double>(lastAudible) / rate;
    }

    TempoPlayHead head;
    VelaAudioProcessor processor;
};

TEST_F(Tail, CoversEveryRepeatAboveMinus90dBAndEndsSoonAfterTheLast)
{
    struct Case
    {
        const char* name;
        Settings settings;
        // How far the tail may reach past the last audible sample of an impulse where the repeats decide it: a
        // repeat period and a share for the filters and a short line. Modulation loops get a bound for any
        // input; an impulse's own ringing in them ends well before it.
        std::optional<double> reachPastLastRepeat;
    };

    constexpr double filtersAndShortLine = 0.25;
    const Case cases[] = {
        { "defaults, wet only", { { "mix", 100.0f } }, 0.25 + filtersAndShortLine },
        { "synced quarter at 140 bpm, spread, Flanger after the delay",
          { { "mix", 100.0f }, { "syncTempo", 1.0f }, { "time", 4.0f }, { "feedback", 30.0f }, { "spread", 50.0f },
            { "modType", hostValue(ModType::flanger) }, { "modFeedback", 60.0f },
            { "modRouting", hostValue(ModRouting::post) } },
          60.0 / 140.0 + 0.025 + filtersAndShortLine },
        { "Delay modulation with feedback",
          { { "mix", 100.0f }, { "time", 400.0f }, { "feedback", 20.0f }, { "modType", hostValue(ModType::delayType) },
            { "modFeedback", 70.0f }, { "modRouting", hostValue(ModRouting::post) } },
          std::nullopt },
        // A bounce passes through one line at a time, each line keeping the feedback of it: the tail of the
        // longer line holds, and ducking changes no length.
        { "ping-pong with spread, ducked",
          { { "mix", 100.0f }, { "time", 300.0f }, { "feedback", 60.0f }, { "spread", 40.0f }, { "pingPong", 1.0f },
            { "duck", 100.0f }, { "modRouting", hostValue(ModRouting::bypass) } },
          0.34 + filtersAndShortLine },
        { "Phaser with feedback, a single repeat",
          { { "mix", 100.0f }, { "time", 100.0f }, { "feedback", 0.0f }, { "modType", hostValue(ModType::phaser) },
            { "modFeedback", 80.0f }, { "modAmount", 0.0f } },
          std::nullopt },
    };

    head.bpm = 140.0;

    for (const Case& c : cases)
    {
        set(c.settings);
        runSilence(2.0); // the delay time and feedback glide to their targets first

        const double tail = processor.getTailLengthSeconds();
        ASSERT_TRUE(std::isfinite(tail)) << c.name;

        const double lastAudible = lastAudibleAfterImpulse(tail + 0.5);
        EXPECT_LE(lastAudible, tail) << c.name;
        if (c.reachPastLastRepeat.has_value())
            EXPECT_GT(lastAudible, tail - *c.reachPastLastRepeat) << c.name << ": tail " << tail;

        runSilence(tail);
    }
}

TEST_F(Tail, IsInfiniteWhileALoopKeeps99PercentOfEachPass)
{
    struct Case
    {
        const char* name;
        Settings settings;
        bool infinite;
    };

    const Case cases[] = {
        { "feedback 98 %", { { "feedback", 98.0f } }, false },
        { "feedback 99 %", { { "feedback", 99.0f } }, true },
        { "feedback 100 %, as LOOP holds it", { { "feedback", 100.0f } }, true },
        { "Flanger at mod feedback 99 %", { { "modType", hostValue(ModType::flanger) }, { "modFeedback", 99.0f } },
          true },
        { "Phaser at mod feedback 100 %", { { "modType", hostValue(ModType::phaser) }, { "modFeedback", 100.0f } },
          true },
        { "Delay type at mod feedback 99 %", { { "modType", hostValue(ModType::delayType) }, { "modFeedback", 99.0f } },
          true },
        { "Delay type at mod feedback 98 %", { { "modType", hostValue(ModType::delayType) }, { "modFeedback", 98.0f } },
          false },
        { "Chorus ignores mod feedback", { { "modType", hostValue(ModType::chorus) }, { "modFeedback", 100.0f } },
          false },
    };

    for (const Case& c : cases)
    {
        set(c.settings);
        EXPECT_EQ(std::isinf(processor.getTailLengthSeconds()), c.infinite) << c.name;
    }
}

// At 98 % the loops still end, but two ten-second ones take over two hours: more samples at 384 kHz than the
// 32-bit counts of the host interfaces hold.
TEST_F(Tail, IsInfiniteWhenHostsCannotCountItsSamples)
{
    set({ { "syncTempo", 1.0f }, { "time", 8.0f }, { "feedback", 98.0f }, { "modType", hostValue(ModType::delayType) },
          { "modFeedback", 98.0f } });
    head.bpm = 60.0;
    runSilence(0.01);

    const double seconds = processor.getTailLengthSeconds();
    EXPECT_GT(seconds, 2.0 * 3600.0);
    EXPECT_TRUE(std::isfinite(seconds));

    processor.prepareToPlay(384000.0, blockSize);
    EXPECT_TRUE(std::isinf(processor.getTailLengthSeconds()));
}

// The tail's delay line is the time the engine glides to: free or synced, with spread, at the host's tempo.
TEST_F(Tail, DelayLineIsTheTimeTheEnginePlays)
{
    const std::pair<const char*, Settings> cases[] = {
        { "free with spread", { { "time", 300.0f }, { "spread", 40.0f } } },
        { "synced quarter, spread", { { "syncTempo", 1.0f }, { "time", 4.0f }, { "spread", 50.0f } } },
        { "dotted eighth", { { "syncTempo", 1.0f }, { "syncMode", hostValue(SyncMode::dotted) }, { "time", 3.0f } } },
        { "triplet sixteenth, spread",
          { { "syncTempo", 1.0f }, { "syncMode", hostValue(SyncMode::triplet) }, { "time", 2.0f },
            { "spread", 100.0f } } },
        { "synced time above 8", { { "syncTempo", 1.0f }, { "time", 12.0f } } },
    };

    constexpr float bpm = 133.0f;
    head.bpm = bpm;
    for (const auto& [name, settings] : cases)
    {
        set(settings);
        runSilence(3.0); // the smoothers reach their targets

        const double tail = VelaTail::delayLineSeconds(processor.tailSettings(bpm));
        EXPECT_NEAR(tail, processor.engine().smoothTimeL, 1e-6) << name;
    }
}

TEST_F(Tail, SyncedTimeFollowsTheLastTempoTheHostGave)
{
    // One repeat and no modulation line (Pan): the tail changes exactly as the delay time does.
    set({ { "syncTempo", 1.0f }, { "feedback", 0.0f }, { "modType", hostValue(ModType::pan) } });
    auto tailFor = [this](float time) {
        set("time", time);
        return processor.getTailLengthSeconds();
    };
    const double wholeNoteAt120 = tailFor(6.0f);

    head.bpm = 60.0;
    runSilence(0.01);
    head.bpm.reset();
    runSilence(0.01);
    processor.setPlayHead(nullptr);
    runSilence(0.01);

    EXPECT_NEAR(tailFor(6.0f) - wholeNoteAt120, 4.0 - 2.0, 1e-6) << "a whole note: 4 s at 60 bpm, 2 s at 120";
    EXPECT_NEAR(tailFor(8.0f) - tailFor(6.0f), 10.0 - 4.0, 1e-6) << "sixteen beats outgrow the 10 s ring";
    EXPECT_NEAR(tailFor(400.0f) - tailFor(6.0f), 0.125 - 4.0, 1e-6) << "times above 8 play a 32nd note";
}
} // namespace
