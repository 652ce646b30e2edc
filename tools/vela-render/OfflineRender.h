#pragma once

#include "SoundFileInput.h"
#include "SoundFileOutput.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <functional>
#include <optional>

struct OfflineRenderSettings
{
    double bpm = 120.0;
    int blockSize = 512;
    std::optional<juce::int64> exactTail; // frames after the input; nothing lets the echoes ring out
    juce::int64 quietFrames = 0;          // ringing out: how long the output stays quiet before it ends
    juce::int64 longestTail = 0;          // ringing out: where it ends regardless
};

struct RenderedLength
{
    juce::int64 frames = 0;
    bool tailCutAtLongest = false;
};

// Called after every block with the seconds rendered so far and the input's length as its header claims.
using RenderProgress = std::function<void(double doneSeconds, double inputSeconds)>;

// Gives the processor the file's channel layout (mono or stereo, in and out) at the file's rate;
// throws RenderError if the processor refuses it.
void prepareForFile(juce::AudioProcessor& processor, const SoundFileInput& input, int blockSize);

// Streams the input through the processor, block by block, into the output, then the tail: the processor hears
// silence past the end of the input.
RenderedLength renderThrough(juce::AudioProcessor& processor, SoundFileInput& input, SoundFileOutput& output,
                             const OfflineRenderSettings& settings, const RenderProgress& progress);
