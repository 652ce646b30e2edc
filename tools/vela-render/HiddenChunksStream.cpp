#include "HiddenChunksStream.h"

#include <algorithm>

HiddenChunksStream::HiddenChunksStream(std::unique_ptr<juce::InputStream> sourceStream,
                                       std::vector<juce::int64> positions)
    : source(std::move(sourceStream)), idPositions(std::move(positions))
{
}

juce::int64 HiddenChunksStream::getTotalLength()
{
    return source->getTotalLength();
}

bool HiddenChunksStream::isExhausted()
{
    return source->isExhausted();
}

juce::int64 HiddenChunksStream::getPosition()
{
    return source->getPosition();
}

bool HiddenChunksStream::setPosition(juce::int64 newPosition)
{
    return source->setPosition(newPosition);
}

int HiddenChunksStream::read(void* destBuffer, int maxBytesToRead)
{
    static constexpr char junk[] = "JUNK";
    const auto start = source->getPosition();
    const int got = source->read(destBuffer, maxBytesToRead);
    auto* bytes = static_cast<char*>(destBuffer);

    // The positions come in file order; a file of many tiny chunks must not make every read walk them all.
    const auto end = start + got;
    auto id = std::lower_bound(idPositions.begin(), idPositions.end(), start - 3);

    for (; id != idPositions.end() && *id < end; ++id)
        for (auto at = std::max(*id, start); at < std::min(*id + 4, end); ++at)
            bytes[at - start] = junk[at - *id];

    return got;
}
