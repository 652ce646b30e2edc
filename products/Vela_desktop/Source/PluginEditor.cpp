#include "PluginEditor.h"

#include "PluginProcessor.h"

namespace
{
const juce::Identifier zoomSetting { "zoom" };
}

VelaAudioProcessorEditor::VelaAudioProcessorEditor(VelaAudioProcessor& processorToUse,
                                                   juce::AudioProcessorValueTreeState& tree)
    : juce::AudioProcessorEditor(processorToUse),
      mainComponent(processorToUse, tree),
      processor(processorToUse),
      valueTreeState(tree),
      settings(processorToUse.getName()),
      chosenZoom(EditorZoom::nearestStep(settings.getInt(zoomSetting, EditorZoom::defaultPercent))),
      zoomMenu(*this, mainComponent)
{
    setResizable(false, false);
    addAndMakeVisible(mainComponent);
    mainComponent.setTopLeftPosition(0, 0);
    applyZoom();
}

VelaAudioProcessorEditor::~VelaAudioProcessorEditor()
{
    cancelPendingUpdate();
}

void VelaAudioProcessorEditor::paint(juce::Graphics& g)
{
    g.fillAll(getLookAndFeel().findColour(juce::ResizableWindow::backgroundColourId));
}

void VelaAudioProcessorEditor::resized() {}

void VelaAudioProcessorEditor::setScaleFactor(float newScale)
{
    juce::AudioProcessorEditor::setScaleFactor(newScale);
    hostScale = newScale;
    // VST3's wrapper gives the editor its old size back right after this call, so a zoom that no longer
    // fits the screen is changed after it.
    triggerAsyncUpdate();
}

void VelaAudioProcessorEditor::chooseZoom(int percent)
{
    chosenZoom = EditorZoom::nearestStep(percent);
    settings.setInt(zoomSetting, chosenZoom);
    applyZoom();
}

bool VelaAudioProcessorEditor::zoomFits(int percent) const
{
    return EditorZoom::fits(percent, hostScale, mainComponent.getLocalBounds(), screenArea());
}

void VelaAudioProcessorEditor::applyZoom()
{
    zoom = EditorZoom::largestFitting(chosenZoom, hostScale, mainComponent.getLocalBounds(), screenArea());

    // The panel keeps its own 500 x 400 coordinates; its transform scales drawing and hit areas alike.
    const auto scale = juce::AffineTransform::scale(static_cast<float>(zoom) / 100.0f);
    mainComponent.setTransform(scale);
    // Every step is a multiple of 25 % and the panel's sides are multiples of 4, so the size is exact.
    setSize(mainComponent.getWidth() * zoom / 100, mainComponent.getHeight() * zoom / 100);
}

juce::Rectangle<int> VelaAudioProcessorEditor::screenArea() const
{
    const auto& displays = juce::Desktop::getInstance().getDisplays();
    const auto* display = isShowing() ? displays.getDisplayForRect(getScreenBounds()) : displays.getPrimaryDisplay();
    return display != nullptr ? display->userArea : juce::Rectangle<int>();
}

void VelaAudioProcessorEditor::parentHierarchyChanged()
{
    // Placed in a window, perhaps on another screen than the main one it was fitted to.
    triggerAsyncUpdate();
}

void VelaAudioProcessorEditor::handleAsyncUpdate()
{
    applyZoom();
}
