#include "ProcessorDriver.h"
#include "RealTimeWatch.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <thread>

namespace
{
// Volatile, so that the compiler can't drop the pair.
void allocateAndFree()
{
    int* volatile pointer = new int(1);
    delete pointer;
}

// Blocks processed under the watch, with what each of them did that the audio thread must not do.
class RealTimeSafety : public ::testing::Test
{
protected:
    void expectCleanBlock(int numSamples, const std::string& context)
    {
        driver.fill(numSamples, signal);
        RealTimeWatch::Counts counts;
        {
            RealTimeWatch::Scope watch;
            driver.process();
            counts = watch.counts();
        }

        EXPECT_TRUE(counts.none()) << context << " (" << numSamples << " samples): " << counts.heapCalls
                                   << " heap, " << counts.lockCalls << " lock, " << counts.fileCalls
                                   << " file calls";
    }

    TemporaryHome home;
    ProcessorDriver driver;
    ProcessorDriver::Signal signal = ProcessorDriver::noise();
};
} // namespace

// Without this the other tests would pass with a watch that sees nothing.
TEST(RealTimeWatch, SeesHeapLockAndFileCallsOfItsOwnThreadOnly)
{
    struct Case
    {
        const char* name;
        std::function<void()> act;
        long RealTimeWatch::Counts::*counter;
    };

    std::mutex mutex;
    const Case cases[] = {
        { "new", [] { allocateAndFree(); }, &RealTimeWatch::Counts::heapCalls },
        { "lock", [&mutex] { std::lock_guard<std::mutex> hold(mutex); }, &RealTimeWatch::Counts::lockCalls },
        { "console", [] { std::printf("%s", std::getenv("VELA_NO_SUCH_VARIABLE") != nullptr ? "!" : ""); }, &RealTimeWatch::Counts::fileCalls },
        { "file", [] { if (auto* f = std::fopen("/dev/null", "r")) std::fclose(f); }, &RealTimeWatch::Counts::fileCalls },
    };

    for (const auto& c : cases)
    {
        RealTimeWatch::Scope watch;
        c.act();
        EXPECT_GT(watch.counts().*c.counter, 0) << c.name;
    }

    // The thread starts and ends outside the watch: starting one allocates on the starting thread.
    std::atomic<bool> go { false };
    std::atomic<bool> done { false };
    std::thread other([&] {
        while (! go.load())
            std::this_thread::yield();
        allocateAndFree();
        done.store(true);
    });
    long countedHere = 0;
    {
        RealTimeWatch::Scope watch;
        go.store(true);
        while (! done.load())
            std::this_thread::yield();
        countedHere = watch.counts().heapCalls;
    }
    other.join();
    EXPECT_EQ(countedHere, 0) << "another thread's allocation was counted";
}

TEST_F(RealTimeSafety, EveryModeAndExtremeSettingProcessesWithoutHeapLockOrFileCalls)
{
    struct Extreme
    {
        const char* name;
        float position; // of every continuous parameter within its range; below 0 for the defaults
    };
    const Extreme extremes[] = { { "minimum", 0.0f }, { "maximum", 1.0f }, { "default", -1.0f } };

    for (const auto& extreme : extremes)
        for (int modType = 0; modType <= 6; ++modType)
            for (int routing = 0; routing <= 2; ++routing)
                for (int sync = 0; sync <= 1; ++sync)
                    for (int syncMode = 0; syncMode <= 2; ++syncMode)
                        for (int bypass = 0; bypass <= 1; ++bypass)
                        {
                            if (extreme.position < 0.0f)
                                driver.setAllDefault();
                            else
                                driver.setAllNormalised(extreme.position);

                            driver.set("modType", static_cast<float>(modType));
                            driver.set("modRouting", static_cast<float>(routing));
                            driver.set("syncTempo", static_cast<float>(sync));
                            driver.set("syncMode", static_cast<float>(syncMode));
                            driver.set("bypassDelay", static_cast<float>(bypass));

                            const auto context = std::string(extreme.name) + " modType " + std::to_string(modType)
                                                 + " routing " + std::to_string(routing) + " sync "
                                                 + std::to_string(sync) + "/" + std::to_string(syncMode)
                                                 + " bypass " + std::to_string(bypass);
                            expectCleanBlock(64, context);
                            expectCleanBlock(200, context);
                        }
}

