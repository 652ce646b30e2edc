#pragma once

#include <sndfile.h>

#include <cstdint>
#include <string>

// An audio file written to a temporary file beside the target, in the format the target's name asks for. Only
// commit() puts it in place, so a failed render leaves no partial file, and an existing file stays as it was.
class SoundFileOutput
{
public:
    // Throws RenderError if the name asks for no format this tool writes, or nothing can be written there.
    SoundFileOutput(const std::string& target, double sampleRate, int channels);
    ~SoundFileOutput();

    SoundFileOutput(const SoundFileOutput&) = delete;
    SoundFileOutput& operator=(const SoundFileOutput&) = delete;

    void write(const float* interleaved, int64_t frames);

    // Finishes the file and renames it over the target; throws RenderError if that fails.
    void commit();

private:
    std::string target;
    std::string temporary;
    SNDFILE* file = nullptr;
};
