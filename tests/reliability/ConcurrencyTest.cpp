#include "ProcessorDriver.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <random>
#include <thread>

// Everything a host does at once: the audio thread processes, an automation thread writes every parameter
// and asks for the tail, and the message thread loads programs, restores and saves state and opens and closes the editor.
// The result to look at is ThreadSanitizer's silence in the sanitizer build; here the output must stay finite.
TEST(Concurrency, AudioAutomationAndMessageThreadsAtOnce)
{
    TemporaryHome home;
    const auto folder = home.presetFolder();
    folder.createDirectory();
    for (const auto& [name, type] : { std::pair { "Init", 0 }, { "Phaser", 4 }, { "Wobble", 1 } })
        ASSERT_TRUE(folder.getChildFile(juce::String(name) + ".preset")
                        .replaceWithText("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Vela><PARAM id=\"modType\" value=\""
                                         + juce::String(type) + "\"/><PARAM id=\"feedback\" value=\"90\"/></Vela>\n"));

    ProcessorDriver driver;
    driver.processor.getNumPrograms();
    juce::MemoryBlock saved;
    driver.processor.getStateInformation(saved);

    std::atomic<bool> stop { false };
    std::atomic<long> blocks { 0 };
    std::atomic<long> unreadableTails { 0 };

    std::thread audio([&] {
        const auto signal = ProcessorDriver::noise();
        while (! stop.load())
        {
            driver.run(256, signal);
            blocks.fetch_add(1);
        }
    });

    std::thread automation([&] {
        std::mt19937 random(3);
        while (! stop.load())
        {
            driver.setAllRandom(random);
            if (std::isnan(driver.processor.getTailLengthSeconds()))
                unreadableTails.fetch_add(1);
            std::this_thread::yield();
        }
    });

    for (int round = 0; round < 60; ++round)
    {
        driver.processor.setCurrentProgram(round % 3);
        driver.processor.setStateInformation(saved.getData(), static_cast<int>(saved.getSize()));
        driver.processor.getStateInformation(saved);

        std::unique_ptr<juce::AudioProcessorEditor> editor(driver.processor.createEditor());
        editor->setVisible(true);
        juce::MessageManager::getInstance()->runDispatchLoopUntil(5);
        editor.reset();
        juce::MessageManager::getInstance()->runDispatchLoopUntil(1);
    }

    // Make sure the threads overlapped at all before stopping them.
    while (blocks.load() < 10)
        std::this_thread::yield();

    stop.store(true);
    audio.join();
    automation.join();

    EXPECT_TRUE(driver.allFinite());
    EXPECT_EQ(unreadableTails.load(), 0);
}
