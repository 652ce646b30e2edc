#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

enum class PluginFormat
{
    vst3,
    vst2,
    lv2
};

const std::vector<PluginFormat>& allPluginFormats();

std::string pluginFormatName(PluginFormat format);

// For parametrised test names and failure messages: "VST3", "VST2", "LV2".
std::string pluginFormatTestName(const testing::TestParamInfo<PluginFormat>& info);
void PrintTo(PluginFormat format, std::ostream* stream);

// One build of the plug-in as JUCE's host for its format loads it. The format object is declared first so
// that it outlives the instance it made.
struct HostedPlugin
{
    std::unique_ptr<juce::AudioPluginFormat> format;
    juce::PluginDescription description;
    std::unique_ptr<juce::AudioPluginInstance> instance;
    juce::String error;
};

HostedPlugin loadPlugin(PluginFormat format);

// The VST3 bundle loadPlugin loads: the build's own, or one that VELA_VST3_BUNDLE names.
juce::String vst3Bundle();

// Looks a parameter up by the name the host shows, which every format carries.
juce::AudioProcessorParameter* findParameter(juce::AudioProcessor& processor, const juce::String& name);

constexpr const char* lv2PluginUri = "https://quillon.invalid/plugins/vela";
constexpr double hostSampleRate = 44100.0;
constexpr int hostBlockSize = 512;
