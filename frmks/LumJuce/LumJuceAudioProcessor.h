#pragma once

#include "LumJuceFactoryPresets.h"
#include "LumJucePresetFolder.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>

class LumDSPEffect;

// The maker's base for plug-ins: owns the parameter tree, drives one LumDSPEffect by default,
// and keeps the program and state side shared by every product.
class LumJuceAudioProcessor : public juce::AudioProcessor, public juce::AudioProcessorListener
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
    void setCurrentProgram(int index) override;
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
    // current program follows its file to its new place (-1 when the file is gone).
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
    int currentPresetIndex() const { return currentProgram.load(); }

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
    std::atomic<int> currentProgram { -1 };

private:
    // Hosts may ask for programs on a thread of their own while the editor refreshes the list.
    juce::CriticalSection programsLock;
    juce::Array<juce::File> listedPrograms;
    bool programsListed = false;

    std::unique_ptr<juce::XmlElement> createStateDocument();
    bool restoreStateDocument(const juce::XmlElement& document);
    const juce::String& presetFolder();
    bool relistPrograms();
    void tellHostProgramsChanged();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(LumJuceAudioProcessor)
};
