// Scroll bars, resizer bars, tabs on all four sides, a tree view, a table header, a concertina and group outlines.
#include "GallerySections.h"

using namespace juce;

namespace
{
// Scroll and resizer bars ask where the system's mouse pointer is before they draw as hovered, and with no
// display it is nowhere; these draw as hovered whatever it says.
class HoveredScrollBar : public ScrollBar
{
public:
    using ScrollBar::ScrollBar;

    void paint(Graphics& g) override
    {
        const int length = isVertical() ? getHeight() : getWidth();
        const auto limits = getRangeLimit();
        const auto shown = getCurrentRange();
        const int thumbFrom = roundToInt(length * (shown.getStart() - limits.getStart()) / limits.getLength());
        const int thumbLength = roundToInt(length * shown.getLength() / limits.getLength());
        getLookAndFeel().drawScrollbar(g, *this, 0, 0, getWidth(), getHeight(), isVertical(), thumbFrom, thumbLength,
                                       true, false);
    }
};

class HoveredResizerBar : public StretchableLayoutResizerBar
{
public:
    HoveredResizerBar() : StretchableLayoutResizerBar(nullptr, 0, true) {}

    void paint(Graphics& g) override
    {
        getLookAndFeel().drawStretchableLayoutResizerBar(g, getWidth(), getHeight(), true, true, false);
    }
};

template <typename Bar>
std::unique_ptr<ScrollBar> makeScrollBar(bool vertical)
{
    auto bar = std::make_unique<Bar>(vertical);
    bar->setAutoHide(false);
    bar->setRangeLimits(0.0, 1000.0);
    bar->setCurrentRange(200.0, 450.0);
    return bar;
}

std::unique_ptr<TabbedComponent> makeTabs(TabbedButtonBar::Orientation orientation)
{
    auto tabs = std::make_unique<TabbedComponent>(orientation);
    tabs->setTabBarDepth(26);
    for (auto name : { "IN", "DELAY", "MOD" })
        tabs->addTab(name, Colour(0xff5a6a72), nullptr, false);
    tabs->setCurrentTabIndex(1, false);
    return tabs;
}

class TreeItem : public TreeViewItem
{
public:
    explicit TreeItem(const String& itemText) : text(itemText) {}

    TreeItem& add(const String& childText)
    {
        auto* child = new TreeItem(childText);
        addSubItem(child);
        return *child;
    }

    bool mightContainSubItems() override { return getNumSubItems() > 0; }
    int getItemHeight() const override { return 18; }

    void paintItem(Graphics& g, int width, int height) override
    {
        g.setColour(Colours::white);
        g.setFont(12.0f);
        g.drawText(text, 4, 0, width - 4, height, Justification::centredLeft);
    }

private:
    const String text;
};

class PresetTree : public Component
{
public:
    PresetTree()
    {
        view.setRootItemVisible(true);
        auto& factory = root.add("Factory");
        factory.add("Init");
        factory.add("Slapback").setSelected(true, false);
        factory.add("Ping Pong");
        root.add("User").add("Mine");
        root.setOpen(true);
        factory.setOpen(true);
        addAndMakeVisible(view);
    }

    // The tree lays its rows out at once only when it is given its root; later changes wait for the message
    // loop, which the gallery does not run. So it gets its root when it has its size.
    void resized() override
    {
        view.setBounds(getLocalBounds());
        view.setRootItem(&root);
    }

private:
    TreeItem root { "Presets" };
    TreeView view;
};

std::unique_ptr<TableHeaderComponent> makeTableHeader()
{
    auto header = std::make_unique<TableHeaderComponent>();
    header->addColumn("Preset", 1, 120);
    header->addColumn("Time", 2, 70);
    header->addColumn("Feedback", 3, 90);
    header->setSortColumnId(2, true);
    return header;
}

class Concertina : public Component
{
public:
    Concertina()
    {
        for (auto name : { "DELAY", "MOD" })
        {
            panels.push_back(std::make_unique<Component>(name));
            panel.addPanel(-1, panels.back().get(), false);
        }
        addAndMakeVisible(panel);
    }

    void resized() override { panel.setBounds(getLocalBounds()); }

private:
    std::vector<std::unique_ptr<Component>> panels;
    ConcertinaPanel panel;
};

std::unique_ptr<GroupComponent> makeGroup(const String& text, Justification position)
{
    auto group = std::make_unique<GroupComponent>(String(), text);
    group->setTextLabelPosition(position);
    return group;
}
} // namespace

std::unique_ptr<GallerySection> makeContainerSection(int width)
{
    auto section = std::make_unique<GallerySection>("Containers", width);

    section->add(makeScrollBar<ScrollBar>(true), "scroll bar", 16, 120);
    section->add(makeScrollBar<HoveredScrollBar>(true), "hovered", 16, 120);
    section->add(makeScrollBar<ScrollBar>(false), "horizontal", 160, 16);
    section->add(makeScrollBar<HoveredScrollBar>(false), "hovered", 160, 16);
    section->add(std::make_unique<StretchableLayoutResizerBar>(nullptr, 0, true), "resizer bar", 8, 120);
    section->add(std::make_unique<HoveredResizerBar>(), "hovered", 8, 120);
    section->add(std::make_unique<PresetTree>(), "tree view", 180, 120);
    section->add(std::make_unique<Concertina>(), "concertina", 160, 120);
    section->startNewRow();

    section->add(makeTabs(TabbedButtonBar::TabsAtTop), "tabs at top", 200, 170);
    section->add(makeTabs(TabbedButtonBar::TabsAtBottom), "at bottom", 200, 170);
    section->add(makeTabs(TabbedButtonBar::TabsAtLeft), "at left", 200, 170);
    section->add(makeTabs(TabbedButtonBar::TabsAtRight), "at right", 200, 170);
    section->startNewRow();

    section->add(makeTableHeader(), "table header", 300, 24);
    section->add(makeGroup("DELAY", Justification::left), "group", 130, 60);
    section->add(makeGroup("MOD", Justification::centred), "centred", 130, 60);
    section->add(makeGroup("SYNC", Justification::right), "right", 130, 60);
    section->add(makeGroup({}, Justification::left), "no text", 90, 60);
    section->add(makeGroup("OFF", Justification::left), "disabled", 90, 60).setEnabled(false);
    section->add(makeGroup({}, Justification::left), "8 wide", 8, 60);
    return section;
}
