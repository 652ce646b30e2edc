// The modulation stage over a stretch of a block (see doMod for one sample).
#include "LumDigiDelay.h"

#include "../maths/LumFastMath.h"
#include "LumDigiDelaySteps.h"

#include <algorithm>
#include <cmath>

void LumDigiDelay::doModChunk(Chunk& chunk)
{
    const int count = chunk.size;
    float amount[Chunk::capacity];
    float lfoL[Chunk::capacity];
    float lfoR[Chunk::capacity];
    float phaseL[Chunk::capacity];
    float phaseR[Chunk::capacity];

    glideModAmount(amount, count);
    setModLineShape();
    runLfo(lfoL, lfoR, phaseL, phaseR, count);

    switch (modType)
    {
        case chorus:
        case vibrato:
        case flanger:
        case delayType:
            runModLine(modLineL, chunk.wetL, amount, lfoL, phaseL, chunk.timeL, false, count);
            runModLine(modLineR, chunk.wetR, amount, lfoR, phaseR, chunk.timeR, true, count);
            tanhInPlace(chunk.wetL, count);
            tanhInPlace(chunk.wetR, count);
            break;
        case pan:
        case tremolo: scaleChunk(chunk, amount, lfoL, lfoR); break;
        case phaser: runPhaserChunk(chunk, amount, lfoL); break;
        default:
            std::fill_n(chunk.wetL, count, 0.0f);
            std::fill_n(chunk.wetR, count, 0.0f);
            break;
    }

    lastModOutL = chunk.wetL[count - 1];
    lastModOutR = chunk.wetR[count - 1];
}

void LumDigiDelay::glideModAmount(float* amount, int count)
{
    if (smoothModAmount == modAmount)
    {
        std::fill_n(amount, count, smoothModAmount);
        return;
    }

    for (int n = 0; n < count; ++n)
        smoothModAmount = amount[n] = glide(smoothModAmount, modAmount, modSmoothCoef);
}

void LumDigiDelay::runLfo(float* lfoL, float* lfoR, float* phaseL, float* phaseR, int count)
{
    const float increment = phaseIncrement();

    for (int n = 0; n < count; ++n)
    {
        phaseL[n] = lfoPhaseL;
        phaseR[n] = lfoPhaseR;
        lfoPhaseL = advancePhase(lfoPhaseL, increment);
        lfoPhaseR = advancePhase(lfoPhaseR, increment);
    }

    for (int n = 0; n < count; ++n)
    {
        lfoL[n] = fastSinCos(phaseL[n]).sin;
        lfoR[n] = fastSinCos(phaseR[n]).cos;
    }
}

// The ring rounds its read position to a grid as coarse as 1/64 sample, so an LFO value an ulp away from the C
// library's can read a neighbouring point: a clear difference in a bright signal. The approximation is used
// where both ends of its error bound give the same position, which is nearly always; elsewhere the library's
// value decides.
void LumDigiDelay::runModLine(UniComb* ring, float* samples, const float* amount, const float* lfo,
                              const float* phase, const float* mainDelay, bool cosine, int count)
{
    const DelayLimits limits = delayLimits(ring);
    const float rate = engineSampleRate;
    UniComb line = *ring; // a copy, for the reason given at runDelayLine
    float position[Chunk::capacity];
    float upper[Chunk::capacity];

    const auto positionAt = [&](int n, float m) {
        line.writeIndex = ring->writeIndex + n < line.size ? ring->writeIndex + n : ring->writeIndex + n - line.size;
        return uniCombPosition(&line, limitDelay(modLineDelay(m, mainDelay[n]), limits) * rate);
    };

    for (int n = 0; n < count; ++n)
    {
        const float size = std::fabs(lfo[n]);
        position[n] = positionAt(n, amount[n] * std::max(size - fastSinCosError, 0.0f));
        upper[n] = positionAt(n, amount[n] * (size + fastSinCosError));
    }

    for (int n = 0; n < count; ++n)
        if (position[n] != upper[n])
            position[n] = positionAt(n, amount[n] * (cosine ? std::cos(phase[n]) : std::sin(phase[n])));

    const LineWeights weights = lineWeights();
    line.writeIndex = ring->writeIndex;

    for (int n = 0; n < count; ++n)
    {
        const float delayed = readUniCombAt(&line, position[n]);
        samples[n] = weighUniComb(&line, samples[n], delayed, weights.blend, weights.feedback, weights.feedforward);
    }

    ring->writeIndex = line.writeIndex;
}

void LumDigiDelay::runPhaserChunk(Chunk& chunk, const float* amount, const float* lfoL)
{
    const int count = chunk.size;
    float coefficient[Chunk::capacity];

    for (int n = 0; n < count; ++n)
    {
        const SinCos turn = fastSinCos(phaserArgument(amount[n], lfoL[n]));
        coefficient[n] = allpassCoefficient(turn.sin / turn.cos);
    }

    const float oneSample = 1.0f / engineSampleRate;
    const float dL = limitedDelaySeconds(oneSample, modLineL) * engineSampleRate;
    const float dR = limitedDelaySeconds(oneSample, modLineR) * engineSampleRate;

    // Each channel's input takes the other's last output: one sample at a time.
    for (int n = 0; n < count; ++n)
    {
        const float a = coefficient[n];
        const float xL = chunk.wetL[n] - modFeedback * lastModOutR;
        const float xR = chunk.wetR[n] - modFeedback * lastModOutL;
        const float delayedL = readUniCombAt(modLineL, uniCombPosition(modLineL, dL));
        const float delayedR = readUniCombAt(modLineR, uniCombPosition(modLineR, dR));
        lastModOutL = chunk.wetL[n] = fastTanh(weighUniComb(modLineL, xL, delayedL, a, -a, 1.0f));
        lastModOutR = chunk.wetR[n] = fastTanh(weighUniComb(modLineR, xR, delayedR, a, -a, 1.0f));
    }
}

// Pan moves the two gains in quadrature; Tremolo moves both with the left, sine LFO.
void LumDigiDelay::scaleChunk(Chunk& chunk, const float* amount, const float* lfoL, const float* lfoR)
{
    const float* rightLfo = modType == pan ? lfoR : lfoL;

    for (int n = 0; n < chunk.size; ++n)
    {
        const float mL = amount[n] * lfoL[n];
        const float mR = amount[n] * rightLfo[n];
        chunk.wetL[n] = (1.0f - amount[n]) * chunk.wetL[n] + mL * chunk.wetL[n];
        chunk.wetR[n] = (1.0f - amount[n]) * chunk.wetR[n] + mR * chunk.wetR[n];
    }
}
