#include "WavInput.h"

#include "RenderError.h"
#include "WavChunkCheck.h"

std::unique_ptr<juce::AudioFormatReader> openWavInput(const juce::File& file)
{
    const auto path = file.getFullPathName().toStdString();

    if (! file.existsAsFile())
        throw RenderError("no such input file: " + path);

    auto stream = file.createInputStream();

    if (stream == nullptr)
        throw RenderError("cannot read " + path);

    if (! sampleLoopsFitTheirChunks(*stream))
        throw RenderError(path + " is not a WAV file with audio in a form this tool reads");

    stream->setPosition(0);

    // JUCE's reader also refuses files that claim no channels or no sample rate.
    std::unique_ptr<juce::AudioFormatReader> reader(juce::WavAudioFormat().createReaderFor(stream.release(), true));

    if (reader == nullptr)
        throw RenderError(path + " is not a WAV file with audio in a form this tool reads");

    if (reader->numChannels > 2)
        throw RenderError(path + " has " + std::to_string(reader->numChannels)
                          + " channels; only mono and stereo files can be rendered");

    return reader;
}
