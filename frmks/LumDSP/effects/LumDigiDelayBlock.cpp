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

void LumDigiDelay::runChunk(const float* inL, const float* inR, float* outL, float* outR, Chunk& chunk,
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

    for (int n = 0; n < count; ++n)
    {
        if (std::isnan(chunk.wetL[n]) || std::isnan(chunk.wetR[n]))
        {
            std::printf("NaN!");
            chunk.wetL[n] = 0.0f;
            chunk.wetR[n] = 0.0f;
        }
    }

    runDelayLine(delayLineL, chunk.wetL, chunk.timeL, chunk.feedback, count);
    runDelayLine(delayLineR, chunk.wetR, chunk.timeR, chunk.feedback, count);
    tanhInPlace(chunk.wetL, count);
    tanhInPlace(chunk.wetR, count);
}

// runUniComb with blend 0 and feedforward 1, leaving out the tanh.
void LumDigiDelay::runDelayLine(UniComb* ring, float* samples, const float* seconds, const float* feedbackShare,
                                int count)
{
    for (int n = 0; n < count; ++n)
    {
        const float d = limitedDelaySeconds(seconds[n], ring) * engineSampleRate;
        const float delayed = readUniCombAt(ring, uniCombPosition(ring, d));
        samples[n] = weighUniComb(ring, samples[n], delayed, 0.0f, feedbackShare[n], 1.0f);
    }
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

void LumDigiDelay::tanhInPlace(float* samples, int count)
{
    for (int n = 0; n < count; ++n)
        samples[n] = fastTanh(samples[n]);
}
