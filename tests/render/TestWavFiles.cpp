#include "TestWavFiles.h"

#include <stdexcept>

juce::AudioBuffer<float> silenceWithClicks(int channels, double sampleRate, double seconds,
                                           const std::vector<Click>& clicks)
{
    juce::AudioBuffer<float> audio(channels, juce::roundToInt(seconds * sampleRate));
    audio.clear();

    for (const auto& click : clicks)
        audio.setSample(click.channel, juce::roundToInt(click.seconds * sampleRate), click.level);

    return audio;
}

void writeWav(const juce::File& file, double sampleRate, const juce::AudioBuffer<float>& audio)
{
    file.deleteFile();
    auto stream = file.createOutputStream();

    if (stream == nullptr)
        throw std::runtime_error("cannot create " + file.getFullPathName().toStdString());

    std::unique_ptr<juce::AudioFormatWriter> writer(juce::WavAudioFormat().createWriterFor(
        stream.get(), sampleRate, static_cast<unsigned int>(audio.getNumChannels()), 16, {}, 0));

    if (writer == nullptr)
        throw std::runtime_error("cannot write a WAV file with " + std::to_string(audio.getNumChannels())
                                 + " channels");

    stream.release();

    writer->writeFromAudioSampleBuffer(audio, 0, audio.getNumSamples());
}

std::optional<WavContents> readWav(const juce::File& file)
{
    if (! file.existsAsFile())
        return std::nullopt;

    std::unique_ptr<juce::AudioFormatReader> reader(
        juce::WavAudioFormat().createReaderFor(file.createInputStream().release(), true));

    if (reader == nullptr)
        return std::nullopt;

    WavContents contents;
    contents.sampleRate = reader->sampleRate;
    contents.channels = static_cast<int>(reader->numChannels);
    contents.bitsPerSample = static_cast<int>(reader->bitsPerSample);
    contents.isFloat = reader->usesFloatingPointData;
    contents.audio.setSize(contents.channels, static_cast<int>(reader->lengthInSamples));
    reader->read(&contents.audio, 0, contents.audio.getNumSamples(), 0, true, true);
    return contents;
}

void writeChannellessWav(const juce::File& file)
{
    juce::MemoryOutputStream bytes;
    bytes.write("RIFF", 4);
    bytes.writeInt(36);
    bytes.write("WAVEfmt ", 8);
    bytes.writeInt(16);
    bytes.writeShort(1); // PCM
    bytes.writeShort(0); // channels
    bytes.writeInt(44100);
    bytes.writeInt(0); // bytes per second
    bytes.writeShort(0); // bytes per frame
    bytes.writeShort(16);
    bytes.write("data", 4);
    bytes.writeInt(0);

    file.replaceWithData(bytes.getData(), bytes.getDataSize());
}
