#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_core/juce_core.h>

#include <sndfile.h>

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

// 16-bit PCM WAV unless another libsndfile format is given, so that the tool is also seen converting to float.
void writeWav(const juce::File& file, double sampleRate, const juce::AudioBuffer<float>& audio,
              int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16);

struct WavContents
{
    double sampleRate = 0.0;
    int channels = 0;
    int format = 0; // libsndfile's major format and sample encoding
    juce::AudioBuffer<float> audio;
};

// Any audio file libsndfile reads; nothing when it cannot.
std::optional<WavContents> readWav(const juce::File& file);

// Headers JUCE's writer cannot produce, put together chunk by chunk. A chunk's size field tells the size of its
// body unless another size is claimed.
class HandMadeWav
{
public:
    // An RF64 file: its form size field is -1, and a "ds64" chunk first holds the form's size and this data length.
    static HandMadeWav rf64(juce::int64 dataLength);

    HandMadeWav& chunk(const char* id, const juce::MemoryBlock& body, std::optional<juce::uint32> claimedSize = {});
    void writeTo(const juce::File& file) const;

private:
    std::optional<juce::int64> rf64DataLength;
    juce::MemoryBlock chunks;
};

// The body of a "fmt " chunk for integer PCM at 44.1 kHz; WAVE_FORMAT_EXTENSIBLE when a channel mask is given.
juce::MemoryBlock fmtChunk(juce::uint16 channels, int bitsPerSample = 16, std::optional<juce::uint32> channelMask = {});

// A well-formed header that claims no channels.
void writeChannellessWav(const juce::File& file);
