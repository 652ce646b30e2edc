#include "effects/LumDigiDelay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace
{
constexpr uint32_t quarterTurn = 1u << 30; // of an LFO phase

enum Type
{
    chorus, vibrato, flanger, pan, phaser, tremolo, delayType
};

// The modulation stage alone, at a rate where its delays fall on whole samples.
struct ModStage
{
    static constexpr float rate = 48000.0f;

    ModStage(int type, float amount)
    {
        engine.modType = type;
        engine.modAmount = amount;
        engine.smoothModAmount = amount;
        engine.modFreq = 0.0f;
        engine.modFeedback = 0.0f;
    }

    std::vector<float> impulseResponse(size_t length, float height, std::vector<float>* right = nullptr)
    {
        std::vector<float> left(length);
        if (right != nullptr)
            right->resize(length);
        for (size_t n = 0; n < length; ++n)
        {
            float r = 0.0f;
            const float x = n == 0 ? height : 0.0f;
            engine.doMod(x, x, &left[n], &r);
            if (right != nullptr)
                (*right)[n] = r;
        }
        return left;
    }

    static size_t peakAfterStart(const std::vector<float>& signal)
    {
        const auto peak = std::max_element(signal.begin() + 1, signal.end(),
                                           [](float a, float b) { return std::fabs(a) < std::fabs(b); });
        return static_cast<size_t>(peak - signal.begin());
    }

    LumDigiDelay engine { rate };
};
} // namespace

TEST(Modulation, PanAndTremoloGainsWithAStoppedLfo)
{
    // With modFreq 0 the phases stay at 0: the left LFO reads 0 and the right one 1.
    struct Case
    {
        int type;
        float amount;
        float gainL;
        float gainR;
    };

    const Case cases[] = {
        { pan, 0.0f, 1.0f, 1.0f },     { pan, 1.0f, 0.0f, 1.0f },     { pan, 0.5f, 0.5f, 1.0f },
        { tremolo, 0.0f, 1.0f, 1.0f }, { tremolo, 1.0f, 0.0f, 0.0f }, { tremolo, 0.5f, 0.5f, 0.5f },
    };

    for (const Case& c : cases)
    {
        ModStage stage(c.type, c.amount);
        float l = 0.0f, r = 0.0f;
        stage.engine.doMod(0.8f, -0.4f, &l, &r);
        EXPECT_FLOAT_EQ(l, 0.8f * c.gainL) << "type " << c.type << " amount " << c.amount;
        EXPECT_FLOAT_EQ(r, -0.4f * c.gainR) << "type " << c.type << " amount " << c.amount;
        EXPECT_EQ(stage.engine.lastModOutL, l);
        EXPECT_EQ(stage.engine.lastModOutR, r);
    }
}

TEST(Modulation, TremoloFollowsTheSineOnBothChannels)
{
    ModStage stage(tremolo, 1.0f);
    stage.engine.lfoPhaseL = quarterTurn / 2 * 5; // 5 pi / 4
    stage.engine.lfoPhaseR = quarterTurn / 2 * 5;
    float l = 0.0f, r = 0.0f;
    stage.engine.doMod(0.5f, 0.5f, &l, &r);
    EXPECT_NEAR(l, 0.5f * std::sin(3.92699082f), 1e-7f);
    EXPECT_NEAR(r, 0.5f * std::sin(3.92699082f), 1e-7f);
    EXPECT_LT(l, 0.0f) << "the gain turns negative for half of each cycle";
}

