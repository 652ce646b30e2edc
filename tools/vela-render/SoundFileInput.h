#pragma once

#include <sndfile.h>

#include <cstdint>
#include <string>

// A mono or stereo audio file in any format libsndfile reads, read from its start as interleaved floats.
// libsndfile checks the headers; a file cut short reads as the audio it holds.
class SoundFileInput
{
public:
    // Throws RenderError for a missing file, one libsndfile cannot read, or one this tool cannot render.
    explicit SoundFileInput(const std::string& path);
    ~SoundFileInput();

    SoundFileInput(const SoundFileInput&) = delete;
    SoundFileInput& operator=(const SoundFileInput&) = delete;

    int channels() const { return info.channels; }
    double sampleRate() const { return static_cast<double>(info.samplerate); }

    // The length the header claims; the file may hold less.
    int64_t claimedFrames() const { return info.frames; }

    // Fills up to `frames` frames; fewer, down to 0, once the audio ends. Throws RenderError if reading fails.
    int64_t read(float* interleaved, int64_t frames);

private:
    std::string path;
    SF_INFO info {};
    SNDFILE* file = nullptr;
};
