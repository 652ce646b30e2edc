#include "TimeTapper.h"

#include "OfferedTimes.h"
#include "effects/LumDigiDelay.h"
#include "PluginProcessor.h"
#include "VelaParameters.h"

#include <cmath>

namespace
{
// A pause longer than the longest time the knob offers starts a new sequence, and so does a bounce.
constexpr double shortestIntervalMs = freeTimes.shortest;
constexpr double longestIntervalMs = freeTimes.longest;

float freeTime(double intervalMs)
{
    return static_cast<float>(juce::jlimit(freeTimes.shortest, freeTimes.longest, std::round(intervalMs)));
}

float closestNote(double intervalMs, float bpm, LumDigiDelay::SyncMode syncMode)
{
    const double unitMs = 60000.0 / bpm * LumDigiDelay::noteUnitSeconds(1.0f, syncMode);
    double best = noteTimes.shortest;

    for (double e = noteTimes.shortest; e <= noteTimes.longest; e += noteTimes.step)
        if (std::abs(unitMs * std::pow(2.0, e) - intervalMs) <= std::abs(unitMs * std::pow(2.0, best) - intervalMs))
            best = e;

    return static_cast<float>(best);
}
} // namespace

TimeTapper::TimeTapper(VelaAudioProcessor& processorToUse)
    : processor(processorToUse), taps(shortestIntervalMs, longestIntervalMs)
{
}

std::optional<float> TimeTapper::tap(double timeMs)
{
    const auto interval = taps.tap(timeMs);
    const auto settings = processor.tailSettings(processor.syncedTempo());
    const bool synced = settings.syncTempo;

    if (auto* appTempo = processor.standaloneTempo(); synced && appTempo != nullptr)
    {
        if (interval.has_value())
            appTempo->set(static_cast<float>(60000.0 / *interval));
        return appTempo->bpm();
    }

    if (interval.has_value())
    {
        setTime(synced ? closestNote(*interval, settings.bpm, settings.syncMode) : freeTime(*interval));
    }
    return std::nullopt;
}

void TimeTapper::setTime(float value)
{
    auto* time = processor.valueTreeState.getParameter(VelaParameters::id(VelaParameters::Id::time));
    time->beginChangeGesture();
    time->setValueNotifyingHost(time->convertTo0to1(value));
    time->endChangeGesture();
}
