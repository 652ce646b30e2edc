#include "PluginParameters.h"

#include "NumberText.h"
#include "RenderError.h"

namespace
{
// A number inside the range, or one of the choice texts.
float realValueFor(const juce::RangedAudioParameter& parameter, const std::string& text)
{
    const auto& range = parameter.getNormalisableRange();
    const auto id = parameter.paramID.toStdString();
    const std::string unit = unitOf(parameter);

    if (const auto number = parseFiniteNumber(text))
    {
        if (*number < range.start || *number > range.end)
            throw RenderError(id + "=" + text + " is outside its range " + formatNumber(range.start) + ".."
                              + formatNumber(range.end) + (unit.empty() ? "" : " " + unit));

        return static_cast<float>(*number);
    }

    const auto texts = choiceTexts(parameter);

    if (texts.isEmpty())
        throw RenderError(id + " needs a number in " + unit + ", not '" + text + "'");

    // The parameter's own conversion clamps what it does not know to the first entry, so
    // only texts it lists are handed to it, spelt as it lists them.
    const int index = texts.indexOf(juce::String(text), true);

    if (index < 0)
        throw RenderError(id + " has no value '" + text + "' (one of: " + texts.joinIntoString(", ").toStdString()
                          + ")");

    return range.convertFrom0to1(parameter.getValueForText(texts[index]));
}
} // namespace

std::vector<juce::RangedAudioParameter*> rangedParameters(juce::AudioProcessor& processor)
{
    std::vector<juce::RangedAudioParameter*> parameters;

    for (auto* parameter : processor.getParameters())
        if (auto* ranged = dynamic_cast<juce::RangedAudioParameter*>(parameter))
            parameters.push_back(ranged);

    return parameters;
}

const VelaParameters::Row& rowOf(const juce::RangedAudioParameter& parameter)
{
    const auto* row = VelaParameters::find(parameter.paramID);
    jassert(row != nullptr);
    return *row;
}

juce::StringArray choiceTexts(const juce::RangedAudioParameter& parameter)
{
    const auto& row = rowOf(parameter);
    return row.isList() ? row.choices() : juce::StringArray();
}

const char* unitOf(const juce::RangedAudioParameter& parameter)
{
    return rowOf(parameter).unit;
}

juce::RangedAudioParameter& parameterWithId(juce::AudioProcessor& processor, const std::string& id)
{
    for (auto* parameter : rangedParameters(processor))
        if (parameter->paramID.toStdString() == id)
            return *parameter;

    throw RenderError("unknown parameter '" + id + "' (see --list-params)");
}

float realValueOf(juce::AudioProcessor& processor, const std::string& id)
{
    const auto& parameter = parameterWithId(processor, id);
    return parameter.convertFrom0to1(parameter.getValue());
}

void setRealValue(juce::AudioProcessor& processor, const std::string& id, float value)
{
    auto& parameter = parameterWithId(processor, id);
    parameter.setValueNotifyingHost(parameter.convertTo0to1(value));
}

void applySetting(juce::AudioProcessor& processor, const ParameterSetting& setting)
{
    setRealValue(processor, setting.id, realValueFor(parameterWithId(processor, setting.id), setting.value));
}
