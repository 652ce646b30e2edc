#include "VelaParameters.h"

#include "LumJuceParameter.h"
#include "effects/LumDigiDelay.h"

#include <iterator>
#include <memory>

namespace VelaParameters
{
namespace
{
using Attributes = juce::AudioProcessorValueTreeStateParameterAttributes;

constexpr int parameterVersion = 1;

std::unique_ptr<LumJuceParameter> parameter(const Row& row)
{
    auto attributes = Attributes().withLabel({});

    // Discrete, and a switch where the list is Off/On, so that hosts offer a list or a toggle.
    if (row.isList())
    {
        const auto& list = row.choices();
        attributes = attributes.withDiscrete(true)
                         .withBoolean(row.isSwitch())
                         .withStringFromValueFunction([&list](float v, int) { return choiceText(list, v); })
                         .withValueFromStringFunction([&list](const juce::String& t) { return choiceValue(list, t); });
    }

    return std::make_unique<LumJuceParameter>(juce::ParameterID { row.id, parameterVersion }, row.name,
                                              juce::NormalisableRange<float>(row.start, row.end, row.interval,
                                                                             row.skew),
                                              row.defaultValue, attributes);
}

template <auto member, auto convert, typename Target>
void store(Target& target, float rawValue)
{
    target.*member = convert(rawValue);
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

// The member's name is the parameter's id; a list's range is 0..n-1 in whole steps.
#define VELA_TAIL_STORE_inTail(member, convert) store<&VelaTail::Settings::member, convert>
#define VELA_TAIL_STORE_notInTail(member, convert) nullptr
#define VELA_NUMBER_ROW(member, name, start, end, interval, skew, defaultValue, unit, convert, tail)                \
    Row { #member, name, start, end, interval, skew, defaultValue, unit, nullptr,                                  \
          store<&LumDigiDelay::member, convert>, VELA_TAIL_STORE_##tail(member, convert) },
#define VELA_LIST_ROW(member, name, texts, defaultEntry, convert, tail)                                            \
    Row { #member, name, 0.0f, static_cast<float>(texts().size() - 1), 1.0f, 1.0f, defaultEntry, "", &texts,     \
          store<&LumDigiDelay::member, convert>, VELA_TAIL_STORE_##tail(member, convert) },

const std::vector<Row>& rows()
{
    static const std::vector<Row> table { VELA_PARAMETERS(VELA_NUMBER_ROW, VELA_LIST_ROW) };
    return table;
}

#undef VELA_TAIL_STORE_inTail
#undef VELA_TAIL_STORE_notInTail
#undef VELA_NUMBER_ROW
#undef VELA_LIST_ROW

const Row& row(Id parameter)
{
    return rows()[static_cast<size_t>(parameter)];
}

const char* id(Id parameter)
{
    return row(parameter).id;
}

const Row* find(juce::StringRef id)
{
    for (const auto& row : rows())
        if (id == juce::StringRef(row.id))
            return &row;

    return nullptr;
}

juce::AudioProcessorValueTreeState::ParameterLayout createLayout()
{
    juce::AudioProcessorValueTreeState::ParameterLayout layout;
    for (const auto& row : rows())
        layout.add(parameter(row));

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
} // namespace VelaParameters
