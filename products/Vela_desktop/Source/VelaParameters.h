#pragma once

#include "VelaTail.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <type_traits>
#include <vector>

class LumDigiDelay;

// The parameters, in host order; that order is also the order of the saved state.
namespace VelaParameters
{
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

// The table: one row per parameter, in host order; a new parameter is appended, so that automation, VST 2
// indexes and saved projects keep their meaning, and at its default it changes no sound. A number gives its range (start, end, step, skew), default
// and unit; a list its texts (a switch is the list Off/On) and default entry. Each row then says how the value
// reaches the engine (the conversion into the engine member that carries the id as its name) and whether the
// tail depends on it (inTail: VelaTail::Settings has a member of the same name, in the same units).
// The id is also the PARAM id in saved state and the name of the editor control bound to the parameter.
#define VELA_PARAMETERS(NUMBER, LIST)                                                                            \
    NUMBER(time, "Time", 0.0f, 2000.0f, 1.0f, 1.0f, 250.0f, "ms", asIs, inTail)                                  \
    NUMBER(feedback, "Feedback", 0.0f, 100.0f, 1.0f, 1.0f, 50.0f, "%", percent, inTail)                          \
    NUMBER(spread, "Spread", 0.0f, 100.0f, 1.0f, 1.0f, 0.0f, "%", percent, inTail)                               \
    NUMBER(lowpass, "Lowpass", 10.0f, 20000.0f, 0.1f, 0.5f, 15000.0f, "Hz", asIs, inTail)                       \
    NUMBER(highpass, "Highpass", 10.0f, 20000.0f, 0.1f, 0.5f, 10.0f, "Hz", asIs, inTail)                        \
    NUMBER(mix, "Mix", 0.0f, 100.0f, 1.0f, 1.0f, 50.0f, "%", percent, notInTail)                                 \
    NUMBER(modAmount, "Mod Amount", 0.0f, 100.0f, 1.0f, 1.0f, 50.0f, "%", percent, notInTail)                    \
    NUMBER(modFreq, "Mod Freq", 0.0f, 5.0f, 0.01f, 0.5f, 0.25f, "Hz", asIs, notInTail)                          \
    NUMBER(modFeedback, "Mod Feedback", 0.0f, 100.0f, 1.0f, 1.0f, 50.0f, "%", percent, inTail)                   \
    LIST(modType, "Mod Type", modTypeNames, 0, whole, inTail)                                                    \
    LIST(modRouting, "Mod Routing", modRoutingNames, 0, choice<LumDigiDelay::ModRouting>, inTail)               \
    LIST(syncTempo, "Tempo Sync", switchNames, 0, isOn, inTail)                                                  \
    LIST(syncMode, "Sync Mode", syncModeNames, 0, choice<LumDigiDelay::SyncMode>, inTail)                       \
    LIST(bypassDelay, "Bypass Delay", switchNames, 0, isOn, inTail)                                              \
    LIST(pingPong, "Ping-Pong", switchNames, 0, isOn, inTail)                                                     \
    NUMBER(duck, "Duck", 0.0f, 100.0f, 1.0f, 1.0f, 0.0f, "%", percent, notInTail)

// A parameter named in code: Id::feedback. Its text is id(Id::feedback).
enum class Id
{
#define VELA_NUMBER_ID(member, ...) member,
#define VELA_LIST_ID(member, ...) member,
    VELA_PARAMETERS(VELA_NUMBER_ID, VELA_LIST_ID)
#undef VELA_NUMBER_ID
#undef VELA_LIST_ID
};

struct Row
{
    const char* id;
    const char* name;
    // A list's range is 0 to its last entry in steps of 1, so that automation and saved values are positions.
    float start;
    float end;
    float interval;
    float skew;
    float defaultValue;
    // A number's unit, for people; hosts are given no label.
    const char* unit;
    // A list's texts; nullptr for a number.
    const juce::StringArray& (*choices)();
    void (*storeInEngine)(LumDigiDelay& engine, float rawValue);
    // nullptr where the tail does not depend on the parameter.
    void (*storeInTail)(VelaTail::Settings& settings, float rawValue);

    bool isList() const { return choices != nullptr; }
    bool isSwitch() const { return choices == &switchNames; }
};

const std::vector<Row>& rows();
const Row& row(Id parameter);
const char* id(Id parameter);
// The row of this id; nullptr for none.
const Row* find(juce::StringRef id);

juce::AudioProcessorValueTreeState::ParameterLayout createLayout();
} // namespace VelaParameters
