#include "MainComponent.h"

#include "LumJuceParameter.h"
#include "PanelTable.h"
#include "PluginProcessor.h"
#include "TapCaption.h"
#include "VelaParameters.h"
#include "VelaImages.h"
#include "effects/LumDigiDelay.h"

#include <type_traits>
#include <variant>

const char* MainComponent::bg_png = VelaImages::bg_png;
const int MainComponent::bg_pngSize = VelaImages::bg_pngSize;
const char* MainComponent::logo_png = VelaImages::logo_png;
const int MainComponent::logo_pngSize = VelaImages::logo_pngSize;

namespace
{
using ModRouting = LumDigiDelay::ModRouting;
using SyncMode = LumDigiDelay::SyncMode;
using VelaParameters::Id;

using PanelTable::BoxStyle;
using PanelTable::ButtonStyle;
using PanelTable::CaptionStyle;
using PanelTable::KnobStyle;

// The table's plain edge flags are the ones juce::Button takes.
static_assert(PanelTable::left == juce::Button::ConnectedOnLeft && PanelTable::right == juce::Button::ConnectedOnRight
              && PanelTable::top == juce::Button::ConnectedOnTop
              && PanelTable::bottom == juce::Button::ConnectedOnBottom);

void setUp(juce::Slider& knob, const KnobStyle& style, MainComponent& panel)
{
    knob.setRange(0.0, style.maximum, style.interval);
    knob.setSliderStyle(juce::Slider::RotaryHorizontalVerticalDrag);
    knob.setTextBoxStyle(juce::Slider::NoTextBox, false, 80, 20);
    knob.setColour(juce::Slider::rotarySliderOutlineColourId, juce::Colour(0x66e9e9e9));
    knob.setColour(juce::Slider::rotarySliderFillColourId, juce::Colour(style.fill));
    knob.setTextValueSuffix(style.suffix);
    knob.addListener(&panel);
}

void setUp(juce::Label& caption, const CaptionStyle& style, MainComponent&)
{
    caption.setFont(juce::Font(style.height, juce::Font::plain).withTypefaceStyle("Regular"));
    caption.setJustificationType(style.justification);
    caption.setEditable(false, false, false);
    caption.setColour(juce::Label::textColourId, juce::Colour(style.textColour));
    caption.setColour(juce::TextEditor::textColourId, juce::Colour(style.editorTextColour));
    caption.setColour(juce::TextEditor::backgroundColourId, juce::Colour(0x00000000));
}

void setUp(juce::TextButton& button, const ButtonStyle& style, MainComponent& panel)
{
    button.setConnectedEdges(style.connectedEdges);
    button.setRadioGroupId(style.radioGroup);
    button.setColour(juce::TextButton::buttonColourId, juce::Colour(0x7f515151));
    button.setColour(juce::TextButton::buttonOnColourId, juce::Colour(style.colours.on));
    button.setColour(juce::TextButton::textColourOffId, juce::Colour(style.colours.textOff));
    button.setColour(juce::TextButton::textColourOnId, juce::Colour(style.colours.textOn));
    if (style.listened)
        button.addListener(&panel);
}

void setUp(juce::ComboBox& box, const BoxStyle& style, MainComponent& panel)
{
    box.setEditableText(false);
    box.setJustificationType(juce::Justification::centredLeft);
    box.setTextWhenNothingSelected(juce::translate(style.textWhenNothingSelected));
    box.setTextWhenNoChoicesAvailable(juce::translate("(no choices)"));
    box.addListener(&panel);
}
} // namespace

