#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>

// What the engine finds on the audio thread and may not print there: counted without locks, written out later by
// another thread (the processor's message thread), one text per event as the engine found them.
class LumDigiDelayDiagnostics
{
public:
    // A NaN entered the delay stage ("NaN!").
    void countNaNInput() { nanInputs.fetch_add(1, std::memory_order_relaxed); }
    // The smoothed left delay time is NaN ("NAN TL").
    void countNaNTime() { nanTimes.fetch_add(1, std::memory_order_relaxed); }

    // Writes the texts of everything counted since the last call and starts counting anew. Never on the audio
    // thread.
    void write(std::FILE* out);

private:
    std::atomic<std::uint32_t> nanInputs { 0 };
    std::atomic<std::uint32_t> nanTimes { 0 };
};