TEST_F(RealTimeSafety, BlocksOfAnySizeAndWithoutTempoStayClean)
{
    for (const int size : { 0, 1, 3, 128, 129, 4096, 8192 })
        expectCleanBlock(size, "block size");

    driver.bpm.reset();
    expectCleanBlock(256, "no tempo");
}

TEST_F(RealTimeSafety, MonoLayoutStaysClean)
{
    ProcessorDriver mono(1);
    RealTimeWatch::Counts counts;
    mono.fill(512, signal);
    {
        RealTimeWatch::Scope watch;
        mono.process();
        counts = watch.counts();
    }
    EXPECT_TRUE(counts.none());
}

// A host's very first call may be a program change from its audio thread: the plug-in listed its presets, and
// wrote the factory bank on a first open, when it was made.
TEST(FirstCall, AProgramChangeBeforeAnythingElseTouchesNoFileLockOrHeap)
{
    const TemporaryHome home(TemporaryHome::noPresetFolder);
    ProcessorDriver driver;
    auto& processor = driver.processor;

    RealTimeWatch::Counts counts;
    {
        RealTimeWatch::Scope watch;
        processor.setCurrentProgram(2);
        counts = watch.counts();
    }
    EXPECT_TRUE(counts.none()) << counts.heapCalls << " heap, " << counts.lockCalls << " lock, "
                               << counts.fileCalls << " file calls";
    EXPECT_EQ(processor.getCurrentProgram(), 2);
    EXPECT_TRUE(home.presetFolder().getChildFile(processor.getProgramName(2) + ".preset").existsAsFile());
}

// Calls a plug-in's module makes are told apart from the host's, so that a host's own locks are not the plug-in's.
TEST(RealTimeWatch, CountsOnlyTheLockAndFileCallsOfTheModuleItIsGiven)
{
    std::mutex mutex;
    const auto lockAndAllocate = [&mutex] {
        std::lock_guard<std::mutex> hold(mutex);
        allocateAndFree();
    };
    const struct
    {
        const char* name;
        RealTimeWatch::Module module;
        bool locksCounted;
    } cases[] = {
        { "this executable", RealTimeWatch::moduleContaining(reinterpret_cast<const void*>(&allocateAndFree)), true },
        { "the C library", RealTimeWatch::moduleContaining(reinterpret_cast<const void*>(&std::getenv)), false },
    };

    for (const auto& c : cases)
    {
        ASSERT_NE(c.module.begin, nullptr) << c.name;
        RealTimeWatch::Scope watch(c.module);
        lockAndAllocate();
        EXPECT_EQ(watch.counts().lockCalls > 0, c.locksCounted) << c.name;
        EXPECT_GT(watch.counts().heapCalls, 0) << c.name << ": heap calls are counted from anywhere";
    }
}

// Loads and restores allocate on the message thread; the blocks around them must not.
TEST_F(RealTimeSafety, ProgramLoadStateRestoreAndPrepareBetweenBlocksLeaveBlocksClean)
{
    const auto folder = home.presetFolder();
    folder.createDirectory();
    ASSERT_TRUE(folder.getChildFile("Init.preset").replaceWithText(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Vela><PARAM id=\"modType\" value=\"4\"/>"
        "<PARAM id=\"feedback\" value=\"100\"/></Vela>\n"));
    ASSERT_TRUE(folder.getChildFile("Wide.preset").replaceWithText(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Vela><PARAM id=\"spread\" value=\"100\"/>"
        "<PARAM id=\"syncTempo\" value=\"1\"/><PARAM id=\"modRouting\" value=\"1\"/></Vela>\n"));
    driver.processor.refreshPrograms();
    ASSERT_EQ(driver.processor.getNumPrograms(), 2);

    juce::MemoryBlock saved;
    driver.set("modType", 6.0f);
    driver.processor.getStateInformation(saved);

    for (int round = 0; round < 3; ++round)
    {
        expectCleanBlock(256, "before a program load");
        driver.processor.setCurrentProgram(round % 2);
        expectCleanBlock(256, "after a program load");
        driver.processor.setStateInformation(saved.getData(), static_cast<int>(saved.getSize()));
        expectCleanBlock(256, "after a state restore");
        driver.prepare(round == 1 ? 96000.0 : 48000.0, 256);
        expectCleanBlock(256, "after prepareToPlay");
    }
}
