#include "OfflineRender.h"

#include "FixedTempoPlayHead.h"
#include "RenderError.h"

void prepareForFile(juce::AudioProcessor& processor, const juce::AudioFormatReader& input, int blockSize)
{
    const auto channels = juce::AudioChannelSet::canonicalChannelSet(static_cast<int>(input.numChannels));

    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add(channels);
    layout.outputBuses.add(channels);

    if (! processor.setBusesLayout(layout))
        throw RenderError("the plug-in does not take " + channels.getDescription().toStdString() + " audio");

    processor.setNonRealtime(true);
    processor.setRateAndBufferSizeDetails(input.sampleRate, blockSize);
    processor.prepareToPlay(input.sampleRate, blockSize);
}

void renderThrough(juce::AudioProcessor& processor, juce::AudioFormatReader& input, juce::AudioFormatWriter& output,
                   const OfflineRenderSettings& settings, const RenderProgress& progress)
{
    const int channels = static_cast<int>(input.numChannels);
    juce::AudioBuffer<float> storage(channels, settings.blockSize);
    juce::MidiBuffer midi;

    FixedTempoPlayHead playHead(settings.bpm, input.sampleRate);
    processor.setPlayHead(&playHead);

    for (juce::int64 done = 0; done < settings.totalSamples;)
    {
        const auto count = static_cast<int>(std::min<juce::int64>(settings.blockSize, settings.totalSamples - done));
        juce::AudioBuffer<float> block(storage.getArrayOfWritePointers(), channels, count);

        // The reader fills whatever lies past the end of the file with silence.
        if (! input.read(&block, 0, count, done, true, true))
            throw RenderError("reading the input failed");

        playHead.setSamplePosition(done);
        processor.processBlock(block, midi);
        midi.clear();

        if (! output.writeFromAudioSampleBuffer(block, 0, count))
            throw RenderError("writing the output failed");

        done += count;

        if (progress)
            progress(done, settings.totalSamples);
    }

    processor.setPlayHead(nullptr);
    processor.releaseResources();
}
