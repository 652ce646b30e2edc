// Where a rung-out tail ends: after a whole quiet stretch below -90 dBFS on every channel, counted afresh after
// each louder sample, or at the longest tail however loud it still is.
#include "RingOut.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace
{
const float quiet = 3.0e-5f; // just below -90 dBFS
const float heard = 3.2e-5f; // just above

struct RingOutCase
{
    const char* name;
    std::vector<float> left;
    std::vector<float> right;
    int quietFrames;
    int longestTail;
    int blockSize;
    int expectedLength; // -1: not ended within the frames given
    bool cutAtLongest;
};

void PrintTo(const RingOutCase& ringOutCase, std::ostream* out)
{
    *out << ringOutCase.name;
}

class RingOutEnd : public ::testing::TestWithParam<RingOutCase>
{
};

TEST_P(RingOutEnd, EndsAfterAQuietStretchOrAtTheLongest)
{
    const auto& c = GetParam();
    RingOut ringOut(c.quietFrames, c.longestTail);
    int length = 0;

    for (int start = 0; start < static_cast<int>(c.left.size()) && ! ringOut.ended(); start += c.blockSize)
    {
        const int frames = std::min(c.blockSize, static_cast<int>(c.left.size()) - start);
        const float* channels[] = { c.left.data() + start, c.right.data() + start };
        length += ringOut.take(channels, 2, frames);
    }

    EXPECT_EQ(ringOut.ended() ? length : -1, c.expectedLength);
    EXPECT_EQ(ringOut.cutAtLongest(), c.cutAtLongest);
}

const float nan = std::numeric_limits<float>::quiet_NaN();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tails, RingOutEnd, ::testing::Values(
    RingOutCase { "SilentFromTheStart",     { 0, 0, 0, 0, 0 },           { 0, 0, 0, 0, 0 },           3, 100, 5, 3, false },
    RingOutCase { "QuietIsBelowMinus90dB",  { quiet, -quiet, quiet, 0 }, { 0, 0, 0, 0 },              3, 100, 5, 3, false },
    RingOutCase { "LoudSampleRestartsIt",   { 0, 0, heard, 0, 0, 0, 0 }, { 0, 0, 0, 0, 0, 0, 0 },     3, 100, 7, 6, false },
    RingOutCase { "EitherChannelCounts",    { 0, 0, 0, 0, 0, 0, 0 },     { 0, -heard, 0, 0, 0, 0, 0 }, 3, 100, 7, 5, false },
    RingOutCase { "NaNIsNotQuiet",          { nan, 0, 0, 0, 0 },         { 0, 0, 0, 0, 0 },           3, 100, 5, 4, false },
    RingOutCase { "AcrossBlocks",           { 1, 0, 1, 0, 0, 0, 0, 0 },  { 0, 0, 0, 0, 0, 0, 0, 0 },  4, 100, 3, 7, false },
    RingOutCase { "StillGoing",             { 1, 0, 0, 0, 0 },           { 0, 0, 0, 0, 0 },           5, 100, 2, -1, false },
    RingOutCase { "CutAtTheLongest",        { 1, 1, 1, 1, 1, 1 },        { 0, 0, 0, 0, 0, 0 },        2, 4, 5, 4, true },
    RingOutCase { "QuietJustAtTheLongest",  { 1, 1, 0, 0, 1, 1 },        { 0, 0, 0, 0, 0, 0 },        2, 4, 5, 4, false },
    RingOutCase { "NoQuietStretchWanted",   { 1, 1 },                    { 1, 1 },                    0, 100, 2, 0, false }),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });
// clang-format on
} // namespace
