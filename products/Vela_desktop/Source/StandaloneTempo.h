#pragma once

#include "UserSettings.h"

#include <atomic>

// The standalone app's own tempo, which its audio player does not give: what the delay syncs to there. Set by
// tapping in the editor and remembered in the user's settings, beside the zoom, so the app starts where it was
// left; it is not part of the saved state, which belongs to a project.
class StandaloneTempo
{
public:
    static constexpr float initialBpm = 120.0f;
    static constexpr float slowestBpm = 30.0f;
    static constexpr float fastestBpm = 300.0f;

    explicit StandaloneTempo(const juce::String& productName);

    // Any thread.
    float bpm() const { return current.load(std::memory_order_relaxed); }

    // Whole beats per minute within the range above; written to the settings at once. Message thread.
    void set(float newBpm);

private:
    static float limited(float bpm);

    UserSettings settings;
    std::atomic<float> current;
};
