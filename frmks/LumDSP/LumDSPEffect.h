#pragma once

#include "LumDSPEntity.h"

// An entity that processes stereo blocks; the processor drives its effect only through this interface.
class LumDSPEffect : public LumDSPEntity
{
public:
    explicit LumDSPEffect(float rate) : LumDSPEntity(rate) {}

    virtual void prepare(float rate, int maximumBlockSize)
    {
        sampleRate = rate;
        blockSize = maximumBlockSize;
    }

    virtual void runEffect(const float* inL, const float* inR, float* outL, float* outR, int numSamples, float bpm) = 0;

    virtual void reset() = 0;
};
