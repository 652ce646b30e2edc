// What the plug-in costs before the first block: constructing the processor, preparing it at the usual rates,
// opening the editor (construction and first paint) at 100 % and 200 % zoom, and the engine's memory at each rate.
#include "PluginEditor.h"
#include "PluginProcessor.h"
#include "TemporaryHome.h"
#include "effects/LumDigiDelay.h"

#include <benchmark/benchmark.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace
{
constexpr int blockSize = 512;

double engineMegabytes(const LumDigiDelay& engine)
{
    size_t bytes = sizeof(LumDigiDelay);
    for (const UniComb* ring : { engine.delayLineL, engine.delayLineR, engine.modLineL, engine.modLineR })
        bytes += sizeof(UniComb) + static_cast<size_t>(ring->size) * sizeof(float);
    return static_cast<double>(bytes) / 1e6;
}

void BM_ConstructProcessor(benchmark::State& state)
{
    for (auto _ : state)
    {
        auto processor = std::make_unique<VelaAudioProcessor>();
        benchmark::DoNotOptimize(processor.get());
        state.PauseTiming();
        processor.reset();
        state.ResumeTiming();
    }
}

// Argument: the sample rate.
void BM_PrepareToPlay(benchmark::State& state)
{
    VelaAudioProcessor processor;
    const double rate = static_cast<double>(state.range(0));

    for (auto _ : state)
        processor.prepareToPlay(rate, blockSize);

    state.counters["engine_MB"] = engineMegabytes(processor.engine());
}

// Argument: the zoom in percent, remembered from an earlier editor as users' zooms are.
void BM_OpenEditor(benchmark::State& state)
{
    const TemporaryHome home;
    VelaAudioProcessor processor;
    processor.prepareToPlay(44100.0, blockSize);
    {
        const std::unique_ptr<juce::AudioProcessorEditor> earlier(processor.createEditor());
        dynamic_cast<VelaAudioProcessorEditor&>(*earlier).chooseZoom(static_cast<int>(state.range(0)));
    }

    for (auto _ : state)
    {
        std::unique_ptr<juce::AudioProcessorEditor> editor(processor.createEditor());
        const juce::Image firstPaint = editor->createComponentSnapshot(editor->getLocalBounds());
        benchmark::DoNotOptimize(firstPaint.getWidth());
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}
} // namespace

BENCHMARK(BM_ConstructProcessor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrepareToPlay)->Arg(44100)->Arg(96000)->Arg(192000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenEditor)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
