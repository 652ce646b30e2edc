#include "MainComponent.h"

#include "PluginProcessor.h"
#include "TapCaption.h"
#include "VelaImages.h"
#include "effects/LumDigiDelay.h"

const char* MainComponent::bg_png = VelaImages::bg_png;
const int MainComponent::bg_pngSize = VelaImages::bg_pngSize;
const char* MainComponent::logo_png = VelaImages::logo_png;
const int MainComponent::logo_pngSize = VelaImages::logo_pngSize;

namespace
{
using ModRouting = LumDigiDelay::ModRouting;
using SyncMode = LumDigiDelay::SyncMode;

constexpr juce::uint32 delayKnobColour = 0x7f16e4d4;
constexpr juce::uint32 modKnobColour = 0x7fe416b9;
constexpr int syncModeGroup = 1;
constexpr int routingGroup = 2;

struct ButtonColours
{
    juce::uint32 on;
    juce::uint32 textOff;
    juce::uint32 textOn;
};

constexpr ButtonColours cyanButton { 0xff44ffe9, 0xffcbcbcb, 0xff272727 };
constexpr ButtonColours syncModeButton { 0xff44ffe9, 0xffcbcbcb, 0xff232323 };
constexpr ButtonColours routingButton { 0x7fe416b9, 0xffdadada, 0xffcdcdcd };

template <typename Control, typename... Arguments>
std::unique_ptr<Control> addControl(juce::Component& panel, Arguments&&... arguments)
{
    auto control = std::make_unique<Control>(std::forward<Arguments>(arguments)...);
    panel.addAndMakeVisible(*control);
    return control;
}

void setUpKnob(juce::Slider& knob, double maximum, double interval, juce::uint32 fill, juce::Slider::Listener* listener)
{
    knob.setRange(0.0, maximum, interval);
    knob.setSliderStyle(juce::Slider::RotaryHorizontalVerticalDrag);
    knob.setTextBoxStyle(juce::Slider::NoTextBox, false, 80, 20);
    knob.setColour(juce::Slider::rotarySliderOutlineColourId, juce::Colour(0x66e9e9e9));
    knob.setColour(juce::Slider::rotarySliderFillColourId, juce::Colour(fill));
    knob.addListener(listener);
}

void setUpCaption(juce::Label& caption, float height, juce::Justification justification,
                  juce::uint32 textColour = 0xffababab, juce::uint32 editorTextColour = 0xff000000)
{
    caption.setFont(juce::Font(height, juce::Font::plain).withTypefaceStyle("Regular"));
    caption.setJustificationType(justification);
    caption.setEditable(false, false, false);
    caption.setColour(juce::Label::textColourId, juce::Colour(textColour));
    caption.setColour(juce::TextEditor::textColourId, juce::Colour(editorTextColour));
    caption.setColour(juce::TextEditor::backgroundColourId, juce::Colour(0x00000000));
}

void setUpButton(juce::TextButton& button, const char* text, int connectedEdges, int radioGroup,
                 ButtonColours colours, juce::Button::Listener* listener)
{
    button.setButtonText(juce::translate(text));
    button.setConnectedEdges(connectedEdges);
    button.setRadioGroupId(radioGroup);
    button.setColour(juce::TextButton::buttonColourId, juce::Colour(0x7f515151));
    button.setColour(juce::TextButton::buttonOnColourId, juce::Colour(colours.on));
    button.setColour(juce::TextButton::textColourOffId, juce::Colour(colours.textOff));
    button.setColour(juce::TextButton::textColourOnId, juce::Colour(colours.textOn));
    if (listener != nullptr)
        button.addListener(listener);
}

void setUpComboBox(juce::ComboBox& box, const char* textWhenNothingSelected, juce::ComboBox::Listener* listener)
{
    box.setEditableText(false);
    box.setJustificationType(juce::Justification::centredLeft);
    box.setTextWhenNothingSelected(juce::translate(textWhenNothingSelected));
    box.setTextWhenNoChoicesAvailable(juce::translate("(no choices)"));
    box.addListener(listener);
}

std::unique_ptr<juce::Label> addCaption(juce::Component& panel, const char* text)
{
    return addControl<juce::Label>(panel, "new label", juce::translate(text));
}
} // namespace

