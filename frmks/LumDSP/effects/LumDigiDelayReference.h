#pragma once

#include "LumDigiDelay.h"

// The engine computed plainly, one sample at a time through the stage slots and the C library's functions:
// what the block path of LumDigiDelay has to sound like. Tests and benchmarks hold the two side by side.
class LumDigiDelayReference : public LumDigiDelay
{
public:
    using LumDigiDelay::LumDigiDelay;

    void runEffect(const float* inL, const float* inR, float* outL, float* outR, int numSamples, float bpm) override;
};
