#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// A parameter of the value tree that behaves for hosts as the tree's own Parameter class does (range, steps,
// discrete and switch flags, unsnapped default, text conversions), except that a plain setValue tells no one.
// That is what lets a program change store its values on a host's audio thread: the tree's listeners sit behind
// a lock, and they, the editor and the host hear of the values when the message thread announces them with
// setValueNotifyingHost. So the parameter itself, not the tree, holds the value that is current.
class LumJuceParameter final : public juce::AudioParameterFloat
{
public:
    LumJuceParameter(const juce::ParameterID& parameterID, const juce::String& parameterName,
                     juce::NormalisableRange<float> valueRange, float defaultValue,
                     const juce::AudioProcessorValueTreeStateParameterAttributes& attributes);

    // The value in the parameter's own units, as the tree would hold it once told. Read it so, not from the
    // tree: the tree learns of a plain setValue only when it is announced, and of an announced one only after
    // the listeners that came before it (a control's attachment, say).
    static float plainValue(const juce::RangedAudioParameter& parameter);
    static float plainValue(const juce::AudioProcessorValueTreeState& tree, juce::StringRef id);

private:
    float getDefaultValue() const override;
    int getNumSteps() const override;
    bool isDiscrete() const override;
    bool isBoolean() const override;

    const float unsnappedDefault;
    const bool discrete;
    const bool boolean;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(LumJuceParameter)
};
