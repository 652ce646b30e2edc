// The built VST3, VST2 and LV2 binaries under the same watch as the processor: what the plug-in format wrappers
// add to each block (channel mappings, parameter and event queues, play head queries) counts too, which a test of
// the processor alone can't see. JUCE's hosting classes play the host.
#include "BankHome.h"
#include "HostedPlugin.h"
#include "RealTimeWatch.h"

#include <pluginterfaces/vst2.x/aeffectx.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace
{
// Locks a block may take that are none of the plug-in's doing, per block. JUCE's hosting classes take their own
// (one for VST 2; for VST 3 two around the call and one reading its events), and JUCE 7.0.5's wrappers take the
// processor's callback lock around every block, which only suspendProcessing contends and Vela never calls.
int allowedLocks(PluginFormat format)
{
    constexpr int callbackLock = 1;

    switch (format)
    {
        case PluginFormat::vst2: return 1 + callbackLock;
        case PluginFormat::vst3: return 3 + callbackLock;
        case PluginFormat::lv2: return callbackLock;
    }

    return 0;
}

// An LV2 host's new value arrives with the block, and JUCE tells the parameter's and the processor's listeners
// under their listener locks.
int allowedLocksForAChange(PluginFormat format)
{
    return format == PluginFormat::lv2 ? 2 : 0;
}

// The plug-in in one format, prepared, with the factory bank as its programs.
class HostedBlocks : public testing::Test
{
protected:
    void load(PluginFormat formatToLoad)
    {
        format = formatToLoad;
        plugin = loadPlugin(format);
        ASSERT_NE(plugin.instance, nullptr) << plugin.error;
        plugin.instance->prepareToPlay(hostSampleRate, hostBlockSize);

        // First blocks may set up what the host and wrapper keep for later ones.
        for (int i = 0; i < 4; ++i)
            process(hostBlockSize);
    }

    void process(int numSamples)
    {
        juce::AudioBuffer<float> view(buffer.getArrayOfWritePointers(), 2, numSamples);
        for (int channel = 0; channel < 2; ++channel)
            for (int i = 0; i < numSamples; ++i)
                view.setSample(channel, i, 0.25f * std::sin(0.01f * static_cast<float>(position + i)));

        position += numSamples;
        plugin.instance->processBlock(view, midi);
    }

    // The host's own call, if any, then the block, under one watch.
    void expectCleanBlock(int numSamples, const std::string& context, int changes = 0,
                          const std::function<void()>& beforeTheBlock = {}, int moreLocks = 0)
    {
        RealTimeWatch::Counts counts;
        {
            RealTimeWatch::Scope watch;
            if (beforeTheBlock)
                beforeTheBlock();
            process(numSamples);
            counts = watch.counts();
        }

        const auto locks = allowedLocks(format) + changes * allowedLocksForAChange(format) + moreLocks;
        EXPECT_TRUE(counts.heapCalls == 0 && counts.fileCalls == 0 && counts.lockCalls <= locks)
            << context << " (" << numSamples << " samples): " << counts.heapCalls << " heap, " << counts.lockCalls
            << " lock (" << locks << " allowed), " << counts.fileCalls << " file calls";
    }

    const BankHome bank;
    PluginFormat format = PluginFormat::vst3;
    HostedPlugin plugin;
    juce::AudioBuffer<float> buffer { 2, hostBlockSize };
    juce::MidiBuffer midi;
    long position = 0;
};

class BuiltPluginRealTime : public HostedBlocks, public testing::WithParamInterface<PluginFormat>
{
protected:
    void SetUp() override { load(GetParam()); }
};

class Vst2ProgramChanges : public HostedBlocks
{
protected:
    void SetUp() override { load(PluginFormat::vst2); }
};
} // namespace

TEST_P(BuiltPluginRealTime, BlocksOfEverySizeUpToTheMaximumProcessWithoutHeapLockOrFileCalls)
{
    // Each longer than the one before at least once: a wrapper that resizes its buffers would allocate there.
    for (const int size : { hostBlockSize, 1, 64, 333, hostBlockSize, 100, hostBlockSize })
        expectCleanBlock(size, "steady settings");
}

// The host hands the new values over with the next block.
TEST_P(BuiltPluginRealTime, BlocksCarryingParameterChangesStayClean)
{
    const std::pair<const char*, float> changes[] = { { "Mod Type", 4.0f / 6.0f }, { "Feedback", 0.9f },
                                                      { "Tempo Sync", 1.0f }, { "Mod Routing", 0.5f },
                                                      { "Bypass Delay", 1.0f } };
    for (const auto& [name, value] : changes)
    {
        auto* parameter = findParameter(*plugin.instance, name);
        ASSERT_NE(parameter, nullptr) << name;
        parameter->setValueNotifyingHost(value);
        expectCleanBlock(hostBlockSize, std::string("after a change of ") + name, 1);
    }
}

// VST 2 hosts send a program change from their audio thread (on a MIDI program change, say), between blocks.
// Changing up to every parameter, it takes the tree's listener lock once per parameter; the message thread holds
// that lock only while it adds, removes or tells a listener.
TEST_F(Vst2ProgramChanges, ProgramChangesBetweenBlocksStayClean)
{
    auto* effect = static_cast<AEffect*>(plugin.instance->getPlatformSpecificData());
    ASSERT_NE(effect, nullptr);
    ASSERT_GE(effect->numPrograms, 3);
    constexpr int effSetProgram = 2;
    constexpr int effGetProgram = 3;
    const int parameters = plugin.instance->getParameters().size();

    for (const int k : { 1, 0, effect->numPrograms - 1, 1, 2, 0 })
    {
        expectCleanBlock(
            hostBlockSize, "program " + std::to_string(k), 0,
            [effect, k] { effect->dispatcher(effect, effSetProgram, 0, k, nullptr, 0.0f); }, parameters);
        EXPECT_EQ(effect->dispatcher(effect, effGetProgram, 0, 0, nullptr, 0.0f), k);
    }
}

INSTANTIATE_TEST_SUITE_P(EachFormat, BuiltPluginRealTime, testing::ValuesIn(allPluginFormats()),
                         pluginFormatTestName);
