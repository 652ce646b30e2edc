#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

// JUCE's hosting classes create plug-ins through the message manager; the test thread is its message thread.
int main(int argc, char** argv)
{
    const juce::ScopedJuceInitialiser_GUI juceRuntime;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
