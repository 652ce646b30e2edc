#include "HelpText.h"
#include "RenderError.h"
#include "RenderJob.h"
#include "TerminalProgress.h"

#include <juce_events/juce_events.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace
{
void printRealTimeFactor(double audioSeconds, std::chrono::steady_clock::duration took)
{
    const double seconds = std::chrono::duration<double>(took).count();
    std::fprintf(stderr, "vela-render: %.1f s of audio in %.2f s, %.0fx real time\n", audioSeconds, seconds,
                 seconds > 0.0 ? audioSeconds / seconds : 0.0);
}
} // namespace

int main(int argc, char* argv[])
{
    TerminalProgress terminalProgress;

    try
    {
        const auto options = parseRenderOptions({ argv + 1, argv + argc });

        if (options.showVersion)
        {
            std::cout << "vela-render " << VELA_VERSION << '\n';
            return 0;
        }

        // The plug-in's parameter tree starts a timer, which wants a message manager to exist;
        // no message loop runs, and none of this needs a display.
        const juce::ScopedJuceInitialiser_GUI juceInitialiser;

        if (options.showHelp)
            printHelp(std::cout);

        if (options.showHelp || options.listParameters)
        {
            listParameters(std::cout);
            return 0;
        }

        const bool onTerminal = isatty(STDERR_FILENO) != 0;
        RenderProgress progress;

        if (onTerminal)
            progress = [&terminalProgress](double done, double input) { terminalProgress.update(done, input); };

        checkTargets(options.targets);

        for (size_t i = 0; i < options.targets.size(); ++i)
        {
            const auto& target = options.targets[i];
            const auto start = std::chrono::steady_clock::now();
            const auto summary = renderTarget(options, target, progress);
            terminalProgress.finish();

            if (summary.timeNote && i == 0)
                std::cerr << "vela-render: " << *summary.timeNote << std::endl;

            if (summary.tailCutAtLongest)
                std::cerr << "vela-render: " << target.output << ": the echoes still sounded " << longestTailSeconds
                          << " s after the input; the tail ends there (--tail sets its length)" << std::endl;

            if (onTerminal)
                printRealTimeFactor(summary.seconds, std::chrono::steady_clock::now() - start);
        }

        return 0;
    }
    catch (const RenderError& error)
    {
        terminalProgress.finish();
        std::cerr << "vela-render: " << error.what() << std::endl;
        return 2;
    }
}
