#pragma once

#include "LumJuceAudioProcessor.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

// The preset selector: the presets in program order, then "Save Preset...", "Delete Preset" and "Restore Factory
// Presets". Picking a preset
// loads it as the current program. Its questions are asynchronous alert windows, since a plug-in may not run a
// modal loop inside its host; they close with the selector.
class LumJucePresetSelector : public juce::ComboBox
{
public:
    // Presets take the ids from 1; the actions come after any number of them.
    static constexpr int saveItemId = 1 << 30;
    static constexpr int deleteItemId = saveItemId + 1;
    static constexpr int restoreFactoryItemId = saveItemId + 2;

    LumJucePresetSelector(LumJuceAudioProcessor& processor, const juce::String& controlName);
    ~LumJucePresetSelector() override;

    // The processor's program list, with the current program (or else the preset shown before) selected.
    void refill();
    // Lists the folder again first, so that presets saved elsewhere show up.
    void showPopup() override;

    // The question or message now open, if any.
    juce::AlertWindow* openDialog() const { return dialog.get(); }

    // Told why a picked preset was refused (the file and the reason, one short line), and told "" on the next pick.
    std::function<void(const juce::String& line)> onRefusal;

private:
    void chosen();
    void tellRefusal(const juce::String& line);
    void askForName(const juce::String& suggestion);
    void confirmReplacing(const juce::String& name);
    void save(const juce::String& name);
    void confirmDeleting(const juce::String& name);
    void restoreFactoryPresets();
    void tell(const char* title, const juce::String& message, std::function<void()> afterwards);
    void ask(std::unique_ptr<juce::AlertWindow> window, std::function<void(int)> onAnswer);

    LumJuceAudioProcessor& processor;
    // The preset the box shows; it stays shown after its values are changed.
    juce::String shownPreset;
    std::unique_ptr<juce::AlertWindow> dialog;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(LumJucePresetSelector)
};
