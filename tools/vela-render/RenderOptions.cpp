#include "RenderOptions.h"

#include "NumberText.h"
#include "RenderError.h"

const char* const renderUsage = "usage: vela-render IN.wav OUT.wav [--set id=value]... [--bpm N] [--block N] "
                                "[--tail SECONDS] [--preset NAME|FILE] | vela-render --list-params";

namespace
{
// Larger blocks buy nothing offline and would only make the buffers huge.
constexpr long long largestBlock = 1 << 20;

RenderError badValue(const std::string& option, const std::string& value, const std::string& wanted)
{
    return RenderError(option + " needs " + wanted + ", not '" + value + "'");
}

ParameterSetting parseSetting(const std::string& text)
{
    const auto equals = text.find('=');

    if (equals == std::string::npos || equals == 0 || equals + 1 == text.size())
        throw badValue("--set", text, "id=value");

    return { text.substr(0, equals), text.substr(equals + 1) };
}

double parseBpm(const std::string& text)
{
    const auto bpm = parseFiniteNumber(text);

    if (! bpm || *bpm <= 0.0)
        throw badValue("--bpm", text, "a tempo above 0");

    return *bpm;
}

int parseBlockSize(const std::string& text)
{
    const auto size = parseWholeNumber(text);

    if (! size || *size <= 0 || *size > largestBlock)
        throw badValue("--block", text, "a whole number from 1 to " + std::to_string(largestBlock));

    return static_cast<int>(*size);
}

double parseTail(const std::string& text)
{
    const auto seconds = parseFiniteNumber(text);

    if (! seconds || *seconds < 0.0)
        throw badValue("--tail", text, "a number of seconds, 0 or more");

    return *seconds;
}

bool isOption(const std::string& arg)
{
    return arg.size() > 1 && arg.front() == '-';
}
} // namespace

RenderOptions parseRenderOptions(const std::vector<std::string>& args)
{
    RenderOptions options;
    std::vector<std::string> positional;
    bool renderOptionGiven = false;

    for (size_t i = 0; i < args.size(); ++i)
    {
        const std::string& arg = args[i];

        if (! isOption(arg))
        {
            positional.push_back(arg);
            continue;
        }

        if (arg == "--list-params")
        {
            options.listParameters = true;
            continue;
        }

        if (arg != "--set" && arg != "--bpm" && arg != "--block" && arg != "--tail" && arg != "--preset")
            throw RenderError("unknown option " + arg + " (" + renderUsage + ")");

        if (i + 1 == args.size())
            throw RenderError(arg + " needs a value");

        const std::string& value = args[++i];
        renderOptionGiven = true;

        if (arg == "--set")
            options.settings.push_back(parseSetting(value));
        else if (arg == "--bpm")
            options.bpm = parseBpm(value);
        else if (arg == "--block")
            options.blockSize = parseBlockSize(value);
        else if (arg == "--tail")
            options.tailSeconds = parseTail(value);
        else
            options.preset = value;
    }

    if (options.listParameters)
    {
        if (renderOptionGiven || ! positional.empty())
            throw RenderError("--list-params takes no other arguments");

        return options;
    }

    if (positional.size() != 2)
        throw RenderError(std::string("expected an input and an output file (") + renderUsage + ")");

    options.inputPath = positional[0];
    options.outputPath = positional[1];
    return options;
}
