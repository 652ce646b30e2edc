#pragma once

#include "effects/LumDigiDelay.h"

#include <cmath>
#include <cstddef>
#include <vector>

// Runs an engine over whole signals in blocks, as a host would.
struct EngineHarness
{
    static constexpr float rate = 44100.0f;
    static constexpr int settleSamples = 3 * 44100; // the smoothers close all but ~1e-12 of a step

    // By default the filter slot is emptied so that the delay stage can be looked at alone.
    explicit EngineHarness(bool withFilters = false)
    {
        engine.mix = 1.0f;
        engine.feedback = 0.0f;
        engine.modRouting = LumDigiDelay::ModRouting::bypass;
        if (! withFilters)
            engine.filterStage = nullptr;
    }

    void process(std::vector<float>& left, std::vector<float>& right, float bpm = 120.0f, int blockSize = 512)
    {
        for (size_t start = 0; start < left.size(); start += static_cast<size_t>(blockSize))
        {
            const int n = static_cast<int>(std::min(left.size() - start, static_cast<size_t>(blockSize)));
            engine.runEffect(&left[start], &right[start], &left[start], &right[start], n, bpm);
        }
    }

    // Lets the smoothers reach the current settings on silence.
    void settle(float bpm = 120.0f)
    {
        std::vector<float> left(settleSamples, 0.0f), right(settleSamples, 0.0f);
        process(left, right, bpm);
    }

    // Feeds an impulse on both channels and returns the following samples.
    std::vector<float> impulseResponse(size_t length, float height, std::vector<float>* rightOut = nullptr)
    {
        std::vector<float> left(length, 0.0f), right(length, 0.0f);
        left[0] = height;
        right[0] = height;
        process(left, right);
        if (rightOut != nullptr)
            *rightOut = right;
        return left;
    }

    // The settled delay can sit an ulp off its target, which leaks a trace into the neighbouring sample.
    static size_t firstAudible(const std::vector<float>& signal, size_t from = 0)
    {
        for (size_t n = from; n < signal.size(); ++n)
            if (std::fabs(signal[n]) > 1e-3f)
                return n;
        return signal.size();
    }

    LumDigiDelay engine { rate };
};
