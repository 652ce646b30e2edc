#include "SnapshotComparison.h"

#include <gtest/gtest.h>

namespace
{
constexpr int channelTolerance = 8;
constexpr double allowedDifferingShare = 0.002;

int channelDistance(juce::Colour a, juce::Colour b)
{
    return std::max({ std::abs(a.getRed() - b.getRed()), std::abs(a.getGreen() - b.getGreen()),
                      std::abs(a.getBlue() - b.getBlue()), std::abs(a.getAlpha() - b.getAlpha()) });
}
} // namespace

void expectLooksLike(const juce::Image& snapshot, const juce::File& reference)
{
    if (! reference.existsAsFile())
    {
        reference.getParentDirectory().createDirectory();
        juce::FileOutputStream out(reference);
        juce::PNGImageFormat().writeImageToStream(snapshot, out);
        FAIL() << "no reference image: wrote " << reference.getFullPathName() << "; look at it and commit it";
    }

    const auto expected = juce::ImageFileFormat::loadFrom(reference);
    ASSERT_EQ(expected.getBounds(), snapshot.getBounds());

    int differing = 0;
    for (int y = 0; y < snapshot.getHeight(); ++y)
        for (int x = 0; x < snapshot.getWidth(); ++x)
            if (channelDistance(snapshot.getPixelAt(x, y), expected.getPixelAt(x, y)) > channelTolerance)
                ++differing;

    const double share = static_cast<double>(differing) / (snapshot.getWidth() * snapshot.getHeight());
    EXPECT_LE(share, allowedDifferingShare) << differing << " pixels differ from " << reference.getFullPathName();
}
