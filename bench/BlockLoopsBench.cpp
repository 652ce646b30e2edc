// The block path's optimisations against the plain loops they replace, on one stretch of 128 samples at the
// engine's defaults: a steady 250 ms echo line read through consecutive slots against one read per sample, and
// the filters' prefix scan a vector of samples at a time against runTPT2 sample by sample, and a chorus line's
// reads through windows of two vectors against one gather per read, and the LFOs' sines from one fastSinCos
// per sample where both phases are equal against one for each phase. Each pass refills the stretch, in both rows.
// And the phaser's feedback path alone, one output to the next: with the lanes swapping channels against the
// other channel's output moved across by a shuffle, and with one division standing in for the tanh, a bound that
// no rational tanh can beat.
#include "LumFlushDenormals.h"
#include "effects/LumDigiDelayLoops.h"
#include "filters/LumTPTFilters.h"
#include "maths/LumFastMath.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace
{
constexpr int stretch = LumDigiDelayBlockPath::Chunk::capacity;
constexpr float rate = 44100.0f;

// The same input for every pass, as the engine's own stretch would hold it.
struct Signal
{
    Signal()
    {
        for (int n = 0; n < stretch; ++n)
        {
            inputL[n] = 0.3f * std::sin(0.05f * static_cast<float>(n));
            inputR[n] = 0.3f * std::cos(0.03f * static_cast<float>(n));
        }
    }

    void refill()
    {
        std::copy(inputL, inputL + stretch, left);
        std::copy(inputR, inputR + stretch, right);
    }

    float inputL[stretch];
    float inputR[stretch];
    float left[stretch];
    float right[stretch];
};

// A ring for each channel, as long as the engine's.
struct Rings
{
    explicit Rings(float seconds)
    {
        initUniComb(&left, static_cast<int>(seconds * rate));
        initUniComb(&right, static_cast<int>(seconds * rate));
    }

    ~Rings()
    {
        deleteUniComb(left);
        deleteUniComb(right);
    }

    UniComb* left = nullptr;
    UniComb* right = nullptr;
};

void countFrames(benchmark::State& state)
{
    state.counters["ns_per_stereo_sample"] = benchmark::Counter(
        static_cast<double>(state.iterations() * stretch), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Argument: 1 for the steady loop, 0 for one read per sample (the stretch loop with the same delay throughout).
void BM_SteadyEchoLine(benchmark::State& state)
{
    const bool steady = state.range(0) != 0;
    state.SetLabel(steady ? "consecutive slots" : "one read per sample");
    const Rings rings(10.0f);
    const float d = 0.25f * rate;
    std::vector<float> dl(stretch, d), feedback(stretch, 0.5f);
    const LumDigiDelayLoops& loops = lumDigiDelayLoops();
    Signal signal;
    const LumFlushDenormals flushDenormals;

    for (auto _ : state)
    {
        signal.refill();
        for (UniComb* ring : { rings.left, rings.right })
        {
            float* samples = ring == rings.left ? signal.left : signal.right;
            if (steady)
                loops.runRingSteady(ring, samples, d, 0.5f, stretch);
            else
                loops.runRingStretch(ring, samples, dl.data(), feedback.data(), 0.0f, 1.0f, stretch);
        }
        benchmark::DoNotOptimize(signal.left);
        benchmark::ClobberMemory();
    }
    countFrames(state);
}

// Argument: 1 for delays that span 3 samples over the stretch, as the LFO moves a chorus line, which the widest
// path reads through windows; 0 for delays that span 30, which every path reads slot by slot.
void BM_ModLineReads(benchmark::State& state)
{
    const bool windows = state.range(0) != 0;
    state.SetLabel(windows ? "windows" : "slot by slot");
    const Rings rings(5.0f);
    const float span = windows ? 3.0f : 30.0f;
    std::vector<float> d(stretch), feedback(stretch, 0.0f);
    for (int n = 0; n < stretch; ++n)
        d[static_cast<size_t>(n)] = 600.0f + span * static_cast<float>(n) / stretch;
    const LumDigiDelayLoops& loops = lumDigiDelayLoops();
    Signal signal;
    const LumFlushDenormals flushDenormals;

    for (auto _ : state)
    {
        signal.refill();
        loops.runRingStretch(rings.left, signal.left, d.data(), feedback.data(), 1.0f, 0.7f, stretch);
        loops.runRingStretch(rings.right, signal.right, d.data(), feedback.data(), 1.0f, 0.7f, stretch);
        benchmark::DoNotOptimize(signal.left);
        benchmark::ClobberMemory();
    }
    countFrames(state);
}

// Argument: 1 for equal phases, which share a fastSinCos; 0 for phases apart, each with its own.
void BM_LfoFill(benchmark::State& state)
{
    const bool equal = state.range(0) != 0;
    state.SetLabel(equal ? "one fastSinCos" : "one per phase");
    const uint32_t increment = 24348; // 0.25 Hz
    float lfoL[stretch];
    float lfoR[stretch];
    uint32_t phase = 0;

    for (auto _ : state)
    {
        lumDigiDelayLoops().fillLfo(lfoL, lfoR, phase, equal ? phase : phase + 1, increment, stretch);
        phase += stretch * increment;
        benchmark::DoNotOptimize(lfoL);
        benchmark::DoNotOptimize(lfoR);
        benchmark::ClobberMemory();
    }
    countFrames(state);
}

// Argument: 1 for the block loops' prefix scan, 0 for runTPT2 sample by sample.
void BM_Filters(benchmark::State& state)
{
    const bool scan = state.range(0) != 0;
    state.SetLabel(scan ? "prefix scan" : "runTPT2 per sample");
    TPTFilter highL {}, highR {}, lowL {}, lowR {};
    for (TPTFilter* f : { &highL, &highR })
        forceTPTCutoff(f, 10.0f, rate);
    for (TPTFilter* f : { &lowL, &lowR })
        forceTPTCutoff(f, 15000.0f, rate);
    TPTFilter* highs[2] = { &highL, &highR };
    TPTFilter* lows[2] = { &lowL, &lowR };
    Signal signal;
    float* channels[2] = { signal.left, signal.right };
    const LumFlushDenormals flushDenormals;

    for (auto _ : state)
    {
        signal.refill();
        if (scan)
            lumDigiDelayLoops().runFilters(highs, lows, channels, stretch);
        else
            for (int n = 0; n < stretch; ++n)
            {
                signal.left[n] = runTPT2(&lowL, 0, runTPT2(&highL, 1, signal.left[n]));
                signal.right[n] = runTPT2(&lowR, 0, runTPT2(&highR, 1, signal.right[n]));
            }
        benchmark::DoNotOptimize(signal.left);
        benchmark::ClobberMemory();
    }
    countFrames(state);
}
using Pair = float __attribute__((vector_size(16)));

// One stretch of the phaser's feedback path, one output to the next. Each sample's output is
// tanh(k - m * the other channel's last output), as in runPhaser; k and m are fixed here.
template <int form>
Pair phaserFeedbackPath(const Signal& signal, const float* m, Pair last)
{
    for (int n = 0; n < stretch; n += 2)
        for (int half = 0; half < 2; ++half)
        {
            const bool leftFirst = form == 0 || half == 0;
            const Pair k = { leftFirst ? signal.inputL[n + half] : signal.inputR[n + half],
                             leftFirst ? signal.inputR[n + half] : signal.inputL[n + half], 0.0f, 0.0f };
            const Pair other = form == 0 ? Pair { last[1], last[0], 0.0f, 0.0f } : last;
            const Pair x = k - m[n + half] * other;
            if constexpr (form == 2)
                last = x / (1.0f + x * x);
            else
                last = fastTanhOf(x);
        }
    return last;
}

// Argument: 0 for the other channel's output moved across by a shuffle, 1 for lanes that swap channels every
// sample (as runPhaser), 2 for that with x / (1 + x^2) in place of the tanh: one multiply, one add and a division.
void BM_PhaserFeedbackPath(benchmark::State& state)
{
    const int form = static_cast<int>(state.range(0));
    const char* const labels[] = { "shuffle", "lanes swap", "one division for the tanh" };
    state.SetLabel(labels[form]);
    const Signal signal;
    float m[stretch];
    for (int n = 0; n < stretch; ++n)
        m[n] = 0.5f + 0.4f * std::cos(0.01f * static_cast<float>(n));
    Pair last = { 0.1f, 0.2f, 0.0f, 0.0f };

    for (auto _ : state)
    {
        last = form == 0 ? phaserFeedbackPath<0>(signal, m, last)
                         : form == 1 ? phaserFeedbackPath<1>(signal, m, last) : phaserFeedbackPath<2>(signal, m, last);
        benchmark::DoNotOptimize(last);
    }
    countFrames(state);
}
} // namespace

BENCHMARK(BM_SteadyEchoLine)->Arg(0)->Arg(1);
BENCHMARK(BM_Filters)->Arg(0)->Arg(1);
BENCHMARK(BM_ModLineReads)->Arg(0)->Arg(1);
BENCHMARK(BM_LfoFill)->Arg(0)->Arg(1);
BENCHMARK(BM_PhaserFeedbackPath)->Arg(0)->Arg(1)->Arg(2);
