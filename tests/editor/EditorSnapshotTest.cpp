#include "EditorFixture.h"

namespace
{
using EditorSnapshot = EditorFixture;

// Font rasterisation may differ by a shade here and there; the look may not.
constexpr int channelTolerance = 8;
constexpr double allowedDifferingShare = 0.002;

int channelDistance(juce::Colour a, juce::Colour b)
{
    return std::max({ std::abs(a.getRed() - b.getRed()), std::abs(a.getGreen() - b.getGreen()),
                      std::abs(a.getBlue() - b.getBlue()), std::abs(a.getAlpha() - b.getAlpha()) });
}
} // namespace

TEST_F(EditorSnapshot, DefaultStateLooksAsItDid)
{
    const auto snapshot = editor->createComponentSnapshot(editor->getLocalBounds(), true, 1.0f);
    const juce::File reference(VELA_EDITOR_REFERENCE);

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
