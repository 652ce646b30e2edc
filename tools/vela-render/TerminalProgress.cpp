#include "TerminalProgress.h"

#include <cstdio>

void TerminalProgress::update(juce::int64 done, juce::int64 total)
{
    const auto percent = total > 0 ? static_cast<int>(done * 100 / total) : 100;

    if (percent == shownPercent)
        return;

    shownPercent = percent;
    std::fprintf(stderr, "\rvela-render: rendering %3d%%", percent);
    std::fflush(stderr);
}

void TerminalProgress::finish()
{
    if (shownPercent >= 0)
        std::fprintf(stderr, "\n");

    shownPercent = -1;
}
