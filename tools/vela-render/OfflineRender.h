#pragma once

#include <juce_audio_formats/juce_audio_formats.h>
#include <juce_audio_processors/juce_audio_processors.h>

#include <functional>

struct OfflineRenderSettings
{
    double bpm = 120.0;
    int blockSize = 512;
    juce::int64 totalSamples = 0; // past the end of the input, the processor hears silence
};

// Called after every block with the samples done so far.
using RenderProgress = std::function<void(juce::int64 done, juce::int64 total)>;

// Gives the processor the file's channel layout (mono or stereo, in and out) at the file's rate;
// throws RenderError if the processor refuses it.
void prepareForFile(juce::AudioProcessor& processor, const juce::AudioFormatReader& input, int blockSize);

// Streams the input through the processor, block by block, into the writer.
void renderThrough(juce::AudioProcessor& processor, juce::AudioFormatReader& input, juce::AudioFormatWriter& output,
                   const OfflineRenderSettings& settings, const RenderProgress& progress);
