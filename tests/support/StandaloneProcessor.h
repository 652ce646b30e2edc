#pragma once

#include "PluginProcessor.h"

#include <memory>

// The processor as the standalone app creates it, which tells it that it runs without a host.
inline std::unique_ptr<VelaAudioProcessor> makeStandaloneProcessor()
{
    juce::AudioProcessor::setTypeOfNextNewPlugin(juce::AudioProcessor::wrapperType_Standalone);
    auto processor = std::make_unique<VelaAudioProcessor>();
    juce::AudioProcessor::setTypeOfNextNewPlugin(juce::AudioProcessor::wrapperType_Undefined);
    return processor;
}
