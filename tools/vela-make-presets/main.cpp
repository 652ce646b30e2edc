// vela-make-presets FOLDER: writes the factory preset bank, one file per preset.
#include "FactoryBank.h"

#include <juce_events/juce_events.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: vela-make-presets FOLDER\n");
        return 2;
    }

    const juce::ScopedJuceInitialiser_GUI juceInitialiser;
    const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile(argv[1]);

    if (! writeFactoryBank(folder))
    {
        std::fprintf(stderr, "vela-make-presets: cannot write into %s\n", argv[1]);
        return 2;
    }

    return 0;
}
