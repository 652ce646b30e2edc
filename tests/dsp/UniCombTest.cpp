#include "filters/LumUniComb.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
constexpr float rate = 1000.0f;

// A ring whose reads are plain delays: each call returns tanh(delayed) and stores 0.95 x.
class Ring : public ::testing::Test
{
protected:
    void SetUp() override { initUniComb(&ring, 8); }
    void TearDown() override { deleteUniComb(ring); }

    float delay(float x, float samples) { return runUniComb(ring, x, samples / rate, 0.0f, 0.0f, 1.0f, rate); }

    // Writes 1, 2, 3 ... so that the slot written k calls ago holds 0.95 * (count - k + 1).
    void writeRamp(int count)
    {
        for (int i = 1; i <= count; ++i)
            delay(static_cast<float>(i), 1.0f);
    }

    UniComb* ring = nullptr;
};
} // namespace

TEST_F(Ring, StartsEmpty)
{
    EXPECT_EQ(ring->size, 8);
    EXPECT_EQ(ring->writeIndex, 0);
    for (int i = 0; i < ring->size; ++i)
        EXPECT_EQ(ring->buffer[i], 0.0f);
}

TEST_F(Ring, FractionalDelaysInterpolateBetweenTheWrittenValues)
{
    struct Case
    {
        float samples;
        float expectedDelayed; // after writing 1..5
    };

    const Case cases[] = {
        { 1.0f, 0.95f * 5.0f },  // the previous call's value
        { 2.0f, 0.95f * 4.0f },
        { 2.5f, 0.95f * 3.5f },  // mean of the values written 2 and 3 calls ago
        { 0.0f, 0.0f },          // the slot about to be overwritten: written a full ring earlier
    };

    for (const Case& c : cases)
    {
        resetUniComb(ring);
        writeRamp(5);
        EXPECT_FLOAT_EQ(delay(0.0f, c.samples), std::tanh(c.expectedDelayed)) << c.samples << " samples";
    }
}

TEST_F(Ring, ZeroDelayReturnsTheValueWrittenOneRingLengthEarlier)
{
    writeRamp(8);
    EXPECT_FLOAT_EQ(delay(0.0f, 0.0f), std::tanh(0.95f * 1.0f));
}

TEST_F(Ring, InterpolationPartnerWrapsFromTheLastSlotToTheFirst)
{
    for (int i = 0; i < 8; ++i)
        ring->buffer[i] = static_cast<float>(i);

    // writeIndex 0: 0.5 samples back reads between slot 7 and slot 0.
    EXPECT_FLOAT_EQ(delay(0.0f, 0.5f), std::tanh(3.5f));

    // writeIndex 1: 1.5 samples back reads between the last slot and slot 0 again.
    EXPECT_FLOAT_EQ(delay(0.0f, 1.5f), std::tanh(3.5f));

    // writeIndex 2: 3.5 samples back sits between slot 6 and the last slot.
    EXPECT_FLOAT_EQ(delay(0.0f, 3.5f), std::tanh(6.5f));
}

TEST_F(Ring, UnitFeedbackRepeatsAnImpulseUndiminished)
{
    std::vector<float> out;
    for (int n = 0; n < 16; ++n)
        out.push_back(runUniComb(ring, n == 0 ? 0.5f : 0.0f, 4.0f / rate, 0.0f, 1.0f, 1.0f, rate));

    for (int n = 0; n < 16; ++n)
    {
        const bool echo = n > 0 && n % 4 == 0;
        EXPECT_FLOAT_EQ(out[static_cast<size_t>(n)], echo ? std::tanh(0.95f * 0.5f) : 0.0f) << "sample " << n;
    }
}

TEST_F(Ring, ResetForgetsEverythingWrittenBefore)
{
    writeRamp(7);
    resetUniComb(ring);
    EXPECT_EQ(ring->writeIndex, 0);

    const float blend = 0.5f;
    for (int n = 0; n < 3; ++n)
        EXPECT_FLOAT_EQ(runUniComb(ring, 1.0f, 3.0f / rate, blend, 0.0f, 1.0f, rate), std::tanh(blend * 0.95f));

    EXPECT_FLOAT_EQ(runUniComb(ring, 1.0f, 3.0f / rate, blend, 0.0f, 1.0f, rate),
                    std::tanh(0.95f + blend * 0.95f));
}

