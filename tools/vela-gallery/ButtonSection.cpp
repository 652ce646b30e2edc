// Text buttons with every kind of joined edge, combo boxes, an open pop-up menu, captions and tick boxes.
#include "GallerySections.h"
#include "PanelColours.h"

using namespace juce;

namespace
{
std::unique_ptr<TextButton> makeButton(const String& text, int connectedEdges, bool on, Colour onColour = PanelColours::buttonOn)
{
    auto button = std::make_unique<TextButton>(text);
    button->setConnectedEdges(connectedEdges);
    button->setClickingTogglesState(true);
    button->setToggleState(on, dontSendNotification);
    button->setColour(TextButton::buttonColourId, PanelColours::buttonOff);
    button->setColour(TextButton::buttonOnColourId, onColour);
    button->setColour(TextButton::textColourOffId, PanelColours::buttonTextOff);
    button->setColour(TextButton::textColourOnId, PanelColours::buttonTextOn);
    return button;
}

// Buttons joined edge to edge, as the panel's radio rows are.
class JoinedButtons : public Component
{
public:
    JoinedButtons(const StringArray& texts, int onIndex, bool isVertical, Colour onColour) : vertical(isVertical)
    {
        for (int i = 0; i < texts.size(); ++i)
        {
            const bool first = i == 0, last = i == texts.size() - 1;
            const int edges = vertical ? (first ? 0 : Button::ConnectedOnTop) | (last ? 0 : Button::ConnectedOnBottom)
                                       : (first ? 0 : Button::ConnectedOnLeft) | (last ? 0 : Button::ConnectedOnRight);
            buttons.push_back(makeButton(texts[i], edges, i == onIndex, onColour));
            addAndMakeVisible(*buttons.back());
        }
    }

    void resized() override
    {
        auto area = getLocalBounds();
        const int count = (int) buttons.size();
        for (int i = 0; i < count; ++i)
        {
            if (vertical)
                buttons[(size_t) i]->setBounds(area.removeFromTop(getHeight() / count));
            else
                buttons[(size_t) i]->setBounds(area.removeFromLeft(getWidth() / count));
        }
    }

private:
    const bool vertical;
    std::vector<std::unique_ptr<TextButton>> buttons;
};

// What a pop-up menu shows while it is open; a real one would need a window of its own.
class OpenMenu : public Component
{
public:
    OpenMenu()
    {
        items.push_back({ "Chorus", false, false, false, true });
        items.push_back({ "Vibrato", false, true, false, true });
        items.push_back({ "Flanger", true, false, false, true });
        items.push_back({ {}, false, false, true, true });
        items.push_back({ "Phaser", false, false, false, false });
    }

    int getIdealHeight()
    {
        int height = 0;
        for (auto& item : items)
            height += itemHeight(item);
        return height + 8;
    }

    void paint(Graphics& g) override
    {
        auto& lf = getLookAndFeel();
        lf.drawPopupMenuBackground(g, getWidth(), getHeight());

        auto area = getLocalBounds().reduced(0, 4);
        for (auto& item : items)
            lf.drawPopupMenuItem(g, area.removeFromTop(itemHeight(item)), item.separator, item.active,
                                 item.highlighted, item.ticked, false, item.text, {}, nullptr, nullptr);
    }

private:
    struct Item
    {
        String text;
        bool highlighted, ticked, separator, active;
    };

    int itemHeight(const Item& item)
    {
        int idealWidth = 0, idealHeight = 0;
        getLookAndFeel().getIdealPopupMenuItemSize(item.text, item.separator, -1, idealWidth, idealHeight);
        return idealHeight;
    }

    std::vector<Item> items;
};

std::unique_ptr<ComboBox> makeComboBox(const String& selected)
{
    auto box = std::make_unique<ComboBox>();
    box->addItem(selected, 1);
    box->setSelectedId(1, dontSendNotification);
    return box;
}

std::unique_ptr<Label> makeCaption(const String& text, float ignoredFontHeight)
{
    auto label = std::make_unique<Label>(String(), text);
    label->setFont(Font(ignoredFontHeight));
    label->setJustificationType(Justification::centred);
    label->setColour(Label::textColourId, PanelColours::caption);
    return label;
}

void addConnectedEdgeGrid(GallerySection& section)
{
    const struct
    {
        const char* name;
        int edges;
    } cases[] = {
        { "none", 0 },
        { "left", Button::ConnectedOnLeft },
        { "right", Button::ConnectedOnRight },
        { "top", Button::ConnectedOnTop },
        { "bottom", Button::ConnectedOnBottom },
        { "left+right", Button::ConnectedOnLeft | Button::ConnectedOnRight },
        { "top+bottom", Button::ConnectedOnTop | Button::ConnectedOnBottom },
        { "all", Button::ConnectedOnLeft | Button::ConnectedOnRight | Button::ConnectedOnTop | Button::ConnectedOnBottom },
    };

    for (bool on : { false, true })
    {
        for (const auto& c : cases)
            section.add(makeButton(on ? "ON" : "OFF", c.edges, on), c.name, 60, 24);
        section.startNewRow();
    }
}
} // namespace

std::unique_ptr<GallerySection> makeButtonSection(int width)
{
    auto section = std::make_unique<GallerySection>("Buttons, boxes and captions", width);
    addConnectedEdgeGrid(*section);

    section->add(std::make_unique<JoinedButtons>(StringArray { "NORMAL", "DOTTED", "TRIPPLET" }, 1, false,
                                                 PanelColours::buttonOn),
                 "radio row", 240, 16);
    section->add(std::make_unique<JoinedButtons>(StringArray { "PRE", "POST", "BYPASS" }, 0, false, PanelColours::pink),
                 "routing row", 120, 16);
    section->add(std::make_unique<JoinedButtons>(StringArray { "BYPASS", "LOOP" }, 1, true, PanelColours::buttonOn),
                 "stacked", 37, 32);
    section->add(makeButton("BPM SYNC", 0, false), "hovered", 80, 16).setState(Button::buttonOver);
    section->add(makeButton("BPM SYNC", 0, false), "pressed", 80, 16).setState(Button::buttonDown);
    section->add(makeButton("BPM SYNC", 0, true), "disabled", 80, 16).setEnabled(false);
    section->add(makeButton("a", 0, false), "1 pixel wide", 1, 16);
    section->startNewRow();

    section->add(makeComboBox("Chorus"), "combo box", 112, 24);
    section->add(makeComboBox("Init"), "disabled", 152, 24).setEnabled(false);
    auto menu = std::make_unique<OpenMenu>();
    const int menuHeight = menu->getIdealHeight();
    section->add(std::move(menu), "open pop-up menu", 150, menuHeight);
    section->add(makeCaption("FEEDBACK", 30.0f), "caption 24 high", 88, 24);
    section->add(makeCaption("PRESET", 30.0f), "caption 8 high", 46, 8);

    auto ticked = std::make_unique<ToggleButton>("ticked");
    ticked->setToggleState(true, dontSendNotification);
    section->add(std::move(ticked), "tick box on", 90, 24);
    section->add(std::make_unique<ToggleButton>("not ticked"), "tick box off", 90, 24);
    return section;
}
