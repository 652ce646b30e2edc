#include "TestWavFiles.h"

#include <stdexcept>

namespace
{
void writeChunk(juce::OutputStream& out, const char* id, const juce::MemoryBlock& body, juce::uint32 claimedSize)
{
    out.write(id, 4);
    out.writeInt(static_cast<int>(claimedSize));
    out.write(body.getData(), body.getSize());

    if ((body.getSize() & 1) != 0)
        out.writeByte(0);
}
} // namespace

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

HandMadeWav HandMadeWav::rf64(juce::int64 dataLength)
{
    HandMadeWav wav;
    wav.rf64DataLength = dataLength;
    return wav;
}

HandMadeWav& HandMadeWav::chunk(const char* id, const juce::MemoryBlock& body, std::optional<juce::uint32> claimedSize)
{
    juce::MemoryOutputStream out(chunks, true);
    writeChunk(out, id, body, claimedSize.value_or(static_cast<juce::uint32>(body.getSize())));
    return *this;
}

void HandMadeWav::writeTo(const juce::File& file) const
{
    juce::MemoryOutputStream bytes;

    if (rf64DataLength)
    {
        const juce::int64 ds64Size = 28;
        juce::MemoryOutputStream ds64;
        ds64.writeInt64(static_cast<juce::int64>(chunks.getSize()) + 4 + 8 + ds64Size); // the form's size
        ds64.writeInt64(*rf64DataLength);
        ds64.writeInt64(0); // sample count
        ds64.writeInt(0);   // no table of other chunk sizes

        bytes.write("RF64", 4);
        bytes.writeInt(-1);
        bytes.write("WAVE", 4);
        writeChunk(bytes, "ds64", ds64.getMemoryBlock(), static_cast<juce::uint32>(ds64Size));
    }
    else
    {
        bytes.write("RIFF", 4);
        bytes.writeInt(static_cast<int>(chunks.getSize() + 4));
        bytes.write("WAVE", 4);
    }

    bytes.write(chunks.getData(), chunks.getSize());
    file.replaceWithData(bytes.getData(), bytes.getDataSize());
}

juce::MemoryBlock fmtChunk(juce::uint16 channels, int bitsPerSample, std::optional<juce::uint32> channelMask)
{
    // Unsigned, so that absurd channel counts wrap in the header as they would in a damaged file.
    const juce::uint32 sampleRate = 44100;
    const auto bytesPerFrame = static_cast<juce::uint32>(channels * bitsPerSample / 8);

    juce::MemoryOutputStream body;
    body.writeShort(static_cast<short>(channelMask ? 0xfffe : 1));
    body.writeShort(static_cast<short>(channels));
    body.writeInt(static_cast<int>(sampleRate));
    body.writeInt(static_cast<int>(sampleRate * bytesPerFrame));
    body.writeShort(static_cast<short>(bytesPerFrame));
    body.writeShort(static_cast<short>(bitsPerSample));

    if (channelMask)
    {
        // Extension size, valid bits, the mask, then the PCM sub-format GUID.
        static const juce::uint8 pcmGuidTail[] = { 0x00, 0x00, 0x10, 0x00, 0x80, 0x00,
                                                    0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71 };
        body.writeShort(22);
        body.writeShort(static_cast<short>(bitsPerSample));
        body.writeInt(static_cast<int>(*channelMask));
        body.writeInt(1);
        body.write(pcmGuidTail, sizeof(pcmGuidTail));
    }

    return body.getMemoryBlock();
}

void writeChannellessWav(const juce::File& file)
{
    HandMadeWav().chunk("fmt ", fmtChunk(0)).chunk("data", {}).writeTo(file);
}
