#include "LumJuceAudioProcessor.h"

#include "LumDSPEffect.h"
#include "LumJuceStateDocument.h"

#include <cstdio>
#include <utility>

LumJuceAudioProcessor::LumJuceAudioProcessor(const BusesProperties& buses, const juce::Identifier& stateType,
                                             juce::AudioProcessorValueTreeState::ParameterLayout parameterLayout)
    : juce::AudioProcessor(buses),
      valueTreeState(*this, nullptr, stateType, std::move(parameterLayout))
{
    // The tree would list its PARAM children by id; saved states list them in parameter order.
    restoreStateDocument(juce::XmlElement(stateType.toString()));

    // On stderr: hosts and tools may stream audio or data on stdout.
    std::fprintf(stderr, "init");
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
    {
        presetPath = LumJucePresetFolder::pathFor(getName());
        if (! juce::File(presetPath).exists())
            LumJuceFactoryPresets::writeMissing(presetPath, factoryPresets);
    }

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
    tellHostProgramsChanged();
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
    const juce::ScopedLock lock(programsLock);
    if (! programsListed)
        relistPrograms();

    return listedPrograms;
}

bool LumJuceAudioProcessor::relistPrograms()
{
    const juce::ScopedLock lock(programsLock);
    auto listed = LumJucePresetFolder::list(presetFolder());
    const bool wasListed = std::exchange(programsListed, true);
    if (wasListed && listed == listedPrograms)
        return false;

    if (const int current = currentProgram.load(); juce::isPositiveAndBelow(current, listedPrograms.size()))
        currentProgram.store(listed.indexOf(listedPrograms[current]));

    listedPrograms = std::move(listed);
    return wasListed;
}

void LumJuceAudioProcessor::tellHostProgramsChanged()
{
    updateHostDisplay(juce::AudioProcessorListener::ChangeDetails().withProgramChanged(true));
}

void LumJuceAudioProcessor::refreshPrograms()
{
    if (relistPrograms())
        tellHostProgramsChanged();
}

juce::File LumJuceAudioProcessor::programFile(const juce::String& name)
{
    return juce::File(presetFolder()).getChildFile(name + ".preset");
}

bool LumJuceAudioProcessor::saveProgram(const juce::String& name)
{
    const auto file = programFile(name);
    if (LumJucePresetFolder::nameProblem(name).isNotEmpty() || ! file.getParentDirectory().createDirectory()
        || ! writePresetFile(file))
        return false;

    setCurrentProgram(getAllPrograms().indexOf(file));
    return true;
}

bool LumJuceAudioProcessor::deleteProgram(int index)
{
    const auto listed = getAllPrograms();
    if (! juce::isPositiveAndBelow(index, listed.size()) || ! listed[index].deleteFile())
        return false;

    refreshPrograms();
    return true;
}

void LumJuceAudioProcessor::restoreFactoryPresets()
{
    LumJuceFactoryPresets::writeMissing(presetFolder(), factoryPresets);
    refreshPrograms();
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

    // JUCE applies every child that names a parameter, in order, and reads its value text itself, which can
    // overflow: each such child takes its value as a number, and whatever has no finite number its default.
    for (auto child : tree)
    {
        auto* ranged = dynamic_cast<juce::RangedAudioParameter*>(
            valueTreeState.getParameter(child.getProperty("id").toString()));
        if (ranged == nullptr)
            continue;

        const auto value = LumJuceStateDocument::readNumber(child.getProperty("value").toString());
        child.setProperty("value", value.value_or(ranged->convertFrom0to1(ranged->getDefaultValue())), nullptr);
    }

    // Parameters the document lacks are appended in parameter order (the tree itself would use id order).
    for (auto* parameter : getParameters())
    {
        auto* ranged = dynamic_cast<juce::RangedAudioParameter*>(parameter);
        if (ranged == nullptr || tree.getChildWithProperty("id", ranged->paramID).isValid())
            continue;

        tree.appendChild(juce::ValueTree("PARAM", { { "id", ranged->paramID },
                                                    { "value", ranged->convertFrom0to1(ranged->getDefaultValue()) } }),
                         nullptr);
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
    // A project opens with whatever the folder holds by now.
    refreshPrograms();

    if (const auto document = LumJuceStateDocument::readChunk(data, sizeInBytes))
        restoreStateDocument(*document);
}

bool LumJuceAudioProcessor::writePresetFile(const juce::File& file)
{
    if (! LumJuceStateDocument::writePresetFile(*createStateDocument(), file))
        return false;

    // The file may have joined the preset folder, and with it the host's program list.
    refreshPrograms();
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
