#include "LumTPTFilters.h"

#include <algorithm>
#include <cmath>

namespace
{
// At half the sample rate and above the prewarped coefficient leaves (0, 1) and the filter runs away.
constexpr float highestCutoffRatio = 0.49f;
} // namespace

void initTPT(TPTFilter* f)
{
    f->state = 0.0f;
    f->coefficient = 0.0f;
    f->cutoff = 0.0f;
    setTPTCutoff(f, 10000.0f, 44100.0f);
}

void setTPTCutoff(TPTFilter* f, float cutoff, float sampleRate)
{
    if (cutoff == f->cutoff)
        return;

    forceTPTCutoff(f, cutoff, sampleRate);
}

void forceTPTCutoff(TPTFilter* f, float cutoff, float sampleRate)
{
    const float T = 1.0f / sampleRate;
    const float usableCutoff = std::min(cutoff, highestCutoffRatio * sampleRate);
    const float wd = 2.0f * static_cast<float>(M_PI) * usableCutoff;
    const float wa = (2.0f / T) * static_cast<float>(std::tan(static_cast<double>(wd * T / 2.0f)));
    const float g = wa * T / 2.0f;

    f->coefficient = g / (1.0f + g);
    f->cutoff = cutoff;
}

float runTPT(float* state, float x, float coefficient)
{
    const float v = (x - *state) * coefficient;
    const float lp = v + *state;
    *state = lp + v;
    return lp;
}

float runTPT2(TPTFilter* f, int highpass, float x)
{
    const float lp = runTPT(&f->state, x, f->coefficient);
    return highpass == 0 ? lp : x - lp;
}

namespace
{
// One filter as runTPT2 has it, with the state stepping as keep * state + take * x: one multiply and one addition
// between one sample's state and the next. keep = 1 - 2G, and take = 1 - keep holds exactly (of the two
// subtractions at most one rounds), so a constant input is followed exactly, as by the plain form; take differs
// from 2G by at most that one rounding.
struct FastTPT
{
    explicit FastTPT(const TPTFilter* f)
        : state(f->state), coefficient(f->coefficient), keep(1.0f - 2.0f * coefficient), take(1.0f - keep)
    {
    }

    float lowpass(float x)
    {
        const float lp = (x - state) * coefficient + state;
        state = keep * state + take * x;
        return lp;
    }

    float state;
    float coefficient;
    float keep;
    float take;
};
} // namespace

void runTPTHighLow(TPTFilter* highpass[2], TPTFilter* lowpass[2], float* channels[2], int count)
{
    // Named, not in arrays, so that all four states stay in registers and both channels share each pass. Every
    // sample is treated alike, so how a signal is cut into blocks changes nothing.
    FastTPT highL(highpass[0]), lowL(lowpass[0]), highR(highpass[1]), lowR(lowpass[1]);
    float* left = channels[0];
    float* right = channels[1];

    for (int n = 0; n < count; ++n)
    {
        left[n] = lowL.lowpass(left[n] - highL.lowpass(left[n]));
        right[n] = lowR.lowpass(right[n] - highR.lowpass(right[n]));
    }

    highpass[0]->state = highL.state;
    lowpass[0]->state = lowL.state;
    highpass[1]->state = highR.state;
    lowpass[1]->state = lowR.state;
}
