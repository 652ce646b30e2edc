#include "LumJuceLookAndFeelModern.h"

#include <BinaryData.h>

using namespace juce;

LumJuceLookAndFeelModern::LumJuceLookAndFeelModern()
{
    setColour(TreeView::selectedItemBackgroundColourId, Colour(0x301111ee));
    setColour(TextButton::buttonColourId, Colour(0xffeeeeff));
    setColour(ComboBox::buttonColourId, Colour(0xffeeeeff));
    setColour(TextEditor::outlineColourId, Colours::transparentBlack);
    setColour(TabbedButtonBar::tabOutlineColourId, Colour(0x66000000));
    setColour(TabbedComponent::outlineColourId, Colour(0x66000000));
    setColour(Slider::trackColourId, Colour(0xbbffffff));
    setColour(Slider::thumbColourId, Colour(0xffddddff));
    setColour(BubbleComponent::backgroundColourId, Colour(0xeeeeeedd));
    setColour(ScrollBar::thumbColourId, Colour::greyLevel(0.8f).contrasting(1.0f).withAlpha(0.13f));
    // Black at half opacity, rounded down: JUCE 7's withAlpha(0.5f) would round it up to 0x80.
    setColour(PopupMenu::backgroundColourId, Colour(0x7f000000));
    setColour(PopupMenu::textColourId, Colour::greyLevel(0.75f));
    // Transparent, so the panel's background picture shows through the boxes.
    setColour(ComboBox::backgroundColourId, Colour(0x00ffffff));
    setColour(ComboBox::textColourId, Colour(0xff999999));
    setColour(ComboBox::buttonColourId, Colour(0xff333333));
    setColour(ComboBox::arrowColourId, Colour(0xff999999));
    setColour(ComboBox::outlineColourId, Colour(0xff333333));
}

LumJuceLookAndFeelModern::~LumJuceLookAndFeelModern() = default;

// Whatever face a font names, every text is set in the embedded one; only heights differ.
Typeface::Ptr LumJuceLookAndFeelModern::getTypefaceForFont(const Font&)
{
    static const Typeface::Ptr embeddedFace =
        Typeface::createSystemTypefaceFor(BinaryData::Bariol_Bold_otf, (size_t) BinaryData::Bariol_Bold_otfSize);
    return embeddedFace;
}

Font LumJuceLookAndFeelModern::getTextButtonFont(TextButton&, int buttonHeight)
{
    return Font("Bariol", jmin(10.0f, (float) buttonHeight * 0.6f), Font::plain);
}

Font LumJuceLookAndFeelModern::getPopupMenuFont()
{
    return Font("Bariol", 12.0f, Font::plain);
}

// The label's own font is ignored on purpose: only its height decides the size.
Font LumJuceLookAndFeelModern::getLabelFont(Label& label)
{
    return Font("Bariol", jmin(10.0f, (float) label.getHeight() * 0.8f), Font::plain);
}
