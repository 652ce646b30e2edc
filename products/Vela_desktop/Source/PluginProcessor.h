#pragma once

#include "DiagnosticsWriter.h"
#include "LumJuceAudioProcessor.h"
#include "StandaloneTempo.h"
#include "VelaParameters.h"
#include "VelaTail.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class LumDigiDelay;

class VelaAudioProcessor : public LumJuceAudioProcessor
{
public:
    VelaAudioProcessor();
    ~VelaAudioProcessor() override;

    const juce::String getName() const override;
    void prepareToPlay(double sampleRate, int maximumBlockSize) override;
    void releaseResources() override;
    void processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using LumJuceAudioProcessor::processBlock;

    double getTailLengthSeconds() const override;
    // What decides the tail, at this tempo; any thread may ask.
    VelaTail::Settings tailSettings(float bpm) const;
    bool acceptsMidi() const override;
    bool producesMidi() const override;
    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;
    bool isBusesLayoutSupported(const BusesLayout& layouts) const override;

    void audioProcessorParameterChanged(juce::AudioProcessor* processor, int parameterIndex, float newValue) override;

    const LumDigiDelay& engine() const { return *delayEngine; }

    // Writes to stderr what the engine counted on the audio thread; the message thread does it every so often too.
    void writeDiagnostics();
    // The tempo the delay syncs to: the standalone app's own, or the last one the host gave (120 until then).
    float syncedTempo() const;
    // The standalone app's own tempo; nothing in a host, which gives the tempo itself.
    StandaloneTempo* standaloneTempo() { return ownTempo.get(); }

private:
    void copyParametersToEngine();
    float hostTempo();

    LumDigiDelay* delayEngine;
    std::unique_ptr<DiagnosticsWriter> diagnosticsWriter;

    // A parameter and its row (how it reaches the engine and the tail), looked up once so that blocks do no
    // lookups; and the raw value last stored in the engine, bit for bit.
    struct EngineInput
    {
        const juce::AudioParameterFloat* parameter;
        const VelaParameters::Row* row;
        bool stored = false;
        uint32_t storedBits = 0;
    };

    std::vector<EngineInput> engineInputs;

    const std::unique_ptr<StandaloneTempo> ownTempo;

    // For the tail, which any thread may ask for: the last tempo the host gave and the rate it prepared.
    std::atomic<float> lastTempo { 120.0f };
    std::atomic<double> preparedRate { 44100.0 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(VelaAudioProcessor)
};
