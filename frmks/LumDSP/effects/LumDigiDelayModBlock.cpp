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

LUM_VECTOR_CLONES void LumDigiDelay::runLfo(float* lfoL, float* lfoR, float* phaseL, float* phaseR, int count)
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
LUM_VECTOR_CLONES void LumDigiDelay::runModLine(UniComb* ring, float* samples, const float* amount, const float* lfo,
                              const float* phase, const float* mainDelay, bool cosine, int count)
{
    const DelayLimits limits = delayLimits(ring);
    const float rate = engineSampleRate;
    const float start = static_cast<float>(ring->writeIndex);
    const float size = static_cast<float>(ring->size);
    float position[Chunk::capacity];
    float upper[Chunk::capacity];
    // With every read further back than the stretch is long, no read meets a value written in the stretch.
    const float clearOfWrites = static_cast<float>(count + 2);
    int readsMeetWrites = 0;

    const auto delayFor = [&](int n, float m) { return limitDelay(modLineDelay(m, mainDelay[n]), limits) * rate; };
    // uniCombPosition at the write index of sample n
    const auto positionAt = [&](int n, float d) {
        const float writeIndex = start + static_cast<float>(n) < size ? start + static_cast<float>(n)
                                                                       : start + static_cast<float>(n) - size;
        const float p = writeIndex - d;
        return p < 0.0f ? p + size : p;
    };

    for (int n = 0; n < count; ++n)
    {
        const float magnitude = std::fabs(lfo[n]);
        const float lower = delayFor(n, amount[n] * std::max(magnitude - fastSinCosError, 0.0f));
        position[n] = positionAt(n, lower);
        upper[n] = positionAt(n, delayFor(n, amount[n] * (magnitude + fastSinCosError)));
        readsMeetWrites |= lower < clearOfWrites;
    }

    for (int n = 0; n < count; ++n)
        if (position[n] != upper[n])
            position[n] = positionAt(n, delayFor(n, amount[n] * (cosine ? std::cos(phase[n]) : std::sin(phase[n]))));

    if (readsMeetWrites != 0)
        runLineInTurn(ring, samples, position, count);
    else
        readThenWriteLine(ring, samples, position, count);
}

LUM_VECTOR_CLONES void LumDigiDelay::readThenWriteLine(UniComb* ring, float* samples, const float* position, int count)
{
    const LineWeights weights = lineWeights();
    float delayed[Chunk::capacity];
    float stored[Chunk::capacity];

    for (int n = 0; n < count; ++n)
        delayed[n] = readUniCombAt(ring, position[n]);

    for (int n = 0; n < count; ++n)
    {
        stored[n] = uniCombInput(samples[n], delayed[n], weights.feedback);
        samples[n] = uniCombOutput(delayed[n], stored[n], weights.blend, weights.feedforward);
    }

    writeUniCombRun(ring, stored, count);
}

void LumDigiDelay::runLineInTurn(UniComb* ring, float* samples, const float* position, int count)
{
    const LineWeights weights = lineWeights();
    UniComb line = *ring; // a copy, for the reason given at runDelayLine

    for (int n = 0; n < count; ++n)
    {
        const float delayed = readUniCombAt(&line, position[n]);
        samples[n] = weighUniComb(&line, samples[n], delayed, weights.blend, weights.feedback, weights.feedforward);
    }

    ring->writeIndex = line.writeIndex;
}

LUM_VECTOR_CLONES void LumDigiDelay::runPhaserChunk(Chunk& chunk, const float* amount, const float* lfoL)
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
    const float share = modFeedback;
    UniComb left = *modLineL; // copies, for the reason given at runDelayLine
    UniComb right = *modLineR;
    float lastL = lastModOutL;
    float lastR = lastModOutR;

    // Each channel's input takes the other's last output: one sample at a time.
    for (int n = 0; n < count; ++n)
    {
        const float a = coefficient[n];
        const float xL = chunk.wetL[n] - share * lastR;
        const float xR = chunk.wetR[n] - share * lastL;
        const float delayedL = readUniCombAt(&left, uniCombPosition(&left, dL));
        const float delayedR = readUniCombAt(&right, uniCombPosition(&right, dR));
        lastL = fastTanh(weighUniComb(&left, xL, delayedL, a, -a, 1.0f));
        lastR = fastTanh(weighUniComb(&right, xR, delayedR, a, -a, 1.0f));
        chunk.wetL[n] = lastL;
        chunk.wetR[n] = lastR;
    }

    modLineL->writeIndex = left.writeIndex;
    modLineR->writeIndex = right.writeIndex;
    lastModOutL = lastL;
    lastModOutR = lastR;
}

// Pan moves the two gains in quadrature; Tremolo moves both with the left, sine LFO.
LUM_VECTOR_CLONES void LumDigiDelay::scaleChunk(Chunk& chunk, const float* amount, const float* lfoL, const float* lfoR)
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
