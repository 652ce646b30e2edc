// The chain over stretches of a block: input, smoothers, the delay and filter stages, and the mix.
#include "LumDigiDelayBlock.h"

#include "../LumFlushDenormals.h"
#include "../maths/LumFastMath.h"
#include "LumDigiDelayLoops.h"
#include "LumDigiDelaySteps.h"

#include <algorithm>
#include <cmath>

void LumDigiDelay::runEffect(const float* inL, const float* inR, float* outL, float* outR, int numSamples,
                             float tempo)
{
    LumDigiDelayBlockPath::run(*this, inL, inR, outL, outR, numSamples, tempo);
}

void LumDigiDelayBlockPath::run(LumDigiDelay& engine, const float* inL, const float* inR, float* outL, float* outR,
                                int numSamples, float tempo)
{
    const LumFlushDenormals flushDenormals;
    const float blockMix = engine.beginBlock(tempo);
    const LumDigiDelayLoops& loops = lumDigiDelayLoops();

    // Parameters and tempo hold for the whole block, and so do the delay times they ask for.
    float targetL = 0.0f;
    float targetR = 0.0f;
    engine.targetDelayTimes(targetL, targetR);

    Chunk chunk;
    for (int start = 0; start < numSamples; start += Chunk::capacity)
    {
        chunk.size = std::min(Chunk::capacity, numSamples - start);
        runChunk(engine, loops, inL + start, inR + start, outL + start, outR + start, chunk, targetL, targetR,
                 blockMix);
    }
}

// Every input is read before any output is written: the buffers may be the same.
void LumDigiDelayBlockPath::runChunk(LumDigiDelay& engine, const LumDigiDelayLoops& loops, const float* inL,
                                     const float* inR, float* outL, float* outR, Chunk& chunk, float targetL,
                                     float targetR, float blockMix)
{
    loops.takeInput(inL, inR, chunk);
    glide(engine, chunk, targetL, targetR);

    runStage(engine, loops, engine.preModStage, chunk);
    runStage(engine, loops, engine.filterStage, chunk);
    if (! engine.bypassDelay)
        runStage(engine, loops, engine.delayStage, chunk);
    runStage(engine, loops, engine.postModStage, chunk);

    if (! engine.ducker.idle(engine.duck))
        duckStage(engine, chunk);
    loops.mix(chunk, blockMix, outL, outR);
}

// Sample by sample, as the reference does: the ducker may fall idle within the stretch.
void LumDigiDelayBlockPath::duckStage(LumDigiDelay& engine, Chunk& chunk)
{
    for (int n = 0; n < chunk.size; ++n)
    {
        if (engine.ducker.idle(engine.duck))
            continue;

        const float gain = engine.ducker.step(chunk.dryL[n], chunk.dryR[n], engine.duck);
        chunk.wetL[n] *= gain;
        chunk.wetR[n] *= gain;
    }
}

void LumDigiDelayBlockPath::glide(LumDigiDelay& engine, Chunk& chunk, float targetL, float targetR)
{
    const int count = chunk.size;

    chunk.smoothersHold =
        engine.smoothTimeL == targetL && engine.smoothTimeR == targetR && engine.smoothFeedback == engine.feedback;
    if (chunk.smoothersHold)
        return;

    for (int n = 0; n < count; ++n)
    {
        engine.smoothTimeL = chunk.timeL[n] = ::glide(engine.smoothTimeL, targetL, engine.smoothCoef);
        engine.smoothTimeR = chunk.timeR[n] = ::glide(engine.smoothTimeR, targetR, engine.smoothCoef);
        engine.smoothFeedback = chunk.feedback[n] = ::glide(engine.smoothFeedback, engine.feedback, engine.smoothCoef);

        if (std::isnan(engine.smoothTimeL))
            engine.diagnostics.countNaNTime();
    }
}

// Each slot names a stage operation; its block form runs instead, with no call through the slot per sample.
void LumDigiDelayBlockPath::runStage(LumDigiDelay& engine, const LumDigiDelayLoops& loops,
                                     LumDigiDelay::StageOperation stage, Chunk& chunk)
{
    if (stage == &LumDigiDelay::doMod)
        modStage(engine, loops, chunk);
    else if (stage == &LumDigiDelay::doFilter)
        filterStage(engine, loops, chunk);
    else if (stage == &LumDigiDelay::doDelay)
        delayStage(engine, loops, chunk);
}

