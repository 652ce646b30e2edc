// A program change from a host's audio thread sets the parameters without telling anyone there; the tree, the
// editor and the host hear of it from the message thread afterwards. Until then, and after, what a host reads
// back, what the state saves and what the engine plays are the program's values.
#include "LumJuceParameter.h"
#include "PluginProcessor.h"
#include "TemporaryHome.h"
#include "effects/LumDigiDelay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace
{
using Values = std::map<juce::String, float>;

// A preset file's values, read as a document, apart from the plug-in's own reading.
Values fileValues(const juce::File& file)
{
    Values values;
    if (const auto document = juce::XmlDocument::parse(file))
        for (const auto* param : document->getChildIterator())
            values[param->getStringAttribute("id")] = static_cast<float>(param->getDoubleAttribute("value"));
    return values;
}

Values stateValues(VelaAudioProcessor& processor)
{
    juce::MemoryBlock chunk;
    processor.getStateInformation(chunk);
    Values values;
    const auto document = juce::AudioProcessor::getXmlFromBinary(chunk.getData(), static_cast<int>(chunk.getSize()));
    if (document != nullptr)
        for (const auto* param : document->getChildIterator())
            values[param->getStringAttribute("id")] = static_cast<float>(param->getDoubleAttribute("value"));
    return values;
}

void expectValues(const Values& actual, const Values& expected, const std::string& context)
{
    ASSERT_FALSE(expected.empty()) << context;
    for (const auto& [id, value] : expected)
    {
        ASSERT_EQ(actual.count(id), 1u) << context << ": " << id;
        EXPECT_NEAR(actual.at(id), value, 1.0e-3f * std::max(1.0f, std::abs(value))) << context << ": " << id;
    }
}

Values parameterValues(VelaAudioProcessor& processor)
{
    Values values;
    for (auto* parameter : processor.getParameters())
        if (auto* ranged = dynamic_cast<juce::RangedAudioParameter*>(parameter))
            values[ranged->paramID] = LumJuceParameter::plainValue(*ranged);
    return values;
}

class ProgramChange : public ::testing::Test
{
protected:
    juce::File presetFile(int k) { return home.presetFolder().getChildFile(processor.getProgramName(k) + ".preset"); }

    void runMessages() { juce::MessageManager::getInstance()->runDispatchLoopUntil(80); }

    // The first open writes the factory bank.
    const TemporaryHome home { TemporaryHome::noPresetFolder };
    VelaAudioProcessor processor;
};
} // namespace

TEST_F(ProgramChange, ParametersStateAndEngineHoldTheProgramAsSoonAsTheChangeReturns)
{
    processor.prepareToPlay(44100.0, 64);
    juce::AudioBuffer<float> block(2, 64);
    juce::MidiBuffer midi;
    ASSERT_GE(processor.getNumPrograms(), 4);

    for (const int k : { 3, 1, 0, 2 })
    {
        const auto context = processor.getProgramName(k).toStdString();
        const auto expected = fileValues(presetFile(k));
        processor.setCurrentProgram(k);

        // No message has run: nothing has been announced yet.
        expectValues(parameterValues(processor), expected, context + ", read back");
        juce::MemoryBlock before;
        processor.getStateInformation(before);
        expectValues(stateValues(processor), expected, context + ", saved");
        block.clear();
        processor.processBlock(block, midi);
        EXPECT_EQ(processor.engine().time, expected.at("time")) << context;
        EXPECT_EQ(processor.engine().mix, expected.at("mix") / 100.0f) << context;

        runMessages();
        juce::MemoryBlock after;
        processor.getStateInformation(after);
        EXPECT_EQ(after, before) << context << ": announcing changes nothing that is saved";
        for (const auto& [id, value] : expected)
            EXPECT_EQ(processor.valueTreeState.getRawParameterValue(id)->load(),
                      LumJuceParameter::plainValue(processor.valueTreeState, id))
                << context << ": the tree has learnt " << id;
    }
}

// A host restores a project right after a program change that is not yet announced, or while LOOP holds the
// feedback (set without telling the tree): the document's values are what holds.
TEST_F(ProgramChange, ARestoreBeforeTheAnnouncementTakesTheDocumentsValues)
{
    processor.setCurrentProgram(1);
    runMessages();
    juce::MemoryBlock saved;
    processor.getStateInformation(saved);
    const auto savedValues = stateValues(processor);

    const struct
    {
        const char* name;
        std::function<void()> change;
    } cases[] = {
        { "a program change", [&] { processor.setCurrentProgram(3); } },
        { "a value set without telling anyone",
          [&] { processor.valueTreeState.getParameter("feedback")->setValue(1.0f); } },
    };

    for (const auto& c : cases)
    {
        c.change();
        processor.setStateInformation(saved.getData(), static_cast<int>(saved.getSize()));
        expectValues(parameterValues(processor), savedValues, c.name);
        runMessages();
        expectValues(parameterValues(processor), savedValues, std::string(c.name) + ", announced");
    }
}
