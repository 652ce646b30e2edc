#include "FixedTempoPlayHead.h"

FixedTempoPlayHead::FixedTempoPlayHead(double tempo, double rate) : bpm(tempo), sampleRate(rate) {}

void FixedTempoPlayHead::setSamplePosition(juce::int64 samples)
{
    samplePosition = samples;
}

juce::Optional<juce::AudioPlayHead::PositionInfo> FixedTempoPlayHead::getPosition() const
{
    const double seconds = static_cast<double>(samplePosition) / sampleRate;

    PositionInfo position;
    position.setIsPlaying(true);
    position.setBpm(bpm);
    position.setTimeInSamples(samplePosition);
    position.setTimeInSeconds(seconds);
    position.setPpqPosition(seconds * bpm / 60.0);
    return position;
}
