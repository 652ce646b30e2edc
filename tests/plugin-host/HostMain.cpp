#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

#include <cstdlib>

// JUCE's hosting classes create plug-ins through the message manager; the test thread is its message thread.
// The plug-in finds its presets under HOME: every run starts from an empty preset folder, never the user's (nor a
// missing one, which the first instance would fill with the factory bank).
int main(int argc, char** argv)
{
    const auto home = juce::File::createTempFile("vela-host-home");
    home.getChildFile("Quillon/Vela/Presets").createDirectory();
    setenv("HOME", home.getFullPathName().toRawUTF8(), 1);

    int result = 0;
    {
        const juce::ScopedJuceInitialiser_GUI juceRuntime;
        testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }

    home.deleteRecursively();
    return result;
}
