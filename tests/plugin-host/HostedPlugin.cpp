#include "HostedPlugin.h"

#include <cstdlib>

namespace
{
// The build's own binaries, or installed ones that the environment names (scripts/verify-package.sh).
juce::String builtOrNamed(const char* variable, const char* built)
{
    const auto* named = std::getenv(variable);
    return named != nullptr ? juce::String(named) : juce::String(built);
}

// JUCE's LV2 host finds plug-ins by URI among the bundles lilv has read, so the folder holding the
// built bundle is read first.
juce::String lv2Identifier(juce::AudioPluginFormat& format)
{
    const auto folder = juce::File(builtOrNamed("VELA_LV2_BUNDLE", VELA_LV2_BUNDLE)).getParentDirectory();
    format.searchPathsForPlugins(juce::FileSearchPath(folder.getFullPathName()), false, false);
    return lv2PluginUri;
}
} // namespace

const std::vector<PluginFormat>& allPluginFormats()
{
    static const std::vector<PluginFormat> formats { PluginFormat::vst3, PluginFormat::vst2, PluginFormat::lv2 };
    return formats;
}

std::string pluginFormatName(PluginFormat format)
{
    switch (format)
    {
        case PluginFormat::vst3: return "VST3";
        case PluginFormat::vst2: return "VST2";
        case PluginFormat::lv2: return "LV2";
    }

    return "Unknown";
}

std::string pluginFormatTestName(const testing::TestParamInfo<PluginFormat>& info)
{
    return pluginFormatName(info.param);
}

void PrintTo(PluginFormat format, std::ostream* stream)
{
    *stream << pluginFormatName(format);
}

HostedPlugin loadPlugin(PluginFormat format)
{
    HostedPlugin plugin;
    juce::String location;

    switch (format)
    {
        case PluginFormat::vst3:
            plugin.format = std::make_unique<juce::VST3PluginFormat>();
            location = vst3Bundle();
            break;
        case PluginFormat::vst2:
            plugin.format = std::make_unique<juce::VSTPluginFormat>();
            location = builtOrNamed("VELA_VST2_LIBRARY", VELA_VST2_LIBRARY);
            break;
        case PluginFormat::lv2:
            plugin.format = std::make_unique<juce::LV2PluginFormat>();
            location = lv2Identifier(*plugin.format);
            break;
    }

    juce::OwnedArray<juce::PluginDescription> found;
    plugin.format->findAllTypesForFile(found, location);

    if (found.size() != 1)
    {
        plugin.error = "expected one plug-in in " + location + ", found " + juce::String(found.size());
        return plugin;
    }

    plugin.description = *found.getFirst();
    plugin.instance = plugin.format->createInstanceFromDescription(plugin.description, hostSampleRate,
                                                                   hostBlockSize, plugin.error);
    return plugin;
}

juce::String vst3Bundle()
{
    return builtOrNamed("VELA_VST3_BUNDLE", VELA_VST3_BUNDLE);
}

juce::AudioProcessorParameter* findParameter(juce::AudioProcessor& processor, const juce::String& name)
{
    for (auto* parameter : processor.getParameters())
        if (parameter->getName(1024) == name)
            return parameter;

    return nullptr;
}
