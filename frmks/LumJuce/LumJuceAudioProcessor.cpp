#include "LumJuceAudioProcessor.h"

#include "LumDSPEffect.h"

#include <cstdio>

LumJuceAudioProcessor::LumJuceAudioProcessor(const BusesProperties& buses, const juce::Identifier& stateType,
                                             juce::AudioProcessorValueTreeState::ParameterLayout parameterLayout)
    : juce::AudioProcessor(buses),
      valueTreeState(*this, nullptr, stateType, std::move(parameterLayout))
{
    std::printf("init");
}

LumJuceAudioProcessor::~LumJuceAudioProcessor() = default;

void LumJuceAudioProcessor::prepareToPlay(double sampleRate, int maximumBlockSize)
{
    effect->prepare(static_cast<float>(sampleRate), maximumBlockSize);
}

void LumJuceAudioProcessor::processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    jassert(buffer.getNumChannels() >= 2);
    effect->runEffect(buffer.getReadPointer(0), buffer.getReadPointer(1), buffer.getWritePointer(0),
                      buffer.getWritePointer(1), buffer.getNumSamples(), 120.0f);
}

int LumJuceAudioProcessor::getNumPrograms()
{
    return 1;
}

int LumJuceAudioProcessor::getCurrentProgram()
{
    return currentProgram.load();
}

void LumJuceAudioProcessor::setCurrentProgram(int) {}

const juce::String LumJuceAudioProcessor::getProgramName(int)
{
    return {};
}

void LumJuceAudioProcessor::changeProgramName(int, const juce::String&) {}

void LumJuceAudioProcessor::getStateInformation(juce::MemoryBlock& destData)
{
    destData.reset();

    if (const auto xml = valueTreeState.copyState().createXml())
        copyXmlToBinary(*xml, destData);
}

void LumJuceAudioProcessor::setStateInformation(const void* data, int sizeInBytes)
{
    const auto xml = getXmlFromBinary(data, sizeInBytes);

    if (xml != nullptr && xml->hasTagName(valueTreeState.state.getType()))
        valueTreeState.replaceState(juce::ValueTree::fromXml(*xml));
}

void LumJuceAudioProcessor::audioProcessorParameterChanged(juce::AudioProcessor* processor, int parameterIndex,
                                                           float)
{
    const auto* parameter = dynamic_cast<juce::RangedAudioParameter*>(processor->getParameters()[parameterIndex]);

    if (parameter != nullptr)
        effect->setParameterValueForAddress(parameterIndex,
                                            valueTreeState.getRawParameterValue(parameter->paramID)->load());
}

void LumJuceAudioProcessor::audioProcessorChanged(juce::AudioProcessor*, const juce::AudioProcessorListener::ChangeDetails&) {}

void LumJuceAudioProcessor::setProgramModified()
{
    currentProgram.store(-1);
}
