#pragma once

#include <optional>
#include <string>
#include <vector>

struct ParameterSetting
{
    std::string id;
    std::string value;
};

struct RenderOptions
{
    bool listParameters = false;
    std::string inputPath;
    std::string outputPath;
    std::vector<ParameterSetting> settings;
    double bpm = 120.0;
    int blockSize = 512;
    double tailSeconds = 0.0;
    std::optional<std::string> preset; // a preset name in the preset folder, or a file
};

extern const char* const renderUsage;

// Throws RenderError for anything that is not a well-formed command line.
RenderOptions parseRenderOptions(const std::vector<std::string>& args);
