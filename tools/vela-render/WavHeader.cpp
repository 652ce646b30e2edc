#include "WavHeader.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr juce::int64 formStart = 8; // where the form's size counts from
constexpr juce::int64 channelCountOffset = 2;
constexpr juce::int64 maxPlausibleLength = juce::int64 { 1 } << 62;

bool readId(juce::InputStream& input, char (&id)[4])
{
    return input.read(id, 4) == 4;
}

bool is(const char (&id)[4], const char* name)
{
    return std::memcmp(id, name, 4) == 0;
}

int channelCount(juce::InputStream& input, juce::int64 start)
{
    if (! input.setPosition(start + channelCountOffset))
        return 0;

    return static_cast<juce::uint16>(input.readShort());
}

struct Rf64Sizes
{
    juce::uint64 form = 0;
    juce::int64 data = 0;
};

// An RF64 file keeps its sizes in a "ds64" chunk, since its form and "data" chunk may outgrow 32 bits. The reader
// reads nothing of a file whose first chunk is not its "ds64"; the walk goes on after it.
Rf64Sizes readDs64(juce::InputStream& input)
{
    char id[4];
    if (! readId(input, id) || ! is(id, "ds64"))
        return {};

    const auto size = static_cast<juce::uint32>(input.readInt());
    const auto start = input.getPosition();
    Rf64Sizes sizes;
    sizes.form = static_cast<juce::uint64>(input.readInt64());
    sizes.data = input.readInt64();
    input.setPosition(start + size + (size & 1));
    return sizes;
}
} // namespace

WavHeader readWavHeader(juce::InputStream& input)
{
    WavHeader header;
    char id[4];

    if (! readId(input, id))
        return header;

    const bool rf64 = is(id, "RF64");
    if (! rf64 && ! is(id, "RIFF"))
        return header;

    const auto riffSize = static_cast<juce::uint32>(input.readInt());
    if (! readId(input, id) || ! is(id, "WAVE"))
        return header;

    const auto rf64Sizes = rf64 ? readDs64(input) : Rf64Sizes {};

    // The reader reads no chunk past the form's end; the walk stops there too, or at the end of the file.
    const auto formSize = rf64 ? rf64Sizes.form : static_cast<juce::uint64>(riffSize);
    const auto formEnd = formStart + static_cast<juce::int64>(std::min<juce::uint64>(formSize, maxPlausibleLength));

    while (input.getPosition() < formEnd && readId(input, id))
    {
        const auto idPosition = input.getPosition() - 4;
        const auto size = static_cast<juce::uint32>(input.readInt());
        const auto start = input.getPosition();
        auto length = static_cast<juce::int64>(size);

        if (is(id, "fmt "))
        {
            header.mostChannels = std::max(header.mostChannels, channelCount(input, start));
        }
        else if (is(id, "data"))
        {
            header.dataStart = start;
            if (rf64 && rf64Sizes.data != 0)
                length = rf64Sizes.data;
        }
        else if (size > 0)
        {
            // An empty chunk has nothing to parse, and the reader stops at an empty chunk it does not know.
            header.unneededChunkIds.push_back(idPosition);
        }

        // No file holds 2^62 bytes, and the reader's own position sums would overflow on such a length; a
        // negative one would give a negative number of samples.
        if (length < 0 || length > maxPlausibleLength)
        {
            header.lengthsPossible = false;
            break;
        }

        if (! input.setPosition(start + length + (length & 1)))
            break;
    }

    return header;
}
