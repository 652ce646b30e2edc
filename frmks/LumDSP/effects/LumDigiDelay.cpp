#include "LumDigiDelay.h"

#include "../maths/LumFastMath.h"
#include "LumDigiDelaySteps.h"

#include <algorithm>
#include <cmath>

namespace
{
float smoothingCoefficient(float seconds, float rate)
{
    return std::exp(std::log(0.01f) / (seconds * rate));
}

int ringLength(float seconds, float rate)
{
    return static_cast<int>(seconds * rate);
}

} // namespace

LumDigiDelay::LumDigiDelay(float rate)
    : LumDSPEffect(rate),
      time(0.1f),
      feedback(0.25f),
      mix(0.5f),
      spread(0.0f),
      modAmount(0.0f),
      modFreq(1.0f),
      modType(chorus),
      modRouting(ModRouting::post),
      syncTempo(false),
      syncMode(SyncMode::normal),
      bypassDelay(false),
      lowpass(20000.0f),
      highpass(10.0f),
      engineSampleRate(rate),
      modCentre(lineShape(chorus).centre),
      modDepth(lineShape(chorus).depth)
{
    createRings();

    initTPT(&lowpassL);
    initTPT(&lowpassR);
    initTPT(&highpassL);
    initTPT(&highpassR);

    lfoPhaseL = 0;
    lfoPhaseR = 0;
    smoothCoef = smoothingCoefficient(0.5f, rate);
    modSmoothCoef = smoothingCoefficient(0.25f, rate);
    ducker.prepare(rate);

    smoothTimeL = time;
    smoothTimeR = time;
    smoothFeedback = feedback;
    smoothModAmount = modAmount;
    lastModOutL = 0.0f;
    lastModOutR = 0.0f;

    preModStage = nullptr;
    delayStage = &LumDigiDelay::doDelay;
    postModStage = &LumDigiDelay::doMod;
    filterStage = &LumDigiDelay::doFilter;
}

LumDigiDelay::~LumDigiDelay()
{
    deleteRings();
}

void LumDigiDelay::createRings()
{
    initUniComb(&delayLineL, ringLength(delayLineSeconds, engineSampleRate));
    initUniComb(&delayLineR, ringLength(delayLineSeconds, engineSampleRate));
    initUniComb(&modLineL, ringLength(modLineSeconds, engineSampleRate));
    initUniComb(&modLineR, ringLength(modLineSeconds, engineSampleRate));

    const auto limitsOf = [this](const UniComb* ring) {
        return DelayLimits { 1.0f / engineSampleRate, static_cast<float>(ring->size - 1) / engineSampleRate };
    };
    delayLineLimits = limitsOf(delayLineL);
    modLineLimits = limitsOf(modLineL);
}

void LumDigiDelay::deleteRings()
{
    for (UniComb** ring : { &delayLineL, &delayLineR, &modLineL, &modLineR })
    {
        if (*ring != nullptr)
            deleteUniComb(*ring);
        *ring = nullptr;
    }
}

void LumDigiDelay::prepare(float rate, int maximumBlockSize)
{
    LumDSPEffect::prepare(rate, maximumBlockSize);
    engineSampleRate = rate;
    reset();
    smoothersStartAtTargets = true;
    ducker = LumDucker();
    ducker.prepare(rate);

    // The coefficient cache is keyed on the cutoff alone; a new rate needs new coefficients.
    forceTPTCutoff(&lowpassL, lowpass, rate);
    forceTPTCutoff(&lowpassR, lowpass, rate);
    forceTPTCutoff(&highpassL, highpass, rate);
    forceTPTCutoff(&highpassR, highpass, rate);
}

void LumDigiDelay::reset()
{
    deleteRings();
    createRings();
}

float LumDigiDelay::beginBlock(float tempo)
{
    bpm = tempo;

    if (std::isfinite(tempo) && tempo > 0.0f)
        validBpm = tempo;

    // A fresh or newly prepared engine has nothing to glide from: its first echoes come at the times asked for.
    if (smoothersStartAtTargets)
    {
        targetDelayTimes(smoothTimeL, smoothTimeR);
        smoothFeedback = feedback;
        smoothModAmount = modAmount;
        ducker.startAt(duck);
        smoothersStartAtTargets = false;
    }

    applyModRouting();
    return mix;
}

void LumDigiDelay::applyModRouting()
{
    switch (modRouting)
    {
        case ModRouting::pre: preModStage = &LumDigiDelay::doMod; postModStage = nullptr; break;
        case ModRouting::post: preModStage = nullptr; postModStage = &LumDigiDelay::doMod; break;
        case ModRouting::bypass: preModStage = nullptr; postModStage = nullptr; break;
        default: break;
    }
}

void LumDigiDelay::targetDelayTimes(float& targetL, float& targetR) const
{
    const float spreadSeconds = fullSpreadMilliseconds * spread / 1000.0f;

    if (! syncTempo)
    {
        targetL = (time + fullSpreadMilliseconds * spread) / 1000.0f;
        targetR = (time - fullSpreadMilliseconds * spread) / 1000.0f;
        return;
    }

    const float length = syncedSeconds(time, validBpm, syncMode);
    targetL = length + spreadSeconds;
    targetR = length - spreadSeconds;
}

