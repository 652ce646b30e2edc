// What the processor adds to the engine's own work per block: the play head, the parameter copy and the
// channel set-up, at a small host block of 64 stereo samples. The engine alone, run with the same values, is
// the other row; the ratio of the two is the processor's share.
#include "PluginProcessor.h"
#include "VelaParameters.h"
#include "effects/LumDigiDelay.h"

#include <benchmark/benchmark.h>

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

void BM_EngineBlockAlone(benchmark::State& state)
{
    VelaAudioProcessor processor;
    LumDigiDelay engine(44100.0f);
    engine.prepare(static_cast<float>(rate), blockSize);
    for (const auto& member : VelaParameters::engineMembers())
        member.store(engine, processor.valueTreeState.getRawParameterValue(member.id)->load());

    juce::AudioBuffer<float> buffer(2, blockSize);

    for (auto _ : state)
    {
        buffer.clear();
        engine.runEffect(buffer.getReadPointer(0), buffer.getReadPointer(1), buffer.getWritePointer(0),
                         buffer.getWritePointer(1), blockSize, 120.0f);
        benchmark::DoNotOptimize(buffer.getReadPointer(0));
    }

    state.SetItemsProcessed(state.iterations() * blockSize);
}
} // namespace

BENCHMARK(BM_EngineBlockAlone);
BENCHMARK(BM_ProcessorBlock);
