#pragma once

#include "LumJuceFactoryPresets.h"
#include "LumJucePresetFolder.h"
#include "LumJuceProgramList.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <thread>

class LumDSPEffect;

// The maker's base for plug-ins: owns the parameter tree, drives one LumDSPEffect by default,
// and keeps the program and state side shared by every product.
class LumJuceAudioProcessor : public juce::AudioProcessor, public juce::AudioProcessorListener, private juce::Timer
{
public:
    LumJuceAudioProcessor(const BusesProperties& buses, const juce::Identifier& stateType,
                          juce::AudioProcessorValueTreeState::ParameterLayout parameterLayout);
    ~LumJuceAudioProcessor() override;

    void prepareToPlay(double sampleRate, int maximumBlockSize) override;
    void processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using juce::AudioProcessor::processBlock;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    // A host's program change, on whatever thread it calls from (a VST 2 host's audio thread among them): the
    // program's values as listed are stored in the parameters (LumJuceParameter) without file, heap or lock, so
    // that hosts reading them back, the saved state and the next block have them at once; the tree, the editor
    // and hosts hear of them from the message thread afterwards, as one gesture per parameter. A refused file
    // changes nothing.
    void setCurrentProgram(int index) override;
    // The editor's program change: the same, with hosts told at once; false when the file is refused.
    bool selectProgram(int index);
    // Why program `index` can't be loaded, for a person; empty when it can.
    juce::String programProblem(int index);
    const juce::String getProgramName(int index) override;
    void changeProgramName(int index, const juce::String& newName) override;

    void getStateInformation(juce::MemoryBlock& destData) override;
    void setStateInformation(const void* data, int sizeInBytes) override;

    void audioProcessorParameterChanged(juce::AudioProcessor* processor, int parameterIndex, float newValue) override;
    void audioProcessorChanged(juce::AudioProcessor* processor, const juce::AudioProcessorListener::ChangeDetails& details) override;

    // Presets in listing order, numbered from 0 by every program operation: host program k is preset k.
    // The list is kept from one refresh to the next, so that the answers to one host query agree.
    juce::Array<juce::File> getAllPrograms();
    juce::StringArray getAllProgramsNames();
    // Lists the folder again; when the list changed, hosts are told to read their program list again and the
    // current program follows its file to its new place (-1 when the file is gone). A product calls it last in
    // its constructor, on the thread that makes the plug-in: the other program operations only read the list,
    // and a host's first call may be a program change from its audio thread.
    void refreshPrograms();
    // Saves the current state as preset `name` (LumJucePresetFolder::nameProblem must have none) and makes it
    // the current program; false when the file can't be written.
    bool saveProgram(const juce::String& name);
    // Removes preset `index` from the folder; false when there is no such preset or it can't be removed.
    bool deleteProgram(int index);
    // Writes back the factory presets the folder lacks (none is replaced) and lists the folder again.
    void restoreFactoryPresets();
    juce::File programFile(const juce::String& name);
    void setProgramModified();
    // The loaded preset's index, or -1 for none, whatever the plug-in format shows its host.
    int currentPresetIndex() const;

    // The current state as a preset file; false when the file can't be written.
    bool writePresetFile(const juce::File& file);
    // Replaces the state with a preset file's; false (state unchanged) when it holds no state document.
    bool loadPresetFile(const juce::File& file);

    juce::AudioProcessorValueTreeState valueTreeState;

protected:
    LumDSPEffect* effect = nullptr;
    // Written into the preset folder when an instance finds no folder there yet, as on a first open.
    LumJuceFactoryPresets::Bank factoryPresets;
    juce::String presetPath;

private:
    LumJuceProgramList programList;
    // The current program's id in programList, or -1 (noProgram) once anything changed: one atomic that program
    // changes and edits each replace whole, and that a new listing leaves alone.
    static constexpr int noProgram = -1;
    std::atomic<int> currentProgramId { noProgram };

    // What hosts have yet to hear of a program change: one bit per parameter, and the program itself.
    std::atomic<juce::uint64> parametersToAnnounce { 0 };
    std::atomic<bool> programToAnnounce { false };
    // The thread telling hosts: what it announces is the program, not an edit, and a program change hosts
    // send back meanwhile only reflects it.
    std::atomic<std::thread::id> announcingThread {};

    std::unique_ptr<juce::XmlElement> createStateDocument();
    bool restoreStateDocument(const juce::XmlElement& document);
    const juce::String& presetFolder();
    bool relistPrograms();
    std::vector<float> readProgramValues(const juce::File& file, juce::String& problem);
    bool applyProgram(int index);
    bool isAnnouncing() const { return announcingThread.load() == std::this_thread::get_id(); }
    void announceProgram();
    void timerCallback() override;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(LumJuceAudioProcessor)
};
