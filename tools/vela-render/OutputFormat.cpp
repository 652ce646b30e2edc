#include "OutputFormat.h"

#include <sndfile.h>

#include <algorithm>
#include <cctype>

const char* const outputNames = ".wav, .flac, .aif or .aiff";

namespace
{
std::string lowerCaseExtension(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');

    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};

    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}
} // namespace

std::optional<int> outputFormatFor(const std::string& path)
{
    const auto extension = lowerCaseExtension(path);

    if (extension == ".wav")
        return SF_FORMAT_RF64 | SF_FORMAT_FLOAT;

    if (extension == ".flac")
        return SF_FORMAT_FLAC | SF_FORMAT_PCM_24;

    if (extension == ".aif" || extension == ".aiff")
        return SF_FORMAT_AIFF | SF_FORMAT_PCM_24;

    return std::nullopt;
}
