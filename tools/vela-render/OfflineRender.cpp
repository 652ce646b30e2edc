#include "OfflineRender.h"

#include "FixedTempoPlayHead.h"
#include "RenderError.h"
#include "RingOut.h"

#include <vector>

namespace
{
void deinterleave(const std::vector<float>& interleaved, juce::AudioBuffer<float>& block, int frames)
{
    const int channels = block.getNumChannels();

    for (int channel = 0; channel < channels; ++channel)
    {
        auto* samples = block.getWritePointer(channel);

        for (int frame = 0; frame < frames; ++frame)
            samples[frame] = interleaved[static_cast<size_t>(frame * channels + channel)];
    }
}

void interleave(const juce::AudioBuffer<float>& block, std::vector<float>& interleaved, int frames)
{
    const int channels = block.getNumChannels();

    for (int channel = 0; channel < channels; ++channel)
    {
        const auto* samples = block.getReadPointer(channel);

        for (int frame = 0; frame < frames; ++frame)
            interleaved[static_cast<size_t>(frame * channels + channel)] = samples[frame];
    }
}
} // namespace

void prepareForFile(juce::AudioProcessor& processor, const SoundFileInput& input, int blockSize)
{
    const auto channels = juce::AudioChannelSet::canonicalChannelSet(input.channels());

    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add(channels);
    layout.outputBuses.add(channels);

    if (! processor.setBusesLayout(layout))
        throw RenderError("the plug-in does not take " + channels.getDescription().toStdString() + " audio");

    processor.setNonRealtime(true);
    processor.setRateAndBufferSizeDetails(input.sampleRate(), blockSize);
    processor.prepareToPlay(input.sampleRate(), blockSize);
}

RenderedLength renderThrough(juce::AudioProcessor& processor, SoundFileInput& input, SoundFileOutput& output,
                             const OfflineRenderSettings& settings, const RenderProgress& progress)
{
    const int channels = input.channels();
    std::vector<float> interleaved(static_cast<size_t>(settings.blockSize * channels));
    juce::AudioBuffer<float> storage(channels, settings.blockSize);
    juce::MidiBuffer midi;
    RingOut ringOut(settings.quietFrames, settings.longestTail);
    std::vector<const float*> tail(static_cast<size_t>(channels));

    FixedTempoPlayHead playHead(settings.bpm, input.sampleRate());
    processor.setPlayHead(&playHead);

    std::optional<juce::int64> inputEnd;
    juce::int64 done = 0;

    while (true)
    {
        const auto got = inputEnd ? 0 : static_cast<int>(input.read(interleaved.data(), settings.blockSize));

        if (got < settings.blockSize && ! inputEnd)
            inputEnd = done + got;

        auto count = settings.blockSize;

        if (inputEnd && settings.exactTail)
            count = static_cast<int>(std::min<juce::int64>(count, *inputEnd + *settings.exactTail - done));
        else if (inputEnd && ringOut.ended())
            count = got;

        if (count <= 0)
            break;

        juce::AudioBuffer<float> block(storage.getArrayOfWritePointers(), channels, count);
        block.clear();
        deinterleave(interleaved, block, got);

        playHead.setSamplePosition(done);
        processor.processBlock(block, midi);
        midi.clear();

        // Ringing out starts where the input ends, which may lie inside this block.
        int keep = count;
        if (inputEnd && ! settings.exactTail)
        {
            const auto tailStart = static_cast<int>(std::max<juce::int64>(*inputEnd - done, 0));
            for (int channel = 0; channel < channels; ++channel)
                tail[static_cast<size_t>(channel)] = block.getReadPointer(channel) + tailStart;
            keep = tailStart + ringOut.take(tail.data(), channels, count - tailStart);
        }

        interleave(block, interleaved, keep);
        output.write(interleaved.data(), keep);
        done += keep;

        if (progress)
            progress(static_cast<double>(done) / input.sampleRate(),
                     static_cast<double>(input.claimedFrames()) / input.sampleRate());

        if (keep < count)
            break;
    }

    processor.setPlayHead(nullptr);
    processor.releaseResources();
    return { done, ringOut.cutAtLongest() };
}
