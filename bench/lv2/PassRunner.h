#pragma once

#include "Contenders.h"
#include "HostMessages.h"
#include "TestSignal.h"

#include <lilv/lilv.h>

#include <vector>

struct TimedWindow
{
    double cpuSeconds;
    size_t frames;
};

struct PassTimes
{
    double cpuSeconds = 0.0; // the block loop alone: instantiation and activation are not counted
    std::vector<TimedWindow> windows; // the same in consecutive stretches, when asked for
    double outputRms = 0.0;
};

// Runs one contender over a whole signal in blocks, as a host's audio thread would, on a fresh instance.
class PassRunner
{
public:
    PassRunner(LilvWorld* world, UridMap& urids, double rate, int blockSize, float bpm);

    PassTimes run(const LilvPlugin* plugin, const Contender& contender, const StereoSignal& input,
                  size_t windowFrames = 0);

private:
    std::vector<ParameterChange> parameterChanges(const Contender& contender);

    LilvWorld* world;
    UridMap& urids;
    HostMessages messages;
    double rate;
    int blockSize;
    float bpm;
};
