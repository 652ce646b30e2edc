// The engine's block path against its plain per-sample computation, over a table of settings.
#include "effects/LumDigiDelayReference.h"
#include "ForcedVectorPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace
{
constexpr float tolerance = 1e-5f;

enum Type
{
    chorus, vibrato, flanger, pan, phaser, tremolo, delayType
};

using Routing = LumDigiDelay::ModRouting;
using SyncMode = LumDigiDelay::SyncMode;
constexpr Routing pre = Routing::pre, post = Routing::post, bypass = Routing::bypass;

struct Settings
{
    int modType = chorus;
    Routing modRouting = pre;
    float time = 250.0f;
    float feedback = 0.5f;
    float spread = 0.0f;
    float mix = 0.5f;
    float lowpass = 15000.0f;
    float highpass = 10.0f;
    float modAmount = 0.5f;
    float modFreq = 0.25f;
    float modFeedback = 0.5f;
    bool syncTempo = false;
    SyncMode syncMode = SyncMode::normal;
    bool bypassDelay = false;
    bool pingPong = false;
    float duck = 0.0f;
};

void apply(const Settings& s, LumDigiDelay& engine)
{
    engine.modType = s.modType;
    engine.modRouting = s.modRouting;
    engine.time = s.time;
    engine.feedback = s.feedback;
    engine.spread = s.spread;
    engine.mix = s.mix;
    engine.lowpass = s.lowpass;
    engine.highpass = s.highpass;
    engine.modAmount = s.modAmount;
    engine.modFreq = s.modFreq;
    engine.modFeedback = s.modFeedback;
    engine.syncTempo = s.syncTempo;
    engine.syncMode = s.syncMode;
    engine.bypassDelay = s.bypassDelay;
    engine.pingPong = s.pingPong;
    engine.duck = s.duck;
}

struct Case
{
    const char* name;
    Settings settings;
    float rate = 44100.0f;
    int blockSize = 512; // 0: blocks of 1, 2, 3 ... samples
    float bpm = 120.0f;
    Settings later = settings; // taken halfway through
    float laterBpm = bpm;
    int writeIndex = 0; // where the rings start, to reach the coarse rounding of large indices early
    uint32_t phaseR = 0; // where the right LFO starts, in 2^-32 turns; the two run apart when it is not where the left one is
};

// Bright enough that a read a grid point off shows: tones up to 7 kHz and noise, with a few bad samples.
std::vector<float> testSignal(size_t length, float rate, float phase)
{
    std::vector<float> x(length);
    uint32_t state = 12345u + static_cast<uint32_t>(phase * 1000.0f);
    for (size_t n = 0; n < length; ++n)
    {
        state = state * 1664525u + 1013904223u;
        const float noise = static_cast<float>(state >> 8) / 16777216.0f - 0.5f;
        const float t = static_cast<float>(n) / rate;
        x[n] = 0.3f * std::sin(6.2831853f * 220.0f * t + phase) + 0.2f * std::sin(6.2831853f * 1760.0f * t)
               + 0.15f * std::sin(6.2831853f * 7040.0f * t) + 0.2f * noise;
    }
    x[length / 3] = 1.7f;
    x[length / 2] = std::numeric_limits<float>::quiet_NaN();
    return x;
}

int blockAt(const Case& c, int index)
{
    return c.blockSize > 0 ? c.blockSize : 1 + index % 37;
}

void start(LumDigiDelay& engine, const Case& c)
{
    for (UniComb* ring : { engine.delayLineL, engine.delayLineR, engine.modLineL, engine.modLineR })
        ring->writeIndex = c.writeIndex % ring->size;
    engine.lfoPhaseR = c.phaseR;
}

// The engine over the test signal in blocks; with a later setting from halfway, as a Case gives it.
std::vector<float> render(const Case& c, LumDigiDelay& engine)
{
    const size_t length = static_cast<size_t>(c.rate);
    const std::vector<float> inL = testSignal(length, c.rate, 0.0f);
    const std::vector<float> inR = testSignal(length, c.rate, 1.0f);
    std::vector<float> out(2 * length);

    size_t start = 0;
    for (int index = 0; start < length; ++index)
    {
        apply(start >= length / 2 ? c.later : c.settings, engine);
        const int n = std::min(blockAt(c, index), static_cast<int>(length - start));
        engine.runEffect(&inL[start], &inR[start], &out[start], &out[length + start], n,
                         start >= length / 2 ? c.laterBpm : c.bpm);
        start += static_cast<size_t>(n);
    }
    return out;
}

// Both engines over the same blocks; returns the largest difference between their outputs.
float largestDifference(const Case& c, LumDigiDelay& fast, LumDigiDelay& plain)
{
    const size_t length = static_cast<size_t>(c.rate);
    const std::vector<float> inL = testSignal(length, c.rate, 0.0f);
    const std::vector<float> inR = testSignal(length, c.rate, 1.0f);
    std::vector<float> fastL(length), fastR(length), plainL(length), plainR(length);

    float largest = 0.0f;
    size_t start = 0;
    for (int index = 0; start < length; ++index)
    {
        const bool secondHalf = start >= length / 2;
        for (LumDigiDelay* engine : { &fast, &plain })
            apply(secondHalf ? c.later : c.settings, *engine);

        const int n = std::min(blockAt(c, index), static_cast<int>(length - start));
        const float bpm = secondHalf ? c.laterBpm : c.bpm;
        fast.runEffect(&inL[start], &inR[start], &fastL[start], &fastR[start], n, bpm);
        plain.runEffect(&inL[start], &inR[start], &plainL[start], &plainR[start], n, bpm);
        start += static_cast<size_t>(n);
    }

    for (size_t n = 0; n < length; ++n)
        largest = std::max({ largest, std::fabs(fastL[n] - plainL[n]), std::fabs(fastR[n] - plainR[n]) });
    return largest;
}

Settings with(Settings s, void (*change)(Settings&))
{
    change(s);
    return s;
}

std::vector<Case> cases()
{
    const Settings defaults;
    std::vector<Case> all {
        { "defaults", defaults },
        { "defaults at high write indices", defaults, 44100.0f, 512, 120.0f, defaults, 120.0f, 200000 },
        { "Vibrato", with(defaults, [](Settings& s) { s.modType = vibrato; s.modAmount = 1.0f; }) },
        { "Flanger with feedback", with(defaults, [](Settings& s) { s.modType = flanger; s.modFeedback = 0.9f; }) },
        { "Pan", with(defaults, [](Settings& s) { s.modType = pan; s.modAmount = 0.8f; s.modFreq = 5.0f; }) },
        { "Phaser", with(defaults, [](Settings& s) { s.modType = phaser; s.modAmount = 1.0f; s.modFreq = 3.0f; }) },
        { "Phaser, no feedback", with(defaults, [](Settings& s) { s.modType = phaser; s.modFeedback = 0.0f; }) },
        { "Tremolo", with(defaults, [](Settings& s) { s.modType = tremolo; s.modAmount = 1.0f; }) },
        { "Delay type", with(defaults, [](Settings& s) { s.modType = delayType; s.modFeedback = 0.7f; }) },
        { "unknown type", with(defaults, [](Settings& s) { s.modType = 9; }) },
        { "routed Post", with(defaults, [](Settings& s) { s.modRouting = post; }) },
        { "Flanger Post", with(defaults, [](Settings& s) { s.modRouting = post; s.modType = flanger; }) },
        { "modulation bypassed", with(defaults, [](Settings& s) { s.modRouting = bypass; }) },
        { "delay bypassed", with(defaults, [](Settings& s) { s.bypassDelay = true; }) },
        { "synced, normal", with(defaults, [](Settings& s) { s.syncTempo = true; s.time = 3.0f; }) },
        { "synced, dotted",
          with(defaults, [](Settings& s) { s.syncTempo = true; s.time = 2.5f; s.syncMode = SyncMode::dotted; }) },
        { "synced, triplet",
          with(defaults, [](Settings& s) { s.syncTempo = true; s.time = 4.0f; s.syncMode = SyncMode::triplet; }) },
        { "spread past the time", with(defaults, [](Settings& s) { s.time = 20.0f; s.spread = 1.0f; }) },
        { "shortest delays", with(defaults, [](Settings& s) { s.time = 0.0f; s.feedback = 0.9f; }) },
        { "feedback 0", with(defaults, [](Settings& s) { s.feedback = 0.0f; }) },
        { "feedback 1", with(defaults, [](Settings& s) { s.feedback = 1.0f; s.time = 30.0f; }) },
        { "mix 0", with(defaults, [](Settings& s) { s.mix = 0.0f; }) },
        { "mix 1", with(defaults, [](Settings& s) { s.mix = 1.0f; }) },
        { "dark and thin", with(defaults, [](Settings& s) { s.lowpass = 300.0f; s.highpass = 2000.0f; }) },
        { "cutoffs at the top", with(defaults, [](Settings& s) { s.lowpass = 20000.0f; s.highpass = 20000.0f; }) },
        { "ping-pong", with(defaults, [](Settings& s) { s.pingPong = true; s.feedback = 0.8f; s.spread = 0.4f; }) },
        { "ping-pong, shortest delays", with(defaults, [](Settings& s) { s.pingPong = true; s.time = 0.0f; }) },
        { "ping-pong, Delay type Post",
          with(defaults, [](Settings& s) { s.pingPong = true; s.modType = delayType; s.modRouting = post; }) },
        { "ducked", with(defaults, [](Settings& s) { s.duck = 1.0f; s.mix = 1.0f; }) },
        { "ducked halfway, ping-pong", with(defaults, [](Settings& s) { s.duck = 0.5f; s.pingPong = true; }) },
    };

    for (float rate : { 48000.0f, 96000.0f })
        for (int type : { chorus, phaser, delayType })
            all.push_back({ "other rates", with(defaults, [](Settings&) {}), rate, 512 });
    for (size_t i = all.size() - 6, k = 0; i < all.size(); ++i, ++k)
        all[i].settings.modType = all[i].later.modType = (int[]) { chorus, phaser, delayType }[k % 3];

    for (int blockSize : { 1, 7, 128, 129, 4096, 0 })
        all.push_back({ "block sizes", defaults, 44100.0f, blockSize });

    const Settings synced = with(defaults, [](Settings& s) { s.syncTempo = true; s.time = 3.0f; });
    all.push_back({ "tempo change", synced, 44100.0f, 512, 120.0f, synced, 97.0f });
    all.push_back({ "tempo lost", synced, 44100.0f, 512, 120.0f, synced, 0.0f });
    all.push_back({ "time and feedback change", defaults, 44100.0f, 256, 120.0f,
                    with(defaults, [](Settings& s) { s.time = 900.0f; s.feedback = 0.95f; s.spread = 0.3f; }) });
    all.push_back({ "type and routing change", defaults, 44100.0f, 300, 120.0f,
                    with(defaults, [](Settings& s) { s.modType = phaser; s.modRouting = post; }) });
    all.push_back({ "amount and cutoff change", defaults, 44100.0f, 100, 120.0f,
                    with(defaults, [](Settings& s) { s.modAmount = 1.0f; s.lowpass = 2000.0f; s.mix = 0.8f; }) });
    all.push_back({ "sync switched on", defaults, 44100.0f, 512, 140.0f, synced, 140.0f });
    all.push_back({ "ping-pong and duck switched on", defaults, 44100.0f, 333, 120.0f,
                    with(defaults, [](Settings& s) { s.pingPong = true; s.duck = 0.8f; s.time = 90.0f; }) });
    all.push_back({ "duck switched off", with(defaults, [](Settings& s) { s.duck = 1.0f; }), 44100.0f, 0, 120.0f,
                    defaults });
    for (int type : { chorus, vibrato, pan, phaser })
    {
        const Settings moving = with(defaults, [](Settings& s) { s.modFreq = 4.0f; s.modAmount = 1.0f; });
        all.push_back({ "LFOs apart", moving, 44100.0f, 512, 120.0f, moving, 120.0f, 0, 0x51000000u });
        all.back().settings.modType = all.back().later.modType = type;
    }
    return all;
}
} // namespace