TEST(Modulation, LineDelaysSwingBetweenCentreAndCentrePlusDepth)
{
    struct Case
    {
        int type;
        uint32_t phase; // 0: the sine LFO at 0 (shortest delay); a quarter turn: at 1 (longest)
        size_t delaySamples;
    };

    const Case cases[] = {
        { chorus, 0, 240 },   { chorus, quarterTurn, 1680 }, { vibrato, 0, 48 },
        { vibrato, quarterTurn, 192 }, { flanger, 0, 48 },   { flanger, quarterTurn, 144 },
    };

    for (const Case& c : cases)
    {
        ModStage stage(c.type, 1.0f);
        stage.engine.lfoPhaseL = c.phase;
        const auto out = stage.impulseResponse(2000, 0.5f);
        EXPECT_EQ(ModStage::peakAfterStart(out), c.delaySamples) << "type " << c.type << " phase " << c.phase;
    }
}

TEST(Modulation, LineTypesBlendTheInputAsTheirWeightsSay)
{
    struct Case
    {
        int type;
        float atImpulse;
        float atEcho; // the delayed copy at modAmount 0 (the centre delay)
        size_t echo;
    };

    const float w = 0.95f * 0.5f;
    const Case cases[] = {
        { chorus, std::tanh(w), std::tanh(0.7f * w), 240 },
        { vibrato, 0.0f, std::tanh(w), 48 },
        { flanger, std::tanh(0.7f * w), std::tanh(0.7f * w), 48 },
    };

    for (const Case& c : cases)
    {
        ModStage stage(c.type, 0.0f);
        const auto out = stage.impulseResponse(300, 0.5f);
        EXPECT_NEAR(out[0], c.atImpulse, 1e-6f) << "type " << c.type;
        EXPECT_NEAR(out[c.echo], c.atEcho, 1e-4f) << "type " << c.type;
    }
}

TEST(Modulation, PhaserIsAnAllpassAtItsLowestFrequency)
{
    ModStage stage(phaser, 0.0f);
    std::vector<float> right;
    const auto out = stage.impulseResponse(4000, 0.01f, &right);

    const float t = std::tan(3.14159265f * 40.0f / ModStage::rate);
    const float a = (t - 1.0f) / (t + 1.0f);
    const float w0 = 0.95f * 0.01f;
    EXPECT_NEAR(out[0], std::tanh(a * w0), 1e-7f);
    EXPECT_NEAR(out[1], std::tanh(w0 * (1.0f - a * a)), 1e-7f);

    double energy = 0.0;
    for (float y : out)
        energy += static_cast<double>(y) * y;
    EXPECT_NEAR(energy, static_cast<double>(w0) * w0, 1e-3 * w0 * w0);
}

TEST(Modulation, PhaserFeedsEachChannelFromTheOtherOnesLastOutput)
{
    for (float feedback : { 0.0f, 0.8f })
    {
        ModStage stage(phaser, 0.5f);
        stage.engine.modFeedback = feedback;

        float l = 0.0f, r = 0.0f;
        stage.engine.doMod(0.5f, 0.0f, &l, &r);
        EXPECT_EQ(r, 0.0f) << "nothing to feed back into the first sample";

        const float previousLeft = l;
        stage.engine.doMod(0.0f, 0.0f, &l, &r);
        // The right line's second input was its own silence less the feedback share of the left's last output.
        EXPECT_FLOAT_EQ(stage.engine.modLineR->buffer[1], -0.95f * feedback * previousLeft) << feedback;
    }
}

TEST(Modulation, DelayTypeAddsHalfTheMainDelay)
{
    ModStage stage(delayType, 0.0f);
    stage.engine.smoothTimeL = 0.1f;
    stage.engine.smoothTimeR = 0.1f;

    const auto out = stage.impulseResponse(4000, 0.5f);

    EXPECT_NEAR(out[0], std::tanh(0.95f * 0.5f), 1e-6f) << "the input passes with blend 1";
    EXPECT_EQ(ModStage::peakAfterStart(out), 2640u) << "5 ms centre + 50 ms";
}

TEST(Modulation, DelayTypeBeyondItsLineStopsAtTheLineLength)
{
    ModStage stage(delayType, 0.0f);
    stage.engine.smoothTimeL = 24.0f;
    stage.engine.smoothTimeR = 24.0f;

    const auto out = stage.impulseResponse(static_cast<size_t>(stage.engine.modLineL->size) + 10, 0.5f);
    EXPECT_EQ(ModStage::peakAfterStart(out), static_cast<size_t>(stage.engine.modLineL->size - 1));
}

