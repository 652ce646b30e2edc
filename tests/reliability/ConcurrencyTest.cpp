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

// The current program is one value that program changes and edits each replace whole and that a new listing
// leaves alone: an edit on the audio thread is never undone by the message thread listing the folder again,
// nor by hosts being told of the change.
TEST(Concurrency, AnEditIsNeverLostToRelistingOrToTellingHosts)
{
    TemporaryHome home;
    const auto folder = home.presetFolder();
    folder.createDirectory();
    const auto preset = [](int modType) {
        return "<Vela><PARAM id=\"modType\" value=\"" + juce::String(modType) + "\"/></Vela>";
    };
    for (const auto* name : { "Init", "Phaser" })
        ASSERT_TRUE(folder.getChildFile(juce::String(name) + ".preset").replaceWithText(preset(4)));
    const auto comesAndGoes = folder.getChildFile("Zeta.preset");

    ProcessorDriver driver;
    auto& processor = driver.processor;
    processor.getNumPrograms();

    std::atomic<bool> stop { false };
    std::atomic<long> rounds { 0 };
    std::atomic<long> lostEdits { 0 };
    std::atomic<long> lostPrograms { 0 };

    // A VST 2 host's audio thread: a program change, blocks, an edit by automation, blocks.
    std::thread audio([&] {
        const auto signal = ProcessorDriver::noise();
        std::mt19937 random(5);
        while (! stop.load())
        {
            processor.setCurrentProgram(1);
            if (processor.currentPresetIndex() < 0)
                lostPrograms.fetch_add(1);
            driver.run(64, signal);

            driver.set("feedback", static_cast<float>(random() % 100));
            for (int block = 0; block < 4; ++block)
            {
                driver.run(64, signal);
                if (processor.currentPresetIndex() >= 0)
                    lostEdits.fetch_add(1);
            }
            rounds.fetch_add(1);
        }
    });

    // The message thread: the folder changes under it and it lists again, while it tells hosts of the program
    // changes.
    for (int round = 0; round < 200 || rounds.load() < 50; ++round)
    {
        if (round % 2 == 0)
            comesAndGoes.replaceWithText(preset(1));
        else
            comesAndGoes.deleteFile();
        processor.refreshPrograms();
        juce::MessageManager::getInstance()->runDispatchLoopUntil(1);
    }

    stop.store(true);
    audio.join();

    EXPECT_EQ(lostEdits.load(), 0) << "of " << rounds.load() << " rounds";
    EXPECT_EQ(lostPrograms.load(), 0) << "of " << rounds.load() << " rounds";
}
