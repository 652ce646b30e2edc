// Every font is resolved through the default look and feel, so the one under test is installed for the whole run.
#include "LumJuceLookAndFeelModern.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    juce::ScopedJuceInitialiser_GUI juceGui;
    LumJuceLookAndFeelModern lookAndFeel;
    juce::LookAndFeel::setDefaultLookAndFeel(&lookAndFeel);
    juce::Typeface::clearTypefaceCache();

    const int result = RUN_ALL_TESTS();
    juce::LookAndFeel::setDefaultLookAndFeel(nullptr);
    return result;
}
