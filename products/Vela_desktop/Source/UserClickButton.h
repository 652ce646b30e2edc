#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A text button that can tell the user's own click, by mouse or by key, from a toggle made by its parameter
// attachment, which reaches the listeners the same way.
class UserClickButton : public juce::TextButton
{
public:
    using juce::TextButton::TextButton;

    void mouseUp(const juce::MouseEvent& event) override
    {
        // The button runs its click, listeners included, inside its own mouse-up.
        const juce::ScopedValueSetter<bool> clicking(clickedByUser, true);
        juce::TextButton::mouseUp(event);
    }

    bool isBeingClickedByUser() const { return clickedByUser; }

protected:
    void handleCommandMessage(int commandId) override
    {
        // A key press (return) and an accessibility press post a click that runs here.
        const juce::ScopedValueSetter<bool> clicking(clickedByUser, true);
        juce::TextButton::handleCommandMessage(commandId);
    }

private:
    bool clickedByUser = false;
};
