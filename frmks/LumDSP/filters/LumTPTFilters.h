#pragma once

// One-pole filter in topology-preserving-transform form with a prewarped coefficient.
struct TPTFilter
{
    static constexpr int scanLength = 16;

    float state;
    float coefficient;
    float cutoff;
    // keep^1 ... keep^16 of the state's step s' = keep * s + (1 - keep) * x, keep = 1 - 2 * coefficient: what the
    // block path's filter scan needs, computed with the coefficient rather than for every stretch.
    float keepPowers[scanLength];
};

void initTPT(TPTFilter* f);
// Recomputes the coefficient only when the cutoff differs from the one it was computed for.
void setTPTCutoff(TPTFilter* f, float cutoff, float sampleRate);
// Recomputes it whatever the cached cutoff, as a change of sample rate needs.
void forceTPTCutoff(TPTFilter* f, float cutoff, float sampleRate);
float runTPT2(TPTFilter* f, int highpass, float x);
float runTPT(float* state, float x, float coefficient);
