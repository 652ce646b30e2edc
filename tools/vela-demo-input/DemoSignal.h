#pragma once

#include <vector>

// A few seconds of stereo material with clear transients, so that echoes are easy to hear.
struct StereoSignal
{
    int sampleRate;
    std::vector<float> left;
    std::vector<float> right;
};

StereoSignal makeDemoSignal(int sampleRate, double seconds);
