#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

#include <memory>

// A 32-bit float WAV written to a temporary file beside the target. Only commit() puts it in place,
// so a failed render leaves no partial file, and an existing file stays as it was.
class FloatWavOutput
{
public:
    FloatWavOutput(const juce::File& target, double sampleRate, int numChannels);

    juce::AudioFormatWriter& writer();

    // Finishes the file and renames it over the target; throws RenderError if that fails.
    void commit();

private:
    juce::File target;
    juce::TemporaryFile temporary;
    juce::FileOutputStream* fileStream = nullptr; // owned by the writer
    std::unique_ptr<juce::AudioFormatWriter> wavWriter;
};