void LumDigiDelay::doDelay(float inL, float inR, float* outL, float* outR)
{
    if (std::isnan(inL) || std::isnan(inR))
    {
        diagnostics.countNaNInput();
        inL = 0.0f;
        inR = 0.0f;
    }

    if (pingPong)
    {
        const float dL = limitedDelaySeconds(smoothTimeL, delayLineL) * engineSampleRate;
        const float dR = limitedDelaySeconds(smoothTimeR, delayLineR) * engineSampleRate;
        const float delayedL = readUniCombBack(delayLineL, dL);
        const float delayedR = readUniCombBack(delayLineR, dR);
        crossUniCombs(delayLineL, delayLineR, inL, inR, delayedL, delayedR, smoothFeedback, outL, outR);
        *outL = std::tanh(*outL);
        *outR = std::tanh(*outR);
        return;
    }

    *outL = runUniComb(delayLineL, inL, limitedDelaySeconds(smoothTimeL, delayLineL), 0.0f, smoothFeedback, 1.0f,
                       engineSampleRate);
    *outR = runUniComb(delayLineR, inR, limitedDelaySeconds(smoothTimeR, delayLineR), 0.0f, smoothFeedback, 1.0f,
                       engineSampleRate);
}

void LumDigiDelay::doFilter(float inL, float inR, float* outL, float* outR)
{
    setTPTCutoff(&lowpassL, lowpass, engineSampleRate);
    setTPTCutoff(&lowpassR, lowpass, engineSampleRate);
    setTPTCutoff(&highpassL, highpass, engineSampleRate);
    setTPTCutoff(&highpassR, highpass, engineSampleRate);

    const float highL = runTPT2(&highpassL, 1, inL);
    const float highR = runTPT2(&highpassR, 1, inR);

    *outL = runTPT2(&lowpassL, 0, highL);
    *outR = runTPT2(&lowpassR, 0, highR);
}

float LumDigiDelay::noteUnitSeconds(float beatSeconds, SyncMode mode)
{
    switch (mode)
    {
        case SyncMode::normal: return beatSeconds * 0.0625f;
        case SyncMode::dotted: return beatSeconds * 0.09375f;
        case SyncMode::triplet: return beatSeconds / 24.0f;
        default: return 0.0f;
    }
}

float LumDigiDelay::syncedSeconds(float time, float bpm, SyncMode mode)
{
    return noteUnitSeconds(60.0f / bpm, mode) * std::pow(2.0f, syncedExponent(time));
}

void LumDigiDelay::setModLineShape()
{
    if (! setsLineShape(modType))
        return;

    const LineShape shape = lineShape(modType);
    modCentre = shape.centre;
    modDepth = shape.depth;
}

LumDigiDelay::LineWeights LumDigiDelay::lineWeights() const
{
    switch (modType)
    {
        case chorus: return { 1.0f, 0.0f, 0.7f };
        case vibrato: return { 0.0f, 0.0f, 1.0f };
        case flanger: return { 0.7f, modFeedback, 0.7f };
        default: return { 1.0f, modFeedback, 1.0f }; // the Delay type
    }
}

// modFreq / rate turns per sample, to the nearest 2^-32 turn (10 microhertz apart at 44.1 kHz); a negative rate
// runs the LFO backwards.
uint32_t LumDigiDelay::phaseIncrement()
{
    if (modFreq == incrementCache.modFreq && engineSampleRate == incrementCache.rate)
        return incrementCache.increment;

    const double turns = static_cast<double>(modFreq) / static_cast<double>(engineSampleRate);
    const double steps = std::isfinite(turns) ? std::round((turns - std::floor(turns)) * 4294967296.0) : 0.0;
    // 2^32 steps are a whole turn: 0
    incrementCache = { modFreq, engineSampleRate, static_cast<uint32_t>(static_cast<uint64_t>(steps)) };
    return incrementCache.increment;
}

void LumDigiDelay::runModLines(float inL, float inR, float delayL, float delayR, LineWeights weights, float* outL,
                               float* outR)
{
    *outL = runUniComb(modLineL, inL, limitedDelaySeconds(delayL, modLineL), weights.blend, weights.feedback,
                       weights.feedforward, engineSampleRate);
    *outR = runUniComb(modLineR, inR, limitedDelaySeconds(delayR, modLineR), weights.blend, weights.feedback,
                       weights.feedforward, engineSampleRate);
}

void LumDigiDelay::doMod(float inL, float inR, float* outL, float* outR)
{
    smoothModAmount = glide(smoothModAmount, modAmount, modSmoothCoef);
    const float amount = smoothModAmount;

    setModLineShape();

    // The sine the block path computes too: a depth of up to 1300 samples turns an ulp of the LFO into a
    // tenth of a thousandth of a sample, clearly audible as a difference in a bright signal.
    const float lfoL = fastSinCos(lfoAngle(lfoPhaseL)).sin;
    const float lfoR = fastSinCos(lfoAngle(lfoPhaseR)).cos;
    lfoPhaseL += phaseIncrement();
    lfoPhaseR += phaseIncrement();

    const float mL = amount * lfoL;
    const float mR = amount * lfoR;

    float yL = 0.0f;
    float yR = 0.0f;

    switch (modType)
    {
        case chorus:
        case vibrato:
        case flanger:
        case delayType:
            runModLines(inL, inR, modLineDelay(mL, smoothTimeL), modLineDelay(mR, smoothTimeR), lineWeights(), &yL,
                        &yR);
            break;
        case pan:
            yL = (1.0f - amount) * inL + mL * inL;
            yR = (1.0f - amount) * inR + mR * inR;
            break;
        case phaser:
        {
            const float a = allpassCoefficient(std::tan(phaserArgument(amount, lfoL)));
            const float oneSample = 1.0f / engineSampleRate;
            runModLines(inL - modFeedback * lastModOutR, inR - modFeedback * lastModOutL, oneSample, oneSample,
                        { a, -a, 1.0f }, &yL, &yR);
            break;
        }
        case tremolo:
            yL = (1.0f - amount) * inL + mL * inL;
            yR = (1.0f - amount) * inR + mL * inR;
            break;
        default: break;
    }

    lastModOutL = yL;
    lastModOutR = yR;
    *outL = yL;
    *outR = yR;
}