TEST(Modulation, UnknownTypeIsSilent)
{
    for (int type : { 7, -1, 100 })
    {
        ModStage stage(type, 0.5f);
        float l = 1.0f, r = 1.0f;
        stage.engine.doMod(0.5f, 0.5f, &l, &r);
        EXPECT_EQ(l, 0.0f) << type;
        EXPECT_EQ(r, 0.0f) << type;
    }
}

TEST(Modulation, TypeSetsTheLineShapeAndOtherTypesKeepIt)
{
    ModStage stage(flanger, 0.0f);
    float l = 0.0f, r = 0.0f;
    stage.engine.doMod(0.0f, 0.0f, &l, &r);
    EXPECT_FLOAT_EQ(stage.engine.modCentre, 0.001f);
    EXPECT_FLOAT_EQ(stage.engine.modDepth, 0.002f);

    stage.engine.modType = delayType;
    stage.engine.doMod(0.0f, 0.0f, &l, &r);
    EXPECT_FLOAT_EQ(stage.engine.modCentre, 0.001f);
    EXPECT_FLOAT_EQ(stage.engine.modDepth, 0.002f);
}

TEST(Modulation, LfoAdvancesAndWrapsOncePerPeriod)
{
    LumDigiDelay engine(44100.0f);
    engine.modFreq = 5.0f;
    engine.modType = pan;
    float l = 0.0f, r = 0.0f;

    engine.doMod(0.0f, 0.0f, &l, &r);
    EXPECT_NEAR(engine.lfoPhaseL * (6.2831853 / 4294967296.0), 0.000712, 1e-6) << "radians";

    int wraps = 0;
    uint32_t previous = engine.lfoPhaseL;
    for (int n = 1; n < 8820 * 3; ++n)
    {
        engine.doMod(0.0f, 0.0f, &l, &r);
        if (engine.lfoPhaseL < previous)
            ++wraps;
        previous = engine.lfoPhaseL;
    }
    EXPECT_EQ(wraps, 3);
    EXPECT_EQ(engine.lfoPhaseL, engine.lfoPhaseR);
}

TEST(Modulation, AmountGlidesToItsTarget)
{
    LumDigiDelay engine(44100.0f);
    engine.modAmount = 1.0f;
    engine.modType = pan;
    float l = 0.0f, r = 0.0f;

    for (int n = 0; n < 11025; ++n)
        engine.doMod(0.0f, 0.0f, &l, &r);
    EXPECT_NEAR(engine.smoothModAmount, 0.99f, 1e-3f); // 99 % in 250 ms

    for (int n = 0; n < 3 * 44100; ++n)
        engine.doMod(0.0f, 0.0f, &l, &r);
    EXPECT_EQ(engine.smoothModAmount, 1.0f);
}

TEST(Modulation, PhaserStaysStableAtLowSampleRates)
{
    // At 8 kHz the sweep would pass half the sample rate, where the allpass coefficient leaves (-1, 1).
    LumDigiDelay engine(8000.0f);
    engine.modType = phaser;
    engine.modAmount = 1.0f;
    engine.smoothModAmount = 1.0f;
    engine.modFreq = 5.0f;
    engine.modFeedback = 1.0f;

    for (int n = 0; n < 80000; ++n)
    {
        float l = 0.0f, r = 0.0f;
        const float x = n % 100 == 0 ? 1.0f : 0.0f;
        engine.doMod(x, x, &l, &r);
    }

    const UniComb* line = engine.modLineL;
    const float peak = std::fabs(*std::max_element(line->buffer, line->buffer + line->size,
                                                   [](float a, float b) { return std::fabs(a) < std::fabs(b); }));
    EXPECT_LT(peak, 100.0f);
}
