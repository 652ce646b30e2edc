#pragma once

#include <optional>
#include <string>
#include <vector>

struct ParameterSetting
{
    std::string id;
    std::string value;
};

// One file to render and where its result goes.
struct RenderTarget
{
    std::string input;
    std::string output;
};

struct RenderOptions
{
    bool listParameters = false;
    bool showHelp = false;
    bool showVersion = false;
    std::vector<RenderTarget> targets; // in the order given
    std::vector<ParameterSetting> settings;
    double bpm = 120.0;
    int blockSize = 512;
    std::optional<double> tailSeconds;  // nothing: the echoes ring out
    std::optional<std::string> preset; // a preset name in the preset folder, or a file
};

extern const char* const renderUsage;

// Throws RenderError for anything that is not a well-formed command line, including an output name that asks for
// no format the tool writes.
RenderOptions parseRenderOptions(const std::vector<std::string>& args);
