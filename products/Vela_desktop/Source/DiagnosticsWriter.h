#pragma once

#include "effects/LumDigiDelayDiagnostics.h"

#include <juce_events/juce_events.h>

#include <cstdio>

// Writes to stderr what the engine counted on the audio thread: from the message thread, every half second and
// once more when it goes.
class DiagnosticsWriter : private juce::Timer
{
public:
    explicit DiagnosticsWriter(LumDigiDelayDiagnostics& diagnosticsToWrite) : diagnostics(diagnosticsToWrite)
    {
        startTimer(intervalMs);
    }

    ~DiagnosticsWriter() override
    {
        stopTimer();
        write();
    }

    void write() { diagnostics.write(stderr); }

private:
    static constexpr int intervalMs = 500;

    void timerCallback() override { write(); }

    LumDigiDelayDiagnostics& diagnostics;
};
