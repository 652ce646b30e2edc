#pragma once

// One-pole filter in topology-preserving-transform form with a prewarped coefficient.
struct TPTFilter
{
    float state;
    float coefficient;
    float cutoff;
};

void initTPT(TPTFilter* f);
void setTPTCutoff(TPTFilter* f, float cutoff, float sampleRate);
float runTPT2(TPTFilter* f, int highpass, float x);
float runTPT(float* state, float x, float coefficient);