MainComponent::MainComponent(VelaAudioProcessor& processorToUse, juce::AudioProcessorValueTreeState& tree)
    : LumJuceMainComponent(processorToUse, tree), processor(processorToUse)
{
    using J = juce::Justification;
    constexpr int left = juce::Button::ConnectedOnLeft, right = juce::Button::ConnectedOnRight;

    timeSlider = addControl<TimeSlider>(*this, "time");
    setUpKnob(*timeSlider, 2.0, 0.01, delayKnobColour, this);
    feedbackSlider = addControl<juce::Slider>(*this, "Feedback");
    setUpKnob(*feedbackSlider, 1.0, 0.01, delayKnobColour, this);
    modAmountSlider = addControl<juce::Slider>(*this, "modAmount");
    setUpKnob(*modAmountSlider, 1.0, 0.01, modKnobColour, this);
    mixSlider = addControl<juce::Slider>(*this, "Mix");
    setUpKnob(*mixSlider, 1.0, 0.01, delayKnobColour, this);
    modFreqSlider = addControl<juce::Slider>(*this, "modFreq");
    setUpKnob(*modFreqSlider, 20.0, 0.001, modKnobColour, this);
    timeLabel = addControl<TapCaption>(*this, juce::translate("TIME"), processor, *timeSlider);
    setUpCaption(*timeLabel, 13.0f, J::centred);
    feedbackLabel = addCaption(*this, "FEEDBACK");
    setUpCaption(*feedbackLabel, 13.0f, J::centred);
    modAmountLabel = addCaption(*this, "MOD AMOUNT\n\n\n");
    setUpCaption(*modAmountLabel, 13.0f, J::centred);
    mixLabel = addCaption(*this, "MIX");
    setUpCaption(*mixLabel, 13.0f, J::centred);
    modFreqLabel = addCaption(*this, "MOD FREQ\n");
    setUpCaption(*modFreqLabel, 13.0f, J::centred);
    syncTempoButton = addControl<UserClickButton>(*this, "syncTempo");
    setUpButton(*syncTempoButton, "BPM SYNC", 0, 0, cyanButton, this);
    spreadSlider = addControl<juce::Slider>(*this, "Spread");
    setUpKnob(*spreadSlider, 1.0, 0.01, delayKnobColour, this);
    spreadLabel = addCaption(*this, "SPREAD");
    setUpCaption(*spreadLabel, 13.0f, J::centred);
    modFeedbackSlider = addControl<juce::Slider>(*this, "modFeedback");
    setUpKnob(*modFeedbackSlider, 20.0, 0.001, modKnobColour, this);
    modFeedbackLabel = addCaption(*this, "MOD FEEDBACK\n");
    setUpCaption(*modFeedbackLabel, 13.0f, J::centred);
    highpassSlider = addControl<juce::Slider>(*this, "highpass");
    setUpKnob(*highpassSlider, 1.0, 0.01, delayKnobColour, this);
    highpassLabel = addCaption(*this, "HIGHPASS");
    setUpCaption(*highpassLabel, 13.0f, J::centred);
    lowpassSlider = addControl<juce::Slider>(*this, "lowpass");
    setUpKnob(*lowpassSlider, 1.0, 0.01, delayKnobColour, this);
    lowpassLabel = addCaption(*this, "LOWPASS");
    setUpCaption(*lowpassLabel, 13.0f, J::centred);
    normalButton = addControl<juce::TextButton>(*this, "new button");
    setUpButton(*normalButton, "NORMAL", right, syncModeGroup, syncModeButton, this);
    dottedButton = addControl<juce::TextButton>(*this, "new button");
    setUpButton(*dottedButton, "DOTTED", left | right, syncModeGroup, syncModeButton, this);
    tripletButton = addControl<juce::TextButton>(*this, "new button");
    setUpButton(*tripletButton, "TRIPPLET", left, syncModeGroup, syncModeButton, this);
    preButton = addControl<juce::TextButton>(*this, "new button");
    setUpButton(*preButton, "PRE", right, routingGroup, routingButton, this);
    postButton = addControl<juce::TextButton>(*this, "new button");
    setUpButton(*postButton, "POST", left | right, routingGroup, routingButton, this);
    modTypeBox = addControl<juce::ComboBox>(*this, "modType");
    setUpComboBox(*modTypeBox, "", this);
    routingBypassButton = addControl<juce::TextButton>(*this, "new button");
    setUpButton(*routingBypassButton, "BYPASS", left, routingGroup, routingButton, this);
    modTypeLabel = addCaption(*this, "MOD TYPE\n\n\n");
    setUpCaption(*modTypeLabel, 11.0f, J::centredLeft);
    makePresetButton = addControl<juce::TextButton>(*this, "makePreset");
    setUpButton(*makePresetButton, "Make Factory Preset", 0, 0, cyanButton, this);
    bypassDelayButton = addControl<juce::TextButton>(*this, "bypassDelay");
    setUpButton(*bypassDelayButton, "BYPASS", juce::Button::ConnectedOnBottom, 0, cyanButton, nullptr);
    loopButton = addControl<juce::TextButton>(*this, "loop");
    setUpButton(*loopButton, "LOOP", juce::Button::ConnectedOnTop, 0, cyanButton, this);
    presetSelector = addControl<LumJucePresetSelector>(*this, processor, "presetSelector");
    setUpComboBox(*presetSelector, "Init", this);
    presetLabel = addCaption(*this, "PRESET\n");
    setUpCaption(*presetLabel, 10.0f, J::centredRight, 0xffc4c4c4, 0xffe2e2e2);

    backgroundImage = juce::ImageCache::getFromMemory(bg_png, bg_pngSize);
    setSize(500, 400);

    timeSlider->setTextValueSuffix("ms");
    for (auto* knob : { feedbackSlider.get(), modAmountSlider.get(), mixSlider.get(), spreadSlider.get(),
                        modFeedbackSlider.get() })
        knob->setTextValueSuffix("%");
    for (auto* knob : { modFreqSlider.get(), highpassSlider.get(), lowpassSlider.get() })
        knob->setTextValueSuffix("hz");

    for (const char* type : LumDigiDelay::modTypeNames)
        modTypeBox->addItem(juce::translate(type), modTypeBox->getNumItems() + 1);
    // Shows the current program without loading its file again.
    presetSelector->refill();
    presetSelector->onRefusal = [this](const juce::String& line) { showPresetRefusal(line); };
    addMouseListener(this, true);

    for (juce::Button* button : { preButton.get(), postButton.get(), routingBypassButton.get(), normalButton.get(),
                                  dottedButton.get(), tripletButton.get(), static_cast<juce::TextButton*>(syncTempoButton.get()),
                                  loopButton.get(), bypassDelayButton.get() })
        button->setClickingTogglesState(true);
    routingBypassButton->setRadioGroupId(routingGroup);

    makePresetButton->setVisible(false);

    updateModRouting();

    initUI();

    // After binding, which gave the knob the parameter's whole range.
    updateTimeKnob(TimeChange::keepTime);

    valueTreeState.addParameterListener("modRouting", this);
    valueTreeState.addParameterListener("syncMode", this);
    valueTreeState.addParameterListener("time", this);

    // The T key taps wherever the focus is in the panel; a click on the panel gives the panel the focus.
    setWantsKeyboardFocus(true);
    addKeyListener(timeLabel.get());
}

