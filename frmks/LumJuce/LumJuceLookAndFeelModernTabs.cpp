// Flat tabs: a gradient on the tabs behind, an outline on every side but the one facing the content.
#include "LumJuceLookAndFeelModern.h"

using namespace juce;

int LumJuceLookAndFeelModern::getTabButtonSpaceAroundImage()
{
    return 0;
}

int LumJuceLookAndFeelModern::getTabButtonOverlap(int)
{
    return -1;
}

void LumJuceLookAndFeelModern::createTabTextLayout(const TabBarButton& button, float length, float depth,
                                                   Colour colour, TextLayout& textLayout)
{
    Font font(depth * 0.5f);
    font.setUnderline(button.hasKeyboardFocus(false));

    AttributedString text;
    text.setJustification(Justification::centred);
    text.append(button.getButtonText().trim(), font, colour);
    textLayout.createLayout(text, length);
}

// From the tab's outer edge to the edge that meets the content.
static Line<float> outerToInnerEdge(Rectangle<int> area, TabbedButtonBar::Orientation orientation)
{
    switch (orientation)
    {
        case TabbedButtonBar::TabsAtBottom: return { area.getBottomLeft().toFloat(), area.getTopLeft().toFloat() };
        case TabbedButtonBar::TabsAtLeft: return { area.getTopLeft().toFloat(), area.getTopRight().toFloat() };
        case TabbedButtonBar::TabsAtRight: return { area.getTopRight().toFloat(), area.getTopLeft().toFloat() };
        case TabbedButtonBar::TabsAtTop: break;
    }

    return { area.getTopLeft().toFloat(), area.getBottomLeft().toFloat() };
}

static Colour tabTextColour(LookAndFeel& lookAndFeel, TabBarButton& button, bool isMouseOver, bool isMouseDown)
{
    if (auto* bar = button.findParentComponentOfClass<TabbedButtonBar>())
    {
        const auto id = button.isFrontTab() ? TabbedButtonBar::frontTextColourId : TabbedButtonBar::tabTextColourId;

        if (bar->isColourSpecified(id))
            return bar->findColour(id);
        if (lookAndFeel.isColourSpecified(id))
            return lookAndFeel.findColour(id);
    }

    const float alpha = button.isEnabled() ? ((isMouseOver || isMouseDown) ? 1.0f : 0.8f) : 0.3f;
    return button.getTabBackgroundColour().contrasting(1.0f).withMultipliedAlpha(alpha);
}

void LumJuceLookAndFeelModern::drawTabButton(TabBarButton& button, Graphics& g, bool isMouseOver, bool isMouseDown)
{
    const auto area = button.getActiveArea();
    const auto orientation = button.getTabbedButtonBar().getOrientation();
    const auto bkg = button.getTabBackgroundColour();

    if (button.getToggleState())
    {
        g.setColour(bkg);
    }
    else
    {
        const auto gradientLine = outerToInnerEdge(area, orientation);
        g.setGradientFill(ColourGradient(bkg.brighter(0.2f), gradientLine.getStart(), bkg.darker(0.1f),
                                         gradientLine.getEnd(), false));
    }

    g.fillRect(area);

    g.setColour(button.findColour(TabbedButtonBar::tabOutlineColourId));
    auto border = area;
    if (orientation != TabbedButtonBar::TabsAtBottom)
        g.fillRect(border.removeFromTop(1));
    if (orientation != TabbedButtonBar::TabsAtTop)
        g.fillRect(border.removeFromBottom(1));
    if (orientation != TabbedButtonBar::TabsAtRight)
        g.fillRect(border.removeFromLeft(1));
    if (orientation != TabbedButtonBar::TabsAtLeft)
        g.fillRect(border.removeFromRight(1));

    const auto textArea = button.getTextArea().toFloat();
    float length = textArea.getWidth();
    float depth = textArea.getHeight();
    if (button.getTabbedButtonBar().isVertical())
        std::swap(length, depth);

    TextLayout layout;
    createTabTextLayout(button, length, depth, tabTextColour(*this, button, isMouseOver, isMouseDown), layout);

    AffineTransform toTextArea;
    switch (orientation)
    {
        case TabbedButtonBar::TabsAtLeft:
            toTextArea = AffineTransform::rotation(-MathConstants<float>::halfPi)
                             .translated(textArea.getX(), textArea.getBottom());
            break;
        case TabbedButtonBar::TabsAtRight:
            toTextArea = AffineTransform::rotation(MathConstants<float>::halfPi)
                             .translated(textArea.getRight(), textArea.getY());
            break;
        case TabbedButtonBar::TabsAtTop:
        case TabbedButtonBar::TabsAtBottom:
            toTextArea = AffineTransform::translation(textArea.getX(), textArea.getY());
            break;
    }

    g.addTransform(toTextArea);
    layout.draw(g, Rectangle<float>(length, depth));
}

// A soft shadow over the band of the bar that meets the content, and a line along that edge.
void LumJuceLookAndFeelModern::drawTabAreaBehindFrontButton(TabbedButtonBar& bar, Graphics& g, int w, int h)
{
    const float shadowSize = 0.15f;
    ColourGradient gradient(Colours::black.withAlpha(bar.isEnabled() ? 0.08f : 0.04f), 0.0f, 0.0f,
                            Colours::transparentBlack, 0.0f, 0.0f, false);
    Rectangle<int> band, line;

    switch (bar.getOrientation())
    {
        case TabbedButtonBar::TabsAtLeft:
            gradient.point1.x = (float) w;
            gradient.point2.x = (float) w * (1.0f - shadowSize);
            band.setBounds((int) gradient.point2.x, 0, w - (int) gradient.point2.x, h);
            line.setBounds(w - 1, 0, 1, h);
            break;
        case TabbedButtonBar::TabsAtRight:
            gradient.point2.x = (float) w * shadowSize;
            band.setBounds(0, 0, (int) gradient.point2.x, h);
            line.setBounds(0, 0, 1, h);
            break;
        case TabbedButtonBar::TabsAtTop:
            gradient.point1.y = (float) h;
            gradient.point2.y = (float) h * (1.0f - shadowSize);
            band.setBounds(0, (int) gradient.point2.y, w, h - (int) gradient.point2.y);
            line.setBounds(0, h - 1, w, 1);
            break;
        case TabbedButtonBar::TabsAtBottom:
            gradient.point2.y = (float) h * shadowSize;
            band.setBounds(0, 0, w, (int) gradient.point2.y);
            line.setBounds(0, 0, w, 1);
            break;
    }

    g.setGradientFill(gradient);
    g.fillRect(band.expanded(2, 2));

    g.setColour(bar.findColour(TabbedButtonBar::tabOutlineColourId));
    g.fillRect(line);
}
