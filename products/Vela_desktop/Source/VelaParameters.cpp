#include "VelaParameters.h"

#include "LumJuceParameter.h"
#include "effects/LumDigiDelay.h"

#include <iterator>

namespace VelaParameters
{
namespace
{
using Parameter = LumJuceParameter;
using Attributes = juce::AudioProcessorValueTreeStateParameterAttributes;

constexpr int parameterVersion = 1;

std::unique_ptr<Parameter> numeric(const char* id, const char* name, juce::NormalisableRange<float> range,
                                   float defaultValue)
{
    return std::make_unique<Parameter>(juce::ParameterID { id, parameterVersion }, name, range, defaultValue,
                                       Attributes().withLabel({}));
}

std::unique_ptr<Parameter> choice(const char* id, const char* name, const juce::StringArray& list)
{
    // Discrete, and a switch where the list is Off/On, so that hosts offer a list or a toggle; the range stays
    // 0..n-1 so that normalised automation and saved values mean what they always did.
    const auto attributes = Attributes()
                                .withLabel({})
                                .withDiscrete(true)
                                .withBoolean(&list == &switchNames())
                                .withStringFromValueFunction([&list](float v, int) { return choiceText(list, v); })
                                .withValueFromStringFunction([&list](const juce::String& t) { return choiceValue(list, t); });

    const auto last = static_cast<float>(list.size() - 1);
    return std::make_unique<Parameter>(juce::ParameterID { id, parameterVersion }, name,
                                       juce::NormalisableRange<float>(0.0f, last, 1.0f, 1.0f), 0.0f, attributes);
}
} // namespace

const juce::StringArray& modTypeNames()
{
    static const juce::StringArray names(LumDigiDelay::modTypeNames,
                                         static_cast<int>(std::size(LumDigiDelay::modTypeNames)));
    return names;
}

const juce::StringArray& modRoutingNames()
{
    static const juce::StringArray names { "Pre", "Post", "Bypass" };
    return names;
}

const juce::StringArray& switchNames()
{
    static const juce::StringArray names { "Off", "On" };
    return names;
}

const juce::StringArray& syncModeNames()
{
    static const juce::StringArray names { "Normal", "Dotted", "Triplet" };
    return names;
}

juce::String choiceText(const juce::StringArray& list, float value)
{
    const auto index = static_cast<int>(value);
    return juce::isPositiveAndBelow(index, list.size()) ? list[index] : juce::String();
}

float choiceValue(const juce::StringArray& list, const juce::String& text)
{
    return static_cast<float>(list.indexOf(text, false));
}

juce::AudioProcessorValueTreeState::ParameterLayout createLayout()
{
    using Range = juce::NormalisableRange<float>;

    juce::AudioProcessorValueTreeState::ParameterLayout layout;
    layout.add(numeric("time", "Time", Range(0.0f, 2000.0f, 1.0f, 1.0f), 250.0f),
               numeric("feedback", "Feedback", Range(0.0f, 100.0f, 1.0f, 1.0f), 50.0f),
               numeric("spread", "Spread", Range(0.0f, 100.0f, 1.0f, 1.0f), 0.0f),
               numeric("lowpass", "Lowpass", Range(10.0f, 20000.0f, 0.1f, 0.5f), 15000.0f),
               numeric("highpass", "Highpass", Range(10.0f, 20000.0f, 0.1f, 0.5f), 10.0f),
               numeric("mix", "Mix", Range(0.0f, 100.0f, 1.0f, 1.0f), 50.0f),
               numeric("modAmount", "Mod Amount", Range(0.0f, 100.0f, 1.0f, 1.0f), 50.0f),
               numeric("modFreq", "Mod Freq", Range(0.0f, 5.0f, 0.01f, 0.5f), 0.25f),
               numeric("modFeedback", "Mod Feedback", Range(0.0f, 100.0f, 1.0f, 1.0f), 50.0f),
               choice("modType", "Mod Type", modTypeNames()),
               choice("modRouting", "Mod Routing", modRoutingNames()),
               choice("syncTempo", "Tempo Sync", switchNames()),
               choice("syncMode", "Sync Mode", syncModeNames()),
               choice("bypassDelay", "Bypass Delay", switchNames()));
    return layout;
}

float asIs(float rawValue)
{
    return rawValue;
}

float percent(float rawValue)
{
    return static_cast<float>(static_cast<double>(rawValue) / 100.0);
}

int whole(float rawValue)
{
    return static_cast<int>(rawValue);
}

bool isOn(float rawValue)
{
    return rawValue != 0.0f;
}

namespace
{
template <auto member, auto convert>
void store(LumDigiDelay& engine, float rawValue)
{
    engine.*member = convert(rawValue);
}
} // namespace

// The member's name is the parameter's id.
#define VELA_ENGINE_MEMBER(member, convert) EngineMember { #member, store<&LumDigiDelay::member, convert> }

const std::vector<EngineMember>& engineMembers()
{
    static const std::vector<EngineMember> members {
        VELA_ENGINE_MEMBER(time, asIs),
        VELA_ENGINE_MEMBER(feedback, percent),
        VELA_ENGINE_MEMBER(spread, percent),
        VELA_ENGINE_MEMBER(lowpass, asIs),
        VELA_ENGINE_MEMBER(highpass, asIs),
        VELA_ENGINE_MEMBER(mix, percent),
        VELA_ENGINE_MEMBER(modAmount, percent),
        VELA_ENGINE_MEMBER(modFreq, asIs),
        VELA_ENGINE_MEMBER(modFeedback, percent),
        VELA_ENGINE_MEMBER(modType, whole),
        VELA_ENGINE_MEMBER(modRouting, choice<LumDigiDelay::ModRouting>),
        VELA_ENGINE_MEMBER(syncTempo, isOn),
        VELA_ENGINE_MEMBER(syncMode, choice<LumDigiDelay::SyncMode>),
        VELA_ENGINE_MEMBER(bypassDelay, isOn),
    };
    return members;
}

#undef VELA_ENGINE_MEMBER
} // namespace VelaParameters
