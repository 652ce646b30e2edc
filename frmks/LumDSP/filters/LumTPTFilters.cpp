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

    const float keep = 1.0f - 2.0f * f->coefficient;
    float power = 1.0f;
    for (float& p : f->keepPowers)
        p = power *= keep;
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
