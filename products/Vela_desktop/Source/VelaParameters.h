#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <type_traits>
#include <vector>

class LumDigiDelay;

// The fourteen parameters, in host order; that order is also the order of the saved state.
namespace VelaParameters
{
juce::AudioProcessorValueTreeState::ParameterLayout createLayout();

// Entry i of a choice list for a value truncated toward zero; "" outside the list.
juce::String choiceText(const juce::StringArray& list, float value);
// Position of the text in the list (exact, case-sensitive); -1 when it is not there.
float choiceValue(const juce::StringArray& list, const juce::String& text);

const juce::StringArray& modTypeNames();
const juce::StringArray& modRoutingNames();
const juce::StringArray& switchNames();
const juce::StringArray& syncModeNames();

// Conversions from a parameter's raw value to engine units.
float asIs(float rawValue);
float percent(float rawValue);
int whole(float rawValue);
bool isOn(float rawValue);
// A choice's position as the engine's value, LumDigiDelay::ModRouting or SyncMode.
template <typename Choice>
Choice choice(float rawValue)
{
    return static_cast<Choice>(whole(rawValue));
}
// And back: the raw value a host sets for one of the engine's choices (a ModType, ModRouting or SyncMode).
template <typename Choice, typename = std::enable_if_t<std::is_enum_v<Choice>>>
constexpr float hostValue(Choice value)
{
    return static_cast<float>(value);
}

// How a parameter reaches the engine: stored into the engine member that carries its id, in engine units.
struct EngineMember
{
    const char* id;
    void (*store)(LumDigiDelay& engine, float rawValue);
};

// One row per parameter of the layout, in host order.
const std::vector<EngineMember>& engineMembers();
} // namespace VelaParameters