MainComponent::~MainComponent()
{
    valueTreeState.removeParameterListener("modRouting", this);
    valueTreeState.removeParameterListener("syncMode", this);
    valueTreeState.removeParameterListener("time", this);
    removeKeyListener(timeLabel.get());
    cancelPendingUpdate();
    removeMouseListener(this);
    disconnectParamters();
}

void MainComponent::parameterChanged(const juce::String& parameterID, float)
{
    // Host automation arrives on the host's own thread; components may only be touched on the message thread.
    const bool onMessageThread = juce::MessageManager::existsAndIsCurrentThread();

    if (parameterID == "modRouting")
    {
        if (onMessageThread)
            updateModRouting();
        else
            routingRefreshPending = true;
    }
    else if (parameterID == "syncMode" || parameterID == "time")
    {
        if (onMessageThread)
            updateTimeKnob(TimeChange::keepTime);
        else
            timeKnobRefreshPending = true;
    }

    if (! onMessageThread)
        triggerAsyncUpdate();
}

void MainComponent::handleAsyncUpdate()
{
    if (routingRefreshPending.exchange(false))
        updateModRouting();

    if (timeKnobRefreshPending.exchange(false))
        updateTimeKnob(TimeChange::keepTime);
}

void MainComponent::sliderValueChanged(juce::Slider*) {}

