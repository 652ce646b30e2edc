#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// A transport that plays from the start at one tempo; the renderer moves it on after every block.
class FixedTempoPlayHead : public juce::AudioPlayHead
{
public:
    FixedTempoPlayHead(double bpm, double sampleRate);

    void setSamplePosition(juce::int64 samples);

    juce::Optional<PositionInfo> getPosition() const override;

private:
    double bpm;
    double sampleRate;
    juce::int64 samplePosition = 0;
};