TEST(BlockPath, MatchesThePlainComputationOnEveryVectorPath)
{
    for (LumVectorPath path : everyVectorPath)
    {
        const ForcedVectorPath forced(path);
        if (! forced.taken)
        {
            std::printf("vector path %d: not on this processor\n", static_cast<int>(path));
            continue;
        }

        float largest = 0.0f;
        std::string largestCase;
        for (const Case& c : cases())
        {
            LumDigiDelay fast(44100.0f);
            LumDigiDelayReference plain(44100.0f);
            for (LumDigiDelay* engine : { static_cast<LumDigiDelay*>(&fast), static_cast<LumDigiDelay*>(&plain) })
            {
                engine->prepare(c.rate, c.blockSize > 0 ? c.blockSize : 64);
                start(*engine, c);
            }

            const float difference = largestDifference(c, fast, plain);
            const auto context = ::testing::Message() << c.name << " at " << c.rate << " Hz, blocks of " << c.blockSize
                                                      << ", vector path " << static_cast<int>(path);
            EXPECT_LE(difference, tolerance) << context;
            if (difference > largest)
            {
                largest = difference;
                largestCase = c.name;
            }

            EXPECT_EQ(fast.smoothTimeL, plain.smoothTimeL) << context;
            EXPECT_EQ(fast.smoothTimeR, plain.smoothTimeR) << context;
            EXPECT_EQ(fast.smoothFeedback, plain.smoothFeedback) << context;
            EXPECT_EQ(fast.smoothModAmount, plain.smoothModAmount) << context;
            EXPECT_EQ(fast.lfoPhaseL, plain.lfoPhaseL) << context;
            EXPECT_EQ(fast.lfoPhaseR, plain.lfoPhaseR) << context;
        }
        std::printf("vector path %d: largest difference %.2g (%s)\n", static_cast<int>(path), largest,
                    largestCase.c_str());
    }
}

