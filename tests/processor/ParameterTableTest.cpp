#include "PluginProcessor.h"
#include "VelaParameters.h"
#include "effects/LumDigiDelay.h"

#include <gtest/gtest.h>

#include <iterator>
#include <memory>

namespace
{
struct ParameterRow
{
    const char* id;
    const char* name;
    float start;
    float end;
    float interval;
    float skew;
    float defaultValue;
};

const ParameterRow table[] = {
    { "time", "Time", 0.0f, 2000.0f, 1.0f, 1.0f, 250.0f },
    { "feedback", "Feedback", 0.0f, 100.0f, 1.0f, 1.0f, 50.0f },
    { "spread", "Spread", 0.0f, 100.0f, 1.0f, 1.0f, 0.0f },
    { "lowpass", "Lowpass", 10.0f, 20000.0f, 0.1f, 0.5f, 15000.0f },
    { "highpass", "Highpass", 10.0f, 20000.0f, 0.1f, 0.5f, 10.0f },
    { "mix", "Mix", 0.0f, 100.0f, 1.0f, 1.0f, 50.0f },
    { "modAmount", "Mod Amount", 0.0f, 100.0f, 1.0f, 1.0f, 50.0f },
    { "modFreq", "Mod Freq", 0.0f, 5.0f, 0.01f, 0.5f, 0.25f },
    { "modFeedback", "Mod Feedback", 0.0f, 100.0f, 1.0f, 1.0f, 50.0f },
    { "modType", "Mod Type", 0.0f, 6.0f, 1.0f, 1.0f, 0.0f },
    { "modRouting", "Mod Routing", 0.0f, 2.0f, 1.0f, 1.0f, 0.0f },
    { "syncTempo", "Tempo Sync", 0.0f, 1.0f, 1.0f, 1.0f, 0.0f },
    { "syncMode", "Sync Mode", 0.0f, 2.0f, 1.0f, 1.0f, 0.0f },
    { "bypassDelay", "Bypass Delay", 0.0f, 1.0f, 1.0f, 1.0f, 0.0f },
    { "pingPong", "Ping-Pong", 0.0f, 1.0f, 1.0f, 1.0f, 0.0f },
    { "duck", "Duck", 0.0f, 100.0f, 1.0f, 1.0f, 0.0f },
};

class Processor : public ::testing::Test
{
protected:
    juce::RangedAudioParameter& parameter(const char* id) { return *processor.valueTreeState.getParameter(id); }

    VelaAudioProcessor processor;
};
} // namespace

TEST_F(Processor, IdentityValues)
{
    EXPECT_EQ(processor.getName(), "Vela");
    EXPECT_FALSE(processor.acceptsMidi());
    EXPECT_FALSE(processor.producesMidi());
    EXPECT_TRUE(processor.hasEditor());
    EXPECT_EQ(processor.getLatencySamples(), 0);
    EXPECT_EQ(processor.getBus(true, 0)->getName(), "Input");
    EXPECT_EQ(processor.getBus(false, 0)->getName(), "Output");
    EXPECT_EQ(processor.getTotalNumInputChannels(), 2);
    EXPECT_EQ(processor.getTotalNumOutputChannels(), 2);
    EXPECT_EQ(processor.valueTreeState.state.getType().toString(), "Vela");
}

// Hosts and tools may stream audio or data on stdout: the diagnostic goes to stderr, nothing to stdout.
TEST(ProcessorConstruction, PrintsTheInitDiagnosticOnStderrOnly)
{
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    std::unique_ptr<juce::AudioProcessor> created(createPluginFilter());
    const auto printedOnStderr = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(printedOnStderr, "init");
    EXPECT_NE(dynamic_cast<VelaAudioProcessor*>(created.get()), nullptr);
}

TEST_F(Processor, ParametersInHostOrder)
{
    const auto& parameters = processor.getParameters();
    ASSERT_EQ(parameters.size(), static_cast<int>(std::size(table)));

    for (int i = 0; i < parameters.size(); ++i)
    {
        const ParameterRow& row = table[i];
        auto* p = dynamic_cast<juce::RangedAudioParameter*>(parameters[i]);
        ASSERT_NE(p, nullptr);
        const auto& range = p->getNormalisableRange();

        EXPECT_EQ(p->paramID, row.id) << i;
        EXPECT_EQ(p->getName(100), row.name) << row.id;
        EXPECT_EQ(p->getLabel(), "") << row.id;
        EXPECT_EQ(range.start, row.start) << row.id;
        EXPECT_EQ(range.end, row.end) << row.id;
        EXPECT_FLOAT_EQ(range.interval, row.interval) << row.id;
        EXPECT_FLOAT_EQ(range.skew, row.skew) << row.id;
        EXPECT_FALSE(range.symmetricSkew) << row.id;
        EXPECT_FLOAT_EQ(range.convertFrom0to1(p->getDefaultValue()), row.defaultValue) << row.id;
        EXPECT_FLOAT_EQ(processor.valueTreeState.getRawParameterValue(row.id)->load(), row.defaultValue) << row.id;
        EXPECT_TRUE(p->isAutomatable()) << row.id;
        EXPECT_FALSE(p->isMetaParameter()) << row.id;
    }
}

