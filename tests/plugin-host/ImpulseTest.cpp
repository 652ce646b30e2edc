#include "HostedPlugin.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

namespace
{
constexpr float impulseLevel = 0.5f;
constexpr int echoDelaySamples = 4410; // 100 ms at 44.1 kHz
constexpr int echoTimingTolerance = 2;

// The filters ahead of the delay spread the echo over a few samples but keep its area: the lowpass passes
// DC, and the 10 Hz highpass takes almost nothing from so short a window. So the area is what is compared
// with the saturated impulse, not the peak.
constexpr int echoLength = 16;

// The delay time glides to a new setting (99 % of the way in 500 ms); three seconds leave no trace of the glide.
constexpr int settlingSamples = 3 * static_cast<int>(hostSampleRate);

// Mix fully wet, no feedback, 100 ms of 2000 ms, modulation bypassed: only the delay line acts.
const std::pair<const char*, float> delayOnlySettings[] {
    { "Mix", 1.0f },
    { "Feedback", 0.0f },
    { "Time", 0.05f },
    { "Mod Routing", 1.0f },
};

class DelayedImpulse : public testing::TestWithParam<PluginFormat>
{
};

// Runs the plug-in over silence for numSamples, with the impulse at the first sample when asked, and
// returns what came out of each channel.
std::vector<std::vector<float>> run(juce::AudioProcessor& processor, int numSamples, bool withImpulse)
{
    std::vector<std::vector<float>> output(2);
    juce::AudioBuffer<float> buffer(2, hostBlockSize);
    juce::MidiBuffer midi;

    for (int done = 0; done < numSamples; done += hostBlockSize)
    {
        buffer.clear();

        if (withImpulse && done == 0)
            for (int channel = 0; channel < 2; ++channel)
                buffer.setSample(channel, 0, impulseLevel);

        processor.processBlock(buffer, midi);

        for (int channel = 0; channel < 2; ++channel)
            output[static_cast<size_t>(channel)].insert(output[static_cast<size_t>(channel)].end(),
                                                       buffer.getReadPointer(channel),
                                                       buffer.getReadPointer(channel) + hostBlockSize);
    }

    return output;
}

float largestMagnitude(std::vector<float>::const_iterator begin, std::vector<float>::const_iterator end)
{
    float largest = 0.0f;

    for (auto it = begin; it != end; ++it)
        largest = std::max(largest, std::abs(*it));

    return largest;
}

TEST_P(DelayedImpulse, ComesBackAtTheSetTimeAndNotBefore)
{
    const auto plugin = loadPlugin(GetParam());
    ASSERT_NE(plugin.instance, nullptr) << plugin.error;
    auto& processor = *plugin.instance;

    for (const auto& [name, value] : delayOnlySettings)
    {
        auto* parameter = findParameter(processor, name);
        ASSERT_NE(parameter, nullptr) << name;
        parameter->setValue(value);
    }

    processor.prepareToPlay(hostSampleRate, hostBlockSize);
    run(processor, settlingSamples, false);
    const auto output = run(processor, echoDelaySamples + 2 * hostBlockSize, true);
    processor.releaseResources();

    for (size_t channel = 0; channel < output.size(); ++channel)
    {
        SCOPED_TRACE("channel " + std::to_string(channel));
        const auto& samples = output[channel];

        const auto peak = std::max_element(samples.begin(), samples.end(),
                                           [](float a, float b) { return std::abs(a) < std::abs(b); });
        EXPECT_NEAR(static_cast<int>(std::distance(samples.begin(), peak)), echoDelaySamples, echoTimingTolerance);

        const auto echoStart = samples.begin() + (echoDelaySamples - echoTimingTolerance);
        EXPECT_LT(largestMagnitude(samples.begin(), echoStart), 1.0e-6f) << "output before the echo";

        const auto echoArea = std::accumulate(echoStart, echoStart + echoTimingTolerance + echoLength, 0.0f);
        EXPECT_NEAR(echoArea, std::tanh(0.95f * impulseLevel), 0.05f);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, DelayedImpulse, testing::ValuesIn(allPluginFormats()),
                         pluginFormatTestName);
} // namespace
