#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
const float firstEcho = std::tanh(0.95f * 0.5f);
} // namespace

TEST(DigiDelay, ConstructionValues)
{
    LumDigiDelay engine(44100.0f);

    EXPECT_FLOAT_EQ(engine.time, 0.1f);
    EXPECT_FLOAT_EQ(engine.feedback, 0.25f);
    EXPECT_FLOAT_EQ(engine.mix, 0.5f);
    EXPECT_FLOAT_EQ(engine.modFreq, 1.0f);
    EXPECT_EQ(engine.modRouting, LumDigiDelay::ModRouting::post);
    EXPECT_FLOAT_EQ(engine.lowpass, 20000.0f);
    EXPECT_FLOAT_EQ(engine.highpass, 10.0f);
    EXPECT_FLOAT_EQ(engine.modCentre, 0.005f);
    EXPECT_FLOAT_EQ(engine.modDepth, 0.03f);
    EXPECT_FLOAT_EQ(engine.smoothTimeL, 0.1f);
    EXPECT_FLOAT_EQ(engine.smoothFeedback, 0.25f);
    EXPECT_NEAR(engine.smoothCoef, 0.9997911f, 1e-7f);
    EXPECT_NEAR(engine.modSmoothCoef, 0.9995824f, 1e-7f);

    EXPECT_EQ(engine.delayLineL->size, 441000);
    EXPECT_EQ(engine.delayLineR->size, 441000);
    EXPECT_EQ(engine.modLineL->size, 220500);
    EXPECT_EQ(engine.modLineR->size, 220500);

    EXPECT_EQ(engine.preModStage, nullptr);
    EXPECT_EQ(engine.delayStage, &LumDigiDelay::doDelay);
    EXPECT_EQ(engine.filterStage, &LumDigiDelay::doFilter);
    EXPECT_EQ(engine.postModStage, &LumDigiDelay::doMod);
}

TEST(DigiDelay, RoutingSetsTheModulationSlotsAtTheStartOfABlock)
{
    struct Case
    {
        LumDigiDelay::ModRouting routing;
        LumDigiDelay::StageOperation pre;
        LumDigiDelay::StageOperation post;
    };

    const Case cases[] = {
        { LumDigiDelay::ModRouting::pre, &LumDigiDelay::doMod, nullptr },
        { LumDigiDelay::ModRouting::post, nullptr, &LumDigiDelay::doMod },
        { LumDigiDelay::ModRouting::bypass, nullptr, nullptr },
        // unknown: the slots stay as they were (Post after construction)
        { static_cast<LumDigiDelay::ModRouting>(7), nullptr, &LumDigiDelay::doMod },
    };

    for (const Case& c : cases)
    {
        LumDigiDelay engine(44100.0f);
        float l = 0.0f, r = 0.0f;
        engine.modRouting = c.routing;
        engine.runEffect(&l, &r, &l, &r, 0, 120.0f);
        EXPECT_EQ(engine.preModStage, c.pre) << "routing " << static_cast<int>(c.routing);
        EXPECT_EQ(engine.postModStage, c.post) << "routing " << static_cast<int>(c.routing);
    }
}

