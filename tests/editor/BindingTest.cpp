#include "EditorFixture.h"
#include "ChoiceValues.h"

#include <thread>

namespace
{
using Binding = EditorFixture;

// A panel of the framework with controls named in every case, one label and one control out of reach.
class CaseTestPanel : public LumJuceMainComponent
{
public:
    CaseTestPanel(VelaAudioProcessor& p, juce::AudioProcessorValueTreeState& tree) : LumJuceMainComponent(p, tree)
    {
        for (auto* slider : { &upper, &capitalised, &lower })
            addAndMakeVisible(*slider);
        addAndMakeVisible(label);
        addAndMakeVisible(nested);
        nested.addAndMakeVisible(nestedSlider);
        initUI();
    }

    ~CaseTestPanel() override { disconnectParamters(); }

    juce::Slider upper { "FEEDBACK" }, capitalised { "Feedback" }, lower { "feedback" };
    juce::Label label { "feedback", "feedback" };
    juce::Component nested;
    juce::Slider nestedSlider { "feedback" };
};
} // namespace

TEST_F(Binding, BoundControlsFollowTheirParameters)
{
    struct Case
    {
        int child;
        const char* id;
        float value;
    };

    const Case sliders[] = {
        { Controls::feedback, "feedback", 75.0f }, { Controls::mix, "mix", 20.0f },
        { Controls::spread, "spread", 33.0f },     { Controls::highpass, "highpass", 440.0f },
        { Controls::lowpass, "lowpass", 5000.0f }, { Controls::modAmount, "modAmount", 12.0f },
        { Controls::modFreq, "modFreq", 3.5f },    { Controls::modFeedback, "modFeedback", 64.0f },
        { Controls::time, "time", 740.0f }, // half of it on the knob's 10 ms steps
        { Controls::duck, "duck", 60.0f },
    };

    for (const Case& c : sliders)
    {
        setFromHost(c.id, c.value);
        EXPECT_NEAR(controlAs<juce::Slider>(c.child).getValue(), c.value, 0.05) << c.id;

        // Halfway back, as the parameter's interval has it.
        auto* parameter = processor->valueTreeState.getParameter(c.id);
        const float half = parameter->convertFrom0to1(parameter->convertTo0to1(c.value / 2.0f));
        controlAs<juce::Slider>(c.child).setValue(half, juce::sendNotificationSync);
        EXPECT_NEAR(raw(c.id), half, 1e-4) << c.id << " from the knob";
    }

    for (const auto& [child, id] : { std::pair { Controls::bypassDelay, "bypassDelay" }, { Controls::pingPong, "pingPong" } })
    {
        setFromHost(id, 1.0f);
        EXPECT_TRUE(controlAs<juce::Button>(child).getToggleState()) << id;
        click(control(child));
        EXPECT_EQ(raw(id), 0.0f) << id << " from the button";
    }
    setFromHost("modType", hostValue(ModType::phaser));
    EXPECT_EQ(controlAs<juce::ComboBox>(Controls::modType).getSelectedId(), 5);
    controlAs<juce::ComboBox>(Controls::modType).setSelectedId(3, juce::sendNotificationSync);
    EXPECT_EQ(raw("modType"), 2.0f);
}

TEST_F(Binding, NamesMatchIgnoringCaseAndOnlyDirectChildControls)
{
    CaseTestPanel testPanel(*processor, processor->valueTreeState);
    EXPECT_TRUE(testPanel.isConnected());

    setFromHost("feedback", 80.0f);
    for (auto* slider : { &testPanel.upper, &testPanel.capitalised, &testPanel.lower })
        EXPECT_EQ(slider->getValue(), 80.0) << slider->getName();
    EXPECT_EQ(testPanel.label.getText(), "feedback");
    EXPECT_EQ(testPanel.nestedSlider.getValue(), 0.0) << "a nested control is out of reach";

    testPanel.disconnectParamters();
    EXPECT_FALSE(testPanel.isConnected());
    setFromHost("feedback", 10.0f);
    EXPECT_EQ(testPanel.upper.getValue(), 80.0) << "no attachment is left after disconnecting";
}

TEST_F(Binding, OpeningAndClosingManyTimesLeavesNothingListening)
{
    for (int i = 0; i < 40; ++i)
    {
        closeEditor();
        openEditor();
    }
    closeEditor();

    // Every parameter changes, on the message thread and from a host thread; a panel or attachment left
    // behind would be called and crash (the sanitizer builds also report it).
    std::thread host([this] {
        for (auto* parameter : processor->getParameters())
            parameter->setValueNotifyingHost(0.7f);
    });
    host.join();
    for (auto* parameter : processor->getParameters())
        parameter->setValueNotifyingHost(0.2f);
    runMessages();

    EXPECT_EQ(processor->getActiveEditor(), nullptr);
}
