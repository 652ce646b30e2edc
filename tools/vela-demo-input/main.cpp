// vela-demo-input OUT.wav: a short stereo recording of plucks to hear the delay on.
#include "DemoSignal.h"
#include "WavWriter.h"

#include <cstdio>
#include <string>
#include <vector>

namespace
{
const char* const usage = "usage: vela-demo-input OUT.wav | --help";
constexpr int sampleRate = 44100;
constexpr double seconds = 3.0;

// As in vela-render: a lone "-" is a name, not an option.
bool isOption(const std::string& arg)
{
    return arg.size() > 1 && arg.front() == '-';
}
} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);

    for (const auto& arg : args)
    {
        if (arg == "--help" || arg == "-h")
        {
            std::printf("%s\n\nWrites %.0f s of plucks, stereo 16-bit WAV at %d Hz, to hear the delay on.\n", usage,
                        seconds, sampleRate);
            return 0;
        }

        if (isOption(arg))
        {
            std::fprintf(stderr, "vela-demo-input: unknown option %s (%s)\n", arg.c_str(), usage);
            return 2;
        }
    }

    if (args.size() != 1)
    {
        std::fprintf(stderr, "vela-demo-input: expected one output file (%s)\n", usage);
        return 2;
    }

    if (! writeWav16(args[0], makeDemoSignal(sampleRate, seconds)))
    {
        std::fprintf(stderr, "vela-demo-input: cannot write %s\n", args[0].c_str());
        return 2;
    }

    return 0;
}
