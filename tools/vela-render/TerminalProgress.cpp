#include "TerminalProgress.h"

#include <cstdio>

void TerminalProgress::update(double doneSeconds, double inputSeconds)
{
    char text[64];

    if (doneSeconds < inputSeconds)
        std::snprintf(text, sizeof(text), "rendering %3d%%", static_cast<int>(doneSeconds * 100.0 / inputSeconds));
    else
        std::snprintf(text, sizeof(text), "rendering the tail, %.1f s", doneSeconds - inputSeconds);

    if (shown == text)
        return;

    // Spaces wipe what a longer earlier line leaves.
    std::fprintf(stderr, "\rvela-render: %-32s", text);
    std::fflush(stderr);
    shown = text;
}

void TerminalProgress::finish()
{
    if (! shown.empty())
        std::fprintf(stderr, "\n");

    shown.clear();
}
