// The modulation stage over a stretch of a block (see doMod for one sample).
#include "LumDigiDelay.h"

#include "../maths/LumFastMath.h"
#include "LumDigiDelaySteps.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

void LumDigiDelay::doModChunk(Chunk& chunk)
{
    const int count = chunk.size;
    float amount[Chunk::capacity];
    float lfoL[Chunk::capacity];
    float lfoR[Chunk::capacity];
    float phaseL[Chunk::capacity];
    float phaseR[Chunk::capacity];

    glideModAmount(amount, count);
    setModLineShape();
    runLfo(lfoL, lfoR, phaseL, phaseR, count);

    switch (modType)
    {
        case chorus:
        case vibrato:
        case flanger:
        case delayType:
            runModLine(modLineL, chunk.wetL, amount, lfoL, phaseL, chunk.timeL, false, count);
            runModLine(modLineR, chunk.wetR, amount, lfoR, phaseR, chunk.timeR, true, count);
            tanhInPlace(chunk.wetL, count);
            tanhInPlace(chunk.wetR, count);
            break;
        case pan:
        case tremolo: scaleChunk(chunk, amount, lfoL, lfoR); break;
        case phaser: runPhaserChunk(chunk, amount, lfoL); break;
        default:
            std::fill_n(chunk.wetL, count, 0.0f);
            std::fill_n(chunk.wetR, count, 0.0f);
            break;
    }

    lastModOutL = chunk.wetL[count - 1];
    lastModOutR = chunk.wetR[count - 1];
}

void LumDigiDelay::glideModAmount(float* amount, int count)
{
    if (smoothModAmount == modAmount)
    {
        std::fill_n(amount, count, smoothModAmount);
        return;
    }

    for (int n = 0; n < count; ++n)
        smoothModAmount = amount[n] = glide(smoothModAmount, modAmount, modSmoothCoef);
}

