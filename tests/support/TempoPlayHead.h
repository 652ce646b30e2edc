#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <optional>

// A host's transport as a test sets it: a position with or without a tempo, or no position at all.
class TempoPlayHead : public juce::AudioPlayHead
{
public:
    juce::Optional<PositionInfo> getPosition() const override
    {
        if (! hasPosition)
            return {};

        PositionInfo info;
        if (bpm.has_value())
            info.setBpm(*bpm);
        return info;
    }

    bool hasPosition = true;
    std::optional<double> bpm;
};
