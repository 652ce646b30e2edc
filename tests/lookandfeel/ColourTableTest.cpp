// The look's colour table, and the base's scheme wherever the table sets nothing.
#include "LumJuceLookAndFeelModern.h"

#include <gtest/gtest.h>

using namespace juce;

TEST(ColourTable, SetsTheLooksColours)
{
    const struct
    {
        int id;
        uint32 argb;
    } table[] = {
        { TreeView::selectedItemBackgroundColourId, 0x301111ee },
        { TextButton::buttonColourId, 0xffeeeeff },
        { TextEditor::outlineColourId, 0x00000000 },
        { TabbedButtonBar::tabOutlineColourId, 0x66000000 },
        { TabbedComponent::outlineColourId, 0x66000000 },
        { Slider::trackColourId, 0xbbffffff },
        { Slider::thumbColourId, 0xffddddff },
        { BubbleComponent::backgroundColourId, 0xeeeeeedd },
        { ScrollBar::thumbColourId, 0x21000000 },
        { PopupMenu::backgroundColourId, 0x7f000000 },
        { PopupMenu::textColourId, 0xffbfbfbf },
        { ComboBox::backgroundColourId, 0x00ffffff },
        { ComboBox::textColourId, 0xff999999 },
        { ComboBox::buttonColourId, 0xff333333 }, // the later of its two settings
        { ComboBox::arrowColourId, 0xff999999 },
        { ComboBox::outlineColourId, 0xff333333 },
    };

    LumJuceLookAndFeelModern lookAndFeel;
    for (const auto& entry : table)
        EXPECT_EQ(lookAndFeel.findColour(entry.id).getARGB(), entry.argb) << String::toHexString(entry.id);
}

TEST(ColourTable, LeavesEveryOtherColourToTheBase)
{
    LumJuceLookAndFeelModern lookAndFeel;
    LookAndFeel_V4 base;

    for (int id : { (int) TextButton::buttonOnColourId, (int) Slider::rotarySliderFillColourId,
                    (int) Slider::rotarySliderOutlineColourId, (int) PopupMenu::highlightedBackgroundColourId,
                    (int) ComboBox::focusedOutlineColourId, (int) GroupComponent::outlineColourId,
                    (int) TextEditor::focusedOutlineColourId, (int) ResizableWindow::backgroundColourId })
        EXPECT_EQ(lookAndFeel.findColour(id), base.findColour(id)) << String::toHexString(id);
}
