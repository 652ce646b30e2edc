#include "LumUniComb.h"

#include <algorithm>
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

// A large buffer from calloc is untouched pages of zeros; writing one value per page now takes the page faults
// here, on the thread that prepares, instead of on the audio thread while the ring fills.
void touchPages(float* buffer, int size)
{
    constexpr int floatsPerPage = 1024;
    volatile float* slots = buffer;
    for (int i = 0; i < size; i += floatsPerPage)
        slots[i] = 0.0f;
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
    touchPages(record->buffer, size);
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
    const float delayed = readUniCombBack(comb, delaySeconds * sampleRate);
    return std::tanh(weighUniComb(comb, x, delayed, blend, feedback, feedforward));
}

void writeUniCombRun(UniComb* comb, const float* w, int count)
{
    const int first = std::min(count, comb->size - comb->writeIndex);
    std::copy(w, w + first, comb->buffer + comb->writeIndex);
    std::copy(w + first, w + count, comb->buffer);
    comb->writeIndex = count > first ? count - first : comb->writeIndex + first;

    if (comb->writeIndex >= comb->size)
        comb->writeIndex = 0;
}

float uniCombGetSampleWithTimeDelay(UniComb* comb, float seconds, float sampleRate)
{
    return readSlotsBack(comb, static_cast<long long>(seconds * sampleRate));
}

float uniCombGetSampleWithDelay(UniComb* comb, float samples)
{
    return readSlotsBack(comb, static_cast<long long>(samples));
}
