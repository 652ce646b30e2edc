#pragma once

#include "LumUniComb.h"

// Stretches of samples through a ring, as runUniComb would take them one by one, less the tanh: each sample
// reads, then writes 0.95 x + feedback * delayed and leaves feedforward * delayed + blend * w in its place.

constexpr int uniCombRunCapacity = 128;

// Sample n reads d[n] samples back (1 <= d[n] < size) with feedback[n]. At most uniCombRunCapacity samples.
void runUniCombStretch(UniComb* comb, float* samples, const float* d, const float* feedback, float blend,
                       float feedforward, int count);

// An echo line (blend 0, feedforward 1) whose delay and feedback hold for the whole stretch.
void runUniCombSteady(UniComb* comb, float* samples, float d, float feedback, int count);
