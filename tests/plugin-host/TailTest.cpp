// The tail that VST 3 and VST 2 hosts read, in samples, through each format's own call.
#include "HostedPlugin.h"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace
{
class PluginTail : public testing::TestWithParam<PluginFormat>
{
};

// A one-pole filter at the 10 Hz highpass rings for ln(10^4.5) / (2 pi 10) s until it falls below -90 dB.
const double highpassRinging = std::log(std::pow(10.0, 4.5)) / (2.0 * M_PI * 10.0);

TEST_P(PluginTail, HostsReadTheRepeatsInSamplesAndInfinityForAnEndlessLoop)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<const char*, float>> normalisedValues;
        double seconds;
    };

    const Case cases[] = {
        // Fifteen repeats of 250 ms at 50 % stay above -90 dB; the Chorus line adds 35 ms.
        { "defaults", {}, highpassRinging + 15 * 0.25 + 0.035 },
        // A quarter note at the 120 bpm assumed before any tempo, heard once; Pan adds no line.
        { "synced quarter note, no feedback, Pan",
          { { "Tempo Sync", 1.0f }, { "Time", 4.0f / 2000.0f }, { "Feedback", 0.0f }, { "Mod Type", 0.5f } },
          highpassRinging + 0.5 },
        { "feedback 99 %", { { "Feedback", 0.99f } }, std::numeric_limits<double>::infinity() },
    };

    for (const Case& c : cases)
    {
        const auto plugin = loadPlugin(GetParam());
        ASSERT_NE(plugin.instance, nullptr) << plugin.error;
        auto& instance = *plugin.instance;
        instance.prepareToPlay(hostSampleRate, hostBlockSize);

        for (const auto& [name, value] : c.normalisedValues)
        {
            auto* parameter = findParameter(instance, name);
            ASSERT_NE(parameter, nullptr) << name;
            parameter->setValueNotifyingHost(value);
        }

        const double tail = instance.getTailLengthSeconds();
        if (std::isinf(c.seconds))
            EXPECT_TRUE(std::isinf(tail)) << c.name << ": " << tail;
        else
            EXPECT_NEAR(tail, c.seconds, 1.5 / hostSampleRate) << c.name;

        instance.releaseResources();
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, PluginTail, testing::Values(PluginFormat::vst3, PluginFormat::vst2),
                         pluginFormatTestName);
} // namespace