TEST(DigiDelay, SettledDelayTimes)
{
    struct Case
    {
        const char* name;
        bool sync;
        LumDigiDelay::SyncMode mode;
        float time;
        float spread;
        float bpm;
        float left;
        float right;
    };

    using Mode = LumDigiDelay::SyncMode;
    constexpr Mode normal = Mode::normal, dotted = Mode::dotted, triplet = Mode::triplet;
    constexpr Mode unknown = static_cast<Mode>(5);
    const Case cases[] = {
        { "free with spread", false, normal, 300.0f, 1.0f, 120.0f, 0.35f, 0.25f },
        { "free", false, normal, 1234.0f, 0.0f, 120.0f, 1.234f, 1.234f },
        { "quarter note", true, normal, 4.0f, 0.0f, 120.0f, 0.5f, 0.5f },
        { "four bars", true, normal, 8.0f, 0.0f, 120.0f, 8.0f, 8.0f },
        { "dotted quarter", true, dotted, 4.0f, 0.0f, 120.0f, 0.75f, 0.75f },
        { "triplet quarter", true, triplet, 4.0f, 0.0f, 120.0f, 1.0f / 3.0f, 1.0f / 3.0f },
        { "fractional exponent", true, normal, 4.5f, 0.0f, 120.0f, 0.5f * std::sqrt(2.0f), 0.5f * std::sqrt(2.0f) },
        { "exponent above 8 means 1", true, normal, 9.0f, 0.0f, 120.0f, 0.0625f, 0.0625f },
        { "milliseconds left in sync", true, normal, 250.0f, 0.0f, 120.0f, 0.0625f, 0.0625f },
        { "synced with spread", true, normal, 4.0f, 0.5f, 120.0f, 0.525f, 0.475f },
        { "other tempo", true, normal, 4.0f, 0.0f, 90.0f, 2.0f / 3.0f, 2.0f / 3.0f },
        { "tempo 0", true, normal, 4.0f, 0.0f, 0.0f, 0.5f, 0.5f },
        { "negative tempo", true, normal, 4.0f, 0.0f, -60.0f, 0.5f, 0.5f },
        { "unknown sync mode", true, unknown, 4.0f, 0.0f, 120.0f, 0.0f, 0.0f },
    };

    for (const Case& c : cases)
    {
        EngineHarness h;
        h.engine.syncTempo = c.sync;
        h.engine.syncMode = c.mode;
        h.engine.time = c.time;
        h.engine.spread = c.spread;
        h.settle(c.bpm);

        EXPECT_NEAR(h.engine.smoothTimeL, c.left, 1e-5f) << c.name;
        EXPECT_NEAR(h.engine.smoothTimeR, c.right, 1e-5f) << c.name;
    }
}

TEST(DigiDelay, TimeChangesGlideInsteadOfJumping)
{
    EngineHarness h;
    h.engine.time = 500.0f;
    h.settle();
    h.engine.time = 1500.0f;

    std::vector<float> l(22050, 0.0f), r(22050, 0.0f);
    h.process(l, r);

    EXPECT_NEAR(h.engine.smoothTimeL, 1.49f, 1e-3f); // 99 % of the step after 500 ms
}

TEST(DigiDelay, FirstBlockStartsEverySmootherAtItsTarget)
{
    // A fresh or newly prepared engine has nothing to glide from: a hit at 0 s with time 50 ms echoes at exactly
    // 50 ms, as an offline render relies on. Later changes glide (TimeChangesGlideInsteadOfJumping).
    struct Case
    {
        const char* name;
        bool preparedAfterOtherSettings;
        bool synced;
        float time;
        size_t echo;
    };

    const Case cases[] = {
        { "fresh, 50 ms", false, false, 50.0f, 2205 },
        { "prepared, 50 ms", true, false, 50.0f, 2205 },
        { "prepared, synced 1/8 at 120 bpm", true, true, 3.0f, 11025 },
    };

    for (const Case& c : cases)
    {
        EngineHarness h(true);
        if (c.preparedAfterOtherSettings)
        {
            h.engine.time = 700.0f;
            h.settle();
            h.engine.prepare(EngineHarness::rate, 512);
        }
        h.engine.time = c.time;
        h.engine.syncTempo = c.synced;
        h.engine.feedback = 0.3f;
        h.engine.modAmount = 0.8f;

        std::vector<float> right;
        const auto left = h.impulseResponse(c.echo + 64, 0.5f, &right);

        EXPECT_EQ(EngineHarness::firstAudible(left, 1), c.echo) << c.name;
        EXPECT_EQ(EngineHarness::firstAudible(right, 1), c.echo) << c.name;
        EXPECT_EQ(h.engine.smoothFeedback, 0.3f) << c.name;
        EXPECT_EQ(h.engine.smoothModAmount, 0.8f) << c.name;
    }
}

