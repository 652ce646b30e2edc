#pragma once

#include <juce_core/juce_core.h>

// A fresh folder under the system's temporary directory, removed with everything in it.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();

    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    juce::File file(const juce::String& name) const;

    // The names of what is in the folder, sorted.
    juce::StringArray names() const;

private:
    juce::File folder;
};
