#pragma once

#include "MainComponent.h"
#include "PluginEditor.h"
#include "PluginProcessor.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <memory>

// A processor with its editor open on the (virtual) desktop, as a host shows it.
class EditorFixture : public ::testing::Test
{
public:
    void SetUp() override;
    void TearDown() override;

    void openEditor();
    void closeEditor();
    // A new processor and editor, as a host that finds the preset folder as it is now.
    void restart();

    VelaAudioProcessorEditor& velaEditor();
    MainComponent& panel();
    juce::Component& control(int childIndex);
    template <typename Control>
    Control& controlAs(int childIndex)
    {
        return dynamic_cast<Control&>(control(childIndex));
    }

    // A press and release at the middle of the control, through the control's own mouse handling.
    void click(juce::Component& target);
    // A press at the middle, a drag upwards by `pixels` and a release, through the control's own mouse handling.
    void drag(juce::Component& target, float pixels = 20.0f);
    // Lets the message loop deliver what is pending (asynchronous updates, attachments).
    static void runMessages(int milliseconds = 50);

    float raw(const char* id);
    void setFromHost(const char* id, float realValue);
    void writePreset(const juce::String& name, const juce::String& params);

    TemporaryHome home;
    std::unique_ptr<VelaAudioProcessor> processor;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
};

// Child indexes of the panel's controls, in creation order.
namespace Controls
{
enum
{
    time, feedback, modAmount, mix, modFreq, timeLabel, feedbackLabel, modAmountLabel, mixLabel, modFreqLabel,
    syncTempo, spread, spreadLabel, modFeedback, modFeedbackLabel, highpass, highpassLabel, lowpass, lowpassLabel,
    normal, dotted, triplet, pre, post, modType, routingBypass, modTypeLabel, makePreset, bypassDelay, loop,
    presetSelector, presetLabel,
    // Added after the first thirty-two, which keep their places.
    duck, duckLabel, pingPong
};
} // namespace Controls
