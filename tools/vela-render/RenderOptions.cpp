#include "RenderOptions.h"

#include "NumberText.h"
#include "OutputFormat.h"
#include "RenderError.h"

#include <set>

const char* const renderUsage = "usage: vela-render IN OUT [OPTIONS] | vela-render IN... -o FOLDER [OPTIONS] | "
                                "vela-render --list-params | --help | --version";

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

bool takesValue(const std::string& option)
{
    for (const char* known : { "--set", "--bpm", "--block", "--tail", "--preset", "-o" })
        if (option == known)
            return true;

    return false;
}

std::string fileName(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// An input in a form that is only read (Ogg, Opus, ...) keeps its name and becomes a float WAV file.
std::string outputNameFor(const std::string& input)
{
    const auto name = fileName(input);

    if (outputFormatFor(name))
        return name;

    const auto dot = name.find_last_of('.');
    return (dot == std::string::npos || dot == 0 ? name : name.substr(0, dot)) + ".wav";
}

std::vector<RenderTarget> targetsInFolder(const std::vector<std::string>& inputs, const std::string& folder)
{
    if (inputs.empty())
        throw RenderError(std::string("expected input files before -o (") + renderUsage + ")");

    std::vector<RenderTarget> targets;
    std::set<std::string> names;

    for (const auto& input : inputs)
    {
        const auto name = outputNameFor(input);

        if (! names.insert(name).second)
            throw RenderError("two inputs are named " + name + "; their renders would land on one file in " + folder);

        targets.push_back({ input, folder + "/" + name });
    }

    return targets;
}

void checkOutputNames(const std::vector<RenderTarget>& targets)
{
    for (const auto& target : targets)
        if (! outputFormatFor(target.output))
            throw RenderError("the output " + target.output + " must end in " + outputNames);
}
} // namespace

RenderOptions parseRenderOptions(const std::vector<std::string>& args)
{
    RenderOptions options;
    std::vector<std::string> positional;
    std::optional<std::string> outputFolder;
    bool renderOptionGiven = false;

    for (size_t i = 0; i < args.size(); ++i)
    {
        const std::string& arg = args[i];

        if (! isOption(arg))
        {
            positional.push_back(arg);
            continue;
        }

        if (arg == "--help" || arg == "-h")
        {
            options.showHelp = true;
            return options;
        }

        if (arg == "--version")
        {
            options.showVersion = true;
            return options;
        }

        if (arg == "--list-params")
        {
            options.listParameters = true;
            continue;
        }

        if (! takesValue(arg))
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
        else if (arg == "--preset")
            options.preset = value;
        else
            outputFolder = value;
    }

    if (options.listParameters)
    {
        if (renderOptionGiven || ! positional.empty())
            throw RenderError("--list-params takes no other arguments");

        return options;
    }

    if (outputFolder)
        options.targets = targetsInFolder(positional, *outputFolder);
    else if (positional.size() == 2)
        options.targets = { { positional[0], positional[1] } };
    else
        throw RenderError(std::string("expected an input and an output file (") + renderUsage + ")");

    checkOutputNames(options.targets);
    return options;
}
