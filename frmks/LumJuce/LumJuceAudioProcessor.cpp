#include "LumJuceAudioProcessor.h"

#include "LumDSPEffect.h"
#include "LumJuceParameter.h"
#include "LumJuceStateDocument.h"

#include <cstdio>
#include <utility>

namespace
{
// Often enough that hosts see a program change from the audio thread while it is still news.
constexpr int announcementsPerSecond = 30;

// A document's value text for a parameter as a number, or the parameter's default where it holds no finite one.
double valueOrDefault(const juce::String& text, const juce::RangedAudioParameter& parameter)
{
    return LumJuceStateDocument::readNumber(text).value_or(parameter.convertFrom0to1(parameter.getDefaultValue()));
}

// What the document gives the parameter: its first PARAM's value, as restoring the document would.
double documentValue(const juce::XmlElement& document, const juce::RangedAudioParameter& parameter)
{
    const auto* element = document.getChildByAttribute("id", parameter.paramID);
    return valueOrDefault(element != nullptr ? element->getStringAttribute("value") : juce::String(), parameter);
}
} // namespace

LumJuceAudioProcessor::LumJuceAudioProcessor(const BusesProperties& buses, const juce::Identifier& stateType,
                                             juce::AudioProcessorValueTreeState::ParameterLayout parameterLayout)
    : juce::AudioProcessor(buses),
      valueTreeState(*this, nullptr, stateType, std::move(parameterLayout))
{
    // The tree would list its PARAM children by id; saved states list them in parameter order.
    restoreStateDocument(juce::XmlElement(stateType.toString()));

    // On stderr: hosts and tools may stream audio or data on stdout.
    std::fprintf(stderr, "init");

    startTimerHz(announcementsPerSecond);
}

LumJuceAudioProcessor::~LumJuceAudioProcessor()
{
    stopTimer();
}

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
    const LumJuceProgramList::Reading reading(programList);
    return static_cast<int>(reading.programs().size());
}

int LumJuceAudioProcessor::currentPresetIndex() const
{
    const LumJuceProgramList::Reading reading(programList);
    return reading.indexOf(currentProgramId.load());
}

int LumJuceAudioProcessor::getCurrentProgram()
{
    const int current = currentPresetIndex();

    // A VST 3 program parameter can't hold "none"; its hosts see the first program instead.
    if (wrapperType == wrapperType_VST3)
        return std::max(current, 0);

    return current;
}

bool LumJuceAudioProcessor::applyProgram(int index)
{
    const LumJuceProgramList::Reading reading(programList);
    const auto& programs = reading.programs();
    if (! juce::isPositiveAndBelow(index, static_cast<int>(programs.size())) || programs[size_t(index)].values.empty())
        return false;

    const auto& program = programs[size_t(index)];
    // First the program, then its values: an edit from here on marks it changed.
    currentProgramId.store(program.id);

    const auto& parameters = getParameters();
    juce::uint64 changed = 0;
    for (size_t i = 0; i < program.values.size(); ++i)
    {
        auto* parameter = parameters[static_cast<int>(i)];
        if (parameter->getValue() != program.values[i])
        {
            // Without telling anyone (LumJuceParameter): hosts reading the parameter, the saved state and the next
            // block have the value at once; the tree, its listeners and hosts hear of it from announceProgram.
            parameter->setValue(program.values[i]);
            changed |= juce::uint64 { 1 } << i;
        }
    }

    parametersToAnnounce.fetch_or(changed);
    programToAnnounce.store(true);
    return true;
}

void LumJuceAudioProcessor::setCurrentProgram(int index)
{
    // A host reflecting the program it is told of, from inside announceProgram.
    if (isAnnouncing())
        return;

    // A VST 3 host's program parameter already shows the refused program; told the current one, it goes back.
    if (! applyProgram(index) && wrapperType == wrapperType_VST3)
        programToAnnounce.store(true);
}

bool LumJuceAudioProcessor::selectProgram(int index)
{
    const bool applied = applyProgram(index);
    announceProgram();
    return applied;
}

juce::String LumJuceAudioProcessor::programProblem(int index)
{
    const LumJuceProgramList::Reading reading(programList);
    const auto& programs = reading.programs();
    return juce::isPositiveAndBelow(index, static_cast<int>(programs.size())) ? programs[size_t(index)].problem
                                                                              : juce::String();
}