void LumDigiDelayBlockPath::delayStage(LumDigiDelay& engine, const LumDigiDelayLoops& loops, Chunk& chunk)
{
    const int count = chunk.size;

    if (loops.anyNaN(chunk))
    {
        for (int n = 0; n < count; ++n)
        {
            if (std::isnan(chunk.wetL[n]) || std::isnan(chunk.wetR[n]))
            {
                engine.diagnostics.countNaNInput();
                chunk.wetL[n] = 0.0f;
                chunk.wetR[n] = 0.0f;
            }
        }
    }

    const float rate = engine.engineSampleRate;
    const LumDigiDelay::DelayLimits limits = engine.delayLimits(engine.delayLineL);
    if (engine.pingPong)
    {
        pingPongLines(engine, chunk, rate, limits);
        return;
    }

    if (chunk.smoothersHold)
    {
        loops.runRingSteady(engine.delayLineL, chunk.wetL, LumDigiDelay::limitDelay(engine.smoothTimeL, limits) * rate,
                            engine.smoothFeedback, count);
        loops.runRingSteady(engine.delayLineR, chunk.wetR, LumDigiDelay::limitDelay(engine.smoothTimeR, limits) * rate,
                            engine.smoothFeedback, count);
        return;
    }

    runDelayLine(loops, engine.delayLineL, chunk.wetL, chunk.timeL, chunk.feedback, rate, limits, count);
    runDelayLine(loops, engine.delayLineR, chunk.wetR, chunk.timeR, chunk.feedback, rate, limits, count);
}

// The two lines crossed, one sample at a time: each sample's reads come before its writes, as in the
// reference, whatever the delay.
void LumDigiDelayBlockPath::pingPongLines(LumDigiDelay& engine, Chunk& chunk, float rate,
                                          LumDigiDelay::DelayLimits limits)
{
    for (int n = 0; n < chunk.size; ++n)
    {
        const float timeL = chunk.smoothersHold ? engine.smoothTimeL : chunk.timeL[n];
        const float timeR = chunk.smoothersHold ? engine.smoothTimeR : chunk.timeR[n];
        const float feedback = chunk.smoothersHold ? engine.smoothFeedback : chunk.feedback[n];
        const float delayedL = readUniCombBack(engine.delayLineL, LumDigiDelay::limitDelay(timeL, limits) * rate);
        const float delayedR = readUniCombBack(engine.delayLineR, LumDigiDelay::limitDelay(timeR, limits) * rate);
        float throughL = 0.0f;
        float throughR = 0.0f;
        crossUniCombs(engine.delayLineL, engine.delayLineR, chunk.wetL[n], chunk.wetR[n], delayedL, delayedR,
                      feedback, &throughL, &throughR);
        chunk.wetL[n] = fastTanh(throughL);
        chunk.wetR[n] = fastTanh(throughR);
    }
}

// An echo line over a stretch where the smoothers glide; a steady delay still reads consecutive slots.
void LumDigiDelayBlockPath::runDelayLine(const LumDigiDelayLoops& loops, UniComb* ring, float* samples,
                                         const float* seconds, const float* feedback, float rate,
                                         LumDigiDelay::DelayLimits limits, int count)
{
    // The glides are monotonic: equal ends mean a steady stretch.
    if (seconds[0] == seconds[count - 1] && feedback[0] == feedback[count - 1])
    {
        loops.runRingSteady(ring, samples, LumDigiDelay::limitDelay(seconds[0], limits) * rate, feedback[0], count);
        return;
    }

    float d[Chunk::capacity];
    for (int n = 0; n < count; ++n)
        d[n] = LumDigiDelay::limitDelay(seconds[n], limits) * rate;
    loops.runRingStretch(ring, samples, d, feedback, 0.0f, 1.0f, count);
}

void LumDigiDelayBlockPath::filterStage(LumDigiDelay& engine, const LumDigiDelayLoops& loops, Chunk& chunk)
{
    const float rate = engine.engineSampleRate;
    setTPTCutoff(&engine.lowpassL, engine.lowpass, rate);
    setTPTCutoff(&engine.lowpassR, engine.lowpass, rate);
    setTPTCutoff(&engine.highpassL, engine.highpass, rate);
    setTPTCutoff(&engine.highpassR, engine.highpass, rate);

    TPTFilter* highs[2] = { &engine.highpassL, &engine.highpassR };
    TPTFilter* lows[2] = { &engine.lowpassL, &engine.lowpassR };
    float* channels[2] = { chunk.wetL, chunk.wetR };
    loops.runFilters(highs, lows, channels, chunk.size);
}