void MainComponent::buttonClicked(juce::Button* button)
{
    if (button == syncTempoButton.get())
        updateTimeKnob(syncTempoButton->isBeingClickedByUser() ? TimeChange::timeForNewMode : TimeChange::keepTime);
    else if (button == normalButton.get())
        setChoice("syncMode", SyncMode::normal);
    else if (button == dottedButton.get())
        setChoice("syncMode", SyncMode::dotted);
    else if (button == tripletButton.get())
        setChoice("syncMode", SyncMode::triplet);
    else if (button == preButton.get())
        setChoice("modRouting", ModRouting::pre);
    else if (button == postButton.get())
        setChoice("modRouting", ModRouting::post);
    else if (button == routingBypassButton.get())
        setChoice("modRouting", ModRouting::bypass);
    else if (button == makePresetButton.get())
        makeFactoryPreset();
    else if (button == loopButton.get())
    {
        // LOOP holds the feedback at its maximum without telling the host, and gives the old value back.
        auto* feedback = valueTreeState.getParameter("feedback");

        if (loopButton->getToggleState())
        {
            savedFeedback = feedback->getValue();
            feedback->setValue(1.0f);
        }
        else
        {
            feedback->setValue(savedFeedback);
        }

        // The knob's attachment only hears changes that are announced.
        feedbackSlider->setValue(feedback->convertFrom0to1(feedback->getValue()), juce::dontSendNotification);
    }
}

// The mode box is bound to its parameter, and the preset selector acts on its own choices.
void MainComponent::comboBoxChanged(juce::ComboBox*) {}

int MainComponent::choiceIndex(const char* parameterID) const
{
    return static_cast<int>(2.0f * valueTreeState.getParameter(parameterID)->getValue());
}

void MainComponent::setChoice(const char* parameterID, int value)
{
    // A click is one step in a host's undo and automation, as a knob's drag is.
    auto* parameter = valueTreeState.getParameter(parameterID);
    parameter->beginChangeGesture();
    parameter->setValueNotifyingHost(parameter->convertTo0to1(static_cast<float>(value)));
    parameter->endChangeGesture();
}

void MainComponent::showPresetRefusal(const juce::String& line)
{
    presetRefusalLine.reset();
    if (line.isEmpty())
        return;

    presetRefusalLine = addControl<juce::Label>(*this, "presetRefusal", line);
    setUpCaption(*presetRefusalLine, 11.0f, juce::Justification::centred, 0xffff8a80);
    presetRefusalLine->setInterceptsMouseClicks(false, false);
    presetRefusalLine->setBounds(60, 36, 380, 14);
}

void MainComponent::mouseDown(const juce::MouseEvent&)
{
    showPresetRefusal({});
}

void MainComponent::updateModRouting()
{
    const int index = choiceIndex("modRouting");
    juce::TextButton* const row[] = { preButton.get(), postButton.get(), routingBypassButton.get() };

    for (int i = 0; i < 3; ++i)
        row[i]->setToggleState(i == index, juce::dontSendNotification);
}

