#include "HostedPlugin.h"

#include <optional>

namespace
{
// The version as each host shows it. VST 2 carries it only as the number 103, which Vst2EntryTest checks;
// JUCE's host makes a dotted string of that number by its own guess. JUCE's LV2 host reads no version
// (the bundle has lv2:minorVersion 0, lv2:microVersion 3 and doap:revision "1.0.3").
std::optional<juce::String> reportedVersion(PluginFormat format)
{
    if (format == PluginFormat::vst3)
        return juce::String("1.0.3");

    return std::nullopt;
}

// JUCE's VST 2 host lists a plug-in under its file name and keeps the effect's own name as the
// descriptive one.
bool listsTheEffectName(PluginFormat format)
{
    return format != PluginFormat::vst2;
}

class PluginIdentity : public testing::TestWithParam<PluginFormat>
{
};

TEST_P(PluginIdentity, DescriptionNamesAStereoEffectByQuillon)
{
    const auto plugin = loadPlugin(GetParam());
    ASSERT_NE(plugin.instance, nullptr) << plugin.error;

    const auto& description = plugin.description;
    EXPECT_EQ(description.descriptiveName, "Vela");
    if (listsTheEffectName(GetParam()))
    {
        EXPECT_EQ(description.name, "Vela");
    }

    EXPECT_EQ(description.manufacturerName, "Quillon");
    EXPECT_FALSE(description.isInstrument);
    EXPECT_EQ(description.numInputChannels, 2);
    EXPECT_EQ(description.numOutputChannels, 2);

    if (const auto version = reportedVersion(GetParam()))
    {
        EXPECT_EQ(description.version, *version);
    }
}

TEST_P(PluginIdentity, InstanceIsAStereoAudioEffectWithAnEditorAndNoDelayOfItsOwn)
{
    const auto plugin = loadPlugin(GetParam());
    ASSERT_NE(plugin.instance, nullptr) << plugin.error;

    auto& instance = *plugin.instance;
    instance.prepareToPlay(hostSampleRate, hostBlockSize);

    EXPECT_EQ(instance.getName(), "Vela");
    EXPECT_EQ(instance.getTotalNumInputChannels(), 2);
    EXPECT_EQ(instance.getTotalNumOutputChannels(), 2);
    EXPECT_FALSE(instance.acceptsMidi());
    EXPECT_FALSE(instance.producesMidi());
    EXPECT_TRUE(instance.hasEditor());
    EXPECT_EQ(instance.getLatencySamples(), 0);

    instance.releaseResources();
}

INSTANTIATE_TEST_SUITE_P(Formats, PluginIdentity, testing::ValuesIn(allPluginFormats()),
                         pluginFormatTestName);
} // namespace
