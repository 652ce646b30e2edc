// The modulation stage over a stretch of a block (see doMod for one sample).
#include "LumDigiDelayBlock.h"

#include "LumDigiDelayLoops.h"
#include "LumDigiDelaySteps.h"

#include <algorithm>

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

// The Delay type's lines follow the main delay's time of every sample: a stretch where the smoothers hold has
// them filled in here.
void mainDelayTimes(const LumDigiDelay& engine, Chunk& chunk)
{
    if (! chunk.smoothersHold)
        return;

    std::fill_n(chunk.timeL, chunk.size, engine.smoothTimeL);
    std::fill_n(chunk.timeR, chunk.size, engine.smoothTimeR);
}

} // namespace

void LumDigiDelayBlockPath::modStage(LumDigiDelay& engine, const LumDigiDelayLoops& loops, Chunk& chunk)
{
    const int count = chunk.size;
    float amount[Chunk::capacity];
    float lfoL[Chunk::capacity];
    float lfoR[Chunk::capacity];

    glideAmount(engine, amount, count);
    engine.setModLineShape();
    const uint32_t increment = engine.phaseIncrement();
    loops.fillLfo(lfoL, lfoR, engine.lfoPhaseL, engine.lfoPhaseR, increment, count);
    engine.lfoPhaseL += static_cast<uint32_t>(count) * increment;
    engine.lfoPhaseR += static_cast<uint32_t>(count) * increment;

    switch (engine.modType)
    {
        case LumDigiDelay::chorus:
        case LumDigiDelay::vibrato:
        case LumDigiDelay::flanger:
        case LumDigiDelay::delayType:
        {
            const LumDigiDelay::LineWeights weights = engine.lineWeights();
            float feedback[Chunk::capacity];
            std::fill_n(feedback, count, weights.feedback);

            if (engine.modType == LumDigiDelay::delayType)
                mainDelayTimes(engine, chunk);

            float d[Chunk::capacity];
            loops.modLineDelays(engine, engine.modLineL, amount, lfoL, chunk.timeL, d, count);
            loops.runRingStretch(engine.modLineL, chunk.wetL, d, feedback, weights.blend, weights.feedforward, count);
            loops.modLineDelays(engine, engine.modLineR, amount, lfoR, chunk.timeR, d, count);
            loops.runRingStretch(engine.modLineR, chunk.wetR, d, feedback, weights.blend, weights.feedforward, count);
            break;
        }
        case LumDigiDelay::pan: loops.scale(chunk, amount, lfoL, lfoR); break;
        case LumDigiDelay::tremolo: loops.scale(chunk, amount, lfoL, lfoL); break;
        case LumDigiDelay::phaser: loops.runPhaser(engine, chunk, amount, lfoL); break;
        default:
            std::fill_n(chunk.wetL, count, 0.0f);
            std::fill_n(chunk.wetR, count, 0.0f);
            break;
    }

    engine.lastModOutL = chunk.wetL[count - 1];
    engine.lastModOutR = chunk.wetR[count - 1];
}
