#pragma once

#include <array>
#include <optional>

// Times a sequence of taps. Timestamps come from the caller's clock (any steady clock in milliseconds), so the
// logic runs the same on the user's taps as on a test's list of times.
class TapTempo
{
public:
    // An interval shorter than `shortestMs` (a bounce) or longer than `longestMs` (a pause) starts a new sequence.
    TapTempo(double shortestMs, double longestMs);

    // The mean of the last (up to) four intervals of the sequence this tap belongs to; nothing for its first tap.
    std::optional<double> tap(double timeMs);

    static constexpr int intervalsAveraged = 4;

private:
    const double shortestMs;
    const double longestMs;
    std::optional<double> lastTapMs;
    std::array<double, intervalsAveraged> intervals {};
    int kept = 0;
    int nextSlot = 0;
};
