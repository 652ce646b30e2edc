#pragma once

#include <cmath>

// Per-sample steps that the engine's block path and its plain per-sample reference share.

// One step of a one-pole glide toward the target. In single precision the step stalls once it is below half
// an ulp, up to 0.03 % short of the target (50 samples for an 8 s delay, and feedback 1 would decay); from
// there the glide finishes one ulp per sample.
inline float glide(float current, float target, float coefficient)
{
    const float next = coefficient * (current - target) + target;

    if (next != current || current == target)
        return next;

    return std::nextafter(current, target);
}

// Out-of-range and non-finite samples would poison the chain; they enter as silence.
inline float safeInput(float x)
{
    return std::fabs(x) < 1.5f ? x : 0.0f;
}

inline float advancePhase(float phase, float increment)
{
    constexpr float twoPi = 6.283185307f;

    phase += increment;
    if (phase >= twoPi)
        phase -= twoPi;
    return phase;
}
