#pragma once

#include <juce_core/juce_core.h>

#include <cstdlib>

// Points HOME at a fresh folder for the test's lifetime, so that preset folders are never the real ones. Its
// preset folder exists and is empty, as for a user who has removed every preset; with noPresetFolder it is
// missing, as on a first open, and the first instance writes the factory bank into it.
class TemporaryHome
{
public:
    enum Start
    {
        emptyPresetFolder,
        noPresetFolder
    };

    explicit TemporaryHome(Start start = emptyPresetFolder)
        : previous(std::getenv("HOME") != nullptr ? std::getenv("HOME") : "")
    {
        folder.createDirectory();
        if (start == emptyPresetFolder)
            presetFolder().createDirectory();
        setenv("HOME", folder.getFullPathName().toRawUTF8(), 1);
    }

    ~TemporaryHome()
    {
        setenv("HOME", previous.toRawUTF8(), 1);
        folder.deleteRecursively();
    }

    juce::File presetFolder() const { return folder.getChildFile("Quillon/Vela/Presets"); }
    juce::File settingsFile() const { return folder.getChildFile("Quillon/Vela/Settings.xml"); }
    void forgetSettings() const { settingsFile().deleteFile(); }

    const juce::File folder { juce::File::createTempFile("vela-home") };

private:
    const juce::String previous;
};
