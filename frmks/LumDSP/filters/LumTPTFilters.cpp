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

void runTPTHighLow(TPTFilter* highpass[2], TPTFilter* lowpass[2], float* channels[2], int count)
{
    float highState[2] = { highpass[0]->state, highpass[1]->state };
    float lowState[2] = { lowpass[0]->state, lowpass[1]->state };
    const float highG[2] = { highpass[0]->coefficient, highpass[1]->coefficient };
    const float lowG[2] = { lowpass[0]->coefficient, lowpass[1]->coefficient };

    for (int n = 0; n < count; ++n)
    {
        for (int c = 0; c < 2; ++c)
        {
            const float x = channels[c][n];
            const float highV = (x - highState[c]) * highG[c];
            const float high = x - (highV + highState[c]);
            highState[c] += 2.0f * highV;

            const float lowV = (high - lowState[c]) * lowG[c];
            channels[c][n] = lowV + lowState[c];
            lowState[c] += 2.0f * lowV;
        }
    }

    for (int c = 0; c < 2; ++c)
    {
        highpass[c]->state = highState[c];
        lowpass[c]->state = lowState[c];
    }
}