TEST(DigiDelay, ASteadyFractionalDelayReadsAlikeAtEveryWriteIndex)
{
    // A read position taken as a float would round to 1/64 sample past write index 2^17 and to 1/32 past 2^18;
    // the last start wraps the ring during the echo.
    std::vector<float> first;
    for (int writeIndex : { 0, 131000, 262100, 440000 })
    {
        EngineHarness h;
        h.engine.time = 333.3f; // 14698.53 samples
        h.settle();
        h.engine.delayLineL->writeIndex = h.engine.delayLineR->writeIndex = writeIndex;

        const auto out = h.impulseResponse(14701, 0.5f);
        const std::vector<float> echo(out.begin() + 14697, out.end());
        if (first.empty())
            first = echo;

        EXPECT_GT(echo[1], 0.1f) << writeIndex;
        for (size_t n = 0; n < echo.size(); ++n)
            EXPECT_EQ(echo[n], first[n]) << "write index " << writeIndex << ", sample " << 14697 + n;
    }
}

TEST(DigiDelay, ImpulseComesBackAtTheDelayAsTanhOfTheScaledInput)
{
    EngineHarness h;
    h.engine.time = 100.0f;
    h.settle();

    const auto out = h.impulseResponse(10000, 0.5f);

    EXPECT_EQ(EngineHarness::firstAudible(out), 4410u);
    EXPECT_NEAR(out[4410], firstEcho, 1e-4f);
    EXPECT_EQ(EngineHarness::firstAudible(out, 4411), out.size()); // feedback 0: one echo only
}

TEST(DigiDelay, MixBlendsDryAndWet)
{
    struct Case
    {
        float mix;
        float atImpulse;
        float atEcho;
    };

    for (const Case& c : { Case { 0.0f, 0.5f, 0.0f }, Case { 1.0f, 0.0f, firstEcho },
                           Case { 0.25f, 0.375f, 0.25f * firstEcho } })
    {
        EngineHarness h;
        h.engine.time = 10.0f;
        h.engine.mix = c.mix;
        h.settle();

        const auto out = h.impulseResponse(1000, 0.5f);
        EXPECT_FLOAT_EQ(out[0], c.atImpulse) << "mix " << c.mix;
        EXPECT_NEAR(out[441], c.atEcho, 1e-4f) << "mix " << c.mix;
    }
}

TEST(DigiDelay, LoudInputPassesTheDryPathUnchangedAndEchoesFinite)
{
    // Float hosts pass samples above 0 dBFS; the wet chain takes them up to 2^20 as they are.
    struct Case
    {
        float input;
        float wetInput;
    };

    const Case cases[] = {
        { 1.5f, 1.5f },
        { -1.7f, -1.7f },
        { 2.0f, 2.0f },
        { 1000.0f, 1000.0f },
        { 3e38f, 1048576.0f },
        { -std::numeric_limits<float>::max(), -1048576.0f },
    };

    for (const Case& c : cases)
    {
        EngineHarness h;
        h.engine.mix = 0.5f;
        h.engine.time = 10.0f;
        h.engine.feedback = 1.0f;
        h.settle();

        const auto out = h.impulseResponse(441 * 4 + 1, c.input);
        EXPECT_EQ(out[0], 0.5f * c.input) << c.input;
        EXPECT_FLOAT_EQ(out[441], 0.5f * std::tanh(0.95f * c.wetInput)) << c.input;
        for (float v : out)
            ASSERT_TRUE(std::isfinite(v)) << c.input;
    }
}

TEST(DigiDelay, HotSineIsNotPunchedFullOfHoles)
{
    // A 1 kHz sine peaking at 2.0 with mix 0 comes out sample for sample as it went in.
    EngineHarness h(true);
    h.engine.mix = 0.0f;
    h.engine.modRouting = LumDigiDelay::ModRouting::pre;

    std::vector<float> left(4410), right(4410);
    for (size_t n = 0; n < left.size(); ++n)
        left[n] = right[n] = 2.0f * std::sin(6.2831853f * 1000.0f * static_cast<float>(n) / EngineHarness::rate);
    const std::vector<float> input = left;
    h.process(left, right);

    for (size_t n = 0; n < input.size(); ++n)
        ASSERT_EQ(left[n], input[n]) << "sample " << n;
}

