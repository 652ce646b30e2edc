#pragma once

#include "MainComponent.h"

class VelaAudioProcessor;

// The plug-in window: a fixed 500 x 400 frame around the main panel.
class VelaAudioProcessorEditor : public juce::AudioProcessorEditor
{
public:
    VelaAudioProcessorEditor(VelaAudioProcessor& processor, juce::AudioProcessorValueTreeState& valueTreeState);
    ~VelaAudioProcessorEditor() override;

    void paint(juce::Graphics& g) override;
    void resized() override;

private:
    MainComponent mainComponent;
    VelaAudioProcessor& processor;
    juce::AudioProcessorValueTreeState& valueTreeState;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelaAudioProcessorEditor)
};
