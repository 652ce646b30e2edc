// What the processor adds to the engine's own work per block: the play head, the parameter copy and the
// channel set-up, at a small host block of 64 stereo samples. The engine alone, run with the same values, is
// the other row; the ratio of the two is the processor's share. The processor stores only the parameters that
// changed since the last block; the engine's row with all fourteen stored before every block is what the plain
// copy costs.
#include "PluginProcessor.h"
#include "VelaParameters.h"
#include "effects/LumDigiDelay.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <utility>
#include <vector>

namespace
{
constexpr double rate = 44100.0;
constexpr int blockSize = 64;

class TempoHead : public juce::AudioPlayHead
{
public:
    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        info.setBpm(120.0);
        return info;
    }
};

void BM_ProcessorBlock(benchmark::State& state)
{
    VelaAudioProcessor processor;
    TempoHead head;
    processor.setPlayHead(&head);
    processor.prepareToPlay(rate, blockSize);
    juce::AudioBuffer<float> buffer(2, blockSize);
    juce::MidiBuffer midi;

    for (auto _ : state)
    {
        buffer.clear();
        processor.processBlock(buffer, midi);
        benchmark::DoNotOptimize(buffer.getReadPointer(0));
    }

    processor.setPlayHead(nullptr);
    state.SetItemsProcessed(state.iterations() * blockSize);
}

// Argument: 1 for every parameter stored before each block, 0 for once before the first.
void BM_EngineBlockAlone(benchmark::State& state)
{
    const bool storeEachBlock = state.range(0) != 0;
    state.SetLabel(storeEachBlock ? "parameters stored each block" : "parameters stored once");
    VelaAudioProcessor processor;
    LumDigiDelay engine(44100.0f);
    engine.prepare(static_cast<float>(rate), blockSize);
    std::vector<std::pair<const juce::AudioParameterFloat*, const VelaParameters::Row*>> inputs;
    for (const auto& row : VelaParameters::rows())
        inputs.emplace_back(dynamic_cast<juce::AudioParameterFloat*>(processor.valueTreeState.getParameter(row.id)), &row);
    const auto storeAll = [&]
    {
        for (const auto& [parameter, row] : inputs)
            row->storeInEngine(engine, parameter->get());
    };
    storeAll();

    juce::AudioBuffer<float> buffer(2, blockSize);

    for (auto _ : state)
    {
        if (storeEachBlock)
            storeAll();
        buffer.clear();
        engine.runEffect(buffer.getReadPointer(0), buffer.getReadPointer(1), buffer.getWritePointer(0),
                         buffer.getWritePointer(1), blockSize, 120.0f);
        benchmark::DoNotOptimize(buffer.getReadPointer(0));
    }

    state.SetItemsProcessed(state.iterations() * blockSize);
}
} // namespace

BENCHMARK(BM_EngineBlockAlone)->Arg(0)->Arg(1);
BENCHMARK(BM_ProcessorBlock);
