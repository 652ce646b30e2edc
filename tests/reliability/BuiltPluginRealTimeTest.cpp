// The built VST3, VST2 and LV2 binaries under the same watch as the processor: what the plug-in format wrappers
// add to each block (channel mappings, parameter and event queues, play head queries) counts too, which a test of
// the processor alone can't see. JUCE's hosting classes play the host.
#include "BankHome.h"
#include "HostedPlugin.h"
#include "RealTimeWatch.h"

#include <pluginterfaces/vst2.x/aeffectx.h>

#include <gtest/gtest.h>

#include <cmath>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <tuple>

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

// A host's audio thread: one for the test's life, as hosts keep theirs, running one call at a time while the
// test's own thread, the message thread, waits.
class AudioThread
{
public:
    AudioThread() : thread([this] { serve(); }) {}

    ~AudioThread()
    {
        run({});
        thread.join();
    }

    // An empty call ends the thread.
    void run(std::function<void()> call)
    {
        std::unique_lock<std::mutex> lock(mutex);
        next = std::move(call);
        pending = true;
        changed.notify_all();
        changed.wait(lock, [this] { return ! pending; });
    }

private:
    void serve()
    {
        for (bool more = true; more;)
        {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock, [this] { return pending; });
            more = static_cast<bool>(next);
            if (more)
                next();
            pending = false;
            changed.notify_all();
        }
    }

    std::mutex mutex;
    std::condition_variable changed;
    std::function<void()> next;
    bool pending = false;
    std::thread thread;
};

// A host's program change, with the plug-in's editor closed or open.
class ProgramChanges : public HostedBlocks, public testing::WithParamInterface<std::tuple<PluginFormat, bool>>
{
protected:
    void SetUp() override
    {
        load(std::get<0>(GetParam()));
        if (std::get<1>(GetParam()))
        {
            editor.reset(plugin.instance->createEditorIfNeeded());
            ASSERT_NE(editor, nullptr);
            editor->setVisible(true);
        }
        // What a thread sets up on its first block and the first parameter its wrapper stores (thread-locals,
        // which the loader allocates on first use) is not what a program change costs.
        audio.run([this] {
            changeProgram(2);
            process(hostBlockSize);
        });
        juce::MessageManager::getInstance()->runDispatchLoopUntil(50);
    }

    void TearDown() override
    {
        if (editor != nullptr)
            plugin.instance->editorBeingDeleted(editor.get());
        editor.reset();
    }

    // The call a host of this format makes from its audio thread.
    void changeProgram(int k)
    {
        if (format == PluginFormat::vst2)
        {
            auto* effect = static_cast<AEffect*>(plugin.instance->getPlatformSpecificData());
            constexpr int effSetProgram = 2;
            effect->dispatcher(effect, effSetProgram, 0, k, nullptr, 0.0f);
        }
        else
            plugin.instance->setCurrentProgram(k);
    }

    // The plug-in's own code, told apart from the host's by an object the plug-in made: its VST 2 entry
    // structure's dispatcher, or its VST 3 component's virtual table.
    RealTimeWatch::Module pluginCode()
    {
        auto* data = plugin.instance->getPlatformSpecificData();
        if (format == PluginFormat::vst2)
        {
            const auto dispatcher = static_cast<AEffect*>(data)->dispatcher;
            return RealTimeWatch::moduleContaining(reinterpret_cast<const void*>(dispatcher));
        }
        return RealTimeWatch::moduleContaining(*static_cast<void* const*>(data));
    }

    std::unique_ptr<juce::AudioProcessorEditor> editor;
    AudioThread audio;
};

std::string programChangeName(const testing::TestParamInfo<std::tuple<PluginFormat, bool>>& info)
{
    return pluginFormatName(std::get<0>(info.param)) + (std::get<1>(info.param) ? "EditorOpen" : "EditorClosed");
}
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

// VST 2 hosts may send a program change (opcode 2) from their audio thread, between blocks, on a MIDI program
// change say; a VST 3 host hands its program parameter to the plug-in's controller and to the next block. The
// change itself makes no heap, lock or file call, editor open or not: the program's values are in memory, and
// the tree, the editor and the host hear of them from the message thread afterwards. (JUCE's LV2 wrapper
// offers no program interface: LV2 hosts load presets through the state interface, off the audio thread.)
TEST_P(ProgramChanges, TakeNoLockAndMakeNoCallsOfTheirOwn)
{
    const int programs = plugin.instance->getNumPrograms();
    ASSERT_GE(programs, 3);

    const auto code = pluginCode();
    ASSERT_NE(code.begin, nullptr);
    // JUCE's VST 3 wrapper stores the program parameter that comes with the block as it stores any parameter,
    // telling the parameter's listeners under its own lock, which nothing else takes while the plug-in plays.
    const int programParameterLocks = format == PluginFormat::vst3 ? 1 : 0;

    for (const int k : { 1, 0, programs - 1, 1, 2, 0 })
    {
        audio.run([&] {
            RealTimeWatch::Counts counts;
            {
                RealTimeWatch::Scope watch(code);
                changeProgram(k);
                counts = watch.counts();
            }
            EXPECT_TRUE(counts.none()) << "program " << k << ": " << counts.heapCalls << " heap, "
                                       << counts.lockCalls << " lock, " << counts.fileCalls << " file calls";
            expectCleanBlock(hostBlockSize, "the block after program " + std::to_string(k), 0, {},
                             programParameterLocks);
        });
        EXPECT_EQ(plugin.instance->getCurrentProgram(), k);
        juce::MessageManager::getInstance()->runDispatchLoopUntil(50);
    }
}

INSTANTIATE_TEST_SUITE_P(EachFormat, BuiltPluginRealTime, testing::ValuesIn(allPluginFormats()),
                         pluginFormatTestName);
INSTANTIATE_TEST_SUITE_P(Vst2AndVst3, ProgramChanges,
                         testing::Combine(testing::Values(PluginFormat::vst2, PluginFormat::vst3), testing::Bool()),
                         programChangeName);
