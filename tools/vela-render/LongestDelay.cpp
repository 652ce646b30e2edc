#include "LongestDelay.h"

#include "PluginParameters.h"

#include <algorithm>
#include <cmath>

namespace
{
// The engine's own limits: its main rings hold 10 s, its modulation rings 5 s, and a modulation line's delay
// swings up to 35 ms.
constexpr double mainRingSeconds = 10.0;
constexpr double modRingSeconds = 5.0;
constexpr double longestModSwing = 0.035;
constexpr float bypassRouting = 2.0f;
constexpr float delayModType = 6.0f;

bool isOn(juce::AudioProcessor& processor, const char* id)
{
    return realValueOf(processor, id) >= 0.5f;
}

double noteUnitSeconds(int syncMode, double bpm)
{
    const double beat = 60.0 / bpm;
    constexpr double unitPerBeat[] = { 1.0 / 16.0, 1.5 / 16.0, 1.0 / 24.0 };
    return syncMode >= 0 && syncMode < 3 ? beat * unitPerBeat[syncMode] : 0.0;
}

double mainDelaySeconds(juce::AudioProcessor& processor, double bpm)
{
    const double time = realValueOf(processor, "time");
    const double spreadSeconds = 50.0 * realValueOf(processor, "spread") / 1000.0;

    const double centre = isOn(processor, "syncTempo")
                              ? noteUnitSeconds(static_cast<int>(realValueOf(processor, "syncMode")), bpm)
                                    * std::pow(2.0, time > 8.0 ? 1.0 : time)
                              : time / 1000.0;

    return std::min(std::abs(centre) + spreadSeconds, mainRingSeconds);
}
} // namespace

double longestDelaySeconds(juce::AudioProcessor& processor, double bpm)
{
    // The Delay modulation type reads half the main delay time even while the delay stage is bypassed.
    const double mainTime = mainDelaySeconds(processor, bpm);
    const double main = isOn(processor, "bypassDelay") ? 0.0 : mainTime;

    if (realValueOf(processor, "modRouting") == bypassRouting)
        return main;

    const double modLine = realValueOf(processor, "modType") == delayModType ? longestModSwing + mainTime / 2.0
                                                                               : longestModSwing;
    return main + std::min(modLine, modRingSeconds);
}
