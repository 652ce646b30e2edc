#pragma once

#include <optional>
#include <string>

// What the output's name asks for: ".wav" 32-bit float (RF64 past 4 GiB), ".flac" and ".aif"/".aiff" 24-bit,
// in any case. Nothing for any other name.
std::optional<int> outputFormatFor(const std::string& path);

extern const char* const outputNames;
