#include "PluginProcessor.h"

#include "FactoryPresets.h"
#include "PluginEditor.h"
#include "VelaParameters.h"
#include "effects/LumDigiDelay.h"

#include <cmath>
#include <cstring>
#include <cstdio>
#include <limits>

VelaAudioProcessor::VelaAudioProcessor()
    : LumJuceAudioProcessor(BusesProperties()
                                .withInput("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput("Output", juce::AudioChannelSet::stereo(), true),
                            "Vela", VelaParameters::createLayout()),
      delayEngine(new LumDigiDelay(44100.0f)),
      diagnosticsWriter(std::make_unique<DiagnosticsWriter>(delayEngine->diagnostics)),
      ownTempo(wrapperType == wrapperType_Standalone ? std::make_unique<StandaloneTempo>(getName()) : nullptr)
{
    for (const auto& row : VelaParameters::rows())
    {
        auto* parameter = dynamic_cast<juce::AudioParameterFloat*>(valueTreeState.getParameter(row.id));
        jassert(parameter != nullptr);
        engineInputs.push_back({ parameter, &row });
    }

    factoryPresets = velaFactoryPresets();
    addListener(this);
    // Here, on the thread that makes the plug-in: a host's first program change may come from its audio thread.
    refreshPrograms();
}

VelaAudioProcessor::~VelaAudioProcessor()
{
    removeListener(this);
    // Writes the last counts while the engine is still there.
    diagnosticsWriter.reset();
    delete delayEngine;
}

void VelaAudioProcessor::writeDiagnostics()
{
    diagnosticsWriter->write();
}

const juce::String VelaAudioProcessor::getName() const
{
    return "Vela";
}

void VelaAudioProcessor::prepareToPlay(double sampleRate, int maximumBlockSize)
{
    delayEngine->prepare(static_cast<float>(sampleRate), maximumBlockSize);
    preparedRate.store(sampleRate, std::memory_order_relaxed);
}

void VelaAudioProcessor::releaseResources() {}

float VelaAudioProcessor::hostTempo()
{
    // 0 means "no tempo this block": the engine then keeps the last one the host gave.
    if (auto* head = getPlayHead())
        if (const auto position = head->getPosition())
            if (const auto tempo = position->getBpm())
                return static_cast<float>(*tempo);

    // The standalone app's player tells the time but no tempo.
    return ownTempo != nullptr ? ownTempo->bpm() : 0.0f;
}

float VelaAudioProcessor::syncedTempo() const
{
    return ownTempo != nullptr ? ownTempo->bpm() : lastTempo.load(std::memory_order_relaxed);
}

// Only what changed since the last block: most blocks store nothing, and pay no call per parameter.
void VelaAudioProcessor::copyParametersToEngine()
{
    for (auto& input : engineInputs)
    {
        // The parameter's own value: a program change stores it there before the tree hears of it.
        const float raw = input.parameter->get();
        uint32_t bits = 0;
        std::memcpy(&bits, &raw, sizeof bits);
        if (input.stored && bits == input.storedBits)
            continue;

        input.row->storeInEngine(*delayEngine, raw);
        input.stored = true;
        input.storedBits = bits;
    }
}

void VelaAudioProcessor::processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    // No denormal guard here: the engine flushes them itself for exactly the span it computes.
    const float tempo = hostTempo();
    if (std::isfinite(tempo) && tempo > 0.0f)
        lastTempo.store(tempo, std::memory_order_relaxed);

    copyParametersToEngine();

    const int numSamples = buffer.getNumSamples();

    if (buffer.getNumChannels() == 0)
        return;

    if (getTotalNumInputChannels() >= 2 && buffer.getNumChannels() >= 2)
    {
        delayEngine->runEffect(buffer.getReadPointer(0), buffer.getReadPointer(1), buffer.getWritePointer(0),
                               buffer.getWritePointer(1), numSamples, tempo);
    }
    else
    {
        float* channel = buffer.getWritePointer(0);
        delayEngine->runEffect(channel, channel, channel, channel, numSamples, tempo);
    }
}

VelaTail::Settings VelaAudioProcessor::tailSettings(float bpm) const
{
    // Hosts ask from any thread: the parameters' values are atomics.
    VelaTail::Settings settings {};
    settings.bpm = bpm;
    for (const auto& input : engineInputs)
        if (input.row->storeInTail != nullptr)
            input.row->storeInTail(settings, input.parameter->get());

    return settings;
}

double VelaAudioProcessor::getTailLengthSeconds() const
{
    const double seconds = VelaTail::seconds(tailSettings(lastTempo.load(std::memory_order_relaxed)));

    // Hosts count the tail in 32-bit samples; one longer than that can hold is endless to them.
    const double samples = seconds * preparedRate.load(std::memory_order_relaxed);
    return samples < static_cast<double>(std::numeric_limits<juce::int32>::max())
               ? seconds
               : std::numeric_limits<double>::infinity();
}

bool VelaAudioProcessor::acceptsMidi() const
{
    return false;
}

bool VelaAudioProcessor::producesMidi() const
{
    return false;
}

juce::AudioProcessorEditor* VelaAudioProcessor::createEditor()
{
    return new VelaAudioProcessorEditor(*this, valueTreeState);
}

bool VelaAudioProcessor::hasEditor() const
{
    return true;
}

bool VelaAudioProcessor::isBusesLayoutSupported(const BusesLayout& layouts) const
{
    const auto& output = layouts.getMainOutputChannelSet();

    if (output != juce::AudioChannelSet::mono() && output != juce::AudioChannelSet::stereo())
        return false;

    return layouts.getMainInputChannelSet() == output;
}

void VelaAudioProcessor::audioProcessorParameterChanged(juce::AudioProcessor*, int, float)
{
    setProgramModified();
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new VelaAudioProcessor();
}
