#pragma once

// A ring of samples with a fractional-delay read, wired as a universal comb:
// w = 0.95 x + feedback * delayed, y = tanh(feedforward * delayed + blend * w).
struct UniComb
{
    float* buffer;
    int size;
    int writeIndex;
};

void initUniComb(UniComb** comb, int size);
void deleteUniComb(UniComb* comb);
void resetUniComb(UniComb* comb);

float runUniComb(UniComb* comb, float x, float delaySeconds, float blend, float feedback, float feedforward,
                 float sampleRate);

float uniCombGetSampleWithTimeDelay(UniComb* comb, float seconds, float sampleRate);
float uniCombGetSampleWithDelay(UniComb* comb, float samples);
