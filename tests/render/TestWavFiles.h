#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

#include <optional>
#include <vector>

// Silence with single-sample clicks, the simplest input in which an echo is easy to find.
struct Click
{
    int channel;
    double seconds;
    float level;
};

juce::AudioBuffer<float> silenceWithClicks(int channels, double sampleRate, double seconds,
                                           const std::vector<Click>& clicks);

// 16-bit PCM, so that the tool is also seen converting to float.
void writeWav(const juce::File& file, double sampleRate, const juce::AudioBuffer<float>& audio);

struct WavContents
{
    double sampleRate = 0.0;
    int channels = 0;
    int bitsPerSample = 0;
    bool isFloat = false;
    juce::AudioBuffer<float> audio;
};

// Nothing when JUCE cannot read the file as a WAV.
std::optional<WavContents> readWav(const juce::File& file);

// A well-formed header that claims no channels, which JUCE's writer cannot produce.
void writeChannellessWav(const juce::File& file);