void MainComponent::updateTimeKnob(TimeChange change)
{
    const bool synced = juce::roundToInt(valueTreeState.getRawParameterValue("syncTempo")->load()) != 0;
    const int modeIndex = choiceIndex("syncMode");
    const float time = valueTreeState.getRawParameterValue("time")->load();
    juce::TextButton* const row[] = { normalButton.get(), dottedButton.get(), tripletButton.get() };

    timeSlider->showTime(synced, time);

    // Every note value the knob offers is kept; a time in milliseconds becomes a 16th note, a note value 250 ms.
    if (change == TimeChange::timeForNewMode && (! synced || time < 1.0f || time > 6.0f))
        timeSlider->setValue(synced ? 2.0 : 250.0, juce::sendNotificationAsync);

    for (int i = 0; i < 3; ++i)
    {
        row[i]->setEnabled(synced);

        // Free, the lights stay as they were.
        if (synced)
            row[i]->setToggleState(i == modeIndex, juce::dontSendNotification);
    }
}

void MainComponent::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colour(0xff323e44));
    const auto& picture = backgroundFor(g.getInternalContext().getPhysicalPixelScaleFactor());
    g.drawImage(picture, 0, 0, 500, 400, 0, 0, picture.getWidth(), picture.getHeight(), false);
}

const juce::Image& MainComponent::backgroundFor(float physicalPixelScale)
{
    // The 1000 x 800 picture serves up to twice the panel's size on screen (200 % zoom); beyond that it would
    // be stretched, so the picture drawn at four times the panel's size takes over.
    if (physicalPixelScale <= 2.0f)
        return backgroundImage;

    if (! largeBackgroundImage.isValid())
        largeBackgroundImage = juce::ImageCache::getFromMemory(VelaImages::bg_4x_png, VelaImages::bg_4x_pngSize);
    return largeBackgroundImage;
}

void MainComponent::resized()
{
    timeSlider->setBounds(217, 147, 80, 80);
    feedbackSlider->setBounds(113, 155, 60, 60);
    modAmountSlider->setBounds(222, 312, 60, 60);
    mixSlider->setBounds(329, 55, 60, 60);
    modFreqSlider->setBounds(310, 310, 60, 60);
    timeLabel->setBounds(233, 221, 48, 18);
    feedbackLabel->setBounds(97, 211, 88, 24);
    modAmountLabel->setBounds(205, 368, 96, 24);
    mixLabel->setBounds(337, 111, 48, 24);
    modFreqLabel->setBounds(304, 367, 69, 24);
    syncTempoButton->setBounds(76, 261, 80, 16);
    spreadSlider->setBounds(341, 155, 60, 60);
    spreadLabel->setBounds(326, 211, 88, 24);
    modFeedbackSlider->setBounds(398, 310, 60, 60);
    modFeedbackLabel->setBounds(381, 368, 96, 24);
    highpassSlider->setBounds(121, 55, 60, 60);
    highpassLabel->setBounds(120, 110, 64, 24);
    lowpassSlider->setBounds(225, 55, 60, 60);
    lowpassLabel->setBounds(217, 110, 72, 24);
    normalButton->setBounds(180, 261, 80, 16);
    dottedButton->setBounds(264, 261, 80, 16);
    tripletButton->setBounds(347, 261, 80, 16);
    preButton->setBounds(75, 359, 40, 16);
    postButton->setBounds(115, 359, 40, 16);
    modTypeBox->setBounds(79, 324, 112, 24);
    routingBypassButton->setBounds(155, 359, 40, 16);
    modTypeLabel->setBounds(75, 303, 96, 16);
    makePresetButton->setBounds(401, 76, 84, 16);
    bypassDelayButton->setBounds(432, 175, 37, 16);
    loopButton->setBounds(432, 195, 37, 16);
    presetSelector->setBounds(176, 11, 152, 24);
    presetLabel->setBounds(130, 20, 46, 8);
}
