// Group outlines, scroll bar thumbs and title-bar buttons, read back from the pixels.
#include "OffscreenDrawing.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace juce;
using namespace OffscreenDrawing;

namespace
{
struct Group
{
    Group(int width, const String& text, Justification position)
    {
        group.setText(text);
        group.setTextLabelPosition(position);
        group.setColour(GroupComponent::outlineColourId, Colours::white);
        group.setColour(GroupComponent::textColourId, Colours::transparentWhite); // only the outline shows
        group.setSize(width, 60);
    }

    // The top line runs along the caption font's ascent less 3; a one-wide stroke spreads over two rows.
    float inkOnTopLine(int x)
    {
        const int lineY = (int) std::floor(Font(12.0f).getAscent() - 3.0f);
        return inkDownColumn(paint(group), x, lineY - 1, lineY + 2);
    }

    float captionGapWidth() const { return (float) Font(12.0f).getStringWidth(group.getText()) + 8.0f; }

    GroupComponent group;
};
} // namespace

TEST(GroupOutline, LeavesAGapForTheCaption)
{
    // Width 200: the outline spans x = 3 to 197 with corners of 5.
    const auto gapOnLeft = Group(200, "DELAY", Justification::left).captionGapWidth();
    const struct
    {
        String text;
        Justification position;
        int x;
        bool ink;
    } cases[] = {
        { "DELAY", Justification::left, 14, false },                              // the gap starts at 3 + 5 + 4
        { "DELAY", Justification::left, 12 + (int) gapOnLeft + 3, true },
        { "DELAY", Justification::centred, 100, false },
        { "DELAY", Justification::centred, 20, true },
        { "DELAY", Justification::right, 186, false },                            // the gap ends at 197 - 5 - 4
        { "DELAY", Justification::right, 190, true },
        { {}, Justification::left, 14, true },                                    // no text, no gap
    };

    for (const auto& c : cases)
    {
        Group group(200, c.text, c.position);
        const float ink = group.inkOnTopLine(c.x);
        if (c.ink)
            EXPECT_GT(ink, 0.8f) << c.text << " at x " << c.x;
        else
            EXPECT_LT(ink, 0.05f) << c.text << " at x " << c.x;
    }
}

TEST(GroupOutline, IsAHairlineAtHalfStrengthWhenDisabled)
{
    Group enabled(200, "DELAY", Justification::left);
    Group disabled(200, "DELAY", Justification::left);
    disabled.group.setEnabled(false);

    EXPECT_NEAR(enabled.inkOnTopLine(150), 1.0f, 0.1f);
    EXPECT_NEAR(disabled.inkOnTopLine(150), 0.5f, 0.05f);
}

TEST(GroupOutline, NarrowGroupShrinksItsCornersInsteadOfOverlapping)
{
    // Eight wide: the outline's width is 2 and its corners 1, so below the top line all of it lies in
    // columns 2 to 5. (The top line itself runs on to where a caption would start.)
    Group narrow(8, {}, Justification::left);
    const auto image = paint(narrow.group);
    const int belowTopLine = (int) Font(12.0f).getAscent();

    for (int x : { 0, 1, 6, 7 })
        EXPECT_EQ(inkDownColumn(image, x, belowTopLine, 59), 0.0f) << "column " << x;
    EXPECT_GT(inkDownColumn(image, 3, belowTopLine, 59), 10.0f);
}

namespace
{
Image paintScrollBar(bool vertical, int thumbStart, int thumbSize)
{
    ScrollBar bar(vertical);
    bar.setColour(ScrollBar::thumbColourId, Colours::white);
    const int width = vertical ? 16 : 200, height = vertical ? 200 : 16;
    return paint(width, height, [&](Graphics& g) {
        lookAndFeel().drawScrollbar(g, bar, 0, 0, width, height, vertical, thumbStart, thumbSize, false, false);
    });
}
} // namespace

TEST(ScrollBar, ThumbIsInsetByAQuarterOfTheBarsWidth)
{
    // A 16-wide bar: thumb 8 wide, inset 4 on every side, ends fully rounded.
    const struct
    {
        int along, across;
        bool ink;
    } cases[] = {
        { 50, 8, true },   // middle of the thumb
        { 50, 5, true },
        { 50, 2, false },  // inset on both sides
        { 50, 13, false },
        { 22, 8, false },  // inset at both ends: the thumb spans 24 to 76
        { 78, 8, false },
        { 24, 4, false },  // rounded corner
    };

    for (bool vertical : { true, false })
    {
        const auto image = paintScrollBar(vertical, 20, 60);
        for (const auto& c : cases)
        {
            const auto pixel = vertical ? image.getPixelAt(c.across, c.along) : image.getPixelAt(c.along, c.across);
            if (c.ink)
                EXPECT_GT(pixel.getFloatAlpha(), 0.9f) << "vertical " << vertical << " at " << c.along << ", " << c.across;
            else
                EXPECT_LT(pixel.getFloatAlpha(), 0.3f) << "vertical " << vertical << " at " << c.along << ", " << c.across;
        }
    }
}

TEST(ScrollBar, NoThumbDrawsNothing)
{
    EXPECT_TRUE(isBlank(paintScrollBar(true, 20, 0)));
    EXPECT_TRUE(isBlank(paintScrollBar(false, 20, 0)));
}

TEST(TitleBarButtons, ExistForCloseMinimiseAndMaximiseOnly)
{
    const struct
    {
        int type;
        const char* name;
    } cases[] = {
        { DocumentWindow::closeButton, "close" },
        { DocumentWindow::minimiseButton, "minimise" },
        { DocumentWindow::maximiseButton, "maximise" },
    };

    for (const auto& c : cases)
    {
        std::unique_ptr<Button> button(lookAndFeel().createDocumentWindowButton(c.type));
        ASSERT_NE(button, nullptr) << c.name;
        EXPECT_EQ(button->getName(), c.name);
    }

    for (int unknownType : { 0, 3, 8 })
        EXPECT_EQ(std::unique_ptr<Button>(lookAndFeel().createDocumentWindowButton(unknownType)), nullptr)
            << unknownType;
}

TEST(TitleBarButtons, PressedButtonShrinksItsCircle)
{
    // 100 x 100: the ring reaches 35.75 from the centre at rest and 33 when pressed.
    std::unique_ptr<Button> button(lookAndFeel().createDocumentWindowButton(DocumentWindow::closeButton));
    button->setSize(100, 100);
    const auto atRest = paint(*button);
    button->setState(Button::buttonDown);
    const auto pressed = paint(*button);

    EXPECT_GT(atRest.getPixelAt(50, 15).getFloatAlpha(), 0.9f);
    EXPECT_EQ(pressed.getPixelAt(50, 15).getAlpha(), 0);
}
