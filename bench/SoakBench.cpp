// Soak: ten minutes of audio at 44.1 kHz with the feedback at 100 %, for each modulation type. A second of noise,
// then silence, so that the tail circulates and fades for the rest: exactly where denormals would creep in.
// The counters give the CPU time of the first and of the last minute and their ratio (near 1 when nothing slows
// down), and whether every output sample stayed finite; a non-finite output fails the benchmark.
#include "effects/LumDigiDelay.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <random>
#include <vector>

namespace
{
constexpr float soakRate = 44100.0f;
constexpr int soakBlock = 512;
constexpr long blocksPerMinute = static_cast<long>(60.0f * soakRate) / soakBlock;
constexpr int minutes = 10;

double threadSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Argument: the modulation type, working on the circulating tail.
void BM_SoakAtFullFeedback(benchmark::State& state)
{
    const int modType = static_cast<int>(state.range(0));
    double firstMinute = 0.0;
    double lastMinute = 0.0;
    bool finite = true;

    for (auto _ : state)
    {
        LumDigiDelay engine(soakRate);
        engine.prepare(soakRate, soakBlock);
        // The engine's own defaults for the rest: half wet, modulation routed Post, filters wide open.
        engine.time = 250.0f;
        engine.feedback = 1.0f;
        engine.modAmount = 0.5f;
        engine.modType = modType;

        std::vector<float> left(soakBlock), right(soakBlock);
        std::mt19937 random(1);
        std::uniform_real_distribution<float> noise(-0.5f, 0.5f);

        for (int minute = 0; minute < minutes; ++minute)
        {
            const double start = threadSeconds();
            for (long block = 0; block < blocksPerMinute; ++block)
            {
                const bool burst = minute == 0 && block * soakBlock < static_cast<long>(soakRate);
                for (int n = 0; n < soakBlock; ++n)
                {
                    left[static_cast<size_t>(n)] = burst ? noise(random) : 0.0f;
                    right[static_cast<size_t>(n)] = burst ? noise(random) : 0.0f;
                }

                engine.runEffect(left.data(), right.data(), left.data(), right.data(), soakBlock, 120.0f);

                for (int n = 0; n < soakBlock; ++n)
                    finite = finite && std::isfinite(left[static_cast<size_t>(n)])
                             && std::isfinite(right[static_cast<size_t>(n)]);
            }
            const double spent = threadSeconds() - start;
            if (minute == 0)
                firstMinute = spent;
            if (minute == minutes - 1)
                lastMinute = spent;
        }
    }

    state.counters["first_minute_s"] = firstMinute;
    state.counters["last_minute_s"] = lastMinute;
    state.counters["last_over_first"] = lastMinute / firstMinute;
    state.counters["finite"] = finite ? 1.0 : 0.0;
    if (! finite)
        state.SkipWithError("non-finite output");
}
} // namespace

BENCHMARK(BM_SoakAtFullFeedback)->DenseRange(0, 6)->Iterations(1)->Unit(benchmark::kSecond);