TEST(DigiDelay, UnitFeedbackDoesNotDecay)
{
    EngineHarness h;
    h.engine.time = 10.0f;
    h.engine.feedback = 1.0f;
    h.settle();

    const auto out = h.impulseResponse(441 * 20 + 1, 0.5f);
    for (size_t k = 1; k <= 20; ++k)
        EXPECT_NEAR(out[441 * k], firstEcho, 1e-4f) << "echo " << k;
}

TEST(DigiDelay, FeedbackScalesEachRepeatBeforeTheTanh)
{
    EngineHarness h;
    h.engine.time = 10.0f;
    h.engine.feedback = 0.5f;
    h.settle();

    const auto out = h.impulseResponse(441 * 3 + 1, 0.5f);
    EXPECT_NEAR(out[441], std::tanh(0.475f), 1e-4f);
    EXPECT_NEAR(out[882], std::tanh(0.2375f), 1e-4f);
    EXPECT_NEAR(out[1323], std::tanh(0.11875f), 1e-4f);
}

TEST(DigiDelay, BypassLeavesTheRingsAsTheyWere)
{
    EngineHarness h;
    h.engine.time = 100.0f;
    h.settle();

    std::vector<float> before;
    before = h.impulseResponse(1000, 0.5f);

    h.engine.bypassDelay = true;
    std::vector<float> l(5000, 0.0f), r(5000, 0.0f);
    l[100] = 0.25f;
    r[100] = 0.25f;
    h.process(l, r);
    EXPECT_FLOAT_EQ(l[100], 0.25f); // wet is the input itself while the delay is bypassed
    EXPECT_EQ(EngineHarness::firstAudible(l, 101), l.size());

    h.engine.bypassDelay = false;
    std::vector<float> after(5000, 0.0f), afterR(5000, 0.0f);
    h.process(after, afterR);
    EXPECT_EQ(EngineHarness::firstAudible(after), 3410u);
    EXPECT_NEAR(after[3410], firstEcho, 1e-4f);
}

TEST(DigiDelay, MonoUseLeavesTheRightResultInTheSharedChannel)
{
    EngineHarness h;
    h.engine.time = 100.0f;
    h.engine.spread = 1.0f;
    h.settle();

    std::vector<float> channel(8000, 0.0f);
    channel[0] = 0.5f;
    for (size_t start = 0; start < channel.size(); start += 512)
    {
        const int n = static_cast<int>(std::min<size_t>(512, channel.size() - start));
        float* p = &channel[start];
        h.engine.runEffect(p, p, p, p, n, 120.0f);
    }

    EXPECT_EQ(EngineHarness::firstAudible(channel), 2205u); // right line: 100 ms - 50 ms
}

TEST(DigiDelay, PrepareEmptiesTheRingsAndKeepsTheSmoothers)
{
    EngineHarness h;
    h.engine.time = 100.0f;
    h.settle();
    h.impulseResponse(1000, 0.5f);

    h.engine.prepare(48000.0f, 256);

    EXPECT_FLOAT_EQ(h.engine.sampleRate, 48000.0f);
    EXPECT_FLOAT_EQ(h.engine.engineSampleRate, 48000.0f);
    EXPECT_EQ(h.engine.blockSize, 256);
    EXPECT_EQ(h.engine.delayLineL->size, 480000);
    EXPECT_EQ(h.engine.modLineR->size, 240000);
    EXPECT_NEAR(h.engine.smoothTimeL, 0.1f, 1e-4f);

    std::vector<float> l(10000, 0.0f), r(10000, 0.0f);
    h.process(l, r);
    EXPECT_EQ(EngineHarness::firstAudible(l), l.size());
}

TEST(DigiDelay, GlidesReachTheirTargetsExactly)
{
    // Single-precision steps stall short of the target; the glide must still arrive.
    for (float target : { 0.1f, 1234.0f, 2000.0f })
    {
        EngineHarness h;
        h.engine.time = target;
        h.engine.feedback = 1.0f;
        h.settle();
        EXPECT_EQ(h.engine.smoothTimeL, target / 1000.0f) << target;
        EXPECT_EQ(h.engine.smoothFeedback, 1.0f) << target;
    }
}
