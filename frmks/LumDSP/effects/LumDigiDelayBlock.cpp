// The engine's block path: the stage slots run over stretches of a block, each stage over the whole stretch,
// with the same per-sample arithmetic as the stage operations.
#include "LumDigiDelay.h"

#include "../LumFlushDenormals.h"
#include "../maths/LumFastMath.h"
#include "LumDigiDelaySteps.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

void LumDigiDelay::runEffect(const float* inL, const float* inR, float* outL, float* outR, int numSamples,
                             float tempo)
{
    const LumFlushDenormals flushDenormals;
    const float blockMix = beginBlock(tempo);

    // Parameters and tempo hold for the whole block, and so do the delay times they ask for.
    float targetL = 0.0f;
    float targetR = 0.0f;
    targetDelayTimes(targetL, targetR);

    Chunk chunk;
    for (int start = 0; start < numSamples; start += Chunk::capacity)
    {
        chunk.size = std::min(Chunk::capacity, numSamples - start);
        runChunk(inL + start, inR + start, outL + start, outR + start, chunk, targetL, targetR, blockMix);
    }
}

LUM_VECTOR_CLONES void LumDigiDelay::runChunk(const float* inL, const float* inR, float* outL, float* outR, Chunk& chunk,
                            float targetL, float targetR, float blockMix)
{
    const int count = chunk.size;

    // Every input is read before any output is written: the buffers may be the same.
    for (int n = 0; n < count; ++n)
    {
        chunk.dryL[n] = chunk.wetL[n] = safeInput(inL[n]);
        chunk.dryR[n] = chunk.wetR[n] = safeInput(inR[n]);
    }

    glideChunk(chunk, targetL, targetR);

    runStageChunk(preModStage, chunk);
    runStageChunk(filterStage, chunk);
    if (! bypassDelay)
        runStageChunk(delayStage, chunk);
    runStageChunk(postModStage, chunk);

    for (int n = 0; n < count; ++n)
    {
        const bool lost = std::isnan(chunk.wetL[n]);
        const float wetL = lost ? 0.0f : chunk.wetL[n];
        const float wetR = lost ? 0.0f : chunk.wetR[n];
        outL[n] = (1.0f - blockMix) * chunk.dryL[n] + blockMix * wetL;
        outR[n] = (1.0f - blockMix) * chunk.dryR[n] + blockMix * wetR;
    }
}

void LumDigiDelay::glideChunk(Chunk& chunk, float targetL, float targetR)
{
    const int count = chunk.size;

    if (smoothTimeL == targetL && smoothTimeR == targetR && smoothFeedback == feedback)
    {
        std::fill_n(chunk.timeL, count, smoothTimeL);
        std::fill_n(chunk.timeR, count, smoothTimeR);
        std::fill_n(chunk.feedback, count, smoothFeedback);
        return;
    }

    for (int n = 0; n < count; ++n)
    {
        smoothTimeL = chunk.timeL[n] = glide(smoothTimeL, targetL, smoothCoef);
        smoothTimeR = chunk.timeR[n] = glide(smoothTimeR, targetR, smoothCoef);
        smoothFeedback = chunk.feedback[n] = glide(smoothFeedback, feedback, smoothCoef);

        if (std::isnan(smoothTimeL))
            std::printf("NAN TL\n");
    }
}

// Each slot names a stage operation; its block form runs instead, with no call through the slot per sample.
void LumDigiDelay::runStageChunk(StageOperation stage, Chunk& chunk)
{
    if (stage == &LumDigiDelay::doMod)
        doModChunk(chunk);
    else if (stage == &LumDigiDelay::doFilter)
        doFilterChunk(chunk);
    else if (stage == &LumDigiDelay::doDelay)
        doDelayChunk(chunk);
}

void LumDigiDelay::doDelayChunk(Chunk& chunk)
{
    const int count = chunk.size;

    if (anyNaN(chunk))
    {
        for (int n = 0; n < count; ++n)
        {
            if (std::isnan(chunk.wetL[n]) || std::isnan(chunk.wetR[n]))
            {
                std::printf("NaN!");
                chunk.wetL[n] = 0.0f;
                chunk.wetR[n] = 0.0f;
            }
        }
    }

    runDelayLine(delayLineL, chunk.wetL, chunk.timeL, chunk.feedback, count);
    runDelayLine(delayLineR, chunk.wetR, chunk.timeR, chunk.feedback, count);
    tanhInPlace(chunk.wetL, count);
    tanhInPlace(chunk.wetR, count);
}

// runUniComb with blend 0 and feedforward 1, leaving out the tanh. While the delay and the feedback hold, the
// reads run through consecutive slots; while they glide, each read has its own position.
void LumDigiDelay::runDelayLine(UniComb* ring, float* samples, const float* seconds, const float* feedbackShare,
                                int count)
{
    const DelayLimits limits = delayLimits(ring);
    const float rate = engineSampleRate;

    if (seconds[0] != seconds[count - 1] || feedbackShare[0] != feedbackShare[count - 1])
    {
        float d[Chunk::capacity];
        float position[Chunk::capacity];
        for (int n = 0; n < count; ++n)
        {
            d[n] = limitDelay(seconds[n], limits) * rate;
            position[n] = uniCombPositionAhead(ring, n, d[n]);
        }
        runRing(ring, samples, position, d, feedbackShare, 0.0f, 1.0f, count);
        return;
    }

    UniComb line = *ring; // a copy: writes through float pointers could otherwise change it, for all the compiler knows
    const float d = limitDelay(seconds[0], limits) * rate;

    for (int n = 0; n < count;)
    {
        const int run = steadyRun(line, d, count - n);

        if (run > 0)
        {
            runSteadyDelay(line, samples + n, d, feedbackShare[0], run);
            n += run;
            continue;
        }

        const float delayed = readUniCombAt(&line, uniCombPosition(&line, d));
        samples[n] = weighUniComb(&line, samples[n], delayed, 0.0f, feedbackShare[0], 1.0f);
        ++n;
    }

    ring->writeIndex = line.writeIndex;
}

