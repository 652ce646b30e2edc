#include "LumUniComb.h"

#include <cmath>
#include <cstdlib>

namespace
{
// Brings any whole slot offset back into [0, size).
int foldIndex(long long index, int size)
{
    const long long folded = index % size;
    return static_cast<int>(folded < 0 ? folded + size : folded);
}

float readSlotsBack(const UniComb* comb, long long slotsBack)
{
    return comb->buffer[foldIndex(comb->writeIndex - slotsBack, comb->size)];
}
} // namespace

void initUniComb(UniComb** comb, int size)
{
    auto* record = static_cast<UniComb*>(std::calloc(1, sizeof(UniComb)));
    record->buffer = static_cast<float*>(std::calloc(static_cast<size_t>(size), sizeof(float)));
    record->size = size;
    record->writeIndex = 0;
    *comb = record;
}

void deleteUniComb(UniComb* comb)
{
    std::free(comb->buffer);
    std::free(comb);
}

void resetUniComb(UniComb* comb)
{
    for (int i = 0; i < comb->size; ++i)
        comb->buffer[i] = 0.0f;

    comb->writeIndex = 0;
}

float runUniComb(UniComb* comb, float x, float delaySeconds, float blend, float feedback, float feedforward,
                 float sampleRate)
{
    const float d = delaySeconds * sampleRate;
    float position = static_cast<float>(comb->writeIndex) - d;

    if (position < 0.0f)
        position += static_cast<float>(comb->size);

    int i = static_cast<int>(position);
    const float frac = position - static_cast<float>(i);

    // A position a hair below 0 can round up to exactly size after the wrap; it names slot 0.
    if (i >= comb->size)
        i -= comb->size;

    const float a = comb->buffer[i];
    const float b = comb->buffer[i + 1 < comb->size ? i + 1 : 0];
    const float delayed = a + frac * (b - a);

    const float w = 0.95f * x + feedback * delayed;
    const float y = std::tanh(feedforward * delayed + blend * w);

    comb->buffer[comb->writeIndex] = w;

    if (++comb->writeIndex >= comb->size)
        comb->writeIndex = 0;

    return y;
}

float uniCombGetSampleWithTimeDelay(UniComb* comb, float seconds, float sampleRate)
{
    return readSlotsBack(comb, static_cast<long long>(seconds * sampleRate));
}

float uniCombGetSampleWithDelay(UniComb* comb, float samples)
{
    return readSlotsBack(comb, static_cast<long long>(samples));
}
