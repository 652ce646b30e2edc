#include "ExpectedParameters.h"
#include "HostedPlugin.h"

#include <vector>

namespace
{
// The id a host stores automation under. VST 3 hosts get JUCE's hash of the id; VST 2 has only the
// parameter's index; JUCE's LV2 host marks the parameter's URI as one the plug-in declared.
juce::String hostId(PluginFormat format, const ExpectedParameter& expected, size_t index)
{
    switch (format)
    {
        case PluginFormat::vst3:
            return juce::String(static_cast<juce::uint32>(juce::String(expected.id).hashCode()) & 0x7fffffffu);
        case PluginFormat::vst2:
            return juce::String(static_cast<int>(index));
        case PluginFormat::lv2:
            return lv2ParameterId(expected);
    }

    return {};
}

// Parameters the host itself adds: the VST 3 wrapper publishes a bypass of its own, and JUCE's LV2 host
// turns the bundle's lv2:enabled port into one. VST 2 bypasses by a call, not a parameter.
int hostAddedParameters(PluginFormat format)
{
    return format == PluginFormat::vst2 ? 0 : 1;
}

// VST 2 has no call that tells a parameter's default, so JUCE's host reports 0 for every one.
bool carriesDefaults(PluginFormat format)
{
    return format != PluginFormat::vst2;
}

// LV2 carries only the plain minimum, maximum and default, so its host normalises linearly.
float normalisedDefault(PluginFormat format, const ExpectedParameter& expected)
{
    const auto skew = format == PluginFormat::lv2 ? 1.0f : expected.skew;
    return juce::NormalisableRange<float>(expected.start, expected.end, 0.0f, skew).convertTo0to1(expected.defaultValue);
}

// LV2 cannot carry a plug-in's text for a number: the host formats the plain value itself. Choices come
// with their texts as scale points.
juce::String textAt(PluginFormat format, const ExpectedParameter& expected, float plainValue, const char* pluginText)
{
    return format == PluginFormat::lv2 && expected.choices.empty() ? juce::String(plainValue)
                                                                    : juce::String(pluginText);
}

// JUCE's VST 2 wrapper tells no host of a parameter's steps, and JUCE's VST 2 host takes steps only from a .vstxml
// file beside the plug-in, which Vela does not ship: there every parameter is a fader.
bool carriesSteps(PluginFormat format)
{
    return format != PluginFormat::vst2;
}

bool isSwitch(const ExpectedParameter& expected)
{
    return expected.choices == std::vector<const char*> { "Off", "On" };
}

class PluginParameters : public testing::TestWithParam<PluginFormat>
{
protected:
    void SetUp() override
    {
        plugin = loadPlugin(GetParam());
        ASSERT_NE(plugin.instance, nullptr) << plugin.error;
    }

    // LV2 declares its parameters as an unordered set, which JUCE's host sorts by URI: there order is not
    // something the format carries, so each parameter is found by its id instead of its place.
    juce::HostedAudioProcessorParameter* hosted(size_t index) const
    {
        const auto& parameters = plugin.instance->getParameters();

        if (GetParam() != PluginFormat::lv2)
            return dynamic_cast<juce::HostedAudioProcessorParameter*>(parameters[static_cast<int>(index)]);

        for (auto* parameter : parameters)
            if (auto* withId = dynamic_cast<juce::HostedAudioProcessorParameter*>(parameter))
                if (withId->getParameterID() == hostId(GetParam(), expectedParameters[index], index))
                    return withId;

        return nullptr;
    }

    HostedPlugin plugin;
};

TEST_P(PluginParameters, AreAllInHostOrderWithTheirNamesAndIds)
{
    const auto& parameters = plugin.instance->getParameters();
    const auto added = hostAddedParameters(GetParam());
    EXPECT_EQ(parameters.size(), static_cast<int>(expectedParameters.size()) + added);

    if (added > 0)
    {
        EXPECT_TRUE(parameters.contains(plugin.instance->getBypassParameter()));
    }

    for (size_t i = 0; i < expectedParameters.size(); ++i)
    {
        SCOPED_TRACE(expectedParameters[i].id);
        auto* parameter = hosted(i);
        ASSERT_NE(parameter, nullptr);
        EXPECT_EQ(parameter->getName(1024), expectedParameters[i].name);
        EXPECT_EQ(parameter->getParameterID(), hostId(GetParam(), expectedParameters[i], i));
    }
}

TEST_P(PluginParameters, StartAtTheirDefaultsAndShowTheirTexts)
{
    for (size_t i = 0; i < expectedParameters.size(); ++i)
    {
        const auto& expected = expectedParameters[i];
        SCOPED_TRACE(expected.id);
        auto* parameter = hosted(i);
        ASSERT_NE(parameter, nullptr);

        if (carriesDefaults(GetParam()))
        {
            EXPECT_NEAR(parameter->getDefaultValue(), normalisedDefault(GetParam(), expected), 1.0e-4f);
        }

        EXPECT_NEAR(parameter->getValue(), normalisedDefault(GetParam(), expected), 1.0e-4f);
        EXPECT_EQ(parameter->getCurrentValueAsText(),
                  textAt(GetParam(), expected, expected.defaultValue, expected.defaultText));
    }
}

TEST_P(PluginParameters, ChoicesShowTheTextOfEachPosition)
{
    for (size_t i = 0; i < expectedParameters.size(); ++i)
    {
        const auto& expected = expectedParameters[i];
        const auto last = static_cast<int>(expected.choices.size()) - 1;

        for (int position = 0; position <= last; ++position)
        {
            SCOPED_TRACE(juce::String(expected.id) + " at " + juce::String(position));
            auto* parameter = hosted(i);
            ASSERT_NE(parameter, nullptr);

            parameter->setValue(static_cast<float>(position) / static_cast<float>(last));
            EXPECT_EQ(parameter->getCurrentValueAsText(),
                      textAt(GetParam(), expected, static_cast<float>(position),
                             expected.choices[static_cast<size_t>(position)]));
        }
    }
}

// A host draws a list or a switch for a discrete parameter, and steps its automation, instead of a fader.
TEST_P(PluginParameters, ChoicesAreDiscreteWithOneStepPerEntryAndNumbersAreNot)
{
    for (size_t i = 0; i < expectedParameters.size(); ++i)
    {
        const auto& expected = expectedParameters[i];
        SCOPED_TRACE(expected.id);
        auto* parameter = hosted(i);
        ASSERT_NE(parameter, nullptr);

        if (! carriesSteps(GetParam()))
        {
            EXPECT_FALSE(parameter->isDiscrete());
            EXPECT_FALSE(parameter->isBoolean());
            EXPECT_EQ(parameter->getNumSteps(), juce::AudioProcessor::getDefaultNumParameterSteps());
            continue;
        }

        EXPECT_EQ(parameter->isDiscrete(), ! expected.choices.empty());

        if (expected.choices.empty())
            continue;

        EXPECT_EQ(parameter->getNumSteps(), static_cast<int>(expected.choices.size()));

        // VST 3 knows a switch only as a parameter of one step.
        if (GetParam() == PluginFormat::lv2)
        {
            EXPECT_EQ(parameter->isBoolean(), isSwitch(expected));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, PluginParameters, testing::ValuesIn(allPluginFormats()),
                         pluginFormatTestName);
} // namespace
