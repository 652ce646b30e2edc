#include "WavInput.h"

#include "HiddenChunksStream.h"
#include "RenderError.h"
#include "WavHeader.h"

namespace
{
RenderError tooManyChannels(const std::string& path, int channels)
{
    return RenderError(path + " has " + std::to_string(channels)
                       + " channels; only mono and stereo files can be rendered");
}

// A recording cut short keeps the length it was meant to have in its header, up to 4 GiB of audio that is not
// there; the render stops where the file does instead of going on in silence.
void keepToTheFile(juce::AudioFormatReader& reader, juce::int64 fileSize, juce::int64 dataStart)
{
    const auto bytesPerFrame = static_cast<juce::int64>(reader.numChannels * reader.bitsPerSample / 8);

    if (bytesPerFrame > 0)
        reader.lengthInSamples = std::min(reader.lengthInSamples, (fileSize - dataStart) / bytesPerFrame);
}
} // namespace

std::unique_ptr<juce::AudioFormatReader> openWavInput(const juce::File& file)
{
    const auto path = file.getFullPathName().toStdString();

    if (! file.existsAsFile())
        throw RenderError("no such input file: " + path);

    auto stream = file.createInputStream();

    if (stream == nullptr)
        throw RenderError("cannot read " + path);

    const auto header = readWavHeader(*stream);

    // Without audio the reader would still open the file, as an empty one.
    if (! header.lengthsPossible || header.dataStart < 0)
        throw RenderError(path + " is not a WAV file with audio in a form this tool reads");

    if (header.mostChannels > 2)
        throw tooManyChannels(path, header.mostChannels);

    stream->setPosition(0);
    auto audioOnly = std::make_unique<HiddenChunksStream>(std::move(stream), header.unneededChunkIds);

    // JUCE's reader also refuses files that claim no channels or no sample rate.
    std::unique_ptr<juce::AudioFormatReader> reader(
        juce::WavAudioFormat().createReaderFor(audioOnly.release(), true));

    if (reader == nullptr)
        throw RenderError(path + " is not a WAV file with audio in a form this tool reads");

    if (reader->numChannels > 2)
        throw tooManyChannels(path, static_cast<int>(reader->numChannels));

    keepToTheFile(*reader, file.getSize(), header.dataStart);

    return reader;
}
