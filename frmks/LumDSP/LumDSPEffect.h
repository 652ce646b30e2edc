#pragma once

#include "LumDSPEntity.h"

// An entity that processes stereo blocks; the processor drives its effect only through this interface.
class LumDSPEffect : public LumDSPEntity
{
public:
    // Before the first block and whenever the host's rate or largest block changes; not while a block runs.
    virtual void prepare(float sampleRate, int maximumBlockSize) = 0;

    virtual void runEffect(const float* inL, const float* inR, float* outL, float* outR, int numSamples, float bpm) = 0;

    virtual void reset() = 0;
};
