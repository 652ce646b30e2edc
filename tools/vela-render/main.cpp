#include "RenderError.h"
#include "RenderJob.h"
#include "TerminalProgress.h"

#include <juce_events/juce_events.h>

#include <iostream>
#include <unistd.h>

int main(int argc, char* argv[])
{
    TerminalProgress terminalProgress;

    try
    {
        const auto options = parseRenderOptions({ argv + 1, argv + argc });

        // The plug-in's parameter tree starts a timer, which wants a message manager to exist;
        // no message loop runs, and none of this needs a display.
        const juce::ScopedJuceInitialiser_GUI juceInitialiser;

        if (options.listParameters)
        {
            listParameters(std::cout);
            return 0;
        }

        RenderProgress progress;

        if (isatty(STDERR_FILENO))
            progress = [&terminalProgress](juce::int64 done, juce::int64 total) { terminalProgress.update(done, total); };

        renderFile(options, progress);
        terminalProgress.finish();
        return 0;
    }
    catch (const RenderError& error)
    {
        terminalProgress.finish();
        std::cerr << "vela-render: " << error.what() << std::endl;
        return 2;
    }
}