// The ring at given read positions, d samples back, leaving out the tanh. When every read lies further back
// than the stretch is long, no read meets a value written in the stretch: all reads can go first.
LUM_VECTOR_CLONES void LumDigiDelay::runRing(UniComb* ring, float* samples, const float* position, const float* d,
                                             const float* feedbackShare, float blend, float feedforward, int count)
{
    const float clearOfWrites = static_cast<float>(count + 2);
    int readsMeetWrites = 0;
    for (int n = 0; n < count; ++n)
        readsMeetWrites |= d[n] < clearOfWrites;

    if (readsMeetWrites != 0)
    {
        UniComb line = *ring; // a copy, for the reason given at runDelayLine
        for (int n = 0; n < count; ++n)
            samples[n] = weighUniComb(&line, samples[n], readUniCombAt(&line, position[n]), blend, feedbackShare[n],
                                      feedforward);
        ring->writeIndex = line.writeIndex;
        return;
    }

    // The slots and weights first, for all reads at once; then the reads themselves, which no vector unit
    // without gathers can do.
    int first[Chunk::capacity];
    int second[Chunk::capacity];
    float frac[Chunk::capacity];
    for (int n = 0; n < count; ++n)
    {
        const UniCombTap tap = uniCombTap(ring->size, position[n]);
        first[n] = tap.first;
        second[n] = tap.second;
        frac[n] = tap.frac;
    }

    float delayed[Chunk::capacity];
    float stored[Chunk::capacity];
    for (int n = 0; n < count; ++n)
        delayed[n] = readUniCombTap(ring->buffer, { first[n], second[n], frac[n] });

    for (int n = 0; n < count; ++n)
    {
        stored[n] = uniCombInput(samples[n], delayed[n], feedbackShare[n]);
        samples[n] = uniCombOutput(delayed[n], stored[n], blend, feedforward);
    }

    writeUniCombRun(ring, stored, count);
}

// How many samples from here read a delay of d samples at consecutive slots with one interpolation weight, as
// the per-sample position would: the positions stay in one binade of single precision (one rounding grid), no
// read or write wraps, and no read reaches a slot written in the same run.
int LumDigiDelay::steadyRun(const UniComb& line, float d, int available)
{
    const float first = static_cast<float>(line.writeIndex) - d;
    if (! (first >= 1.0f))
        return 0;

    const int start = static_cast<int>(first);
    int run = std::min({ available, line.size - line.writeIndex, line.size - 2 - start,
                         line.writeIndex - start - 1 });
    const float last = static_cast<float>(line.writeIndex + run - 1) - d;

    if (run < 2 || std::ilogb(first) != std::ilogb(last) || last - first != static_cast<float>(run - 1))
        return 0;
    return run;
}

LUM_VECTOR_CLONES void LumDigiDelay::runSteadyDelay(UniComb& line, float* samples, float d, float feedbackShare, int run)
{
    const float position = static_cast<float>(line.writeIndex) - d;
    const int start = static_cast<int>(position);
    const float frac = position - static_cast<float>(start);
    const float* read = line.buffer + start;
    float* write = line.buffer + line.writeIndex;
    float delayed[Chunk::capacity];

    for (int k = 0; k < run; ++k)
        delayed[k] = read[k] + frac * (read[k + 1] - read[k]);

    for (int k = 0; k < run; ++k)
    {
        write[k] = 0.95f * samples[k] + feedbackShare * delayed[k];
        samples[k] = delayed[k];
    }

    line.writeIndex += run;
    if (line.writeIndex >= line.size)
        line.writeIndex = 0;
}

void LumDigiDelay::doFilterChunk(Chunk& chunk)
{
    setTPTCutoff(&lowpassL, lowpass, engineSampleRate);
    setTPTCutoff(&lowpassR, lowpass, engineSampleRate);
    setTPTCutoff(&highpassL, highpass, engineSampleRate);
    setTPTCutoff(&highpassR, highpass, engineSampleRate);

    TPTFilter* highs[2] = { &highpassL, &highpassR };
    TPTFilter* lows[2] = { &lowpassL, &lowpassR };
    float* channels[2] = { chunk.wetL, chunk.wetR };
    runTPTHighLow(highs, lows, channels, chunk.size);
}

// A NaN is the only value unequal to itself; the check runs over the whole stretch at once.
LUM_VECTOR_CLONES bool LumDigiDelay::anyNaN(const Chunk& chunk)
{
    int found = 0;
    for (int n = 0; n < chunk.size; ++n)
        found |= (chunk.wetL[n] != chunk.wetL[n]) | (chunk.wetR[n] != chunk.wetR[n]);
    return found != 0;
}

LUM_VECTOR_CLONES void LumDigiDelay::tanhInPlace(float* samples, int count)
{
    for (int n = 0; n < count; ++n)
        samples[n] = fastTanh(samples[n]);
}
