// Text buttons, combo boxes and the fonts of buttons and captions, read back from the pixels.
#include "OffscreenDrawing.h"

#include <gtest/gtest.h>

using namespace juce;
using namespace OffscreenDrawing;

namespace
{
Image paintButton(int width, int height, int connectedEdges)
{
    TextButton button;
    button.setColour(TextButton::buttonColourId, Colour(0xff3366cc));
    button.setConnectedEdges(connectedEdges);
    button.setSize(width, height);
    return paint(button);
}

bool isSquare(const Image& image, int x, int y)
{
    // One pixel in from the corner: covered by a square corner, outside a rounded one of size 4.
    return image.getPixelAt(x, y).getFloatAlpha() > 0.8f;
}
} // namespace

TEST(TextButton, ConnectedEdgesSquareTheirCorners)
{
    const struct
    {
        int edges;
        bool topLeft, topRight, bottomLeft, bottomRight;
    } cases[] = {
        { 0, false, false, false, false },
        { Button::ConnectedOnLeft, true, false, true, false },
        { Button::ConnectedOnRight, false, true, false, true },
        { Button::ConnectedOnTop, true, true, false, false },
        { Button::ConnectedOnBottom, false, false, true, true },
        { Button::ConnectedOnLeft | Button::ConnectedOnRight, true, true, true, true },
    };

    for (const auto& c : cases)
    {
        const auto image = paintButton(60, 30, c.edges);
        EXPECT_EQ(isSquare(image, 1, 1), c.topLeft) << "edges " << c.edges;
        EXPECT_EQ(isSquare(image, 58, 1), c.topRight) << "edges " << c.edges;
        EXPECT_EQ(isSquare(image, 1, 28), c.bottomLeft) << "edges " << c.edges;
        EXPECT_EQ(isSquare(image, 58, 28), c.bottomRight) << "edges " << c.edges;
    }
}

TEST(TextButton, BackgroundIsAGradientWithoutBorder)
{
    const auto image = paintButton(60, 30, 0);
    const auto base = Colour(0xff3366cc).withMultipliedSaturation(0.9f).withMultipliedAlpha(0.9f);

    // Top and bottom rows are the gradient's own ends, not a darker outline.
    EXPECT_TRUE(isNear(image.getPixelAt(30, 1), base.brighter(0.2f), 6)) << image.getPixelAt(30, 1).toString();
    EXPECT_TRUE(isNear(image.getPixelAt(30, 28), base.darker(0.15f), 6)) << image.getPixelAt(30, 28).toString();
}

TEST(TextButton, OnePixelWideOrHighDrawsNothing)
{
    EXPECT_TRUE(isBlank(paintButton(1, 30, 0)));
    EXPECT_TRUE(isBlank(paintButton(30, 1, 0)));
}

TEST(Fonts, ButtonsAndCaptionsAreAtMostTenHigh)
{
    const struct
    {
        int componentHeight;
        float buttonFont, labelFont;
    } cases[] = {
        { 40, 10.0f, 10.0f },
        { 20, 10.0f, 10.0f },
        { 15, 9.0f, 10.0f },
        { 10, 6.0f, 8.0f },
    };

    for (const auto& c : cases)
    {
        TextButton button;
        Label label;
        label.setFont(Font(30.0f)); // ignored: only the height counts
        label.setSize(100, c.componentHeight);

        EXPECT_FLOAT_EQ(lookAndFeel().getTextButtonFont(button, c.componentHeight).getHeight(), c.buttonFont);
        EXPECT_FLOAT_EQ(lookAndFeel().getLabelFont(label).getHeight(), c.labelFont);
    }
}

TEST(Fonts, CaptionIsDrawnInTheLookAndFeelsSizeNotItsOwn)
{
    Label label({}, "HH");
    label.setFont(Font(30.0f));
    label.setColour(Label::textColourId, Colours::white);
    label.setSize(100, 20);
    const auto image = paint(label);

    int top = 20, bottom = -1;
    for (int y = 0; y < 20; ++y)
        if (inkAcrossRow(image, y, 0, 99) > 0.5f)
        {
            top = jmin(top, y);
            bottom = jmax(bottom, y);
        }

    // Capitals of a 10-high font; 30-high ones would fill the label.
    EXPECT_GT(bottom - top + 1, 4);
    EXPECT_LT(bottom - top + 1, 10);
}

namespace
{
// The arrows sit in the button area at the right: up arrow's middle at (97, 9).
Image paintComboBox(bool enabled)
{
    ComboBox box;
    box.setSize(112, 24);
    box.setEnabled(enabled);
    box.setColour(ComboBox::arrowColourId, Colours::white);
    return paint(112, 24, [&](Graphics& g) { lookAndFeel().drawComboBox(g, 112, 24, false, 82, 0, 30, 24, box); });
}
} // namespace

TEST(ComboBox, DisabledBoxDimsItsArrowsButNotItsOutline)
{
    const auto enabled = paintComboBox(true);
    const auto disabled = paintComboBox(false);

    EXPECT_NEAR(enabled.getPixelAt(97, 9).getFloatAlpha(), 1.0f, 0.02f);
    EXPECT_NEAR(disabled.getPixelAt(97, 9).getFloatAlpha(), 0.3f, 0.02f);
    EXPECT_EQ(enabled.getPixelAt(0, 12), Colour(0xff333333));
    EXPECT_EQ(disabled.getPixelAt(0, 12), Colour(0xff333333));
    // The transparent background leaves the panel behind visible.
    EXPECT_EQ(enabled.getPixelAt(40, 12).getAlpha(), 0);
}
