#include "LumDucker.h"

#include "LumDigiDelaySteps.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float attackSeconds = 0.005f;
constexpr float releaseSeconds = 0.1f;
constexpr float depthGlideSeconds = 0.02f;
constexpr float gainGlideSeconds = 0.004f;
constexpr float quietestDb = -40.0f;
constexpr float loudestDb = -10.0f;
constexpr float deepestDb = 40.0f;

// A one-pole follower's share of the way per step, for steps of stepSeconds.
float followerShare(float timeConstant, float stepSeconds)
{
    return 1.0f - std::exp(-stepSeconds / timeConstant);
}
} // namespace

void LumDucker::prepare(float sampleRate)
{
    const float sampleSeconds = 1.0f / sampleRate;
    const float updateSeconds = static_cast<float>(updateInterval) * sampleSeconds;
    attack = followerShare(attackSeconds, sampleSeconds);
    release = followerShare(releaseSeconds, sampleSeconds);
    // glide() keeps this share of the distance left.
    depthGlide = 1.0f - followerShare(depthGlideSeconds, updateSeconds);
    gainGlide = 1.0f - followerShare(gainGlideSeconds, updateSeconds);
}

void LumDucker::startAt(float targetDepth)
{
    depth = targetDepth;
}

float LumDucker::gainFor(float level, float atDepth)
{
    const float db = 20.0f * std::log10(std::max(level, 1.0e-10f));
    const float share = std::clamp((db - quietestDb) / (loudestDb - quietestDb), 0.0f, 1.0f);
    return std::pow(10.0f, -atDepth * share * deepestDb / 20.0f);
}

float LumDucker::step(float dryL, float dryR, float targetDepth)
{
    const float level = std::max(std::fabs(dryL), std::fabs(dryR));
    envelope += (level > envelope ? attack : release) * (level - envelope);

    if (untilUpdate == 0)
    {
        depth = glide(depth, targetDepth, depthGlide);
        smoothedGain = glide(smoothedGain, gainFor(envelope, depth), gainGlide);
        gainStep = (smoothedGain - gain) / static_cast<float>(updateInterval);
        untilUpdate = updateInterval;
    }

    // A straight line to the update's gain, landing on it exactly.
    --untilUpdate;
    gain = untilUpdate == 0 ? smoothedGain : gain + gainStep;
    return gain;
}
