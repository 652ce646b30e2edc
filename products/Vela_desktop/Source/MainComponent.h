#pragma once

#include "LumJuceMainComponent.h"
#include "LumJucePresetSelector.h"
#include "UserClickButton.h"

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class TapCaption;
class VelaAudioProcessor;

// The plug-in's panel: nine knobs, eleven captions, ten text buttons and two combo boxes over the background.
class MainComponent : public LumJuceMainComponent,
                      public juce::AudioProcessorValueTreeState::Listener,
                      public juce::Slider::Listener,
                      public juce::Button::Listener,
                      public juce::ComboBox::Listener,
                      private juce::AsyncUpdater
{
public:
    // The time knob: milliseconds while the delay runs free, note values while it follows the host's tempo.
    class TimeSlider : public juce::Slider
    {
    public:
        explicit TimeSlider(const juce::String& name);
        juce::String getTextFromValue(double value) override;
        double snapValue(double attemptedValue, DragMode dragMode) override;

        // Shows the time as the engine plays it in the mode, without writing it back.
        void showTime(bool syncedMode, float time);
        // While the standalone app's tempo is tapped: that tempo in place of the time, until nothing is given.
        void showTempo(std::optional<float> bpm);

        bool synced = false;

    private:
        juce::NormalisableRange<double> offered;
        std::optional<float> shownTempo;
    };

    MainComponent(VelaAudioProcessor& processor, juce::AudioProcessorValueTreeState& valueTreeState);
    ~MainComponent() override;

    void parameterChanged(const juce::String& parameterID, float newValue) override;
    void sliderValueChanged(juce::Slider* slider) override;
    void buttonClicked(juce::Button* button) override;
    void comboBoxChanged(juce::ComboBox* comboBox) override;

    void paint(juce::Graphics& g) override;
    void resized() override;
    void visibilityChanged() override;
    void connectParameters() override;
    // Any click in the panel is the next action, after which a refusal line goes.
    void mouseDown(const juce::MouseEvent& event) override;

    // Whether a refresh of the time knob may set the time for a newly chosen mode: only the user's own
    // click or key press on BPM SYNC does; loads, automation and opening the panel leave the stored time alone.
    enum class TimeChange
    {
        keepTime,
        timeForNewMode
    };

    void updateModRouting();
    void updateTimeKnob(TimeChange change);

    static const char* bg_png;
    static const int bg_pngSize;
    static const char* logo_png;
    static const int logo_pngSize;

private:
    struct ControlRow;
    static const std::vector<ControlRow>& controlRows();
    // Creates the row's control into its member, styled and shown.
    void create(const ControlRow& row);
    juce::Component& control(const ControlRow& row) const;

    void handleAsyncUpdate() override;
    int choiceIndex(const char* parameterID) const;
    // Sets a choice parameter to one of the engine's values and tells the host.
    void setChoice(const char* parameterID, int value);
    template <typename Choice>
    void setChoice(const char* parameterID, Choice value)
    {
        setChoice(parameterID, static_cast<int>(value));
    }
    // One line under the preset selector; "" takes it away.
    void showPresetRefusal(const juce::String& line);
    const juce::Image& backgroundFor(float physicalPixelScale);

    VelaAudioProcessor& processor;
    float savedFeedback = 0.0f;

    std::unique_ptr<TimeSlider> timeSlider;
    std::unique_ptr<juce::Slider> feedbackSlider;
    std::unique_ptr<juce::Slider> modAmountSlider;
    std::unique_ptr<juce::Slider> mixSlider;
    std::unique_ptr<juce::Slider> modFreqSlider;
    std::unique_ptr<TapCaption> timeLabel;
    std::unique_ptr<juce::Label> feedbackLabel;
    std::unique_ptr<juce::Label> modAmountLabel;
    std::unique_ptr<juce::Label> mixLabel;
    std::unique_ptr<juce::Label> modFreqLabel;
    std::unique_ptr<UserClickButton> syncTempoButton;
    std::unique_ptr<juce::Slider> spreadSlider;
    std::unique_ptr<juce::Label> spreadLabel;
    std::unique_ptr<juce::Slider> modFeedbackSlider;
    std::unique_ptr<juce::Label> modFeedbackLabel;
    std::unique_ptr<juce::Slider> highpassSlider;
    std::unique_ptr<juce::Label> highpassLabel;
    std::unique_ptr<juce::Slider> lowpassSlider;
    std::unique_ptr<juce::Label> lowpassLabel;
    std::unique_ptr<juce::TextButton> normalButton;
    std::unique_ptr<juce::TextButton> dottedButton;
    std::unique_ptr<juce::TextButton> tripletButton;
    std::unique_ptr<juce::TextButton> preButton;
    std::unique_ptr<juce::TextButton> postButton;
    std::unique_ptr<juce::ComboBox> modTypeBox;
    std::unique_ptr<juce::TextButton> routingBypassButton;
    std::unique_ptr<juce::Label> modTypeLabel;
    std::unique_ptr<juce::TextButton> makePresetButton;
    std::unique_ptr<juce::TextButton> bypassDelayButton;
    std::unique_ptr<juce::TextButton> loopButton;
    std::unique_ptr<LumJucePresetSelector> presetSelector;
    std::unique_ptr<juce::Label> presetLabel;
    std::unique_ptr<juce::Slider> duckSlider;
    std::unique_ptr<juce::Label> duckLabel;
    std::unique_ptr<juce::TextButton> pingPongButton;
    // Only while a refused preset is being reported.
    std::unique_ptr<juce::Label> presetRefusalLine;

    juce::Image backgroundImage;
    // Twice the size of backgroundImage, decoded the first time the panel is drawn larger than it.
    juce::Image largeBackgroundImage;

    // Set by automation threads, acted on by the message thread.
    std::atomic<bool> routingRefreshPending { false };
    std::atomic<bool> timeKnobRefreshPending { false };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MainComponent)
};
