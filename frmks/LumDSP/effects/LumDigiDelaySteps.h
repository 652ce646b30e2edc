#pragma once

#include "../LumAlwaysInline.h"
#include "../filters/LumUniComb.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// Per-sample steps that the engine's block path and its plain per-sample reference share.

// One step of a one-pole glide toward the target. In single precision the step stalls once it is below half
// an ulp, up to 0.03 % short of the target (50 samples for an 8 s delay, and feedback 1 would decay); from
// there the glide finishes one ulp per sample.
LUM_ALWAYS_INLINE float glide(float current, float target, float coefficient)
{
    const float next = coefficient * (current - target) + target;

    if (next != current || current == target)
        return next;

    return std::nextafter(current, target);
}

// Non-finite samples would poison the chain and the mix: they enter as silence. Loud finite ones pass.
LUM_ALWAYS_INLINE float finiteInput(float x)
{
    return std::fabs(x) <= std::numeric_limits<float>::max() ? x : 0.0f; // false for NaN too
}

// What the wet chain takes of a finite input: the sample itself up to 2^20 (+120 dBFS), far above any real
// signal. Up there every stage stays finite for ever: the filters' states stay within a few times their input,
// the phaser's allpass gains at most a few thousand, and a ring at feedback 1 grows by at most 0.95 x per repeat,
// which would take longer than 10^20 years to reach the largest float.
LUM_ALWAYS_INLINE float wetInput(float x)
{
    constexpr float loudest = 1048576.0f;
    return std::min(std::max(x, -loudest), loudest);
}

// An LFO phase in 2^-32 turns as the sine's argument in radians, in [-pi, pi).
LUM_ALWAYS_INLINE float lfoAngle(uint32_t phase)
{
    constexpr float radiansPerStep = 1.46291807926716e-09f; // 2 pi / 2^32
    return static_cast<float>(static_cast<int32_t>(phase)) * radiansPerStep;
}

// Ping-pong's two lines for one sample, from what each reads: the input summed to mono enters the left line, and
// each line's repeats enter the other one at the feedback. Gives what goes through each line's tanh.
LUM_ALWAYS_INLINE void crossUniCombs(UniComb* left, UniComb* right, float inL, float inR, float delayedL,
                                     float delayedR, float feedback, float* outL, float* outR)
{
    const float wL = uniCombInput(0.5f * (inL + inR), delayedR, feedback);
    const float wR = uniCombInput(0.0f, delayedL, feedback);
    writeUniComb(left, wL);
    writeUniComb(right, wR);
    *outL = uniCombOutput(delayedL, wL, 0.0f, 1.0f);
    *outR = uniCombOutput(delayedR, wR, 0.0f, 1.0f);
}
