#pragma once

#include <cstddef>
#include <vector>

struct StereoSignal
{
    std::vector<float> left;
    std::vector<float> right;

    size_t frames() const { return left.size(); }
};

// Plucked notes with a little noise, different on each side and never above 0.6: the same for every plug-in.
StereoSignal makeTestSignal(double seconds, double rate);

// The signal followed by silence, for watching a tail.
StereoSignal withSilence(StereoSignal signal, double seconds, double rate);
