// The modulation stage over a stretch of a block (see doMod for one sample).
#include "LumDigiDelayBlock.h"

#include "../maths/LumFastMath.h"
#include "LumDigiDelaySteps.h"

#include <algorithm>
#include <cmath>

namespace
{
using Chunk = LumDigiDelayBlockPath::Chunk;

void glideAmount(LumDigiDelay& engine, float* amount, int count)
{
    if (engine.smoothModAmount == engine.modAmount)
    {
        std::fill_n(amount, count, engine.smoothModAmount);
        return;
    }

    for (int n = 0; n < count; ++n)
        engine.smoothModAmount = amount[n] = glide(engine.smoothModAmount, engine.modAmount, engine.modSmoothCoef);
}

// The phases the per-sample recurrence visits from phase, into phases; returns the one after them.
float runPhases(float phase, float increment, float* phases, int count)
{
    for (int n = 0; n < count; ++n)
    {
        phases[n] = phase;
        phase = advancePhase(phase, increment);
    }
    return phase;
}

// The sine of the left phase and the cosine of the right one.
LUM_VECTOR_CLONES void fillLfo(float* lfoL, float* lfoR, const float* phaseL, const float* phaseR, int count)
{
    for (int n = 0; n < count; ++n)
    {
        lfoL[n] = fastSinCos(phaseL[n]).sin;
        lfoR[n] = fastSinCos(phaseR[n]).cos;
    }
}

void runLfo(LumDigiDelay& engine, float increment, float* lfoL, float* lfoR, int count)
{
    float phaseL[Chunk::capacity];
    float phaseR[Chunk::capacity];
    engine.lfoPhaseL = runPhases(engine.lfoPhaseL, increment, phaseL, count);
    engine.lfoPhaseR = runPhases(engine.lfoPhaseR, increment, phaseR, count);
    fillLfo(lfoL, lfoR, phaseL, phaseR, count);
}

struct Weights
{
    float blend;
    float feedback;
    float feedforward;
};

LUM_VECTOR_CLONES void runModLine(const LumDigiDelay& engine, UniComb* ring, float* samples, const float* amount,
                                  const float* lfo, const float* mainDelay, Weights weights, int count)
{
    const LumDigiDelay::DelayLimits limits = engine.delayLimits(ring);
    const float rate = engine.engineSampleRate;
    float d[Chunk::capacity];
    float feedback[Chunk::capacity];

    for (int n = 0; n < count; ++n)
    {
        d[n] = LumDigiDelay::limitDelay(engine.modLineDelay(amount[n] * lfo[n], mainDelay[n]), limits) * rate;
        feedback[n] = weights.feedback;
    }
    runUniCombStretch(ring, samples, d, feedback, weights.blend, weights.feedforward, count);
}

LUM_VECTOR_CLONES void runPhaser(LumDigiDelay& engine, Chunk& chunk, const float* amount, const float* lfoL)
{
    const int count = chunk.size;
    const float rate = engine.engineSampleRate;
    const float oneSample = 1.0f / rate;
    const float dL = engine.limitedDelaySeconds(oneSample, engine.modLineL) * rate;
    const float dR = engine.limitedDelaySeconds(oneSample, engine.modLineR) * rate;
    float coefficient[Chunk::capacity];

    // Everything that does not wait for the previous output, ahead of the loop. (t - 1) / (t + 1) with
    // t = sin / cos is (sin - cos) / (sin + cos): one division instead of two.
    for (int n = 0; n < count; ++n)
    {
        const SinCos turn = fastSinCos(engine.phaserArgument(amount[n], lfoL[n]));
        coefficient[n] = (turn.sin - turn.cos) / (turn.sin + turn.cos);
    }

    const float share = 0.95f * engine.modFeedback;
    UniComb left = *engine.modLineL; // copies: writes through float pointers could otherwise change them
    UniComb right = *engine.modLineR;

    // Each channel's input takes the other's last output, so this goes one sample at a time, and the path from
    // one output to the next is what costs: the weights of runUniComb (blend a, feedback -a, feedforward 1) are
    // gathered so that the last output meets one multiply and one subtraction before the tanh. Both channels
    // share each vector operation, left in the first lane and right in the second.
    using Pair = float __attribute__((vector_size(16)));
    Pair last = { engine.lastModOutL, engine.lastModOutR, 0.0f, 0.0f };

    for (int n = 0; n < count; ++n)
    {
        const float a = coefficient[n];
        const Pair delayed = { readUniCombBack(&left, dL), readUniCombBack(&right, dR), 0.0f, 0.0f };
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

    engine.modLineL->writeIndex = left.writeIndex;
    engine.modLineR->writeIndex = right.writeIndex;
}

// Pan moves the two gains in quadrature; Tremolo moves both with the left, sine LFO.
LUM_VECTOR_CLONES void scale(Chunk& chunk, const float* amount, const float* lfoL, const float* rightLfo)
{
    for (int n = 0; n < chunk.size; ++n)
    {
        const float mL = amount[n] * lfoL[n];
        const float mR = amount[n] * rightLfo[n];
        chunk.wetL[n] = (1.0f - amount[n]) * chunk.wetL[n] + mL * chunk.wetL[n];
        chunk.wetR[n] = (1.0f - amount[n]) * chunk.wetR[n] + mR * chunk.wetR[n];
    }
}
} // namespace

void LumDigiDelayBlockPath::modStage(LumDigiDelay& engine, Chunk& chunk)
{
    const int count = chunk.size;
    float amount[Chunk::capacity];
    float lfoL[Chunk::capacity];
    float lfoR[Chunk::capacity];

    glideAmount(engine, amount, count);
    engine.setModLineShape();
    runLfo(engine, engine.phaseIncrement(), lfoL, lfoR, count);

    switch (engine.modType)
    {
        case LumDigiDelay::chorus:
        case LumDigiDelay::vibrato:
        case LumDigiDelay::flanger:
        case LumDigiDelay::delayType:
        {
            const LumDigiDelay::LineWeights w = engine.lineWeights();
            const Weights weights { w.blend, w.feedback, w.feedforward };
            runModLine(engine, engine.modLineL, chunk.wetL, amount, lfoL, chunk.timeL, weights, count);
            runModLine(engine, engine.modLineR, chunk.wetR, amount, lfoR, chunk.timeR, weights, count);
            tanhInPlace(chunk.wetL, count);
            tanhInPlace(chunk.wetR, count);
            break;
        }
        case LumDigiDelay::pan: scale(chunk, amount, lfoL, lfoR); break;
        case LumDigiDelay::tremolo: scale(chunk, amount, lfoL, lfoL); break;
        case LumDigiDelay::phaser: runPhaser(engine, chunk, amount, lfoL); break;
        default:
            std::fill_n(chunk.wetL, count, 0.0f);
            std::fill_n(chunk.wetR, count, 0.0f);
            break;
    }

    engine.lastModOutL = chunk.wetL[count - 1];
    engine.lastModOutR = chunk.wetR[count - 1];
}
