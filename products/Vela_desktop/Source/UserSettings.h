#pragma once

#include <juce_core/juce_core.h>

// The user's own settings file, Settings.xml in the product's per-user folder beside the preset folder. It holds
// choices that belong to the person rather than to a project (the editor's zoom), so they never enter the saved
// state. A missing or unreadable file reads as the defaults.
class UserSettings
{
public:
    explicit UserSettings(const juce::String& productName);

    int getInt(const juce::Identifier& key, int defaultValue) const;
    // Writes the file at once, keeping the other settings in it; false when it can't be written.
    bool setInt(const juce::Identifier& key, int value);

    const juce::File& getFile() const { return file; }

private:
    const juce::File file;
};