TEST(BlockPath, HowTheSignalIsCutIntoBlocksChangesNothingButRounding)
{
    // The filters step a vector of samples at a time from wherever a stretch starts, which changes their
    // rounding by an ulp or so. The phaser's allpass and cross feedback carry such a difference on for hundreds
    // of samples and build it up about tenfold.
    struct Cut
    {
        Settings settings;
        float rounding;
    };

    const Settings defaults;
    const Cut cuts[] = {
        { defaults, 1e-6f },
        { with(defaults, [](Settings& s) { s.modType = phaser; s.modRouting = post; }), 2e-6f },
    };

    for (const Cut& c : cuts)
    {
        Case whole { "whole", c.settings, 44100.0f, 4096 };
        LumDigiDelay reference(44100.0f);
        const std::vector<float> expected = render(whole, reference);

        for (int blockSize : { 1, 37, 128, 129, 0 })
        {
            Case cut = whole;
            cut.blockSize = blockSize;
            LumDigiDelay engine(44100.0f);
            const std::vector<float> actual = render(cut, engine);

            for (size_t n = 0; n < expected.size(); ++n)
                ASSERT_NEAR(actual[n], expected[n], c.rounding)
                    << "type " << c.settings.modType << ", blocks of " << blockSize << ", sample " << n;
        }
    }
}
