#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class VelaAudioProcessorEditor;

// The zoom steps as a pop-up menu, opened by a right-click on the panel's background (the header strip
// included) or on a caption: places with no control of their own, so no knob, button or list loses a click.
class ZoomMenu : private juce::MouseListener
{
public:
    ZoomMenu(VelaAudioProcessorEditor& editor, juce::Component& panel);
    ~ZoomMenu() override;

    static bool opensOn(const juce::MouseEvent& event, const juce::Component& panel);
    // Every step, the one in effect ticked, those too large for the screen greyed out.
    juce::PopupMenu build() const;

private:
    void mouseDown(const juce::MouseEvent& event) override;

    VelaAudioProcessorEditor& editor;
    juce::Component& panel;
};
