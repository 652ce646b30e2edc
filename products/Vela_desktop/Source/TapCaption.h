#pragma once

#include "MainComponent.h"
#include "TimeTapper.h"

#include <functional>

class VelaAudioProcessor;

// The time knob's caption, which the user taps (click or touch) to set the time; the panel hands it the T key
// as well. At rest it is a plain caption; hovered it shows that it can be tapped, and each tap pulses.
class TapCaption : public juce::Label, public juce::KeyListener, private juce::Timer
{
public:
    TapCaption(const juce::String& text, VelaAudioProcessor& processor, MainComponent::TimeSlider& timeKnob);

    void tap();

    // Milliseconds on a steady clock; tests give their own.
    void setClock(std::function<double()> newClock) { clock = std::move(newClock); }

    // As the listener of the panel's keys; the caption's own take no keys.
    bool keyPressed(const juce::KeyPress& key, juce::Component* origin) override;
    bool keyStateChanged(bool isKeyDown, juce::Component* origin) override;
    using juce::Label::keyPressed;
    using juce::Label::keyStateChanged;

    void mouseDown(const juce::MouseEvent& event) override;
    void mouseEnter(const juce::MouseEvent& event) override;
    void mouseExit(const juce::MouseEvent& event) override;
    void paint(juce::Graphics& g) override;

private:
    void timerCallback() override;
    float pulseLevel() const;

    TimeTapper tapper;
    MainComponent::TimeSlider& timeKnob;
    std::function<double()> clock;
    double lastTapMs = 0.0;
    // Told by the mouse events themselves, which also come from a touch or a host's own window.
    bool hovered = false;
    bool pulsing = false;
    bool tempoShown = false;
    // A held key repeats; only its first press is a tap.
    bool tapKeyHeld = false;
};
