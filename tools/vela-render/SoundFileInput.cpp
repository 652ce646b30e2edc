#include "SoundFileInput.h"

#include "RenderError.h"

#include <sys/stat.h>

namespace
{
// The engine's rings grow with the rate; a header claiming billions of samples a second would ask for gigabytes.
constexpr int lowestRate = 1000;
constexpr int highestRate = 768000;

bool isRegularFile(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}
} // namespace

SoundFileInput::SoundFileInput(const std::string& filePath) : path(filePath)
{
    if (! isRegularFile(path))
        throw RenderError("no such input file: " + path);

    file = sf_open(path.c_str(), SFM_READ, &info);

    if (file == nullptr)
        throw RenderError(path + " is not an audio file this tool reads (" + sf_strerror(nullptr) + ")");

    if (info.channels > 2)
    {
        const auto channelCount = std::to_string(info.channels);
        sf_close(file);
        throw RenderError(path + " has " + channelCount + " channels; only mono and stereo files can be rendered");
    }

    if (info.samplerate < lowestRate || info.samplerate > highestRate)
    {
        const auto rate = std::to_string(info.samplerate);
        sf_close(file);
        throw RenderError(path + " claims a rate of " + rate + " Hz; this tool renders " + std::to_string(lowestRate)
                          + " to " + std::to_string(highestRate) + " Hz");
    }

    if (info.frames <= 0)
    {
        sf_close(file);
        throw RenderError(path + " holds no audio");
    }
}

SoundFileInput::~SoundFileInput()
{
    sf_close(file);
}

int64_t SoundFileInput::read(float* interleaved, int64_t frames)
{
    const auto got = sf_readf_float(file, interleaved, frames);

    if (got < 0 || (got < frames && sf_error(file) != SF_ERR_NO_ERROR))
        throw RenderError("reading " + path + " failed (" + sf_strerror(file) + ")");

    return got;
}
