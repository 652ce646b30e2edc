#pragma once

#include "TestWavFiles.h"
#include "ToolProcess.h"

#include <optional>
#include <string>
#include <vector>

struct Rendered
{
    ToolRun run;
    std::optional<WavContents> output;
};

// The names the input and the output get in a scratch folder, and the input's format.
struct RenderFiles
{
    const char* input = "in.wav";
    int inputFormat = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const char* output = "out.wav";
};

Rendered render(const juce::AudioBuffer<float>& input, double sampleRate, const std::vector<std::string>& options,
                const RenderFiles& files = {});

// The wet signal alone, one clean repeat, no modulation: an input click comes back once, delayed.
extern const std::vector<std::string> singleEcho;

std::vector<std::string> with(std::vector<std::string> options, const std::vector<std::string>& more);

int loudestSample(const juce::AudioBuffer<float>& audio, int channel);

// The echo of a click comes back whole around where it should, and nothing comes out before it. The delay
// time may still sit a fraction of a sample off after its glide, which spreads the echo over two samples.
void expectEchoAt(const juce::AudioBuffer<float>& audio, int channel, double seconds, double sampleRate);
