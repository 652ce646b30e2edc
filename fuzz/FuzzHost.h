#pragma once

#include <juce_events/juce_events.h>

// What every fuzz target needs before its first input: JUCE's message manager (the parameter tree starts a
// timer) and a home folder of its own, so that preset lookups never reach the real one.
namespace FuzzHost
{
// Never torn down: libFuzzer ends with exit(), and JUCE's shutdown order is not for static destructors.
inline void start()
{
    static const auto* juce = new juce::ScopedJuceInitialiser_GUI();
    static const auto home = [] {
        auto folder = juce::File::createTempFile("vela-fuzz-home");
        folder.createDirectory();
        setenv("HOME", folder.getFullPathName().toRawUTF8(), 1);
        return folder;
    }();
}

// A scratch file that each input is written into, for targets that read files.
inline const juce::File& scratchFile(const char* extension)
{
    static const auto file = juce::File::createTempFile(extension);
    return file;
}
} // namespace FuzzHost
