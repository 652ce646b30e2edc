#pragma once

#include "TapTempo.h"

#include <optional>

class VelaAudioProcessor;

// What tapping does to the echo. Free, the time becomes the tapped interval in milliseconds. Synced in a host,
// it becomes the note value of the current mode whose length at the host's tempo is the closest to the interval
// (exactly between two, the longer one, which is the nearer by ratio; beyond the longest note or below the
// shortest, those). Synced in the standalone app, the taps are beats and set the app's own tempo; the note value
// stays. Each time written is one change gesture, so that hosts record a tap as one step.
class TimeTapper
{
public:
    explicit TimeTapper(VelaAudioProcessor& processor);

    // A tap at `timeMs` on any steady clock. Gives the app's tempo while the taps set it (from the first tap of a
    // sequence on, which changes nothing but shows it), nothing otherwise.
    std::optional<float> tap(double timeMs);

private:
    void setTime(float value);

    VelaAudioProcessor& processor;
    TapTempo taps;
};
