// Cost of the delay engine per stereo sample at 44.1 kHz in blocks of 512, as a host would drive it.
#include "effects/LumDigiDelay.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace
{
constexpr float rate = 44100.0f;
constexpr int blockSize = 512;

void configure(LumDigiDelay& engine, bool synced)
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
    engine.modRouting = 0;
}

void engineBlocks(benchmark::State& state, bool synced)
{
    LumDigiDelay engine(rate);
    engine.prepare(rate, blockSize);
    configure(engine, synced);

    std::vector<float> left(blockSize), right(blockSize);
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

    state.SetItemsProcessed(state.iterations() * blockSize);
    state.counters["ns_per_stereo_sample"] = benchmark::Counter(
        static_cast<double>(state.iterations() * blockSize), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_EngineFree(benchmark::State& state)
{
    engineBlocks(state, false);
}

void BM_EngineSynced(benchmark::State& state)
{
    engineBlocks(state, true);
}
} // namespace

BENCHMARK(BM_EngineFree);
BENCHMARK(BM_EngineSynced);
