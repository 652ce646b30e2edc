#pragma once

#include "../LumAlwaysInline.h"
#include "../LumDSPEffect.h"
#include "../filters/LumTPTFilters.h"
#include "../filters/LumUniComb.h"
#include "LumDigiDelayDiagnostics.h"
#include "LumDucker.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

// Stereo dual delay: per sample, [modulation if Pre] -> highpass -> lowpass -> [delay] -> [modulation if Post],
// then a dry/wet mix. The owner writes the parameter mirrors between blocks, in engine units.
class LumDigiDelay : public LumDSPEffect
{
public:
    using StageOperation = void (LumDigiDelay::*)(float inL, float inR, float* outL, float* outR);

    // The values of modType, and their names in that order.
    enum ModType
    {
        chorus, vibrato, flanger, pan, phaser, tremolo, delayType
    };

    static constexpr const char* modTypeNames[] = { "Chorus", "Vibrato", "Flanger", "Pan",
                                                     "Phaser", "Tremolo", "Delay" };

    // The values of modRouting and syncMode.
    enum class ModRouting
    {
        pre, post, bypass
    };

    enum class SyncMode
    {
        normal, dotted, triplet
    };

    static constexpr float delayLineSeconds = 10.0f;
    static constexpr float modLineSeconds = 5.0f;
    // At a spread of 1 the left line plays this much later than the time and the right one this much earlier.
    static constexpr float fullSpreadMilliseconds = 50.0f;
    // The bottom of the phaser's sweep: where its allpass delays longest.
    static constexpr float lowestPhaserHz = 40.0f;

    // The base delay and the swing of the modulation lines, in seconds.
    struct LineShape
    {
        float centre;
        float depth;
    };

    // The shape Chorus, Vibrato and Flanger give the modulation lines; the other types keep the last one, and a
    // new engine starts with the Chorus's.
    static constexpr bool setsLineShape(int type) { return type == chorus || type == vibrato || type == flanger; }
    static constexpr LineShape lineShape(int type);
    // Of the shapes a type sets, the one that reads furthest back (centre plus depth): the furthest a type that
    // keeps the last shape can read.
    static constexpr LineShape longestLineShape();

    // The note exponent a synced time plays: times above 8 play as 1.
    static float syncedExponent(float time) { return time > 8.0f ? 1.0f : time; }
    // The synced note of exponent 0 in seconds, for a beat of beatSeconds: a 64th note, dotted or a triplet.
    static float noteUnitSeconds(float beatSeconds, SyncMode syncMode);
    // The delay a synced time plays at bpm beats per minute, before spread: the note unit times 2^exponent.
    static float syncedSeconds(float time, float bpm, SyncMode syncMode);

    explicit LumDigiDelay(float sampleRate);
    ~LumDigiDelay() override;

    void prepare(float sampleRate, int blockSize) override;
    void runEffect(const float* inL, const float* inR, float* outL, float* outR, int numSamples, float bpm) override;
    void reset() override;

    void doDelay(float inL, float inR, float* outL, float* outR);
    void doFilter(float inL, float inR, float* outL, float* outR);
    void doMod(float inL, float inR, float* outL, float* outR);

    float time;
    float feedback;
    float mix;
    float spread;
    float modAmount;
    float modFreq;
    float modFeedback = 0.0f;
    // The tempo the last block was given, as given (0 or less when the host gave none).
    float bpm = 0.0f;
    int modType;
    ModRouting modRouting;
    bool syncTempo;
    SyncMode syncMode;
    bool bypassDelay;
    float lowpass;
    float highpass;
    // Added after the first fourteen; at these defaults the engine computes exactly what it did without them.
    // Ping-pong: the input summed to mono enters the left line, and each line's repeats enter the other one.
    bool pingPong = false;
    // How far the dry input ducks the wet signal, 0 to 1 (LumDucker).
    float duck = 0.0f;

    float engineSampleRate;

    UniComb* delayLineL = nullptr;
    UniComb* delayLineR = nullptr;
    UniComb* modLineL = nullptr;
    UniComb* modLineR = nullptr;

    TPTFilter lowpassL;
    TPTFilter lowpassR;
    TPTFilter highpassL;
    TPTFilter highpassR;

    // In 2^-32 turns: whole turns wrap away by themselves, and k samples on the phase is exactly k increments
    // further, so a stretch of phases comes at once and cutting a signal into blocks changes none of them.
    uint32_t lfoPhaseL;
    uint32_t lfoPhaseR;
    float modCentre;
    float modDepth;

