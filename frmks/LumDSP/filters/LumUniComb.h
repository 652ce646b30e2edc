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

// The pieces of runUniComb, for the engine's block loops: the same arithmetic, without the tanh.

// Where a read d samples back lands, in single precision as the ring has always computed it; the rounding at
// large write indices is part of the sound.
inline float uniCombPosition(const UniComb* comb, float d)
{
    const float position = static_cast<float>(comb->writeIndex) - d;
    return position < 0.0f ? position + static_cast<float>(comb->size) : position;
}

// uniCombPosition as it will be n writes from now.
inline float uniCombPositionAhead(const UniComb* comb, int n, float d)
{
    const int writeIndex = comb->writeIndex + n < comb->size ? comb->writeIndex + n : comb->writeIndex + n - comb->size;
    const float position = static_cast<float>(writeIndex) - d;
    return position < 0.0f ? position + static_cast<float>(comb->size) : position;
}

// The two slots a read at a position interpolates between, and the weight of the second.
struct UniCombTap
{
    int first;
    int second;
    float frac;
};

inline UniCombTap uniCombTap(int size, float position)
{
    int i = static_cast<int>(position);
    const float frac = position - static_cast<float>(i);

    // A position a hair below 0 can round up to exactly size after the wrap; it names slot 0.
    i = i >= size ? i - size : i;
    return { i, i + 1 < size ? i + 1 : 0, frac };
}

inline float readUniCombTap(const float* buffer, UniCombTap tap)
{
    const float a = buffer[tap.first];
    const float b = buffer[tap.second];
    return a + tap.frac * (b - a);
}

inline float readUniCombAt(const UniComb* comb, float position)
{
    return readUniCombTap(comb->buffer, uniCombTap(comb->size, position));
}

// What the ring stores for input x.
inline float uniCombInput(float x, float delayed, float feedback)
{
    return 0.95f * x + feedback * delayed;
}

// What goes through the tanh.
inline float uniCombOutput(float delayed, float w, float blend, float feedforward)
{
    return feedforward * delayed + blend * w;
}

inline void writeUniComb(UniComb* comb, float w)
{
    comb->buffer[comb->writeIndex] = w;

    if (++comb->writeIndex >= comb->size)
        comb->writeIndex = 0;
}

// Writes w = 0.95 x + feedback * delayed and returns what goes through the tanh.
inline float weighUniComb(UniComb* comb, float x, float delayed, float blend, float feedback, float feedforward)
{
    const float w = uniCombInput(x, delayed, feedback);
    writeUniComb(comb, w);
    return uniCombOutput(delayed, w, blend, feedforward);
}

// Writes count values at the write index, as count calls would.
void writeUniCombRun(UniComb* comb, const float* w, int count);
