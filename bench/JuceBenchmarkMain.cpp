// The parameter tree and the editor need JUCE's message manager; one initialiser serves every benchmark.
#include <juce_events/juce_events.h>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    const juce::ScopedJuceInitialiser_GUI juce;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
