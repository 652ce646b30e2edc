#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace
{
constexpr uint32_t quarterTurn = 1u << 30; // of an LFO phase
constexpr int tremolo = 5;

// A tremolo at full depth, 5 Hz, and a 50 ms delay: a quarter of an LFO period passes between a sound and its
// echo, so the gain the echo gets tells where the modulation ran.
void setUpTremoloBeforeAnEcho(EngineHarness& h, LumDigiDelay::ModRouting routing)
{
    h.engine.time = 50.0f;
    h.engine.lowpass = 20000.0f;
    h.engine.highpass = 10.0f;
    h.engine.modType = tremolo;
    h.engine.modAmount = 1.0f;
    h.engine.smoothModAmount = 1.0f;
    h.engine.modFreq = 0.0f;
    h.settle();

    h.engine.modRouting = routing;
    h.engine.modFreq = 5.0f;
    h.engine.lfoPhaseL = quarterTurn; // the impulse meets the tremolo at full gain
    h.engine.lfoPhaseR = quarterTurn;
}
} // namespace

TEST(Routing, PrePostAndBypassThroughTheWholeEngine)
{
    struct Case
    {
        const char* name;
        LumDigiDelay::ModRouting routing;
        float echo;
        bool lfoMoves;
    };

    // The echo's first sample: the impulse's first sample through the 10 Hz highpass and the 20 kHz lowpass.
    const float plainEcho = std::tanh(0.95f * 0.5f * (1.0f - 0.0007119f) * 0.8717750f);
    const Case cases[] = {
        { "Pre: the echo repeats the modulated sound", LumDigiDelay::ModRouting::pre, plainEcho, true },
        { "Post: the echo meets the tremolo a quarter period later, at gain 0", LumDigiDelay::ModRouting::post, 0.0f,
          true },
        { "Bypass: no modulation, the LFO stands still", LumDigiDelay::ModRouting::bypass, plainEcho, false },
    };

    for (const Case& c : cases)
    {
        EngineHarness h(true);
        setUpTremoloBeforeAnEcho(h, c.routing);
        const auto out = h.impulseResponse(2300, 0.5f);

        EXPECT_NEAR(out[2205], c.echo, 1e-3f) << c.name;
        EXPECT_EQ(h.engine.lfoPhaseL != quarterTurn, c.lfoMoves) << c.name;
    }
}

TEST(Routing, BypassFreezesTheSmoothedAmount)
{
    EngineHarness h(true);
    h.engine.modRouting = LumDigiDelay::ModRouting::bypass;
    h.settle();
    const float before = h.engine.smoothModAmount;
    h.engine.modAmount = 1.0f;
    h.settle();
    EXPECT_EQ(h.engine.smoothModAmount, before);

    h.engine.modRouting = LumDigiDelay::ModRouting::pre;
    h.settle();
    EXPECT_EQ(h.engine.smoothModAmount, 1.0f);
}

TEST(Routing, FiltersShapeOnlyWhatEntersTheDelay)
{
    // A lowpass far below the input's frequency darkens the echo; mix 0.5 keeps the dry part untouched.
    EngineHarness h(true);
    h.engine.time = 10.0f;
    h.engine.mix = 0.5f;
    h.engine.lowpass = 50.0f;
    h.settle();

    std::vector<float> left(2000), right(2000);
    for (size_t n = 0; n < left.size(); ++n)
        left[n] = right[n] = n < 441 ? 0.5f * std::sin(2.0f * 3.14159265f * 5000.0f * n / 44100.0f) : 0.0f;
    const auto dry = left;
    h.process(left, right);

    float dryDifference = 0.0f;
    for (size_t n = 0; n < 441; ++n)
        dryDifference = std::max(dryDifference, std::fabs(left[n] - 0.5f * dry[n]));
    float echoPeak = 0.0f;
    for (size_t n = 441; n < 882; ++n)
        echoPeak = std::max(echoPeak, std::fabs(left[n]));

    EXPECT_LT(dryDifference, 0.01f) << "only the delayed part is filtered";
    EXPECT_LT(echoPeak, 0.01f);
}
