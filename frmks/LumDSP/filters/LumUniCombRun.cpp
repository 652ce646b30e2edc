#include "LumUniCombRun.h"

#include "../maths/LumFastMath.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace
{
// The write index n writes from now.
int writeIndexAhead(const UniComb* comb, int n)
{
    const int ahead = comb->writeIndex + n;
    return ahead < comb->size ? ahead : ahead - comb->size;
}

// How many samples in a row may read before any of them writes: a read at least c whole samples back meets no
// value written by the c - 1 samples before it.
int readsAheadOfWrites(float shortestDelay)
{
    return std::max(1, static_cast<int>(std::ceil(shortestDelay)) - 1);
}
} // namespace

LUM_VECTOR_CLONES void runUniCombStretch(UniComb* comb, float* samples, const float* d, const float* feedback,
                                         float blend, float feedforward, int count)
{
    assert(count <= uniCombRunCapacity);
    UniCombTap taps[uniCombRunCapacity];
    float shortest = d[0];
    for (int n = 0; n < count; ++n)
    {
        taps[n] = uniCombTap(comb->size, writeIndexAhead(comb, n), d[n]);
        shortest = std::min(shortest, d[n]);
    }

    const int piece = readsAheadOfWrites(shortest);
    float stored[uniCombRunCapacity];
    for (int start = 0; start < count; start += piece)
    {
        const int end = std::min(count, start + piece);
        for (int n = start; n < end; ++n)
        {
            const float delayed = readUniCombTap(comb->buffer, taps[n]);
            stored[n] = uniCombInput(samples[n], delayed, feedback[n]);
            samples[n] = uniCombOutput(delayed, stored[n], blend, feedforward);
        }
        writeUniCombRun(comb, stored + start, end - start);
    }
}

// The reads of a steady delay run through consecutive slots with one weight, as long as neither they nor the
// writes wrap.
LUM_VECTOR_CLONES void runUniCombSteady(UniComb* comb, float* samples, float d, float feedback, int count)
{
    assert(count <= uniCombRunCapacity);
    const int ahead = readsAheadOfWrites(d);
    float delayed[uniCombRunCapacity];

    for (int start = 0; start < count;)
    {
        const UniCombTap tap = uniCombTap(comb->size, comb->writeIndex, d);
        const int piece = std::min({ count - start, ahead, comb->size - 1 - tap.first, comb->size - comb->writeIndex });
        if (piece == 0) // the read's second slot is slot 0
        {
            samples[start] = weighUniComb(comb, samples[start], readUniCombTap(comb->buffer, tap), 0.0f, feedback, 1.0f);
            ++start;
            continue;
        }

        const float* read = comb->buffer + tap.first;
        float* write = comb->buffer + comb->writeIndex;
        float* x = samples + start;

        for (int k = 0; k < piece; ++k)
            delayed[k] = read[k] + tap.frac * (read[k + 1] - read[k]);
        for (int k = 0; k < piece; ++k)
        {
            write[k] = uniCombInput(x[k], delayed[k], feedback);
            x[k] = delayed[k];
        }

        comb->writeIndex += piece;
        if (comb->writeIndex >= comb->size)
            comb->writeIndex = 0;
        start += piece;
    }
}
