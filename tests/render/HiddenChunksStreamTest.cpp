// The view vela-render gives JUCE's WAV reader: hidden chunk ids read as "JUNK" whichever way a read cuts
// across them, and every other byte as it is.
#include "HiddenChunksStream.h"

#include <gtest/gtest.h>

#include <string>

TEST(HiddenChunksStream, ShowsJunkWhereverAReadCutsAnId)
{
    const std::string file = "0123456789abcdef";
    const std::string seen = "01JUNK678JUNKdef";

    HiddenChunksStream stream(std::make_unique<juce::MemoryInputStream>(file.data(), file.size(), false), { 2, 9 });
    EXPECT_EQ(stream.getTotalLength(), 16);

    for (size_t start = 0; start < seen.size(); ++start)
    {
        for (size_t length = 1; start + length <= seen.size() + 2; ++length)
        {
            std::string got(length, '?');
            ASSERT_TRUE(stream.setPosition(static_cast<juce::int64>(start)));
            const int count = stream.read(got.data(), static_cast<int>(length));
            const auto expected = seen.substr(start, length);

            ASSERT_EQ(count, static_cast<int>(expected.size())) << start << "+" << length;
            EXPECT_EQ(got.substr(0, expected.size()), expected) << start << "+" << length;
            EXPECT_EQ(stream.getPosition(), static_cast<juce::int64>(start + expected.size()));
        }
    }
}
