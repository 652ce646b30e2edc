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

int differingPixels(const juce::Image& a, const juce::Image& b, juce::Rectangle<int> area)
{
    int differing = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (channelDistance(a.getPixelAt(x, y), b.getPixelAt(x, y)) > channelTolerance)
                ++differing;
    return differing;
}

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

    const int differing = differingPixels(snapshot, expected, snapshot.getBounds());
    const double share = static_cast<double>(differing) / (snapshot.getWidth() * snapshot.getHeight());
    EXPECT_LE(share, allowedDifferingShare) << differing << " pixels differ from " << reference.getFullPathName();
}
