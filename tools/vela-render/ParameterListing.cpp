#include "ParameterListing.h"

#include "NumberText.h"
#include "PluginParameters.h"

void printParameterList(juce::AudioProcessor& processor, std::ostream& out)
{
    for (const auto* parameter : rangedParameters(processor))
    {
        const auto& range = parameter->getNormalisableRange();

        out << parameter->getParameterIndex() << '\t' << parameter->paramID << '\t' << parameter->getName(1024)
            << '\t' << formatNumber(range.start) << ".." << formatNumber(range.end) << " step "
            << formatNumber(range.interval);

        if (range.skew != 1.0f)
            out << " skew " << formatNumber(range.skew);

        out << "\tdefault " << formatNumber(range.convertFrom0to1(parameter->getDefaultValue()));

        if (const auto texts = choiceTexts(*parameter); ! texts.isEmpty())
            out << "\tchoices " << texts.joinIntoString("|");
        else
            out << "\tunit " << unitOf(*parameter);

        out << '\n';
    }
}
