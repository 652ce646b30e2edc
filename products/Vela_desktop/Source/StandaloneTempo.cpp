#include "StandaloneTempo.h"

#include <cmath>

namespace
{
const juce::Identifier tempoSetting { "tempo" };
}

StandaloneTempo::StandaloneTempo(const juce::String& productName)
    : settings(productName),
      // The file is the user's to edit: whatever it holds is brought into range.
      current(limited(static_cast<float>(settings.getInt(tempoSetting, static_cast<int>(initialBpm)))))
{
}

void StandaloneTempo::set(float newBpm)
{
    const float bpmToUse = limited(newBpm);
    current.store(bpmToUse, std::memory_order_relaxed);
    settings.setInt(tempoSetting, static_cast<int>(bpmToUse));
}

float StandaloneTempo::limited(float bpm)
{
    // What is no tempo at all (a word in the settings file reads as 0) leaves the app at its first tempo.
    if (! std::isfinite(bpm) || bpm <= 0.0f)
        return initialBpm;

    return juce::jlimit(slowestBpm, fastestBpm, std::round(bpm));
}
