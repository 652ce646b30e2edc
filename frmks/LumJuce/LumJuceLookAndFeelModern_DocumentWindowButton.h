#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A title-bar button: a ring in its accent colour around a shape, on the window's background.
class LumJuceLookAndFeelModern_DocumentWindowButton : public juce::Button
{
public:
    LumJuceLookAndFeelModern_DocumentWindowButton(const juce::String& name, juce::Colour colour,
                                                  const juce::Path& normalShape, const juce::Path& toggledShape);
    ~LumJuceLookAndFeelModern_DocumentWindowButton() override;

    void paintButton(juce::Graphics&, bool isMouseOverButton, bool isButtonDown) override;

private:
    const juce::Colour colour;
    const juce::Path normalShape, toggledShape;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(LumJuceLookAndFeelModern_DocumentWindowButton)
};