void LumJuceAudioProcessor::announceProgram()
{
    const auto parameters = parametersToAnnounce.exchange(0);
    const bool program = programToAnnounce.exchange(false);
    if (parameters == 0 && ! program)
        return;

    announcingThread.store(std::this_thread::get_id());
    for (int i = 0; i < getParameters().size(); ++i)
    {
        if ((parameters & (juce::uint64 { 1 } << i)) == 0)
            continue;

        // One step of a host's undo and automation per parameter, as a knob turned by hand would make.
        auto* parameter = getParameters()[i];
        parameter->beginChangeGesture();
        parameter->setValueNotifyingHost(parameter->getValue());
        parameter->endChangeGesture();
    }

    // Hosts show the current program's name; a pick in the editor would otherwise leave theirs stale. A VST 3
    // program parameter can't show "none": edited since, it keeps the host's last pick rather than being moved to
    // a program nobody loaded, which a host would record and load on playback.
    if (program && (wrapperType != wrapperType_VST3 || currentPresetIndex() >= 0))
        updateHostDisplay(juce::AudioProcessorListener::ChangeDetails().withProgramChanged(true));
    announcingThread.store({});
}

void LumJuceAudioProcessor::timerCallback()
{
    announceProgram();
}

const juce::String LumJuceAudioProcessor::getProgramName(int index)
{
    const LumJuceProgramList::Reading reading(programList);
    const auto& programs = reading.programs();
    return juce::isPositiveAndBelow(index, static_cast<int>(programs.size())) ? programs[size_t(index)].name
                                                                              : juce::String();
}

void LumJuceAudioProcessor::changeProgramName(int, const juce::String&) {}

juce::Array<juce::File> LumJuceAudioProcessor::getAllPrograms()
{
    const LumJuceProgramList::Reading reading(programList);
    juce::Array<juce::File> files;
    for (const auto& program : reading.programs())
        files.add(program.file);

    return files;
}

bool LumJuceAudioProcessor::relistPrograms()
{
    return programList.relist(presetFolder(), [this](const juce::File& file, juce::String& problem) {
        return readProgramValues(file, problem);
    });
}

std::vector<float> LumJuceAudioProcessor::readProgramValues(const juce::File& file, juce::String& problem)
{
    const auto document = LumJuceStateDocument::readPresetFile(file, &problem);
    if (document == nullptr)
        return {};

    if (document->getTagName() != valueTreeState.state.getType().toString())
    {
        problem = "it is not a " + valueTreeState.state.getType().toString() + " preset";
        return {};
    }

    std::vector<float> values;
    for (auto* parameter : getParameters())
    {
        auto* ranged = dynamic_cast<juce::RangedAudioParameter*>(parameter);
        jassert(ranged != nullptr);
        values.push_back(ranged->convertTo0to1(static_cast<float>(documentValue(*document, *ranged))));
    }

    // Each parameter has its own bit in parametersToAnnounce.
    jassert(values.size() <= 64);
    return values;
}

void LumJuceAudioProcessor::refreshPrograms()
{
    if (relistPrograms())
        programToAnnounce.store(true);
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

    selectProgram(getAllPrograms().indexOf(file));
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
    // The parameters' own values: after a program change the tree learns them only when they are announced.
    auto tree = valueTreeState.copyState();
    for (auto* parameter : getParameters())
        if (auto* ranged = dynamic_cast<juce::RangedAudioParameter*>(parameter))
            tree.getChildWithProperty("id", ranged->paramID)
                .setProperty("value", LumJuceParameter::plainValue(*ranged), nullptr);

    return LumJuceStateDocument::fromTree(tree);
}

bool LumJuceAudioProcessor::restoreStateDocument(const juce::XmlElement& document)
{
    // Exactly "Vela": hasTagName ignores case, and a <vela> document would rename the saved state's root.
    if (document.getTagName() != valueTreeState.state.getType().toString())
        return false;

    // A program changed on another thread is announced first, so that the tree compares the document with the
    // values the parameters hold, and a restore of the same values changes nothing.
    announceProgram();

    auto tree = juce::ValueTree::fromXml(document);

    // JUCE applies every child that names a parameter, in order, and reads its value text itself, which can
    // overflow: each such child takes its value as a number, and whatever has no finite number its default.
    for (auto child : tree)
    {
        auto* ranged = dynamic_cast<juce::RangedAudioParameter*>(
            valueTreeState.getParameter(child.getProperty("id").toString()));
        if (ranged == nullptr)
            continue;

        child.setProperty("value", valueOrDefault(child.getProperty("value").toString(), *ranged), nullptr);
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

    // The tree leaves alone a parameter whose value it believes it already has, and a parameter set without
    // being announced (LOOP holding the feedback, say) may hold another: each takes what the document gives it,
    // from its last PARAM as the tree reads them.
    for (auto* parameter : getParameters())
    {
        auto* ranged = dynamic_cast<juce::RangedAudioParameter*>(parameter);
        if (ranged == nullptr)
            continue;

        juce::var last;
        for (const auto& child : tree)
            if (child.getProperty("id").toString() == ranged->paramID)
                last = child.getProperty("value");

        if (const auto value = ranged->convertTo0to1(last); ranged->getValue() != value)
            ranged->setValueNotifyingHost(value);
    }

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
    if (! isAnnouncing())
        currentProgramId.store(noProgram);
}
