#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The maker's look: translucent rotary knobs with a tick scale, flat gradient buttons, quiet combo boxes,
// the flat window widgets of LookAndFeel_V3, and one embedded bold typeface for every piece of text.
class LumJuceLookAndFeelModern : public juce::LookAndFeel_V4
{
public:
    LumJuceLookAndFeelModern();
    ~LumJuceLookAndFeelModern() override;

    bool areScrollbarButtonsVisible() override;
    void drawScrollbar(juce::Graphics&, juce::ScrollBar&, int x, int y, int width, int height,
                       bool isScrollbarVertical, int thumbStartPosition, int thumbSize,
                       bool isMouseOver, bool isMouseDown) override;

    juce::Typeface::Ptr getTypefaceForFont(const juce::Font&) override;

    juce::Path getTickShape(float height) override;
    juce::Path getCrossShape(float height) override;

    void drawButtonBackground(juce::Graphics&, juce::Button&, const juce::Colour& backgroundColour,
                              bool isMouseOverButton, bool isButtonDown) override;
    juce::Font getTextButtonFont(juce::TextButton&, int buttonHeight) override;

    void drawTreeviewPlusMinusBox(juce::Graphics&, const juce::Rectangle<float>& area,
                                  juce::Colour backgroundColour, bool isOpen, bool isMouseOver) override;
    bool areLinesDrawnForTreeView(juce::TreeView&) override;
    int getTreeViewIndentSize(juce::TreeView&) override;

    void drawTextEditorOutline(juce::Graphics&, int width, int height, juce::TextEditor&) override;

    void drawPopupMenuBackground(juce::Graphics&, int width, int height) override;
    juce::Font getPopupMenuFont() override;
    void drawMenuBarBackground(juce::Graphics&, int width, int height, bool isMouseOverBar,
                               juce::MenuBarComponent&) override;

    void drawComboBox(juce::Graphics&, int width, int height, bool isButtonDown,
                      int buttonX, int buttonY, int buttonW, int buttonH, juce::ComboBox&) override;
    juce::Font getLabelFont(juce::Label&) override;

    void drawRotarySlider(juce::Graphics&, int x, int y, int width, int height, float sliderPosProportional,
                          float rotaryStartAngle, float rotaryEndAngle, juce::Slider&) override;

    void drawConcertinaPanelHeader(juce::Graphics&, const juce::Rectangle<int>& area, bool isMouseOver,
                                   bool isMouseDown, juce::ConcertinaPanel&, juce::Component& panel) override;

    juce::Button* createDocumentWindowButton(int buttonType) override;

    void drawStretchableLayoutResizerBar(juce::Graphics&, int w, int h, bool isVerticalBar,
                                         bool isMouseOver, bool isMouseDragging) override;
    void drawGroupComponentOutline(juce::Graphics&, int width, int height, const juce::String& text,
                                   const juce::Justification& position, juce::GroupComponent&) override;

    int getTabButtonSpaceAroundImage() override;
    int getTabButtonOverlap(int tabDepth) override;
    void drawTabButton(juce::TabBarButton&, juce::Graphics&, bool isMouseOver, bool isMouseDown) override;
    void drawTabAreaBehindFrontButton(juce::TabbedButtonBar&, juce::Graphics&, int w, int h) override;

    void drawTableHeaderBackground(juce::Graphics&, juce::TableHeaderComponent&) override;
    void drawKeymapChangeButton(juce::Graphics&, int width, int height, juce::Button&,
                                const juce::String& keyDescription) override;

    static void createTabTextLayout(const juce::TabBarButton&, float length, float depth, juce::Colour,
                                    juce::TextLayout&);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(LumJuceLookAndFeelModern)
};
