#include "EditorFixture.h"
#include "VelaImages.h"

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

// The pixels of `area` in which two images differ by more than a shade.
int differingPixels(const juce::Image& a, const juce::Image& b, juce::Rectangle<int> area)
{
    int differing = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (channelDistance(a.getPixelAt(x, y), b.getPixelAt(x, y)) > channelTolerance)
                ++differing;
    return differing;
}

void expectLooksLikeReference(const juce::Image& snapshot, const juce::File& reference)
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
} // namespace

TEST_F(EditorSnapshot, DefaultStateLooksAsItDid)
{
    const auto snapshot = editor->createComponentSnapshot(editor->getLocalBounds(), true, 1.0f);
    expectLooksLikeReference(snapshot, juce::File(VELA_EDITOR_REFERENCE));
}

TEST_F(EditorSnapshot, DoubleZoomLooksAsItDid)
{
    velaEditor().chooseZoom(200);
    const auto snapshot = editor->createComponentSnapshot(editor->getLocalBounds(), true, 1.0f);
    expectLooksLikeReference(snapshot, juce::File(VELA_EDITOR_REFERENCE_200));
}

// The header's title is background only: wherever the panel is drawn at a picture's own resolution, the
// picture's pixels reach the screen as they are, not resampled.
TEST_F(EditorSnapshot, BackgroundIsDrawnPixelForPixelFromArtworkOfItsResolution)
{
    struct Case
    {
        int zoom;
        float screenScale; // what a host or the desktop adds on top of the zoom
        const char* picture;
        const void* png;
        int pngSize;
    };

    const Case cases[] = {
        { 200, 1.0f, "bg.png", VelaImages::bg_png, VelaImages::bg_pngSize },
        { 200, 2.0f, "bg_4x.png", VelaImages::bg_4x_png, VelaImages::bg_4x_pngSize },
        { 100, 4.0f, "bg_4x.png", VelaImages::bg_4x_png, VelaImages::bg_4x_pngSize },
    };
    const juce::Rectangle<int> title { 345, 10, 150, 30 }; // panel pixels, right of the preset selector

    for (const Case& c : cases)
    {
        velaEditor().chooseZoom(c.zoom);
        const float scale = static_cast<float>(c.zoom) / 100.0f * c.screenScale;
        const auto snapshot = editor->createComponentSnapshot(editor->getLocalBounds(), true, c.screenScale);
        const auto picture = juce::ImageFileFormat::loadFrom(c.png, static_cast<size_t>(c.pngSize));
        const auto area = (title.toFloat() * scale).toNearestInt();

        ASSERT_EQ(picture.getWidth(), juce::roundToInt(500 * scale)) << c.picture;
        EXPECT_EQ(differingPixels(snapshot, picture, area), 0) << c.picture << " at zoom " << c.zoom;
    }
}