// The tail and the renderer read the settings the engine plays, converted the same way.
TEST_F(Processor, TailSettingsAreWhatTheEnginePlays)
{
    const std::pair<const char*, float> settings[] = {
        { "time", 4.0f },         { "feedback", 63.0f }, { "spread", 27.0f },    { "lowpass", 3210.5f },
        { "highpass", 77.7f },    { "modFeedback", 81.0f }, { "modType", 5.0f }, { "modRouting", 2.0f },
        { "syncTempo", 1.0f },    { "syncMode", 2.0f },  { "bypassDelay", 1.0f }, { "pingPong", 1.0f },
    };
    for (const auto& [id, value] : settings)
        parameter(id).setValueNotifyingHost(parameter(id).convertTo0to1(value));

    processor.prepareToPlay(44100.0, 64);
    juce::AudioBuffer<float> block(2, 64);
    juce::MidiBuffer midi;
    processor.processBlock(block, midi);

    const auto& engine = processor.engine();
    const auto tail = processor.tailSettings(97.0f);
    EXPECT_EQ(tail.time, engine.time);
    EXPECT_EQ(tail.feedback, engine.feedback);
    EXPECT_EQ(tail.spread, engine.spread);
    EXPECT_EQ(tail.lowpass, engine.lowpass);
    EXPECT_EQ(tail.highpass, engine.highpass);
    EXPECT_EQ(tail.modFeedback, engine.modFeedback);
    EXPECT_EQ(tail.modType, engine.modType);
    EXPECT_EQ(tail.modRouting, engine.modRouting);
    EXPECT_EQ(tail.syncTempo, engine.syncTempo);
    EXPECT_EQ(tail.syncMode, engine.syncMode);
    EXPECT_EQ(tail.bypassDelay, engine.bypassDelay);
    EXPECT_EQ(tail.pingPong, engine.pingPong);
    EXPECT_EQ(tail.bpm, 97.0f);
}

TEST_F(Processor, ChoiceValuesShowTheirTexts)
{
    struct Case
    {
        const char* id;
        float value;
        const char* text;
    };

    const Case cases[] = {
        { "modType", 0.0f, "Chorus" },    { "modType", 3.0f, "Pan" },     { "modType", 6.0f, "Delay" },
        { "modRouting", 2.0f, "Bypass" }, { "syncTempo", 1.0f, "On" },    { "syncMode", 1.0f, "Dotted" },
        { "syncMode", 2.0f, "Triplet" },  { "bypassDelay", 0.0f, "Off" },
    };

    for (const Case& c : cases)
    {
        auto& p = parameter(c.id);
        const float normalised = (c.value - p.getNormalisableRange().start)
                                 / (p.getNormalisableRange().end - p.getNormalisableRange().start);
        EXPECT_EQ(p.getText(normalised, 100), c.text) << c.id << " at " << c.value;
    }
}

TEST(ChoiceText, TruncatesTowardZeroAndIsEmptyOutsideTheList)
{
    const auto& modes = VelaParameters::syncModeNames();
    EXPECT_EQ(VelaParameters::choiceText(modes, 1.9f), "Dotted");
    EXPECT_EQ(VelaParameters::choiceText(modes, -0.5f), "Normal");
    EXPECT_EQ(VelaParameters::choiceText(modes, 3.0f), "");
    EXPECT_EQ(VelaParameters::choiceText(modes, -1.0f), "");
    EXPECT_EQ(VelaParameters::choiceText(VelaParameters::modTypeNames(), 7.0f), "");
}

TEST_F(Processor, ChoiceTextsConvertToPositionsExactly)
{
    struct Case
    {
        const char* id;
        const char* text;
        float value; // real value before the tree limits it
    };

    const Case cases[] = {
        { "modType", "Delay", 6.0f },     { "modType", "delay", -1.0f },  { "modType", "Chorus", 0.0f },
        { "modRouting", "Bypass", 2.0f }, { "syncTempo", "On", 1.0f },    { "syncMode", "Triplet", 2.0f },
        { "bypassDelay", "off", -1.0f },  { "syncMode", "", -1.0f },
    };

    for (const Case& c : cases)
    {
        auto& p = parameter(c.id);
        const float limited = juce::jlimit(p.getNormalisableRange().start, p.getNormalisableRange().end, c.value);
        EXPECT_FLOAT_EQ(p.convertFrom0to1(p.getValueForText(c.text)), limited) << c.id << " '" << c.text << "'";
    }
}

TEST_F(Processor, NumericParametersShowTheTreeDefaultText)
{
    EXPECT_EQ(parameter("time").getCurrentValueAsText(), "250");
    EXPECT_EQ(parameter("modFreq").getCurrentValueAsText(), "0.25");
    EXPECT_EQ(parameter("lowpass").getCurrentValueAsText(), "15000.0");
}

TEST_F(Processor, BusLayouts)
{
    using Set = juce::AudioChannelSet;

    struct Case
    {
        const char* name;
        Set input;
        Set output;
        bool accepted;
    };

    const Case cases[] = {
        { "stereo", Set::stereo(), Set::stereo(), true },
        { "mono", Set::mono(), Set::mono(), true },
        { "stereo in, mono out", Set::stereo(), Set::mono(), false },
        { "mono in, stereo out", Set::mono(), Set::stereo(), false },
        { "surround", Set::create5point1(), Set::create5point1(), false },
        { "quadraphonic", Set::quadraphonic(), Set::quadraphonic(), false },
        { "disabled input", Set::disabled(), Set::stereo(), false },
        { "disabled both", Set::disabled(), Set::disabled(), false },
    };

    for (const Case& c : cases)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add(c.input);
        layout.outputBuses.add(c.output);
        EXPECT_EQ(processor.checkBusesLayoutSupported(layout), c.accepted) << c.name;
    }
}
