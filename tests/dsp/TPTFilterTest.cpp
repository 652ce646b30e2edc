#include "ForcedVectorPath.h"
#include "effects/LumDigiDelay.h"
#include "effects/LumDigiDelayLoops.h"
#include "filters/LumTPTFilters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace
{
TPTFilter filterAt(float cutoff, float rate)
{
    TPTFilter f;
    initTPT(&f);
    setTPTCutoff(&f, cutoff, rate);
    return f;
}

float settle(TPTFilter& f, int highpass, float x, int samples)
{
    float y = 0.0f;
    for (int n = 0; n < samples; ++n)
        y = runTPT2(&f, highpass, x);
    return y;
}
} // namespace

TEST(TPTFilter, PrewarpedCoefficients)
{
    struct Case
    {
        float cutoff;
        float rate;
        float coefficient;
    };

    const Case cases[] = {
        { 20000.0f, 44100.0f, 0.8717750f },
        { 10.0f, 44100.0f, 0.0007119f },
        { 10000.0f, 44100.0f, 0.4634255f },
        { 1000.0f, 48000.0f, 0.0615118f },
    };

    for (const Case& c : cases)
        EXPECT_NEAR(filterAt(c.cutoff, c.rate).coefficient, c.coefficient, 1e-6f) << c.cutoff << " Hz at " << c.rate;
}

TEST(TPTFilter, NewRecordIsATenKilohertzFilterAt44100)
{
    TPTFilter f;
    f.state = 3.0f;
    initTPT(&f);
    EXPECT_EQ(f.state, 0.0f);
    EXPECT_EQ(f.cutoff, 10000.0f);
    EXPECT_NEAR(f.coefficient, 0.4634255f, 1e-6f);
}

TEST(TPTFilter, ConstantInputConverges)
{
    for (float cutoff : { 10.0f, 440.0f, 15000.0f })
    {
        TPTFilter low = filterAt(cutoff, 44100.0f);
        TPTFilter high = filterAt(cutoff, 44100.0f);
        EXPECT_NEAR(settle(low, 0, 0.7f, 441000), 0.7f, 1e-4f) << cutoff;
        EXPECT_NEAR(settle(high, 1, 0.7f, 441000), 0.0f, 1e-4f) << cutoff;
    }
}

TEST(TPTFilter, BareStateLowpassMatchesTheRecord)
{
    TPTFilter f = filterAt(3000.0f, 44100.0f);
    float state = 0.0f;
    for (int n = 0; n < 64; ++n)
    {
        const float x = std::sin(0.3f * static_cast<float>(n));
        EXPECT_EQ(runTPT(&state, x, f.coefficient), runTPT2(&f, 0, x)) << n;
    }
}

TEST(TPTFilter, CoefficientIsCachedByCutoff)
{
    TPTFilter f = filterAt(1000.0f, 44100.0f);
    f.coefficient = 0.5f;

    setTPTCutoff(&f, 1000.0f, 44100.0f);
    EXPECT_EQ(f.coefficient, 0.5f) << "same cutoff: nothing recomputed";

    setTPTCutoff(&f, std::nextafter(1000.0f, 2000.0f), 44100.0f);
    EXPECT_NEAR(f.coefficient, filterAt(1000.0f, 44100.0f).coefficient, 1e-6f) << "last-bit change recomputes";
}

TEST(TPTFilter, CutoffsAtOrAboveHalfTheRateStayStable)
{
    struct Case
    {
        float cutoff;
        float rate;
    };

    for (const Case& c : { Case { 15000.0f, 22050.0f }, Case { 20000.0f, 32000.0f }, Case { 20000.0f, 8000.0f },
                           Case { 11025.0f, 22050.0f } })
    {
        TPTFilter low = filterAt(c.cutoff, c.rate);
        EXPECT_GT(low.coefficient, 0.0f) << c.cutoff << " at " << c.rate;
        EXPECT_LT(low.coefficient, 1.0f) << c.cutoff << " at " << c.rate;

        float peak = 0.0f;
        for (int n = 0; n < 10000; ++n)
            peak = std::max(peak, std::fabs(runTPT2(&low, 0, n % 2 == 0 ? 1.0f : -1.0f)));
        EXPECT_LE(peak, 1.0f) << c.cutoff << " at " << c.rate;
    }
}

