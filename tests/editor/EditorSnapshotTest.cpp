#include "EditorFixture.h"
#include "SnapshotComparison.h"
#include "VelaImages.h"

using EditorSnapshot = EditorFixture;

TEST_F(EditorSnapshot, DefaultStateLooksAsItDid)
{
    const auto snapshot = editor->createComponentSnapshot(editor->getLocalBounds(), true, 1.0f);
    expectLooksLike(snapshot, juce::File(VELA_EDITOR_REFERENCE));
}

TEST_F(EditorSnapshot, DoubleZoomLooksAsItDid)
{
    velaEditor().chooseZoom(200);
    const auto snapshot = editor->createComponentSnapshot(editor->getLocalBounds(), true, 1.0f);
    expectLooksLike(snapshot, juce::File(VELA_EDITOR_REFERENCE_200));
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
