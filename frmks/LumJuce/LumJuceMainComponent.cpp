#include "LumJuceMainComponent.h"

LumJuceMainComponent::LumJuceMainComponent(LumJuceAudioProcessor& processorToUse,
                                           juce::AudioProcessorValueTreeState& treeToUse)
    : valueTreeState(treeToUse), processor(processorToUse)
{
    juce::LookAndFeel::setDefaultLookAndFeel(&lookAndFeel);
    // Faces resolved before this look and feel was installed would otherwise keep their old typeface.
    juce::Typeface::clearTypefaceCache();
    tooltipWindow->setMillisecondsBeforeTipAppears(1000);
}

LumJuceMainComponent::~LumJuceMainComponent() = default;

void LumJuceMainComponent::initUI()
{
    connectParameters();
}

void LumJuceMainComponent::connectParameters()
{
    for (auto* child : getChildren())
    {
        auto* slider = dynamic_cast<juce::Slider*>(child);
        auto* comboBox = slider == nullptr ? dynamic_cast<juce::ComboBox*>(child) : nullptr;
        auto* button = slider == nullptr && comboBox == nullptr ? dynamic_cast<juce::Button*>(child) : nullptr;

        if (slider == nullptr && comboBox == nullptr && button == nullptr)
            continue;

        for (auto* parameter : processor.getParameters())
        {
            const auto* withId = dynamic_cast<juce::AudioProcessorParameterWithID*>(parameter);

            if (withId == nullptr || withId->paramID.compareIgnoreCase(child->getName()) != 0)
                continue;

            if (slider != nullptr)
                sliderAttachments.push_back(std::make_unique<SliderAttachment>(valueTreeState, withId->paramID, *slider));
            else if (comboBox != nullptr)
                comboBoxAttachments.push_back(
                    std::make_unique<ComboBoxAttachment>(valueTreeState, withId->paramID, *comboBox));
            else
                buttonAttachments.push_back(std::make_unique<ButtonAttachment>(valueTreeState, withId->paramID, *button));
        }
    }

    parametersConnected = true;
}

void LumJuceMainComponent::disconnectParamters()
{
    sliderAttachments.clear();
    buttonAttachments.clear();
    comboBoxAttachments.clear();
    parametersConnected = false;
}

void LumJuceMainComponent::registerControl(juce::Component* control)
{
    registeredControls.push_back(control);
}

void LumJuceMainComponent::makeFactoryPreset()
{
    // Plug-ins must not run modal loops inside the host; the chooser calls back when the user is done.
    saveChooser = std::make_unique<juce::FileChooser>("Save", juce::File(), juce::String(), true, false);
    saveChooser->launchAsync(juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles
                                 | juce::FileBrowserComponent::warnAboutOverwriting,
                             [this](const juce::FileChooser& chooser) {
                                 const auto file = chooser.getResult();
                                 if (file != juce::File())
                                     processor.writePresetFile(file);
                             });
}

void LumJuceMainComponent::paint(juce::Graphics& g)
{
    g.fillAll(getLookAndFeel().findColour(juce::ResizableWindow::backgroundColourId));
    g.setColour(juce::Colours::grey);
    g.drawRect(getLocalBounds(), 1);
    g.setColour(juce::Colours::white);
    g.setFont(14.0f);
    g.drawText("LumJuceMainComponent", getLocalBounds(), juce::Justification::centred, true);
}

void LumJuceMainComponent::resized() {}