// A row of the panel table with the member the editor creates it into.
struct MainComponent::ControlRow : PanelTable::Row
{
    using Member = std::variant<std::unique_ptr<TimeSlider> MainComponent::*,
                                std::unique_ptr<juce::Slider> MainComponent::*,
                                std::unique_ptr<TapCaption> MainComponent::*,
                                std::unique_ptr<juce::Label> MainComponent::*,
                                std::unique_ptr<UserClickButton> MainComponent::*,
                                std::unique_ptr<juce::TextButton> MainComponent::*,
                                std::unique_ptr<juce::ComboBox> MainComponent::*,
                                std::unique_ptr<LumJucePresetSelector> MainComponent::*>;

    Member member;
};

const std::vector<MainComponent::ControlRow>& MainComponent::controlRows()
{
    using namespace PanelTable;
    static const std::vector<ControlRow> rows {
#define VELA_PANEL_CONTROL(member, ...) ControlRow { { __VA_ARGS__ }, &MainComponent::member },
#include "PanelTable.inc"
#undef VELA_PANEL_CONTROL
    };
    return rows;
}

void MainComponent::create(const ControlRow& row)
{
    std::visit(
        [this, &row](auto member) {
            auto& slot = this->*member;
            using Control = typename std::decay_t<decltype(slot)>::element_type;

            if constexpr (std::is_same_v<Control, TapCaption>)
                slot = std::make_unique<Control>(juce::translate(row.text), processor, *timeSlider);
            else if constexpr (std::is_same_v<Control, LumJucePresetSelector>)
                slot = std::make_unique<Control>(processor, row.name);
            else if constexpr (std::is_base_of_v<juce::Label, Control>)
                slot = std::make_unique<Control>(row.name, juce::translate(row.text));
            else
                slot = std::make_unique<Control>(row.name);

            if constexpr (std::is_base_of_v<juce::Slider, Control>)
                setUp(*slot, std::get<KnobStyle>(row.style), *this);
            else if constexpr (std::is_base_of_v<juce::Label, Control>)
                setUp(*slot, std::get<CaptionStyle>(row.style), *this);
            else if constexpr (std::is_base_of_v<juce::ComboBox, Control>)
                setUp(*slot, std::get<BoxStyle>(row.style), *this);
            else
            {
                slot->setButtonText(juce::translate(row.text));
                setUp(*slot, std::get<ButtonStyle>(row.style), *this);
            }

            if (row.visibility == PanelTable::Visibility::shown)
                addAndMakeVisible(*slot);
            else
                addChildComponent(*slot);
        },
        row.member);
}

juce::Component& MainComponent::control(const ControlRow& row) const
{
    return std::visit([this](auto member) -> juce::Component& { return *(this->*member); }, row.member);
}

MainComponent::MainComponent(VelaAudioProcessor& processorToUse, juce::AudioProcessorValueTreeState& tree)
    : LumJuceMainComponent(processorToUse, tree), processor(processorToUse)
{
    for (const auto& row : controlRows())
        create(row);

    backgroundImage = juce::ImageCache::getFromMemory(bg_png, bg_pngSize);
    setSize(PanelTable::width, PanelTable::height);

    for (const char* type : LumDigiDelay::modTypeNames)
        modTypeBox->addItem(juce::translate(type), modTypeBox->getNumItems() + 1);
    // Shows the current program without loading its file again.
    presetSelector->refill();
    presetSelector->onRefusal = [this](const juce::String& line) { showPresetRefusal(line); };
    addMouseListener(this, true);

    for (juce::Button* button : { preButton.get(), postButton.get(), routingBypassButton.get(), normalButton.get(),
                                  dottedButton.get(), tripletButton.get(), static_cast<juce::TextButton*>(syncTempoButton.get()),
                                  loopButton.get(), bypassDelayButton.get(), pingPongButton.get() })
        button->setClickingTogglesState(true);

    updateModRouting();

    initUI();

    // After binding, which gave the knob the parameter's whole range.
    updateTimeKnob(TimeChange::keepTime);

    valueTreeState.addParameterListener(VelaParameters::id(Id::modRouting), this);
    valueTreeState.addParameterListener(VelaParameters::id(Id::syncMode), this);
    valueTreeState.addParameterListener(VelaParameters::id(Id::time), this);

    // The T key taps wherever the focus is in the panel; a click on the panel gives the panel the focus.
    setWantsKeyboardFocus(true);
    addKeyListener(timeLabel.get());
}

