#pragma once

#include "PluginProcessor.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <vector>

// Plays host to a VelaAudioProcessor: a play head, the bus layout, parameters by real value or by position in
// their range, and blocks of generated audio; and reports on what came out.
class ProcessorDriver : public juce::AudioPlayHead
{
public:
    using Signal = std::function<float(int channel, long sampleIndex)>;

    explicit ProcessorDriver(int channelCount = 2, double sampleRate = 44100.0, int maximumBlockSize = 8192)
        : channels(channelCount), storage(2, 8192)
    {
        const auto set = channelCount == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add(set);
        layout.outputBuses.add(set);
        processor.setBusesLayout(layout);
        processor.setPlayHead(this);
        prepare(sampleRate, maximumBlockSize);
    }

    ~ProcessorDriver() override { processor.setPlayHead(nullptr); }

    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        if (bpm.has_value())
            info.setBpm(*bpm);
        return info;
    }

    void prepare(double sampleRate, int maximumBlockSize)
    {
        rate = sampleRate;
        processor.setRateAndBufferSizeDetails(sampleRate, maximumBlockSize);
        processor.prepareToPlay(sampleRate, maximumBlockSize);
    }

    juce::RangedAudioParameter& parameter(int index)
    {
        return *static_cast<juce::RangedAudioParameter*>(processor.getParameters()[index]);
    }

    int numParameters() const { return processor.getParameters().size(); }

    void set(const char* id, float realValue)
    {
        auto* p = processor.valueTreeState.getParameter(id);
        p->setValueNotifyingHost(p->convertTo0to1(realValue));
    }

    // Every parameter at the same position of its range: 0 minimum, 1 maximum.
    void setAllNormalised(float position)
    {
        for (int i = 0; i < numParameters(); ++i)
            parameter(i).setValueNotifyingHost(position);
    }

    void setAllDefault()
    {
        for (int i = 0; i < numParameters(); ++i)
            parameter(i).setValueNotifyingHost(parameter(i).getDefaultValue());
    }

    void setAllRandom(std::mt19937& random)
    {
        std::uniform_real_distribution<float> position(0.0f, 1.0f);
        for (int i = 0; i < numParameters(); ++i)
            parameter(i).setValueNotifyingHost(position(random));
    }

    // One block of numSamples (at most 8192) from the signal; the output stays in block() until the next run.
    void run(int numSamples, const Signal& signal)
    {
        fill(numSamples, signal);
        process();
        noteOutput();
    }

    // The two halves of run(), for callers that watch the processing alone.
    void fill(int numSamples, const Signal& signal)
    {
        current = juce::AudioBuffer<float>(storage.getArrayOfWritePointers(), channels, numSamples);

        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < numSamples; ++i)
                current.setSample(c, i, signal(c, samplesDone + i));

        samplesDone += numSamples;
    }

    void process() { processor.processBlock(current, midi); }

    // Blocks of blockSize until the given number of seconds has passed.
    void runSeconds(double seconds, int blockSize, const Signal& signal)
    {
        const auto total = static_cast<long>(seconds * rate);
        for (long done = 0; done < total; done += blockSize)
            run(static_cast<int>(std::min<long>(blockSize, total - done)), signal);
    }

    const juce::AudioBuffer<float>& block() const { return current; }

    // Every output sample so far was finite; and the largest magnitude among them.
    bool allFinite() const { return finite; }
    float peak() const { return largest; }

    void resetReport()
    {
        finite = true;
        largest = 0.0f;
    }

    static float silence(int, long) { return 0.0f; }

    static Signal noise(unsigned seed = 1)
    {
        return [random = std::make_shared<std::mt19937>(seed)](int, long) {
            return std::uniform_real_distribution<float>(-1.0f, 1.0f)(*random);
        };
    }

    VelaAudioProcessor processor;
    std::optional<double> bpm = 120.0;
    double rate = 44100.0;

private:
    void noteOutput()
    {
        for (int c = 0; c < current.getNumChannels(); ++c)
            for (int i = 0; i < current.getNumSamples(); ++i)
            {
                const float s = current.getSample(c, i);
                if (! std::isfinite(s))
                    finite = false;
                else
                    largest = std::max(largest, std::abs(s));
            }
    }

    const int channels;
    juce::AudioBuffer<float> storage;
    juce::AudioBuffer<float> current;
    juce::MidiBuffer midi;
    long samplesDone = 0;
    bool finite = true;
    float largest = 0.0f;
};
