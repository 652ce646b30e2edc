#pragma once

#include "../LumAlwaysInline.h"

#include <cmath>

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

// The pieces of runUniComb, for the engine's block loops: the same arithmetic, without the tanh.

// The two slots a read interpolates between, and the weight of the second.
struct UniCombTap
{
    int first;
    int second;
    float frac;
};

// A read d samples back, 0 <= d <= size, as seen from a write index. The whole samples come from the integer
// write index and the fraction from d alone (ceil(d) - d is exact in single precision), so the read lands
// exactly d samples back wherever the write index stands.
LUM_ALWAYS_INLINE UniCombTap uniCombTap(int size, int writeIndex, float d)
{
    const float whole = std::ceil(d);
    const int back = writeIndex - static_cast<int>(whole);
    const int first = back < 0 ? back + size : back;
    return { first, first + 1 < size ? first + 1 : 0, whole - d };
}

LUM_ALWAYS_INLINE float readUniCombTap(const float* buffer, UniCombTap tap)
{
    const float a = buffer[tap.first];
    const float b = buffer[tap.second];
    return a + tap.frac * (b - a);
}

LUM_ALWAYS_INLINE float readUniCombBack(const UniComb* comb, float d)
{
    return readUniCombTap(comb->buffer, uniCombTap(comb->size, comb->writeIndex, d));
}

// Every ring takes its input at this gain.
constexpr float uniCombInputGain = 0.95f;

// What the ring stores for input x.
LUM_ALWAYS_INLINE float uniCombInput(float x, float delayed, float feedback)
{
    return uniCombInputGain * x + feedback * delayed;
}

// What goes through the tanh.
LUM_ALWAYS_INLINE float uniCombOutput(float delayed, float w, float blend, float feedforward)
{
    return feedforward * delayed + blend * w;
}

LUM_ALWAYS_INLINE void writeUniComb(UniComb* comb, float w)
{
    comb->buffer[comb->writeIndex] = w;

    if (++comb->writeIndex >= comb->size)
        comb->writeIndex = 0;
}

// Writes w = 0.95 x + feedback * delayed and returns what goes through the tanh.
LUM_ALWAYS_INLINE float weighUniComb(UniComb* comb, float x, float delayed, float blend, float feedback,
                                     float feedforward)
{
    const float w = uniCombInput(x, delayed, feedback);
    writeUniComb(comb, w);
    return uniCombOutput(delayed, w, blend, feedforward);
}

// Writes count values at the write index, as count calls would.
void writeUniCombRun(UniComb* comb, const float* w, int count);
