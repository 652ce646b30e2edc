// Without --tail the render goes on until the echoes have died away, and no longer than a minute past the input.
#include "EchoRenders.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
int lastHeardSample(const juce::AudioBuffer<float>& audio)
{
    const float quiet = std::pow(10.0f, -90.0f / 20.0f);

    for (int i = audio.getNumSamples() - 1; i >= 0; --i)
        for (int channel = 0; channel < audio.getNumChannels(); ++channel)
            if (std::abs(audio.getSample(channel, i)) >= quiet)
                return i;

    return -1;
}

TEST(RingOutRender, AnEchoPastTheInputIsKeptThenOneDelayOfQuiet)
{
    const double rate = 44100.0;
    const auto result = render(silenceWithClicks(1, rate, 1.2, { { 0, 1.1, 0.5f } }), rate,
                               with(singleEcho, { "--set", "time=300" }));

    ASSERT_EQ(result.run.exitCode, 0) << result.run.err;
    EXPECT_EQ(result.run.err, "");
    ASSERT_TRUE(result.output.has_value());

    const auto& audio = result.output->audio;
    expectEchoAt(audio, 0, 1.4, rate);
    EXPECT_EQ(audio.getNumSamples(), lastHeardSample(audio) + 1 + juce::roundToInt(0.3 * rate));
}

TEST(RingOutRender, EndlessEchoesStopAMinuteAfterTheInputWithOneLine)
{
    // A low rate keeps the minute of tail quick to render.
    const double rate = 8000.0;
    const auto result = render(silenceWithClicks(2, rate, 0.5, { { 0, 0.1, 0.5f } }), rate,
                               with(singleEcho, { "--set", "time=100", "--set", "feedback=100" }));

    ASSERT_EQ(result.run.exitCode, 0) << result.run.err;
    ASSERT_TRUE(result.output.has_value());
    EXPECT_EQ(result.output->audio.getNumSamples(), juce::roundToInt(60.5 * rate));
    EXPECT_EQ(result.run.err.find('\n'), result.run.err.size() - 1) << result.run.err;
    EXPECT_NE(result.run.err.find("still sounded 60 s after the input"), std::string::npos) << result.run.err;
}
} // namespace
