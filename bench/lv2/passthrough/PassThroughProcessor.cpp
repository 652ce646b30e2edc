// A JUCE processor built as Vela is, with fourteen parameters that it copies out and a tempo that it asks for in
// every block, but no sound of its own: what JUCE's LV2 wrapper and the per-block set-up cost before any DSP.
#include <juce_audio_processors/juce_audio_processors.h>

#include <array>

namespace
{
constexpr int parameterCount = 14;

juce::AudioProcessorValueTreeState::ParameterLayout layout()
{
    juce::AudioProcessorValueTreeState::ParameterLayout parameters;
    for (int i = 0; i < parameterCount; ++i)
    {
        const juce::String id = "p" + juce::String(i);
        parameters.add(std::make_unique<juce::AudioParameterFloat>(juce::ParameterID { id, 1 }, id,
                                                                   juce::NormalisableRange<float>(0.0f, 100.0f),
                                                                   50.0f));
    }
    return parameters;
}

class PassThroughProcessor : public juce::AudioProcessor
{
public:
    PassThroughProcessor()
        : AudioProcessor(BusesProperties()
                             .withInput("Input", juce::AudioChannelSet::stereo(), true)
                             .withOutput("Output", juce::AudioChannelSet::stereo(), true)),
          tree(*this, nullptr, "PassThrough", layout())
    {
        for (int i = 0; i < parameterCount; ++i)
            raw[static_cast<size_t>(i)] = tree.getRawParameterValue("p" + juce::String(i));
    }

    const juce::String getName() const override { return "Vela bench pass-through"; }
    void prepareToPlay(double, int) override {}
    void releaseResources() override {}

    void processBlock(juce::AudioBuffer<float>&, juce::MidiBuffer&) override
    {
        juce::ScopedNoDenormals noDenormals;
        if (auto* head = getPlayHead())
            if (const auto position = head->getPosition())
                if (const auto bpm = position->getBpm())
                    tempo = static_cast<float>(*bpm);
        for (size_t i = 0; i < copied.size(); ++i)
            copied[i] = raw[i]->load(std::memory_order_relaxed);
    }

    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return false; }
    bool producesMidi() const override { return false; }
    bool hasEditor() const override { return false; }
    juce::AudioProcessorEditor* createEditor() override { return nullptr; }
    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram(int) override {}
    const juce::String getProgramName(int) override { return {}; }
    void changeProgramName(int, const juce::String&) override {}
    void getStateInformation(juce::MemoryBlock&) override {}
    void setStateInformation(const void*, int) override {}

private:
    juce::AudioProcessorValueTreeState tree;
    std::array<std::atomic<float>*, parameterCount> raw {};
    std::array<float, parameterCount> copied {};
    float tempo = 120.0f;
};
} // namespace

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new PassThroughProcessor();
}