MainComponent::~MainComponent()
{
    valueTreeState.removeParameterListener(VelaParameters::id(Id::modRouting), this);
    valueTreeState.removeParameterListener(VelaParameters::id(Id::syncMode), this);
    valueTreeState.removeParameterListener(VelaParameters::id(Id::time), this);
    removeKeyListener(timeLabel.get());
    cancelPendingUpdate();
    removeMouseListener(this);
    disconnectParamters();
}

void MainComponent::parameterChanged(const juce::String& parameterID, float)
{
    // Host automation arrives on the host's own thread; components may only be touched on the message thread.
    const bool onMessageThread = juce::MessageManager::existsAndIsCurrentThread();

    if (parameterID == VelaParameters::id(Id::modRouting))
    {
        if (onMessageThread)
            updateModRouting();
        else
            routingRefreshPending = true;
    }
    else if (parameterID == VelaParameters::id(Id::syncMode) || parameterID == VelaParameters::id(Id::time))
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
        setChoice(VelaParameters::id(Id::syncMode), SyncMode::normal);
    else if (button == dottedButton.get())
        setChoice(VelaParameters::id(Id::syncMode), SyncMode::dotted);
    else if (button == tripletButton.get())
        setChoice(VelaParameters::id(Id::syncMode), SyncMode::triplet);
    else if (button == preButton.get())
        setChoice(VelaParameters::id(Id::modRouting), ModRouting::pre);
    else if (button == postButton.get())
        setChoice(VelaParameters::id(Id::modRouting), ModRouting::post);
    else if (button == routingBypassButton.get())
        setChoice(VelaParameters::id(Id::modRouting), ModRouting::bypass);
    else if (button == makePresetButton.get())
        makeFactoryPreset();
    else if (button == loopButton.get())
    {
        // LOOP holds the feedback at its maximum without telling the host, and gives the old value back.
        auto* feedback = valueTreeState.getParameter(VelaParameters::id(Id::feedback));

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

    presetRefusalLine = std::make_unique<juce::Label>("presetRefusal", line);
    setUp(*presetRefusalLine, CaptionStyle { 11.0f, juce::Justification::centred, 0xffff8a80 }, *this);
    addAndMakeVisible(*presetRefusalLine);
    presetRefusalLine->setInterceptsMouseClicks(false, false);
    presetRefusalLine->setBounds(60, 36, 380, 14);
}

void MainComponent::mouseDown(const juce::MouseEvent&)
{
    showPresetRefusal({});
}

void MainComponent::updateModRouting()
{
    const int index = choiceIndex(VelaParameters::id(Id::modRouting));
    juce::TextButton* const row[] = { preButton.get(), postButton.get(), routingBypassButton.get() };

    for (int i = 0; i < 3; ++i)
        row[i]->setToggleState(i == index, juce::dontSendNotification);
}

void MainComponent::updateTimeKnob(TimeChange change)
{
    const bool synced =
        juce::roundToInt(LumJuceParameter::plainValue(valueTreeState, VelaParameters::id(Id::syncTempo))) != 0;
    const int modeIndex = choiceIndex(VelaParameters::id(Id::syncMode));
    const float time = LumJuceParameter::plainValue(valueTreeState, VelaParameters::id(Id::time));
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
    g.drawImage(picture, 0, 0, PanelTable::width, PanelTable::height, 0, 0, picture.getWidth(), picture.getHeight(),
                false);
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
    for (const auto& row : controlRows())
        control(row).setBounds(row.bounds);
}

void MainComponent::visibilityChanged() {}

void MainComponent::connectParameters()
{
    LumJuceMainComponent::connectParameters();
}
