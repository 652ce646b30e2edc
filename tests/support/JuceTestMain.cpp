// The parameter tree needs JUCE's message manager; one initialiser serves every test of the binary.
#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
