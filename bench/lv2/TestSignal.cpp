#include "TestSignal.h"

#include <cmath>
#include <cstdint>

namespace
{
constexpr double twoPi = 6.283185307179586;
constexpr double noteSeconds = 0.3;

// A fixed generator, so that every run and every plug-in hears the same notes.
struct Random
{
    uint32_t state = 0x9e3779b9u;

    double next()
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 16777216.0;
    }
};

void addPluck(std::vector<float>& channel, size_t start, double frequency, double rate)
{
    const size_t length = static_cast<size_t>(noteSeconds * rate);
    for (size_t n = 0; n < length && start + n < channel.size(); ++n)
    {
        const double t = static_cast<double>(n) / rate;
        const double tone = std::sin(twoPi * frequency * t) + 0.3 * std::sin(2.0 * twoPi * frequency * t);
        channel[start + n] += static_cast<float>(0.35 * std::exp(-8.0 * t) * tone);
    }
}
} // namespace

StereoSignal makeTestSignal(double seconds, double rate)
{
    const size_t frames = static_cast<size_t>(seconds * rate);
    StereoSignal s { std::vector<float>(frames, 0.0f), std::vector<float>(frames, 0.0f) };
    Random random;

    const size_t step = static_cast<size_t>(noteSeconds * rate);
    for (size_t start = 0; start < frames; start += step)
    {
        addPluck(s.left, start, 110.0 * std::pow(2.0, std::floor(random.next() * 36.0) / 12.0), rate);
        addPluck(s.right, start, 110.0 * std::pow(2.0, std::floor(random.next() * 36.0) / 12.0), rate);
    }

    for (size_t n = 0; n < frames; ++n)
    {
        s.left[n] += static_cast<float>(0.02 * (random.next() - 0.5));
        s.right[n] += static_cast<float>(0.02 * (random.next() - 0.5));
    }
    return s;
}

StereoSignal withSilence(StereoSignal signal, double seconds, double rate)
{
    const size_t frames = signal.frames() + static_cast<size_t>(seconds * rate);
    signal.left.resize(frames, 0.0f);
    signal.right.resize(frames, 0.0f);
    return signal;
}
