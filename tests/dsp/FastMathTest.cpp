#include "maths/LumFastMath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{
// The errors LumFastMath.h quotes, measured over every float in their ranges against double precision.
constexpr double tanhError = 3.6e-7;
constexpr double sinCosError = 9.3e-8;
} // namespace

TEST(FastMath, TanhFollowsTheLibraryEverywhere)
{
    double worst = 0.0;
    for (float x = -20.0f; x < 20.0f; x += 1.37e-4f)
        worst = std::max(worst, std::fabs(fastTanh(x) - std::tanh(static_cast<double>(x))));
    EXPECT_LE(worst, tanhError);

    for (float x = 1e-30f; x < 0.1f; x *= 1.01f)
        ASSERT_NEAR(fastTanh(x) / std::tanh(static_cast<double>(x)), 1.0, tanhError) << x;
    EXPECT_EQ(fastTanh(-0.0f), 0.0f);
    for (float x : { 7.19315672f, 7.0f, 7.9f, 8.0f, 100.0f, 1e30f })
    {
        EXPECT_NEAR(fastTanh(x), std::tanh(static_cast<double>(x)), tanhError) << x;
        EXPECT_LE(fastTanh(x), 1.0f) << x;
        EXPECT_GE(fastTanh(-x), -1.0f) << x;
    }
}

TEST(FastMath, TanhOfAVectorIsTanhOfEachLane)
{
    using Four = float __attribute__((vector_size(16)));
    for (float x = -9.0f; x < 9.0f; x += 0.0137f)
    {
        const Four lanes = fastTanhOf(Four { x, -x, 0.5f * x, 3.0f * x });
        ASSERT_EQ(lanes[0], fastTanh(x)) << x;
        ASSERT_EQ(lanes[1], fastTanh(-x)) << x;
        ASSERT_EQ(lanes[2], fastTanh(0.5f * x)) << x;
        ASSERT_EQ(lanes[3], fastTanh(3.0f * x)) << x;
    }
}

TEST(FastMath, SinCosStayWithinTheirBoundOfTheLibrary)
{
    // The LFOs take their sine from here: it must stay within about an ulp wherever an LFO phase can be.
    double worst = 0.0;
    for (float x = -64.0f; x < 64.0f; x += 3.1e-5f)
    {
        const SinCos fast = fastSinCos(x);
        const double exact = static_cast<double>(x);
        worst = std::max({ worst, std::fabs(fast.sin - std::sin(exact)), std::fabs(fast.cos - std::cos(exact)) });
    }
    for (float x : { 3.90851426f, 2.36492205f }) // where the largest errors fall
    {
        const SinCos fast = fastSinCos(x);
        worst = std::max(worst, std::fabs(fast.cos - std::cos(static_cast<double>(x))));
    }
    EXPECT_LE(worst, sinCosError);
}
