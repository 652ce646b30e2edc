#include "PluginEditor.h"

#include "PluginProcessor.h"

VelaAudioProcessorEditor::VelaAudioProcessorEditor(VelaAudioProcessor& processorToUse,
                                                   juce::AudioProcessorValueTreeState& tree)
    : juce::AudioProcessorEditor(processorToUse),
      mainComponent(processorToUse, tree),
      processor(processorToUse),
      valueTreeState(tree)
{
    setSize(500, 400);
    setResizable(false, false);
    addAndMakeVisible(mainComponent);
    mainComponent.setTopLeftPosition(0, 0);
}

VelaAudioProcessorEditor::~VelaAudioProcessorEditor() = default;

void VelaAudioProcessorEditor::paint(juce::Graphics& g)
{
    g.fillAll(getLookAndFeel().findColour(juce::ResizableWindow::backgroundColourId));
}

void VelaAudioProcessorEditor::resized() {}
