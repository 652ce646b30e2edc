#pragma once

// One-pole filter in topology-preserving-transform form with a prewarped coefficient.
struct TPTFilter
{
    float state;
    float coefficient;
    float cutoff;
};

void initTPT(TPTFilter* f);
// Recomputes the coefficient only when the cutoff differs from the one it was computed for.
void setTPTCutoff(TPTFilter* f, float cutoff, float sampleRate);
// Recomputes it whatever the cached cutoff, as a change of sample rate needs.
void forceTPTCutoff(TPTFilter* f, float cutoff, float sampleRate);
float runTPT2(TPTFilter* f, int highpass, float x);
float runTPT(float* state, float x, float coefficient);
