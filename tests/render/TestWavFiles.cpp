#include "TestWavFiles.h"

#include <stdexcept>
#include <vector>

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

void writeWav(const juce::File& file, double sampleRate, const juce::AudioBuffer<float>& audio, int format)
{
    SF_INFO info {};
    info.samplerate = static_cast<int>(sampleRate);
    info.channels = audio.getNumChannels();
    info.format = format;

    SNDFILE* out = sf_open(file.getFullPathName().toRawUTF8(), SFM_WRITE, &info);

    if (out == nullptr)
        throw std::runtime_error("cannot write " + file.getFullPathName().toStdString() + ": " + sf_strerror(nullptr));

    std::vector<float> frames(static_cast<size_t>(audio.getNumSamples() * info.channels));

    for (int channel = 0; channel < info.channels; ++channel)
        for (int i = 0; i < audio.getNumSamples(); ++i)
            frames[static_cast<size_t>(i * info.channels + channel)] = audio.getSample(channel, i);

    sf_writef_float(out, frames.data(), audio.getNumSamples());
    sf_close(out);
}

std::optional<WavContents> readWav(const juce::File& file)
{
    SF_INFO info {};
    SNDFILE* in = sf_open(file.getFullPathName().toRawUTF8(), SFM_READ, &info);

    if (in == nullptr)
        return std::nullopt;

    std::vector<float> frames(static_cast<size_t>(info.frames * info.channels));
    const auto got = static_cast<int>(sf_readf_float(in, frames.data(), info.frames));
    sf_close(in);

    WavContents contents;
    contents.sampleRate = info.samplerate;
    contents.channels = info.channels;
    contents.format = info.format;
    contents.audio.setSize(contents.channels, got);

    for (int channel = 0; channel < info.channels; ++channel)
        for (int i = 0; i < got; ++i)
            contents.audio.setSample(channel, i, frames[static_cast<size_t>(i * info.channels + channel)]);

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
