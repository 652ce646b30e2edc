#pragma once

#include "RenderOptions.h"
#include "VelaParameters.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <vector>

// The processor's parameters as the tool sees them: ranged, with real values in their own units.
std::vector<juce::RangedAudioParameter*> rangedParameters(juce::AudioProcessor& processor);

// Its row of the plug-in's parameter table.
const VelaParameters::Row& rowOf(const juce::RangedAudioParameter& parameter);
// The texts of a parameter that picks from a list, one per step; empty for a numeric parameter.
juce::StringArray choiceTexts(const juce::RangedAudioParameter& parameter);
// A numeric parameter's unit ("ms", "%", "Hz"); empty for a list.
const char* unitOf(const juce::RangedAudioParameter& parameter);

// Throws RenderError for an unknown id.
juce::RangedAudioParameter& parameterWithId(juce::AudioProcessor& processor, const std::string& id);
float realValueOf(juce::AudioProcessor& processor, const std::string& id);
void setRealValue(juce::AudioProcessor& processor, const std::string& id, float value);

// Sets a real value, or a choice text in any case. Throws RenderError for an unknown id or a value the parameter cannot take.
void applySetting(juce::AudioProcessor& processor, const ParameterSetting& setting);
