#include "EngineHarness.h"
#include "effects/LumDucker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
float peakAround(const std::vector<float>& signal, size_t at)
{
    float peak = 0.0f;
    for (size_t n = at - 2; n <= at + 2 && n < signal.size(); ++n)
        peak = std::max(peak, std::fabs(signal[n]));
    return peak;
}

float decibels(float ratio)
{
    return 20.0f * std::log10(ratio);
}

// The root mean square of a window of a signal.
float rms(const std::vector<float>& signal, size_t from, size_t length)
{
    double sum = 0.0;
    for (size_t n = from; n < from + length; ++n)
        sum += static_cast<double>(signal[n]) * signal[n];
    return static_cast<float>(std::sqrt(sum / static_cast<double>(length)));
}
} // namespace

// A mono click bounces: its first echo on the left only, after the left line's time, the second on the right
// only, after the right line's time more, and so on, each one feedback step quieter; spread still makes the
// left line longer and the right one shorter.
TEST(PingPong, AMonoClickBouncesLeftRightLeftEachRepeatOneFeedbackStepQuieter)
{
    EngineHarness h;
    h.engine.pingPong = true;
    h.engine.time = 100.0f;
    h.engine.spread = 0.2f; // 10 ms each way
    h.engine.feedback = 0.5f;
    h.settle();

    std::vector<float> right;
    const auto left = h.impulseResponse(static_cast<size_t>(0.6f * EngineHarness::rate), 0.1f, &right);
    const size_t leftLine = static_cast<size_t>(0.110f * EngineHarness::rate);
    const size_t rightLine = static_cast<size_t>(0.090f * EngineHarness::rate);

    struct Echo
    {
        size_t at;
        const std::vector<float>* heard;
        const std::vector<float>* silent;
    };
    const Echo echoes[] = { { leftLine, &left, &right },
                            { leftLine + rightLine, &right, &left },
                            { 2 * leftLine + rightLine, &left, &right },
                            { 2 * leftLine + 2 * rightLine, &right, &left } };

    float expected = std::tanh(0.95f * 0.1f);
    for (const auto& echo : echoes)
    {
        EXPECT_EQ(EngineHarness::firstAudible(*echo.heard, echo.at - 20), echo.at) << "echo at " << echo.at;
        EXPECT_NEAR(peakAround(*echo.heard, echo.at), expected, 0.02f * expected) << "echo at " << echo.at;
        EXPECT_LT(peakAround(*echo.silent, echo.at), 1e-6f) << "the other side at " << echo.at;
        expected *= 0.5f;
    }
}

// The curve, before the glides: nothing below -40 dBFS, up to 40 dB down at -10 dBFS and above at full depth.
TEST(Ducker, CurveTurnsTheWetDownEvenlyInDecibelsOverThirtyDecibelsOfInput)
{
    const struct
    {
        float inputDb;
        float depth;
        float gainDb;
    } cases[] = {
        { -60.0f, 1.0f, 0.0f },   { -40.0f, 1.0f, 0.0f },   { -25.0f, 1.0f, -20.0f }, { -10.0f, 1.0f, -40.0f },
        { 0.0f, 1.0f, -40.0f },   { -10.0f, 0.5f, -20.0f }, { -10.0f, 0.0f, 0.0f },
    };
    for (const auto& c : cases)
        EXPECT_NEAR(decibels(LumDucker::gainFor(std::pow(10.0f, c.inputDb / 20.0f), c.depth)), c.gainDb, 0.01f)
            << c.inputDb << " dBFS at depth " << c.depth;

    EXPECT_EQ(LumDucker::gainFor(1.0f, 0.0f), 1.0f) << "no depth, no change at all";
}

// A hard onset, a held note, the knob thrown from 0 to full and back, and the stop: the gain never jumps.
TEST(Ducker, GainGlidesWithoutAStepWhateverTheInputAndTheKnobDo)
{
    LumDucker ducker;
    ducker.prepare(EngineHarness::rate);
    float last = 1.0f;
    float largestStep = 0.0f;
    const auto run = [&](float level, float depth, int samples) {
        for (int n = 0; n < samples; ++n)
        {
            const float x = level * std::sin(0.0627f * static_cast<float>(n));
            const float gain = ducker.step(x, x, depth);
            largestStep = std::max(largestStep, std::fabs(gain - last));
            last = gain;
        }
    };

    run(0.0f, 1.0f, 4410);
    run(0.9f, 1.0f, 22050); // onset
    run(0.9f, 0.0f, 22050); // knob to 0 while playing
    run(0.9f, 1.0f, 22050); // and back
    run(0.0f, 1.0f, 44100); // stop
    EXPECT_LE(largestStep, 0.01f) << "a gain step of " << largestStep;

    run(0.0f, 0.0f, 5 * 44100);
    EXPECT_TRUE(ducker.idle(0.0f)) << "at rest again, the ducker has nothing to do";
}

// At full depth a steady input at -6 dBFS holds the wet at least 20 dB down within 20 ms; once the input stops,
// the wet is back within 1 dB of what it would be unducked within 500 ms, while the repeats go on building.
TEST(Ducker, HoldsTheWetDownWhileThePlayerPlaysAndBringsItBackInTheGaps)
{
    constexpr float rate = EngineHarness::rate;
    const size_t playing = static_cast<size_t>(rate);
    const size_t length = 2 * playing;
    std::vector<std::vector<float>> outputs;
    for (const float duck : { 0.0f, 1.0f })
    {
        EngineHarness h;
        h.engine.time = 150.0f;
        h.engine.feedback = 0.7f;
        h.engine.duck = duck;
        std::vector<float> left(length, 0.0f), right(length, 0.0f);
        for (size_t n = 0; n < playing; ++n)
            left[n] = right[n] = 0.5f * std::sin(6.2831853f * 440.0f * static_cast<float>(n) / rate);
        h.process(left, right);
        outputs.push_back(left);
    }

    const size_t window = static_cast<size_t>(0.005f * rate);
    const auto ratioDb = [&](size_t from) {
        return decibels(rms(outputs[1], from, window) / rms(outputs[0], from, window));
    };
    for (size_t at = static_cast<size_t>(0.160f * rate); at + window <= playing; at += window)
        EXPECT_LE(ratioDb(at), -20.0f) << "while playing, at " << static_cast<float>(at) / rate << " s";
    for (size_t at = playing + static_cast<size_t>(0.5f * rate); at + window <= length; at += window)
        EXPECT_NEAR(ratioDb(at), 0.0f, 1.0f) << "after the stop, at " << static_cast<float>(at) / rate << " s";

    // The first echo comes after 150 ms; the ducker has been at work on the input since its start.
    LumDucker alone;
    alone.prepare(rate);
    float gain = 1.0f;
    for (size_t n = 0; n < static_cast<size_t>(0.020f * rate); ++n)
        gain = alone.step(0.5f * std::sin(6.2831853f * 440.0f * static_cast<float>(n) / rate), 0.0f, 1.0f);
    EXPECT_LE(decibels(gain), -20.0f) << "20 ms after the onset";
}