TEST(FilterStage, HighpassRunsBeforeTheLowpassOnEachChannel)
{
    LumDigiDelay engine(44100.0f);
    engine.lowpass = 2000.0f;
    engine.highpass = 300.0f;

    TPTFilter high = filterAt(300.0f, 44100.0f);
    TPTFilter low = filterAt(2000.0f, 44100.0f);

    for (int n = 0; n < 100; ++n)
    {
        const float x = std::sin(0.2f * static_cast<float>(n));
        float outL = 0.0f, outR = 0.0f;
        engine.doFilter(x, -x, &outL, &outR);
        const float expected = runTPT2(&low, 0, runTPT2(&high, 1, x));
        EXPECT_FLOAT_EQ(outL, expected) << n;
        EXPECT_FLOAT_EQ(outR, -expected) << n;
    }
}

TEST(FilterStage, CrossedCutoffsAttenuateEverything)
{
    LumDigiDelay engine(44100.0f);
    engine.lowpass = 100.0f;
    engine.highpass = 5000.0f;

    float peak = 0.0f;
    for (int n = 0; n < 44100; ++n)
    {
        const float x = 0.5f * std::sin(2.0f * 3.14159265f * 1000.0f * static_cast<float>(n) / 44100.0f);
        float outL = 0.0f, outR = 0.0f;
        engine.doFilter(x, x, &outL, &outR);
        if (n > 4410)
            peak = std::max(peak, std::fabs(outL));
    }
    EXPECT_LT(peak, 0.05f);
}

TEST(FilterStage, ANewSampleRateRecomputesEveryCoefficient)
{
    LumDigiDelay engine(44100.0f);
    engine.lowpass = 15000.0f;
    engine.highpass = 120.0f;
    float l = 0.0f, r = 0.0f;
    engine.doFilter(0.0f, 0.0f, &l, &r);

    engine.prepare(96000.0f, 512);

    EXPECT_FLOAT_EQ(engine.lowpassL.coefficient, filterAt(15000.0f, 96000.0f).coefficient);
    EXPECT_FLOAT_EQ(engine.lowpassR.coefficient, filterAt(15000.0f, 96000.0f).coefficient);
    EXPECT_FLOAT_EQ(engine.highpassL.coefficient, filterAt(120.0f, 96000.0f).coefficient);
    EXPECT_FLOAT_EQ(engine.highpassR.coefficient, filterAt(120.0f, 96000.0f).coefficient);
}

TEST(TPTFilter, BlockOfHighAndLowMatchesSampleBySampleOnEveryVectorPath)
{
    struct Case
    {
        float high;
        float low;
        float rate;
        int count;
    };

    const Case cases[] = {
        { 10.0f, 15000.0f, 44100.0f, 128 }, { 10.0f, 20000.0f, 44100.0f, 127 }, { 2000.0f, 300.0f, 48000.0f, 3 },
        { 120.0f, 5000.0f, 96000.0f, 1 },   { 20000.0f, 20000.0f, 44100.0f, 64 }, { 10.0f, 15000.0f, 44100.0f, 0 },
    };

    for (LumVectorPath path : everyVectorPath)
    {
        const ForcedVectorPath forced(path);
        if (! forced.taken)
        {
            std::printf("vector path %d: not on this processor\n", static_cast<int>(path));
            continue;
        }

        for (const Case& c : cases)
        {
            TPTFilter highL = filterAt(c.high, c.rate), lowL = filterAt(c.low, c.rate);
            TPTFilter highR = highL, lowR = lowL;
            TPTFilter plainHigh = highL, plainLow = lowL;
            highL.state = plainHigh.state = 0.3f; // a state carried over from an earlier block
            highR.state = -0.3f;                  // the right channel mirrors the left

            std::vector<float> left(static_cast<size_t>(c.count)), right(left.size());
            for (size_t n = 0; n < left.size(); ++n)
            {
                left[n] = 0.5f * std::sin(0.37f * static_cast<float>(n)) + 0.2f;
                right[n] = -left[n];
            }
            const std::vector<float> input = left;

            TPTFilter* highs[2] = { &highL, &highR };
            TPTFilter* lows[2] = { &lowL, &lowR };
            float* channels[2] = { left.data(), right.data() };
            lumDigiDelayLoops().runFilters(highs, lows, channels, c.count);
            const auto context = ::testing::Message() << c.high << "/" << c.low << ", vector path "
                                                      << static_cast<int>(path);

            for (size_t n = 0; n < input.size(); ++n)
            {
                const float expected = runTPT2(&plainLow, 0, runTPT2(&plainHigh, 1, input[n]));
                ASSERT_NEAR(left[n], expected, 1e-6f) << context << ", sample " << n;
                ASSERT_NEAR(right[n], -expected, 1e-6f) << context << ", sample " << n;
            }
            EXPECT_NEAR(highL.state, plainHigh.state, 1e-6f) << context;
            EXPECT_NEAR(lowL.state, plainLow.state, 1e-6f) << context;
            EXPECT_NEAR(lowR.state, -plainLow.state, 1e-6f) << context;
        }
    }
}
