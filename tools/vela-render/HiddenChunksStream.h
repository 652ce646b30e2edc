#pragma once

#include <juce_core/juce_core.h>

#include <memory>
#include <vector>

// A WAV file as JUCE's reader should see it: the chunk ids at the given positions (ascending) read as "JUNK",
// which the reader skips without looking inside. Everything else passes through unchanged.
class HiddenChunksStream : public juce::InputStream
{
public:
    HiddenChunksStream(std::unique_ptr<juce::InputStream> source, std::vector<juce::int64> idPositions);

    juce::int64 getTotalLength() override;
    bool isExhausted() override;
    int read(void* destBuffer, int maxBytesToRead) override;
    juce::int64 getPosition() override;
    bool setPosition(juce::int64 newPosition) override;

private:
    std::unique_ptr<juce::InputStream> source;
    std::vector<juce::int64> idPositions;
};
