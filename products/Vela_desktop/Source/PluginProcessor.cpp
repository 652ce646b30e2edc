#include "PluginProcessor.h"

#include "PluginEditor.h"
#include "VelaParameters.h"
#include "effects/LumDigiDelay.h"

namespace
{
constexpr const char* parameterIds[] = { "time", "feedback", "spread", "lowpass", "highpass", "mix", "modAmount",
                                         "modFreq", "modFeedback", "modType", "modRouting", "syncTempo", "syncMode",
                                         "bypassDelay" };

enum ParameterIndex
{
    timeIndex, feedbackIndex, spreadIndex, lowpassIndex, highpassIndex, mixIndex, modAmountIndex, modFreqIndex,
    modFeedbackIndex, modTypeIndex, modRoutingIndex, syncTempoIndex, syncModeIndex, bypassDelayIndex
};

float percent(float value)
{
    return static_cast<float>(static_cast<double>(value) / 100.0);
}
} // namespace

VelaAudioProcessor::VelaAudioProcessor()
    : LumJuceAudioProcessor(BusesProperties()
                                .withInput("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput("Output", juce::AudioChannelSet::stereo(), true),
                            "Vela", VelaParameters::createLayout()),
      delayEngine(new LumDigiDelay(44100.0f))
{
    for (size_t i = 0; i < raw.size(); ++i)
        raw[i] = valueTreeState.getRawParameterValue(parameterIds[i]);

    addListener(this);
}

VelaAudioProcessor::~VelaAudioProcessor()
{
    removeListener(this);
    delete delayEngine;
}

const juce::String VelaAudioProcessor::getName() const
{
    return "Vela";
}

void VelaAudioProcessor::prepareToPlay(double sampleRate, int maximumBlockSize)
{
    delayEngine->prepare(static_cast<float>(sampleRate), maximumBlockSize);
}

void VelaAudioProcessor::releaseResources() {}

float VelaAudioProcessor::hostTempo()
{
    // 0 means "no tempo this block": the engine then keeps the last one the host gave.
    if (auto* head = getPlayHead())
        if (const auto position = head->getPosition())
            if (const auto tempo = position->getBpm())
                return static_cast<float>(*tempo);

    return 0.0f;
}

void VelaAudioProcessor::copyParametersToEngine()
{
    auto value = [this](int index) { return raw[static_cast<size_t>(index)]->load(std::memory_order_relaxed); };

    delayEngine->time = value(timeIndex);
    delayEngine->feedback = percent(value(feedbackIndex));
    delayEngine->spread = percent(value(spreadIndex));
    delayEngine->lowpass = value(lowpassIndex);
    delayEngine->highpass = value(highpassIndex);
    delayEngine->mix = percent(value(mixIndex));
    delayEngine->modFreq = value(modFreqIndex);
    delayEngine->modAmount = percent(value(modAmountIndex));
    delayEngine->modFeedback = percent(value(modFeedbackIndex));
    delayEngine->modType = static_cast<int>(value(modTypeIndex));
    delayEngine->modRouting = static_cast<int>(value(modRoutingIndex));
    delayEngine->syncTempo = value(syncTempoIndex) != 0.0f;
    delayEngine->syncMode = static_cast<int>(value(syncModeIndex));
    delayEngine->bypassDelay = value(bypassDelayIndex) != 0.0f;
}

void VelaAudioProcessor::processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;

    const float tempo = hostTempo();
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

double VelaAudioProcessor::getTailLengthSeconds() const
{
    return 0.0;
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
