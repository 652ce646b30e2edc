#include "SoundFileOutput.h"

#include "OutputFormat.h"
#include "RenderError.h"

#include <cstdio>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
bool isFolder(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string temporaryPatternBeside(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const auto folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const auto name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + ".XXXXXX";
}

// mkstemp makes the file readable by its owner alone; a finished render gets the permissions any new file gets.
void giveUsualPermissions(int descriptor)
{
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
}
} // namespace

SoundFileOutput::SoundFileOutput(const std::string& targetPath, double sampleRate, int channels)
    : target(targetPath), temporary(temporaryPatternBeside(targetPath))
{
    const auto format = outputFormatFor(target);

    if (! format)
        throw RenderError("the output " + target + " must end in " + outputNames);

    if (isFolder(target))
        throw RenderError("the output " + target + " is a folder");

    const int descriptor = mkstemp(temporary.data());

    if (descriptor < 0)
        throw RenderError("cannot write beside " + target);

    giveUsualPermissions(descriptor);

    SF_INFO info {};
    info.samplerate = static_cast<int>(sampleRate);
    info.channels = channels;
    info.format = *format;
    file = sf_open_fd(descriptor, SFM_WRITE, &info, SF_TRUE);

    if (file == nullptr)
    {
        close(descriptor);
        unlink(temporary.c_str());
        throw RenderError("cannot write " + target + " (" + sf_strerror(nullptr) + ")");
    }

    // A float .wav stays a plain WAV file while it fits in one. Integer formats clip overs instead of wrapping.
    sf_command(file, SFC_RF64_AUTO_DOWNGRADE, nullptr, SF_TRUE);
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

SoundFileOutput::~SoundFileOutput()
{
    if (file == nullptr)
        return;

    sf_close(file);
    unlink(temporary.c_str());
}

void SoundFileOutput::write(const float* interleaved, int64_t frames)
{
    if (sf_writef_float(file, interleaved, frames) != frames)
        throw RenderError("writing " + target + " failed (" + sf_strerror(file) + ")");
}

void SoundFileOutput::commit()
{
    // Closing writes the final header; the close's own status tells whether everything reached the disk.
    const bool closed = sf_close(file) == 0;
    file = nullptr;

    if (! closed || std::rename(temporary.c_str(), target.c_str()) != 0)
    {
        unlink(temporary.c_str());
        throw RenderError("cannot write " + target);
    }
}
