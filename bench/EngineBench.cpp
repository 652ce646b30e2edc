// Cost of the delay engine per stereo sample at 44.1 kHz in blocks of 512 (and 64), as a host would drive it;
// the plain per-sample computation alongside, for the ratio.
#include "effects/LumDigiDelayReference.h"
#include "maths/LumVectorPath.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr float rate = 44100.0f;

constexpr int modulationBypassed = -1;

void configure(LumDigiDelay& engine, bool synced, int modType)
{
    engine.time = synced ? 3.0f : 250.0f;
    engine.syncTempo = synced;
    engine.feedback = 0.5f;
    engine.spread = 0.2f;
    engine.mix = 0.5f;
    engine.lowpass = 15000.0f;
    engine.highpass = 10.0f;
    engine.modAmount = 0.5f;
    engine.modFreq = 0.25f;
    engine.modFeedback = 0.5f;
    engine.modType = modType == modulationBypassed ? LumDigiDelay::chorus : modType;
    engine.modRouting =
        modType == modulationBypassed ? LumDigiDelay::ModRouting::bypass : LumDigiDelay::ModRouting::pre;
}

const char* const pathNames[] = { "baseline", "AVX2", "AVX-512" };

// Arguments: synced (0 or 1), modulation type routed Pre (or -1: modulation bypassed, filters and delay only),
// 1 for the plain per-sample computation, the vector path (LumVectorPath) the block loops take, and the block size.
void BM_Engine(benchmark::State& state)
{
    const bool synced = state.range(0) != 0;
    const int modType = static_cast<int>(state.range(1));
    const bool plain = state.range(2) != 0;
    const auto path = static_cast<LumVectorPath>(state.range(3));
    const int blockSize = static_cast<int>(state.range(4));
    state.SetLabel(std::string(plain ? "plain, " : "") + (synced ? "synced" : "free") + ", "
                   + (modType == modulationBypassed ? "no modulation" : LumDigiDelay::modTypeNames[modType]) + ", "
                   + pathNames[state.range(3)] + ", blocks of " + std::to_string(blockSize));
    if (! lumForceVectorPath(path))
    {
        state.SkipWithError("this processor lacks the vector path");
        return;
    }

    const auto built = plain ? std::make_unique<LumDigiDelayReference>(rate) : std::make_unique<LumDigiDelay>(rate);
    LumDigiDelay& engine = *built;
    engine.prepare(rate, blockSize);
    configure(engine, synced, modType);

    std::vector<float> left(static_cast<size_t>(blockSize)), right(static_cast<size_t>(blockSize));
    for (int n = 0; n < blockSize; ++n)
    {
        left[static_cast<size_t>(n)] = 0.3f * std::sin(0.05f * static_cast<float>(n));
        right[static_cast<size_t>(n)] = 0.3f * std::cos(0.03f * static_cast<float>(n));
    }

    for (auto _ : state)
    {
        engine.runEffect(left.data(), right.data(), left.data(), right.data(), blockSize, 120.0f);
        benchmark::DoNotOptimize(left.data());
        benchmark::ClobberMemory();
    }

    lumForceVectorPath(lumWidestVectorPath());
    state.SetItemsProcessed(state.iterations() * blockSize);
    state.counters["ns_per_stereo_sample"] = benchmark::Counter(
        static_cast<double>(state.iterations() * blockSize), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void engineArguments(benchmark::internal::Benchmark* bench)
{
    const int widest = static_cast<int>(lumWidestVectorPath());
    for (int synced : { 0, 1 })
        bench->Args({ synced, modulationBypassed, 0, widest, 512 });
    for (int type = 0; type < 7; ++type)
        bench->Args({ 0, type, 0, widest, 512 });
    bench->Args({ 1, 0, 0, widest, 512 });
    for (int type : { modulationBypassed, 0 })
        bench->Args({ 0, type, 1, widest, 512 });
    for (int path = 0; path < widest; ++path)
        for (int type : { modulationBypassed, 0 })
            bench->Args({ 0, type, 0, path, 512 });
    // What a block costs beyond its samples: blocks of 64, as while tracking.
    for (int type : { modulationBypassed, 0 })
        bench->Args({ 0, type, 0, widest, 64 });
}
} // namespace

BENCHMARK(BM_Engine)->Apply(engineArguments);
