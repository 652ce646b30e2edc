#include "WavChunkCheck.h"

#include <cstring>

namespace
{
constexpr juce::uint32 sampleChunkHeaderBytes = 36;
constexpr juce::uint32 bytesPerLoop = 24;
constexpr juce::int64 loopCountOffset = 28;

bool readId(juce::InputStream& input, char (&id)[4])
{
    return input.read(id, 4) == 4;
}
} // namespace

bool sampleLoopsFitTheirChunks(juce::InputStream& input)
{
    char id[4];
    if (! readId(input, id) || std::memcmp(id, "RIFF", 4) != 0)
        return true;

    input.readInt();
    if (! readId(input, id) || std::memcmp(id, "WAVE", 4) != 0)
        return true;

    while (readId(input, id))
    {
        const auto size = static_cast<juce::uint32>(input.readInt());
        const auto start = input.getPosition();

        if (std::memcmp(id, "smpl", 4) == 0)
        {
            const bool insideTheFile = start + static_cast<juce::int64>(size) <= input.getTotalLength();
            if (size < sampleChunkHeaderBytes || ! insideTheFile || ! input.setPosition(start + loopCountOffset))
                return false;

            const auto loops = static_cast<juce::uint32>(input.readInt());
            if (static_cast<juce::uint64>(loops) * bytesPerLoop + sampleChunkHeaderBytes > size)
                return false;
        }

        if (! input.setPosition(start + size + (size & 1)))
            break;
    }

    return true;
}
