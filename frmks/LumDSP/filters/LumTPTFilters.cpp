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
// One sample through one filter, as runTPT does, but with the state stepping as state + 2 v instead of
// (v + state) + v: one addition less between one sample's state and the next.
float stepTPT(float& state, float coefficient, float x)
{
    const float v = (x - state) * coefficient;
    const float lp = v + state;
    state += 2.0f * v;
    return lp;
}
} // namespace

void runTPTHighLow(TPTFilter* highpass[2], TPTFilter* lowpass[2], float* channels[2], int count)
{
    // Named, not in arrays, so that all four states stay in registers and both channels share each pass. Every
    // sample is treated alike, so how a signal is cut into blocks changes nothing.
    float highL = highpass[0]->state, lowL = lowpass[0]->state, highR = highpass[1]->state, lowR = lowpass[1]->state;
    const float gHigh[2] = { highpass[0]->coefficient, highpass[1]->coefficient };
    const float gLow[2] = { lowpass[0]->coefficient, lowpass[1]->coefficient };
    float* left = channels[0];
    float* right = channels[1];

    for (int n = 0; n < count; ++n)
    {
        left[n] = stepTPT(lowL, gLow[0], left[n] - stepTPT(highL, gHigh[0], left[n]));
        right[n] = stepTPT(lowR, gLow[1], right[n] - stepTPT(highR, gHigh[1], right[n]));
    }

    highpass[0]->state = highL;
    lowpass[0]->state = lowL;
    highpass[1]->state = highR;
    lowpass[1]->state = lowR;
}
