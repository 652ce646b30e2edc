#pragma once

#include <juce_core/juce_core.h>

// A percentage on stderr, rewritten in place; only meant for a terminal.
class TerminalProgress
{
public:
    void update(juce::int64 done, juce::int64 total);

    // Ends the progress line so that what follows starts on a fresh one.
    void finish();

private:
    int shownPercent = -1;
};
