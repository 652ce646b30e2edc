#include "DemoSignal.h"

#include <cmath>

namespace
{
struct Pluck
{
    double start;     // seconds
    double frequency; // Hz
    double pan;       // 0 left .. 1 right
};

constexpr double pi = 3.14159265358979323846;

// A decaying tone with a click at its start: short enough for its echoes to stand apart.
double pluckAt(const Pluck& pluck, double t)
{
    const double age = t - pluck.start;
    if (age < 0.0 || age > 0.6)
        return 0.0;

    const double tone = std::sin(2.0 * pi * pluck.frequency * age) + 0.3 * std::sin(4.0 * pi * pluck.frequency * age);
    const double click = age < 0.002 ? 1.0 - age / 0.002 : 0.0;
    return 0.35 * std::exp(-age * 9.0) * tone + 0.2 * click;
}
} // namespace

StereoSignal makeDemoSignal(int sampleRate, double seconds)
{
    const Pluck plucks[] = {
        { 0.10, 220.0, 0.5 }, { 0.60, 330.0, 0.2 }, { 1.10, 440.0, 0.8 }, { 1.35, 392.0, 0.5 }, { 2.20, 262.0, 0.5 },
    };

    StereoSignal signal { sampleRate, {}, {} };
    const auto length = static_cast<size_t>(seconds * sampleRate);
    signal.left.resize(length);
    signal.right.resize(length);

    for (size_t n = 0; n < length; ++n)
    {
        const double t = static_cast<double>(n) / sampleRate;
        double l = 0.0, r = 0.0;
        for (const Pluck& pluck : plucks)
        {
            const double v = pluckAt(pluck, t);
            l += v * (1.0 - pluck.pan);
            r += v * pluck.pan;
        }
        signal.left[n] = static_cast<float>(l);
        signal.right[n] = static_cast<float>(r);
    }

    return signal;
}