TEST_F(Ring, AllpassWeightingKeepsTheEnergyOfAnImpulse)
{
    // (a, -a, 1) with a one-sample delay is a first-order allpass followed by tanh.
    const float a = -0.3f;
    double energy = 0.0;
    for (int n = 0; n < 200; ++n)
    {
        const float y = runUniComb(ring, n == 0 ? 0.01f : 0.0f, 1.0f / rate, a, -a, 1.0f, rate);
        energy += static_cast<double>(y) * y;
    }
    EXPECT_NEAR(energy, 0.0095 * 0.0095, 1e-7);
}

TEST(RingReaders, WholeSampleReadsStayInsideTheRing)
{
    UniComb* ring = nullptr;
    initUniComb(&ring, 4);
    for (int i = 1; i <= 4; ++i)
        runUniComb(ring, static_cast<float>(i), 1.0f, 0.0f, 0.0f, 1.0f, 1.0f);

    EXPECT_FLOAT_EQ(uniCombGetSampleWithDelay(ring, 1.0f), 0.95f * 4.0f);
    EXPECT_FLOAT_EQ(uniCombGetSampleWithDelay(ring, 2.7f), 0.95f * 3.0f);
    EXPECT_FLOAT_EQ(uniCombGetSampleWithTimeDelay(ring, 0.5f, 4.0f), 0.95f * 3.0f);
    EXPECT_FLOAT_EQ(uniCombGetSampleWithDelay(ring, 5.0f), 0.95f * 4.0f);
    EXPECT_FLOAT_EQ(uniCombGetSampleWithDelay(ring, -1.0f), 0.95f * 2.0f);
    deleteUniComb(ring);
}

TEST(RingLimits, AReadLandsExactlyDSamplesBackAtAnyWriteIndex)
{
    // Slots alternate 0 and 1, so a read shows its interpolation weight. Large write indices are where a
    // position taken as a float would round to a grid of 1/64 or 1/32 sample.
    UniComb* ring = nullptr;
    initUniComb(&ring, 441000);
    for (int i = 0; i < ring->size; ++i)
        ring->buffer[i] = static_cast<float>(i % 2);

    for (int writeIndex : { 5, 131075, 262147, 440990 })
        for (float d : { 1.0f, 2.25f, 14685.3f, 440000.7f })
        {
            ring->writeIndex = writeIndex;
            const double exact = static_cast<double>(writeIndex) - static_cast<double>(d);
            const double position = exact < 0.0 ? exact + ring->size : exact;
            const int first = static_cast<int>(std::floor(position));
            const double frac = position - first;
            const double expected = first % 2 == 0 ? frac : 1.0 - frac;

            EXPECT_NEAR(readUniCombBack(ring, d), expected, 1e-6) << "write index " << writeIndex << ", d " << d;
        }
    deleteUniComb(ring);
}

TEST(RingRuns, AWrittenRunIsTheSameAsOneWriteAtATime)
{
    for (int start : { 0, 3, 6, 7 })
    {
        UniComb* byRun = nullptr;
        UniComb* oneByOne = nullptr;
        initUniComb(&byRun, 8);
        initUniComb(&oneByOne, 8);
        byRun->writeIndex = oneByOne->writeIndex = start;

        const float values[] = { 1.0f, 2.0f, 3.0f, 4.0f, 5.0f };
        writeUniCombRun(byRun, values, 5);
        for (float v : values)
            writeUniComb(oneByOne, v);

        EXPECT_EQ(byRun->writeIndex, oneByOne->writeIndex) << start;
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(byRun->buffer[i], oneByOne->buffer[i]) << start << ", slot " << i;
        deleteUniComb(byRun);
        deleteUniComb(oneByOne);
    }
}
