#include "TapTempo.h"

#include <numeric>

TapTempo::TapTempo(double shortest, double longest) : shortestMs(shortest), longestMs(longest) {}

std::optional<double> TapTempo::tap(double timeMs)
{
    const auto previous = lastTapMs;
    lastTapMs = timeMs;

    if (! previous.has_value())
        return std::nullopt;

    const double interval = timeMs - *previous;
    if (! (interval >= shortestMs && interval <= longestMs))
    {
        kept = 0;
        nextSlot = 0;
        return std::nullopt;
    }

    // The newest interval replaces the oldest once four are kept; the mean doesn't care about their order.
    intervals[static_cast<size_t>(nextSlot)] = interval;
    nextSlot = (nextSlot + 1) % intervalsAveraged;
    kept = kept < intervalsAveraged ? kept + 1 : kept;

    return std::accumulate(intervals.begin(), intervals.begin() + kept, 0.0) / kept;
}