namespace
{
int32_t bitsOf(float x)
{
    int32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

float floatOf(int32_t bits)
{
    float x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// The index of the first nonzero flag in [from, to), or to; flags past to must be zero for eight bytes.
int firstFlag(const uint8_t* flags, int from, int to)
{
    for (; from < to && from % 8 != 0; ++from)
        if (flags[from] != 0)
            return from;

    for (int group = from; group < to; group += 8)
    {
        uint64_t word;
        std::memcpy(&word, flags + group, sizeof word);
        if (word != 0)
            return std::min(to, group + __builtin_ctzll(word) / 8);
    }
    return to;
}
} // namespace

// The phases the per-sample recurrence visits from phase, into phases; returns the one after them. Inside one
// binade and short of the wrap every step adds the same number of ulps, so the rest of the stretch is predicted
// that way, and the prediction is kept as far as the recurrence confirms it, step by step.
LUM_VECTOR_CLONES float LumDigiDelay::runPhases(float phase, float increment, float* phases, int count)
{
    uint8_t wrong[Chunk::capacity + 8] = {};

    for (int n = 0; n < count;)
    {
        phases[n] = phase;
        const int32_t first = bitsOf(phase);
        const int32_t step = bitsOf(advancePhase(phase, increment)) - first;

        // Unsigned, so that a prediction running past the wrap overflows without harm; it is refused below.
        for (int k = n + 1; k < count; ++k)
            phases[k] = floatOf(static_cast<int32_t>(static_cast<uint32_t>(first)
                                                     + static_cast<uint32_t>(k - n) * static_cast<uint32_t>(step)));
        for (int k = n + 1; k < count; ++k)
            wrong[k] = advancePhase(phases[k - 1], increment) != phases[k] ? 1 : 0;

        const int confirmed = firstFlag(wrong, n + 1, count);
        phase = advancePhase(phases[confirmed - 1], increment);
        n = confirmed;
    }
    return phase;
}

void LumDigiDelay::runLfo(float* lfoL, float* lfoR, float* phaseL, float* phaseR, int count)
{
    const float increment = phaseIncrement();
    const bool together = lfoPhaseL == lfoPhaseR;

    lfoPhaseL = runPhases(lfoPhaseL, increment, phaseL, count);
    lfoPhaseR = together ? lfoPhaseL : runPhases(lfoPhaseR, increment, phaseR, count);
    if (together)
        std::copy(phaseL, phaseL + count, phaseR);

    fillLfo(lfoL, lfoR, phaseL, phaseR, together, count);
}

// The sine of the left phase and the cosine of the right one; one evaluation serves both while they agree.
LUM_VECTOR_CLONES void LumDigiDelay::fillLfo(float* lfoL, float* lfoR, const float* phaseL, const float* phaseR,
                                             bool together, int count)
{
    if (together)
    {
        for (int n = 0; n < count; ++n)
        {
            const SinCos both = fastSinCos(phaseL[n]);
            lfoL[n] = both.sin;
            lfoR[n] = both.cos;
        }
        return;
    }

    for (int n = 0; n < count; ++n)
    {
        lfoL[n] = fastSinCos(phaseL[n]).sin;
        lfoR[n] = fastSinCos(phaseR[n]).cos;
    }
}

// The ring rounds its read position to a grid as coarse as 1/64 sample, so an LFO value an ulp away from the C
// library's can read a neighbouring point: a clear difference in a bright signal. The approximation is used
// where both ends of its error bound give the same position, which is nearly always; elsewhere the library's
// value decides.
LUM_VECTOR_CLONES void LumDigiDelay::runModLine(UniComb* ring, float* samples, const float* amount, const float* lfo,
                                                const float* phase, const float* mainDelay, bool cosine, int count)
{
    const DelayLimits limits = delayLimits(ring);
    const float rate = engineSampleRate;
    float position[Chunk::capacity];
    float upper[Chunk::capacity];
    float shortest[Chunk::capacity];

    const auto delayFor = [&](int n, float m) { return limitDelay(modLineDelay(m, mainDelay[n]), limits) * rate; };

    for (int n = 0; n < count; ++n)
    {
        const float magnitude = std::fabs(lfo[n]);
        shortest[n] = delayFor(n, amount[n] * std::max(magnitude - fastSinCosError, 0.0f));
        position[n] = uniCombPositionAhead(ring, n, shortest[n]);
        upper[n] = uniCombPositionAhead(ring, n, delayFor(n, amount[n] * (magnitude + fastSinCosError)));
    }

    // The few samples the bound leaves open: flagged in one vector pass, then found eight flags at a time.
    static_assert(Chunk::capacity % 8 == 0, "flags are read eight at a time");
    uint8_t open[Chunk::capacity] = {};
    for (int n = 0; n < count; ++n)
        open[n] = position[n] != upper[n] ? 1 : 0;

    for (int group = 0; group < count; group += 8)
    {
        uint64_t flags;
        std::memcpy(&flags, open + group, sizeof flags);
        for (; flags != 0; flags &= flags - 1)
        {
            const int n = group + __builtin_ctzll(flags) / 8;
            const float exact = cosine ? std::cos(phase[n]) : std::sin(phase[n]);
            position[n] = uniCombPositionAhead(ring, n, delayFor(n, amount[n] * exact));
        }
    }

    const LineWeights weights = lineWeights();
    float feedbackShare[Chunk::capacity];
    std::fill_n(feedbackShare, count, weights.feedback);
    runRing(ring, samples, position, shortest, feedbackShare, weights.blend, weights.feedforward, count);
}

LUM_VECTOR_CLONES void LumDigiDelay::runPhaserChunk(Chunk& chunk, const float* amount, const float* lfoL)
{
    const int count = chunk.size;
    const float oneSample = 1.0f / engineSampleRate;
    const float dL = limitedDelaySeconds(oneSample, modLineL) * engineSampleRate;
    const float dR = limitedDelaySeconds(oneSample, modLineR) * engineSampleRate;
    float coefficient[Chunk::capacity];
    float positionL[Chunk::capacity];
    float positionR[Chunk::capacity];

    // Everything that does not wait for the previous output, ahead of the loop. (t - 1) / (t + 1) with
    // t = sin / cos is (sin - cos) / (sin + cos): one division instead of two.
    for (int n = 0; n < count; ++n)
    {
        const SinCos turn = fastSinCos(phaserArgument(amount[n], lfoL[n]));
        coefficient[n] = (turn.sin - turn.cos) / (turn.sin + turn.cos);
        positionL[n] = uniCombPositionAhead(modLineL, n, dL);
        positionR[n] = uniCombPositionAhead(modLineR, n, dR);
    }

    const float share = 0.95f * modFeedback;
    UniComb left = *modLineL; // copies, for the reason given at runDelayLine
    UniComb right = *modLineR;

    // Each channel's input takes the other's last output, so this goes one sample at a time, and the path from
    // one output to the next is what costs: the weights of runUniComb (blend a, feedback -a, feedforward 1) are
    // gathered so that the last output meets one multiply and one subtraction before the tanh. Both channels
    // share each vector operation, left in the first lane and right in the second.
    using Pair = float __attribute__((vector_size(16)));
    Pair last = { lastModOutL, lastModOutR, 0.0f, 0.0f };

    for (int n = 0; n < count; ++n)
    {
        const float a = coefficient[n];
        const Pair delayed = { readUniCombAt(&left, positionL[n]), readUniCombAt(&right, positionR[n]), 0.0f, 0.0f };
        const Pair input = { chunk.wetL[n], chunk.wetR[n], 0.0f, 0.0f };
        const Pair other = { last[1], last[0], 0.0f, 0.0f };
        const Pair rest = 0.95f * input - a * delayed;
        const Pair stored = rest - share * other;
        writeUniComb(&left, stored[0]);
        writeUniComb(&right, stored[1]);

        last = fastTanhOf((delayed + a * rest) - (a * share) * other);
        chunk.wetL[n] = last[0];
        chunk.wetR[n] = last[1];
    }

    modLineL->writeIndex = left.writeIndex;
    modLineR->writeIndex = right.writeIndex;
    lastModOutL = last[0];
    lastModOutR = last[1];
}

// Pan moves the two gains in quadrature; Tremolo moves both with the left, sine LFO.
LUM_VECTOR_CLONES void LumDigiDelay::scaleChunk(Chunk& chunk, const float* amount, const float* lfoL, const float* lfoR)
{
    const float* rightLfo = modType == pan ? lfoR : lfoL;

    for (int n = 0; n < chunk.size; ++n)
    {
        const float mL = amount[n] * lfoL[n];
        const float mR = amount[n] * rightLfo[n];
        chunk.wetL[n] = (1.0f - amount[n]) * chunk.wetL[n] + mL * chunk.wetL[n];
        chunk.wetR[n] = (1.0f - amount[n]) * chunk.wetR[n] + mR * chunk.wetR[n];
    }
}
