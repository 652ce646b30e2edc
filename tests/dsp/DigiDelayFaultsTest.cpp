// Behaviour that keeps the engine safe where a plain reading of its formulas would not.
#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#if defined(__x86_64__)
#include <xmmintrin.h>
#endif

namespace
{
const float firstEcho = std::tanh(0.95f * 0.5f);
constexpr float infinity = std::numeric_limits<float>::infinity();
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
} // namespace

TEST(DigiDelayLimits, EveryDelayStaysBetweenOneSampleAndTheRingLength)
{
    struct Case
    {
        const char* name;
        bool sync;
        float time;
        float spread;
        float bpm;
        size_t leftEcho;
        size_t rightEcho;
    };

    const Case cases[] = {
        { "time 0 is the shortest delay", false, 0.0f, 0.0f, 120.0f, 1, 1 },
        { "spread past the time stops the right line", false, 10.0f, 1.0f, 120.0f, 2646, 1 },
        { "synced beyond the ring stops at its length", true, 8.0f, 0.0f, 40.0f, 440999, 440999 },
    };

    for (const Case& c : cases)
    {
        EngineHarness h;
        h.engine.syncTempo = c.sync;
        h.engine.time = c.time;
        h.engine.spread = c.spread;
        h.settle(c.bpm);

        std::vector<float> right;
        std::vector<float> left(441001, 0.0f);
        right.assign(left.size(), 0.0f);
        left[0] = right[0] = 0.5f;
        h.process(left, right, c.bpm);

        EXPECT_EQ(EngineHarness::firstAudible(left, 1), c.leftEcho) << c.name;
        EXPECT_EQ(EngineHarness::firstAudible(right, 1), c.rightEcho) << c.name;
        EXPECT_NEAR(left[c.leftEcho], firstEcho, 1e-3f) << c.name;
    }
}

TEST(DigiDelayLimits, NonFiniteInputEntersAsSilence)
{
    for (float bad : { notANumber, infinity, -infinity })
    {
        EngineHarness h;
        h.engine.mix = 0.5f;
        h.engine.time = 10.0f;
        h.engine.feedback = 0.5f;
        h.settle();

        ::testing::internal::CaptureStderr();
        std::vector<float> left(2000, 0.0f), right(2000, 0.0f);
        left[0] = bad;
        right[0] = 0.5f;
        left[10] = right[10] = 0.5f;
        h.process(left, right);
        const std::string printed = ::testing::internal::GetCapturedStderr();

        EXPECT_EQ(left[0], 0.0f) << bad;
        EXPECT_FLOAT_EQ(right[0], 0.25f) << bad;
        EXPECT_NEAR(left[451], 0.5f * firstEcho, 1e-4f) << "later input still echoes after " << bad;
        for (float v : left)
            ASSERT_TRUE(std::isfinite(v)) << bad;
        EXPECT_EQ(printed, "") << bad;
    }
}

TEST(DigiDelayLimits, MissingTempoKeepsTheLastOneTheHostGave)
{
    struct Case
    {
        const char* name;
        float givenTempo; // 0: none given
        float expectedSeconds;
    };

    const Case cases[] = {
        { "no tempo ever: 120 bpm", 0.0f, 0.5f },
        { "last tempo 90 bpm", 90.0f, 2.0f / 3.0f },
    };

    for (const Case& c : cases)
    {
        EngineHarness h;
        h.engine.syncTempo = true;
        h.engine.time = 4.0f;

        std::vector<float> l(64, 0.0f), r(64, 0.0f);
        h.process(l, r, c.givenTempo);

        for (float missing : { 0.0f, -1.0f, notANumber, infinity, -infinity })
        {
            h.settle(missing);
            EXPECT_NEAR(h.engine.smoothTimeL, c.expectedSeconds, 1e-5f) << c.name << ", then " << missing;
        }
    }
}

TEST(DigiDelayDiagnostics, NaNDelayTimeIsReportedAndReadsStayInside)
{
    EngineHarness h;
    h.engine.time = notANumber;

    ::testing::internal::CaptureStderr();
    std::vector<float> l(3, 0.25f), r(3, 0.25f);
    h.process(l, r);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "printed while processing";

    ::testing::internal::CaptureStderr();
    h.engine.diagnostics.write(stderr);
    h.engine.diagnostics.write(stderr);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "NAN TL\nNAN TL\nNAN TL\n") << "each sample once";

    for (float v : l)
        EXPECT_TRUE(std::isfinite(v));
}

TEST(DigiDelayDiagnostics, NaNEnteringTheDelayStageIsReplacedBySilence)
{
    LumDigiDelay engine(44100.0f);
    float outL = 1.0f, outR = 1.0f;

    ::testing::internal::CaptureStderr();
    engine.doDelay(notANumber, 0.5f, &outL, &outR);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "printed while processing";

    ::testing::internal::CaptureStderr();
    engine.diagnostics.write(stderr);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "NaN!");

    EXPECT_EQ(outL, 0.0f);
    EXPECT_EQ(outR, 0.0f);
}

#if defined(__x86_64__) || defined(__aarch64__)
namespace
{
// The floating-point control register's mode bits, without the sticky exception flags that any arithmetic sets
// (ARM keeps those in another register).
uint64_t floatingPointMode()
{
#if defined(__x86_64__)
    return _mm_getcsr() & ~0x3fu;
#else
    uint64_t mode = 0;
    asm volatile("mrs %0, fpcr" : "=r"(mode));
    return mode;
#endif
}
} // namespace

TEST(DigiDelayLimits, DenormalsCountAsZeroWhileTheEngineRunsAndTheCallersModeComesBack)
{
    // Denormals cost a hundred times the usual per operation; long tails would make every block dearer.
    const uint64_t before = floatingPointMode();
    EngineHarness h;
    h.engine.mix = 0.0f;

    std::vector<float> left(64, 1e-40f), right(64, -1e-40f);
    h.process(left, right);

    EXPECT_EQ(left[0], 0.0f);
    EXPECT_EQ(right[63], 0.0f);
    EXPECT_EQ(floatingPointMode(), before);
}
#endif
