#pragma once

#include "EditorZoom.h"
#include "MainComponent.h"
#include "UserSettings.h"
#include "ZoomMenu.h"

class VelaAudioProcessor;

// The plug-in window: a frame around the main panel, which it scales as one by the user's zoom. The host's
// own scale (VST3's content scale, LV2's scale factor) and the desktop's come on top of that.
class VelaAudioProcessorEditor : public juce::AudioProcessorEditor, private juce::AsyncUpdater
{
public:
    VelaAudioProcessorEditor(VelaAudioProcessor& processor, juce::AudioProcessorValueTreeState& valueTreeState);
    ~VelaAudioProcessorEditor() override;

    void paint(juce::Graphics& g) override;
    void resized() override;
    void setScaleFactor(float newScale) override;

    // The user's choice from the zoom menu: shown at once, as far as the screen allows, and remembered for
    // every editor opened after it.
    void chooseZoom(int percent);
    // The zoom in effect: the chosen one, or the largest step below it that fits the screen.
    int getZoom() const { return zoom; }
    bool zoomFits(int percent) const;

private:
    void applyZoom();
    juce::Rectangle<int> screenArea() const;
    void parentHierarchyChanged() override;
    void handleAsyncUpdate() override;

    MainComponent mainComponent;
    VelaAudioProcessor& processor;
    juce::AudioProcessorValueTreeState& valueTreeState;
    UserSettings settings;
    int chosenZoom;
    int zoom = EditorZoom::defaultPercent;
    float hostScale = 1.0f;
    ZoomMenu zoomMenu;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelaAudioProcessorEditor)
};
