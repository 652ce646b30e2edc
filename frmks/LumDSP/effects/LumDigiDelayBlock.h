#pragma once

// The engine's block path, behind LumDigiDelay::runEffect.
//
// Contract: the output of the per-sample computation (LumDigiDelayReference) to within 1e-5, with the same
// smoother values and LFO phases after every block. Each stage runs over a stretch of up to 128 samples instead
// of each sample through every stage; the smoothers follow the per-sample recurrence exactly, an LFO phase is
// its start plus whole increments, and ring reads land exactly d samples back, so the rest may differ by
// rounding alone: the filters step a vector of samples at a time by a prefix scan, and tanh comes from
// LumFastMath (the LFOs' sine does in both paths). Cutting a signal into other blocks moves where stretches
// and vectors start, and so changes the filters' rounding alone. The loops that pay for wide vectors are in
// LumDigiDelayLoops, one build per vector path.

#include "LumDigiDelay.h"

struct LumDigiDelayLoops;

class LumDigiDelayBlockPath
{
public:
    static void run(LumDigiDelay& engine, const float* inL, const float* inR, float* outL, float* outR,
                    int numSamples, float tempo);

    // A stretch of a block on its way through the chain.
    struct Chunk
    {
        static constexpr int capacity = 128;

        int size = 0;
        // The smoothers hold their values for the whole stretch; then the three arrays of their values are left
        // unfilled, and the stages take the engine's smoothed values instead.
        bool smoothersHold = false;
        float dryL[capacity];
        float dryR[capacity];
        float wetL[capacity];
        float wetR[capacity];
        // The smoothed values of each sample, as the per-sample chain would see them.
        float timeL[capacity];
        float timeR[capacity];
        float feedback[capacity];
    };

private:
    // The loops of the vector path are looked up once per block and handed down.
    static void runChunk(LumDigiDelay& engine, const LumDigiDelayLoops& loops, const float* inL, const float* inR,
                         float* outL, float* outR, Chunk& chunk, float targetL, float targetR, float blockMix);
    static void glide(LumDigiDelay& engine, Chunk& chunk, float targetL, float targetR);
    static void runStage(LumDigiDelay& engine, const LumDigiDelayLoops& loops, LumDigiDelay::StageOperation stage,
                         Chunk& chunk);
    static void delayStage(LumDigiDelay& engine, const LumDigiDelayLoops& loops, Chunk& chunk);
    static void runDelayLine(const LumDigiDelayLoops& loops, UniComb* ring, float* samples, const float* seconds,
                             const float* feedback, float rate, LumDigiDelay::DelayLimits limits, int count);
    static void pingPongLines(LumDigiDelay& engine, Chunk& chunk, float rate, LumDigiDelay::DelayLimits limits);
    static void filterStage(LumDigiDelay& engine, const LumDigiDelayLoops& loops, Chunk& chunk);
    static void duckStage(LumDigiDelay& engine, Chunk& chunk);
    static void modStage(LumDigiDelay& engine, const LumDigiDelayLoops& loops, Chunk& chunk);
};
