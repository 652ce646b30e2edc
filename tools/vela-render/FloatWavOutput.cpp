#include "FloatWavOutput.h"

#include "RenderError.h"

namespace
{
constexpr int floatBits = 32;
}

FloatWavOutput::FloatWavOutput(const juce::File& file, double sampleRate, int numChannels)
    : target(file), temporary(file)
{
    const auto path = target.getFullPathName().toStdString();

    if (target.isDirectory())
        throw RenderError("the output " + path + " is a folder");

    auto stream = temporary.getFile().createOutputStream();

    if (stream == nullptr)
        throw RenderError("cannot write beside " + path);

    wavWriter.reset(juce::WavAudioFormat().createWriterFor(stream.get(), sampleRate,
                                                           static_cast<unsigned int>(numChannels), floatBits, {}, 0));

    if (wavWriter == nullptr)
        throw RenderError("cannot write a WAV file at " + path);

    fileStream = stream.release();
}

juce::AudioFormatWriter& FloatWavOutput::writer()
{
    return *wavWriter;
}

void FloatWavOutput::commit()
{
    // The header is written on flush; the stream's status then tells whether every write reached the disk.
    bool written = wavWriter->flush();
    fileStream->flush();
    written = written && fileStream->getStatus().wasOk();

    wavWriter.reset();
    fileStream = nullptr;

    if (! written || ! temporary.overwriteTargetFileWithTemporary())
        throw RenderError("cannot write " + target.getFullPathName().toStdString());
}