    float smoothTimeL;
    float smoothTimeR;
    float smoothFeedback;
    float smoothCoef;
    float smoothModAmount;
    float modSmoothCoef;
    float lastModOutL;
    float lastModOutR;

    StageOperation preModStage;
    StageOperation delayStage;
    StageOperation filterStage;
    StageOperation postModStage;

    // The per-sample formulas that the block path shares.
    struct DelayLimits
    {
        float shortest;
        float longest;
    };

    // Every read stays inside its ring: between one sample and the ring length less one sample.
    DelayLimits delayLimits(const UniComb* ring) const;
    static float limitDelay(float seconds, DelayLimits limits);
    float limitedDelaySeconds(float seconds, const UniComb* ring) const;
    float modLineDelay(float m, float mainDelaySeconds) const;
    float phaserArgument(float amount, float lfoL) const;

    // The last finite positive tempo the host gave; blocks without one keep it.
    float validBpm = 120.0f;

    // Set by construction and prepare: the next block starts the smoothers at their targets.
    bool smoothersStartAtTargets = true;

    LumDigiDelayDiagnostics diagnostics;

    LumDucker ducker;

protected:
    // How a modulation line weighs its input and its delayed signal (see runUniComb).
    struct LineWeights
    {
        float blend;
        float feedback;
        float feedforward;
    };

    // The start of every block: takes the tempo, sets the modulation slots and returns the block's mix.
    float beginBlock(float tempo);
    void applyModRouting();
    void targetDelayTimes(float& targetL, float& targetR) const;

private:
    friend class LumDigiDelayBlockPath;

    void runModLines(float inL, float inR, float delayL, float delayR, LineWeights weights, float* outL, float* outR);
    void createRings();
    void deleteRings();
    void setModLineShape();
    LineWeights lineWeights() const;
    uint32_t phaseIncrement();
    static float allpassCoefficient(float t);

    // The LFO's increment for the modFreq and rate it was computed from; a stretch asks for it again and again.
    struct IncrementCache
    {
        float modFreq = -1.0f;
        float rate = 0.0f;
        uint32_t increment = 0;
    };

    IncrementCache incrementCache;

    // delayLimits of each kind of ring, computed with the rings: a block asks for them several times.
    DelayLimits delayLineLimits;
    DelayLimits modLineLimits;
};

constexpr LumDigiDelay::LineShape LumDigiDelay::lineShape(int type)
{
    switch (type)
    {
        case vibrato: return { 0.001f, 0.003f };
        case flanger: return { 0.001f, 0.002f };
        default: return { 0.005f, 0.03f }; // Chorus
    }
}

constexpr LumDigiDelay::LineShape LumDigiDelay::longestLineShape()
{
    LineShape longest = lineShape(chorus);
    for (int type = chorus; type <= delayType; ++type)
    {
        const LineShape shape = lineShape(type);
        if (setsLineShape(type) && shape.centre + shape.depth > longest.centre + longest.depth)
            longest = shape;
    }
    return longest;
}

// Inline: the block loops call these once or twice per sample.
LUM_ALWAYS_INLINE LumDigiDelay::DelayLimits LumDigiDelay::delayLimits(const UniComb* ring) const
{
    return ring == delayLineL || ring == delayLineR ? delayLineLimits : modLineLimits;
}

LUM_ALWAYS_INLINE float LumDigiDelay::limitDelay(float seconds, DelayLimits limits)
{
    if (! (seconds >= limits.shortest)) // NaN lands here too
        return limits.shortest;

    return seconds > limits.longest ? limits.longest : seconds;
}

LUM_ALWAYS_INLINE float LumDigiDelay::limitedDelaySeconds(float seconds, const UniComb* ring) const
{
    return limitDelay(seconds, delayLimits(ring));
}

LUM_ALWAYS_INLINE float LumDigiDelay::modLineDelay(float m, float mainDelaySeconds) const
{
    const float delay = modCentre + std::fabs(modDepth * m);
    return modType == delayType ? delay + mainDelaySeconds / 2.0f : delay;
}

LUM_ALWAYS_INLINE float LumDigiDelay::phaserArgument(float amount, float lfoL) const
{
    const float frequency = lowestPhaserHz + 5000.0f * amount - 5000.0f * amount * lfoL;
    // The phaser's allpass turns unstable once its frequency reaches half the sample rate.
    constexpr float highestPhaserRatio = 0.49f;
    const float usable = std::min(frequency, highestPhaserRatio * engineSampleRate);
    return static_cast<float>(M_PI) * usable / engineSampleRate;
}

LUM_ALWAYS_INLINE float LumDigiDelay::allpassCoefficient(float t)
{
    return (t - 1.0f) / (t + 1.0f);
}
