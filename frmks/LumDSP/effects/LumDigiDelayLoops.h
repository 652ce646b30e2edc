#pragma once

#include "LumDigiDelayBlock.h"

// The block path's loops that pay for wide vectors, one table per vector path (LumVectorPath.h). Ring stretches
// take runUniComb's arithmetic with the tanh from LumFastMath: each sample reads, then writes
// 0.95 x + feedback * delayed and leaves the tanh of feedforward * delayed + blend * w in its place.
struct LumDigiDelayLoops
{
    using Chunk = LumDigiDelayBlockPath::Chunk;

    void (*takeInput)(const float* inL, const float* inR, Chunk& chunk);
    void (*mix)(const Chunk& chunk, float blockMix, float* outL, float* outR);
    bool (*anyNaN)(const Chunk& chunk);
    // Sample n of a ring reads d[n] samples back (1 <= d[n] < size) with feedback[n].
    void (*runRingStretch)(UniComb* ring, float* samples, const float* d, const float* feedback, float blend,
                           float feedforward, int count);
    // An echo line (blend 0, feedforward 1) whose delay and feedback hold for the whole stretch.
    void (*runRingSteady)(UniComb* ring, float* samples, float d, float feedback, int count);
    // The highpass then the lowpass of each channel, in place: runTPT2 on every sample, to rounding.
    void (*runFilters)(TPTFilter* highpass[2], TPTFilter* lowpass[2], float* channels[2], int count);
    // The sine of the left phase and the cosine of the right one, both phases stepping by increment per sample.
    void (*fillLfo)(float* lfoL, float* lfoR, uint32_t phaseL, uint32_t phaseR, uint32_t increment, int count);
    // How far back a modulation line reads, in samples, for each LFO value; only the Delay type reads mainDelay.
    void (*modLineDelays)(const LumDigiDelay& engine, const UniComb* ring, const float* amount, const float* lfo,
                          const float* mainDelay, float* d, int count);
    void (*scale)(Chunk& chunk, const float* amount, const float* lfoL, const float* rightLfo);
    void (*runPhaser)(LumDigiDelay& engine, Chunk& chunk, const float* amount, const float* lfoL);
};

// Whether every slot holds a loop, for each path's table to check as it compiles. The binding names a slot each:
// a slot added to the struct but not here fails to compile.
constexpr bool everySlotSet(const LumDigiDelayLoops& loops)
{
    const auto& [takeInput, mix, anyNaN, runRingStretch, runRingSteady, runFilters, fillLfo, modLineDelays, scale,
                 runPhaser] = loops;
    return takeInput != nullptr && mix != nullptr && anyNaN != nullptr && runRingStretch != nullptr
           && runRingSteady != nullptr && runFilters != nullptr && fillLfo != nullptr && modLineDelays != nullptr
           && scale != nullptr && runPhaser != nullptr;
}

// The table of the current vector path.
const LumDigiDelayLoops& lumDigiDelayLoops();
