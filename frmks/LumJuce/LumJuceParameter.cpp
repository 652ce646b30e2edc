#include "LumJuceParameter.h"

LumJuceParameter::LumJuceParameter(const juce::ParameterID& parameterID, const juce::String& parameterName,
                                   juce::NormalisableRange<float> valueRange, float defaultValue,
                                   const juce::AudioProcessorValueTreeStateParameterAttributes& attributes)
    : juce::AudioParameterFloat(parameterID, parameterName, valueRange, defaultValue,
                                attributes.getAudioParameterFloatAttributes()),
      unsnappedDefault(valueRange.convertTo0to1(defaultValue)),
      discrete(attributes.getDiscrete()),
      boolean(attributes.getBoolean())
{
}

float LumJuceParameter::plainValue(const juce::RangedAudioParameter& parameter)
{
    return parameter.convertFrom0to1(parameter.getValue());
}

float LumJuceParameter::plainValue(const juce::AudioProcessorValueTreeState& tree, juce::StringRef id)
{
    const auto* parameter = tree.getParameter(id);
    jassert(parameter != nullptr);
    return plainValue(*parameter);
}

float LumJuceParameter::getDefaultValue() const
{
    return unsnappedDefault;
}

// Steps from the range's interval, so that a list shows one step per entry.
int LumJuceParameter::getNumSteps() const
{
    return juce::RangedAudioParameter::getNumSteps();
}

bool LumJuceParameter::isDiscrete() const
{
    return discrete;
}

bool LumJuceParameter::isBoolean() const
{
    return boolean;
}
