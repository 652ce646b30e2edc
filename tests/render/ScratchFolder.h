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

    // The paths of everything in the folder and its subfolders, relative to it, sorted.
    juce::StringArray names() const;

private:
    juce::File folder;
};
