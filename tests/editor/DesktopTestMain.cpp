// Main of the tests whose windows go on the desktop. Without a window manager, as on a virtual display, some
// window properties can't be set; hosts ignore such X errors, but Xlib's default handler would end the run.
#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

// Last: Xlib defines macros (None, Bool) that other headers use as names.
#include <X11/Xlib.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
