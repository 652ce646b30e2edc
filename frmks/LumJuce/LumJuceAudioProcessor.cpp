#include "LumJuceAudioProcessor.h"

#include "LumDSPEffect.h"
#include "LumJuceStateDocument.h"

#include <cstdio>

LumJuceAudioProcessor::LumJuceAudioProcessor(const BusesProperties& buses, const juce::Identifier& stateType,
                                             juce::AudioProcessorValueTreeState::ParameterLayout parameterLayout)
    : juce::AudioProcessor(buses),
      valueTreeState(*this, nullptr, stateType, std::move(parameterLayout))
{
    // The tree would list its PARAM children by id; saved states list them in parameter order.
    restoreStateDocument(juce::XmlElement(stateType.toString()));

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

const juce::String& LumJuceAudioProcessor::presetFolder()
{
    if (presetPath.isEmpty())
        presetPath = LumJucePresetFolder::pathFor(getName());

    return presetPath;
}

int LumJuceAudioProcessor::getNumPrograms()
{
    return getAllPrograms().size();
}

int LumJuceAudioProcessor::getCurrentProgram()
{
    const int current = currentProgram.load();

    // A VST 3 program parameter can't hold "none"; its hosts see the first program instead.
    if (wrapperType == wrapperType_VST3)
        return std::max(current, 0);

    return current;
}

void LumJuceAudioProcessor::setCurrentProgram(int index)
{
    if (index < 0)
        return;

    const auto programs = getAllPrograms();

    if (index < programs.size())
        loadPresetFile(programs[index]);

    currentProgram.store(index);
    // Hosts show the current program's name; a pick in the editor would otherwise leave theirs stale.
    updateHostDisplay(juce::AudioProcessorListener::ChangeDetails().withProgramChanged(true));
}

const juce::String LumJuceAudioProcessor::getProgramName(int index)
{
    const auto programs = getAllPrograms();
    return juce::isPositiveAndBelow(index, programs.size()) ? programs[index].getFileNameWithoutExtension()
                                                           : juce::String();
}

void LumJuceAudioProcessor::changeProgramName(int, const juce::String&) {}

juce::Array<juce::File> LumJuceAudioProcessor::getAllPrograms()
{
    return LumJucePresetFolder::list(presetFolder());
}

juce::StringArray LumJuceAudioProcessor::getAllProgramsNames()
{
    juce::StringArray names;

    for (const auto& file : getAllPrograms())
        names.add(file.getFileNameWithoutExtension());

    return names;
}

std::unique_ptr<juce::XmlElement> LumJuceAudioProcessor::createStateDocument()
{
    return LumJuceStateDocument::fromTree(valueTreeState.copyState());
}

bool LumJuceAudioProcessor::restoreStateDocument(const juce::XmlElement& document)
{
    // Exactly "Vela": hasTagName ignores case, and a <vela> document would rename the saved state's root.
    if (document.getTagName() != valueTreeState.state.getType().toString())
        return false;

    auto tree = juce::ValueTree::fromXml(document);

    // Parameters the document lacks are appended in parameter order (the tree itself would use id order),
    // and whatever has no value takes its default.
    for (auto* parameter : getParameters())
    {
        auto* ranged = dynamic_cast<juce::RangedAudioParameter*>(parameter);
        if (ranged == nullptr)
            continue;

        auto child = tree.getChildWithProperty("id", ranged->paramID);
        if (! child.isValid())
        {
            child = juce::ValueTree("PARAM", { { "id", ranged->paramID } });
            tree.appendChild(child, nullptr);
        }

        if (! child.hasProperty("value"))
            child.setProperty("value", ranged->convertFrom0to1(ranged->getDefaultValue()), nullptr);
    }

    valueTreeState.replaceState(tree);
    return true;
}

void LumJuceAudioProcessor::getStateInformation(juce::MemoryBlock& destData)
{
    LumJuceStateDocument::writeChunk(*createStateDocument(), destData);
}

void LumJuceAudioProcessor::setStateInformation(const void* data, int sizeInBytes)
{
    if (const auto document = LumJuceStateDocument::readChunk(data, sizeInBytes))
        restoreStateDocument(*document);
}

bool LumJuceAudioProcessor::writePresetFile(const juce::File& file)
{
    if (! LumJuceStateDocument::writePresetFile(*createStateDocument(), file))
        return false;

    // The file may have joined the preset folder, and with it the host's program list.
    updateHostDisplay(juce::AudioProcessorListener::ChangeDetails().withProgramChanged(true));
    return true;
}

bool LumJuceAudioProcessor::loadPresetFile(const juce::File& file)
{
    const auto document = LumJuceStateDocument::readPresetFile(file);
    return document != nullptr && restoreStateDocument(*document);
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
