#pragma once

#include "LumJuceAudioProcessor.h"
#include "LumJuceLookAndFeelModern.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

// The maker's panel base: installs the look and feel, shares one tooltip window, and binds every direct child
// control whose component name is a parameter id (ignoring case) to that parameter.
class LumJuceMainComponent : public juce::Component
{
public:
    LumJuceMainComponent(LumJuceAudioProcessor& processor, juce::AudioProcessorValueTreeState& valueTreeState);
    ~LumJuceMainComponent() override;

    // The derived panel calls this last in its constructor, once its controls are children.
    void initUI();

    virtual void connectParameters();
    virtual void disconnectParamters();

    void registerControl(juce::Component* control);

    // Asks for a file and saves the current state there as a preset document.
    void makeFactoryPreset();

    void paint(juce::Graphics& g) override;
    void resized() override;

    bool isConnected() const { return parametersConnected; }

protected:
    juce::AudioProcessorValueTreeState& valueTreeState;

private:
    using SliderAttachment = juce::AudioProcessorValueTreeState::SliderAttachment;
    using ButtonAttachment = juce::AudioProcessorValueTreeState::ButtonAttachment;
    using ComboBoxAttachment = juce::AudioProcessorValueTreeState::ComboBoxAttachment;

    juce::SharedResourcePointer<juce::TooltipWindow> tooltipWindow;
    LumJuceLookAndFeelModern lookAndFeel;
    std::vector<juce::Component*> registeredControls;
    LumJuceAudioProcessor& processor;
    std::vector<std::unique_ptr<SliderAttachment>> sliderAttachments;
    std::vector<std::unique_ptr<ButtonAttachment>> buttonAttachments;
    std::vector<std::unique_ptr<ComboBoxAttachment>> comboBoxAttachments;
    bool parametersConnected = false;
    std::unique_ptr<juce::FileChooser> saveChooser;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(LumJuceMainComponent)
};
