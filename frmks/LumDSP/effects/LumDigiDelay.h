#pragma once

#include "../LumDSPEffect.h"
#include "../filters/LumTPTFilters.h"
#include "../filters/LumUniComb.h"

// Stereo dual delay: per sample, [modulation if Pre] -> highpass -> lowpass -> [delay] -> [modulation if Post],
// then a dry/wet mix. The owner writes the parameter mirrors between blocks, in engine units.
class LumDigiDelay : public LumDSPEffect
{
public:
    using StageOperation = void (LumDigiDelay::*)(float inL, float inR, float* outL, float* outR);

    static constexpr float delayLineSeconds = 10.0f;
    static constexpr float modLineSeconds = 5.0f;

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
    float bpm = 0.0f;
    int modType;
    int modRouting;
    bool syncTempo;
    int syncMode;
    bool bypassDelay;
    float lowpass;
    float highpass;

    float engineSampleRate;

    UniComb* delayLineL = nullptr;
    UniComb* delayLineR = nullptr;
    UniComb* modLineL = nullptr;
    UniComb* modLineR = nullptr;

    TPTFilter lowpassL;
    TPTFilter lowpassR;
    TPTFilter highpassL;
    TPTFilter highpassR;

    float lfoPhaseL;
    float lfoPhaseR;
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

    // The last finite positive tempo the host gave; blocks without one keep it.
    float validBpm = 120.0f;

private:
    // How a modulation line weighs its input and its delayed signal (see runUniComb).
    struct LineWeights
    {
        float blend;
        float feedback;
        float feedforward;
    };

    void runModLines(float inL, float inR, float delayL, float delayR, LineWeights weights, float* outL, float* outR);
    void createRings();
    void deleteRings();
    void applyModRouting();
    void targetDelayTimes(float& targetL, float& targetR) const;
    // Every read stays inside its ring: between one sample and the ring length less one sample.
    float limitedDelaySeconds(float seconds, const UniComb* ring) const;
    void setModLineShape();
    float phaserCoefficient(float amount, float lfoL) const;
};
