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
// One filter stepping two samples at a time: the state goes straight from s to the state two samples on,
// s + 2G(1 - 2G)(x0 - s) + 2G(x1 - s), so the chain from pair to pair is as short as the chain of one sample was.
// The lowpass outputs of both samples come off that chain.
struct PairStepper
{
    explicit PairStepper(const TPTFilter* f)
        : state(f->state), g(f->coefficient), first(2.0f * g * (1.0f - 2.0f * g)), second(2.0f * g)
    {
    }

    void step(float x0, float x1, float& lp0, float& lp1)
    {
        const float e0 = x0 - state;
        const float v0 = g * e0;
        lp0 = state + v0;
        const float s1 = state + 2.0f * v0;
        lp1 = s1 + g * (x1 - s1);
        state += first * e0 + second * (x1 - state);
    }

    float step(float x)
    {
        const float v = g * (x - state);
        const float lp = state + v;
        state += 2.0f * v;
        return lp;
    }

    float state;
    float g;
    float first;
    float second;
};
} // namespace

namespace
{
// The highpass then the lowpass over one pair of samples of one channel, in place.
void stepHighLow(PairStepper& high, PairStepper& low, float* x)
{
    float lp0 = 0.0f;
    float lp1 = 0.0f;
    high.step(x[0], x[1], lp0, lp1);
    low.step(x[0] - lp0, x[1] - lp1, x[0], x[1]);
}
} // namespace

void runTPTHighLow(TPTFilter* highpass[2], TPTFilter* lowpass[2], float* channels[2], int count)
{
    // Named, not in arrays, so that all four states stay in registers and both channels share each pass.
    PairStepper highL(highpass[0]), lowL(lowpass[0]), highR(highpass[1]), lowR(lowpass[1]);
    float* left = channels[0];
    float* right = channels[1];

    int n = 0;
    for (; n + 1 < count; n += 2)
    {
        stepHighLow(highL, lowL, left + n);
        stepHighLow(highR, lowR, right + n);
    }

    if (n < count)
    {
        left[n] = lowL.step(left[n] - highL.step(left[n]));
        right[n] = lowR.step(right[n] - highR.step(right[n]));
    }

    highpass[0]->state = highL.state;
    lowpass[0]->state = lowL.state;
    highpass[1]->state = highR.state;
    lowpass[1]->state = lowR.state;
}
