// Title-bar buttons, a menu bar, a text editor, key-mapping buttons and the tick and cross shapes.
#include "GallerySections.h"

#include <juce_gui_extra/juce_gui_extra.h>

using namespace juce;

namespace
{
std::unique_ptr<Button> makeTitleBarButton(int type)
{
    return std::unique_ptr<Button>(LookAndFeel::getDefaultLookAndFeel().createDocumentWindowButton(type));
}

class MenuBar : public Component, private MenuBarModel
{
public:
    MenuBar() { addAndMakeVisible(bar); }

    void resized() override { bar.setBounds(getLocalBounds()); }

private:
    StringArray getMenuBarNames() override { return { "File", "Edit", "Presets" }; }
    PopupMenu getMenuForIndex(int, const String&) override { return {}; }
    void menuItemSelected(int, int) override {}

    MenuBarComponent bar { this };
};

// The button of a key-mapping editor row, which JUCE keeps to itself.
class KeymapButton : public Button
{
public:
    explicit KeymapButton(const String& keys) : Button(keys), keyDescription(keys) {}

    void paintButton(Graphics& g, bool, bool) override
    {
        getLookAndFeel().drawKeymapChangeButton(g, getWidth(), getHeight(), *this, keyDescription);
    }

private:
    const String keyDescription;
};

class Shape : public Component
{
public:
    explicit Shape(bool tick) : isTick(tick) {}

    void paint(Graphics& g) override
    {
        auto& lf = getLookAndFeel();
        const auto height = (float) getHeight();
        g.setColour(Colours::white);
        g.fillPath(isTick ? lf.getTickShape(height) : lf.getCrossShape(height));
    }

private:
    const bool isTick;
};

std::unique_ptr<TextEditor> makeTextEditor()
{
    auto editor = std::make_unique<TextEditor>();
    editor->setText("Slapback", false);
    return editor;
}
} // namespace

std::unique_ptr<GallerySection> makeWindowSection(int width)
{
    auto section = std::make_unique<GallerySection>("Window parts", width);

    section->add(makeTitleBarButton(DocumentWindow::closeButton), "close", 30, 30);
    section->add(makeTitleBarButton(DocumentWindow::minimiseButton), "minimise", 30, 30);
    section->add(makeTitleBarButton(DocumentWindow::maximiseButton), "maximise", 30, 30);
    section->add(makeTitleBarButton(DocumentWindow::maximiseButton), "full screen", 30, 30)
        .setToggleState(true, dontSendNotification);
    section->add(makeTitleBarButton(DocumentWindow::closeButton), "pressed", 30, 30).setState(Button::buttonDown);
    section->add(makeTitleBarButton(DocumentWindow::closeButton), "hovered", 30, 30).setState(Button::buttonOver);
    section->add(makeTitleBarButton(DocumentWindow::closeButton), "disabled", 30, 30).setEnabled(false);

    section->add(std::make_unique<MenuBar>(), "menu bar", 220, 24);
    section->add(makeTextEditor(), "text editor", 110, 24);
    section->add(std::make_unique<KeymapButton>("Ctrl+S"), "key", 70, 22);
    section->add(std::make_unique<KeymapButton>("Ctrl+Z"), "key hovered", 70, 22).setState(Button::buttonOver);
    section->add(std::make_unique<KeymapButton>(String()), "add key", 22, 22);
    section->add(std::make_unique<Shape>(true), "tick", 40, 20);
    section->add(std::make_unique<Shape>(false), "cross", 40, 20);
    return section;
}
