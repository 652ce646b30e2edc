// The flat LookAndFeel_V3 look for scroll bars, resizer bars, concertina and table headers, text editors,
// tree views, menu bars and key-mapping buttons.
#include "LumJuceLookAndFeelModern.h"

#include <juce_gui_extra/juce_gui_extra.h>

using namespace juce;

bool LumJuceLookAndFeelModern::areScrollbarButtonsVisible()
{
    return false;
}

void LumJuceLookAndFeelModern::drawScrollbar(Graphics& g, ScrollBar& scrollbar, int x, int y, int width, int height,
                                             bool isScrollbarVertical, int thumbStartPosition, int thumbSize,
                                             bool isMouseOver, bool isMouseDown)
{
    if (thumbSize <= 0)
        return;

    const float indent = 0.25f * (float) (isScrollbarVertical ? width : height);
    const float across = (float) (isScrollbarVertical ? width : height) - 2.0f * indent;
    const float along = (float) thumbSize - 2.0f * indent;
    const float start = (float) thumbStartPosition + indent;

    Path thumb;
    if (isScrollbarVertical)
        thumb.addRoundedRectangle((float) x + indent, start, across, along, across * 0.5f);
    else
        thumb.addRoundedRectangle(start, (float) y + indent, along, across, across * 0.5f);

    const bool active = isMouseOver || isMouseDown;
    auto colour = scrollbar.findColour(ScrollBar::thumbColourId, true);
    if (active)
        colour = colour.withMultipliedAlpha(2.0f);

    g.setColour(colour);
    g.fillPath(thumb);
    g.setColour(colour.contrasting(active ? 0.2f : 0.1f));
    g.strokePath(thumb, PathStrokeType(1.0f));
}

void LumJuceLookAndFeelModern::drawStretchableLayoutResizerBar(Graphics& g, int, int, bool, bool isMouseOver,
                                                               bool isMouseDragging)
{
    if (isMouseOver || isMouseDragging)
        g.fillAll(Colours::yellow.withAlpha(0.4f));
}

void LumJuceLookAndFeelModern::drawConcertinaPanelHeader(Graphics& g, const Rectangle<int>& area, bool isMouseOver,
                                                         bool, ConcertinaPanel&, Component& panel)
{
    g.setGradientFill(ColourGradient::vertical(Colours::white.withAlpha(isMouseOver ? 0.4f : 0.2f), (float) area.getY(),
                                               Colours::darkgrey.withAlpha(0.1f), (float) area.getBottom()));
    g.fillAll();

    const auto textColour = Colours::grey.contrasting(1.0f);
    g.setColour(textColour.withAlpha(0.1f));
    g.fillRect(area.withHeight(1));
    g.fillRect(area.withTop(area.getBottom() - 1));

    g.setColour(textColour);
    g.setFont(Font((float) area.getHeight() * 0.6f).boldened());
    g.drawFittedText(panel.getName(), 4, 0, area.getWidth() - 6, area.getHeight(), Justification::centredLeft, 1);
}

void LumJuceLookAndFeelModern::drawTableHeaderBackground(Graphics& g, TableHeaderComponent& header)
{
    const auto outline = Colours::black.withAlpha(0.5f);
    auto area = header.getLocalBounds();

    g.setColour(outline);
    g.fillRect(area.removeFromBottom(1));
    g.setColour(Colours::white.withAlpha(0.6f));
    g.fillRect(area);

    g.setColour(outline);
    for (int i = header.getNumColumns(true); --i >= 0;)
        g.fillRect(header.getColumnPosition(i).removeFromRight(1));
}

void LumJuceLookAndFeelModern::drawTextEditorOutline(Graphics& g, int width, int height, TextEditor& editor)
{
    if (! editor.isEnabled())
        return;

    if (editor.hasKeyboardFocus(true) && ! editor.isReadOnly())
    {
        g.setColour(editor.findColour(TextEditor::focusedOutlineColourId));
        g.drawRect(0, 0, width, height, 2);
    }
    else
    {
        g.setColour(editor.findColour(TextEditor::outlineColourId));
        g.drawRect(0, 0, width, height, 1);
    }
}

// A triangle pointing right when closed and down when open, instead of a plus or minus.
void LumJuceLookAndFeelModern::drawTreeviewPlusMinusBox(Graphics& g, const Rectangle<float>& area,
                                                        Colour backgroundColour, bool isOpen, bool isMouseOver)
{
    Path triangle;
    if (isOpen)
        triangle.addTriangle(0.0f, 0.0f, 1.0f, 0.0f, 0.5f, 1.0f);
    else
        triangle.addTriangle(0.0f, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f);

    g.setColour(backgroundColour.contrasting(1.0f).withAlpha(isMouseOver ? 0.5f : 0.3f));
    g.fillPath(triangle, triangle.getTransformToScaleToFit(area.reduced(2.0f, area.getHeight() / 4.0f), true));
}

bool LumJuceLookAndFeelModern::areLinesDrawnForTreeView(TreeView&)
{
    return false;
}

int LumJuceLookAndFeelModern::getTreeViewIndentSize(TreeView&)
{
    return 20;
}

void LumJuceLookAndFeelModern::drawMenuBarBackground(Graphics& g, int width, int height, bool,
                                                     MenuBarComponent& menuBar)
{
    const auto colour = menuBar.findColour(PopupMenu::backgroundColourId);
    Rectangle<int> area(width, height);

    g.setColour(colour.contrasting(0.15f));
    g.fillRect(area.removeFromTop(1));
    g.fillRect(area.removeFromBottom(1));

    g.setGradientFill(ColourGradient::vertical(colour, 0.0f, colour.darker(0.08f), (float) height));
    g.fillRect(area);
}

// A circle with a plus sign cut out of it.
static Path plusInCircleIcon()
{
    Path icon;
    icon.addEllipse(0.0f, 0.0f, 100.0f, 100.0f);
    icon.addRectangle(22.0f, 43.0f, 56.0f, 14.0f);
    icon.addRectangle(43.0f, 22.0f, 14.0f, 21.0f);
    icon.addRectangle(43.0f, 57.0f, 14.0f, 21.0f);
    icon.setUsingNonZeroWinding(false);
    return icon;
}

void LumJuceLookAndFeelModern::drawKeymapChangeButton(Graphics& g, int width, int height, Button& button,
                                                      const String& keyDescription)
{
    const auto textColour = button.findColour(KeyMappingEditorComponent::textColourId, true);

    if (keyDescription.isNotEmpty())
    {
        if (button.isEnabled())
        {
            g.setColour(textColour.withAlpha(button.isDown() ? 0.4f : (button.isOver() ? 0.2f : 0.1f)));
            g.fillRoundedRectangle(button.getLocalBounds().toFloat(), 4.0f);
            g.drawRoundedRectangle(button.getLocalBounds().toFloat(), 4.0f, 1.0f);
        }

        g.setColour(textColour);
        g.setFont((float) height * 0.6f);
        g.drawFittedText(keyDescription, 4, 0, width - 8, height, Justification::centred, 1);
    }
    else
    {
        const auto icon = plusInCircleIcon();
        g.setColour(textColour.darker(0.1f).withAlpha(button.isDown() ? 0.7f : (button.isOver() ? 0.5f : 0.3f)));
        g.fillPath(icon, icon.getTransformToScaleToFit(2.0f, 2.0f, (float) width - 4.0f, (float) height - 4.0f, true));
    }

    if (button.hasKeyboardFocus(false))
    {
        g.setColour(textColour.withAlpha(0.4f));
        g.drawRect(0, 0, width, height);
    }
}
