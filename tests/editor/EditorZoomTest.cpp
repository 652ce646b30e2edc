#include "EditorFixture.h"
#include "EditorZoom.h"

namespace
{
class ZoomedEditor : public EditorFixture
{
public:
    juce::File settingsFile() const { return home.settingsFile(); }

    juce::MemoryBlock savedState()
    {
        juce::MemoryBlock state;
        processor->getStateInformation(state);
        return state;
    }
};

const float hostScales[] = { 1.0f, 1.5f };
} // namespace

TEST_F(ZoomedEditor, OpensAtOneHundredPercent)
{
    EXPECT_EQ(velaEditor().getZoom(), 100);
    EXPECT_TRUE(panel().getTransform().isIdentity());
}

TEST_F(ZoomedEditor, EveryStepScalesTheWholePanelToAnExactWindowSize)
{
    for (const int zoom : EditorZoom::steps)
    {
        velaEditor().chooseZoom(zoom);
        const float scale = static_cast<float>(zoom) / 100.0f;

        EXPECT_EQ(velaEditor().getZoom(), zoom);
        EXPECT_EQ(editor->getWidth(), 5 * zoom) << zoom;
        EXPECT_EQ(editor->getHeight(), 4 * zoom) << zoom;
        EXPECT_EQ(panel().getBounds(), juce::Rectangle<int>(0, 0, 500, 400)) << "the panel keeps its own coordinates";

        // Nothing is cut off or shifted by rounding: every control lands on its bounds times the zoom, inside.
        for (int i = 0; i < panel().getNumChildComponents(); ++i)
        {
            const auto& c = control(i);
            const auto onWindow = editor->getLocalArea(&c, c.getLocalBounds().toFloat());
            EXPECT_EQ(onWindow, c.getBounds().toFloat() * scale) << "child " << i << " at " << zoom;
            EXPECT_TRUE(editor->getLocalBounds().toFloat().contains(onWindow)) << "child " << i << " at " << zoom;
        }
    }
}

// What a host's mouse event at the control's scaled centre reaches: the peer hands it to the component
// that the hit test finds there.
TEST_F(ZoomedEditor, AClickAtTheScaledCentreOfEveryControlReachesIt)
{
    juce::Component host;
    host.setVisible(true);
    host.addAndMakeVisible(*editor);

    for (const float hostScale : hostScales)
    {
        velaEditor().setScaleFactor(hostScale);
        runMessages(10);

        for (const int zoom : EditorZoom::steps)
        {
            velaEditor().chooseZoom(zoom);
            host.setSize(editor->getBoundsInParent().getWidth(), editor->getBoundsInParent().getHeight());

            for (int i = 0; i < panel().getNumChildComponents(); ++i)
            {
                auto& c = control(i);
                if (! c.isVisible())
                    continue;

                const float scale = static_cast<float>(zoom) / 100.0f * hostScale;
                const auto centre = c.getBounds().toFloat().getCentre() * scale;
                auto* hit = host.getComponentAt(centre);
                EXPECT_TRUE(hit == &c || c.isParentOf(hit))
                    << "child " << i << " at zoom " << zoom << ", host scale " << hostScale << " hit "
                    << (hit != nullptr ? hit->getName() : juce::String("nothing"));
            }
        }
    }
    host.removeChildComponent(editor.get());
}

TEST_F(ZoomedEditor, TheHostsScaleMultipliesTheZoom)
{
    velaEditor().chooseZoom(150);
    velaEditor().setScaleFactor(2.0f);
    runMessages(10);

    EXPECT_EQ(velaEditor().getZoom(), 150);
    EXPECT_EQ(editor->getBounds(), juce::Rectangle<int>(0, 0, 750, 600)) << "the size the editor asks for";
    EXPECT_EQ(editor->getBoundsInParent().getWidth(), 1500) << "the size the host shows";
    EXPECT_EQ(editor->getBoundsInParent().getHeight(), 1200);
}

TEST_F(ZoomedEditor, TheChosenZoomSurvivesClosingAndReopeningTheEditor)
{
    velaEditor().chooseZoom(175);
    closeEditor();
    openEditor();

    EXPECT_EQ(velaEditor().getZoom(), 175);
    EXPECT_EQ(editor->getWidth(), 875);
    EXPECT_EQ(editor->getHeight(), 700);
    EXPECT_TRUE(settingsFile().existsAsFile()) << "kept per user, beside the preset folder";

    restart();
    EXPECT_EQ(velaEditor().getZoom(), 175) << "and in a new instance of the plug-in";
}

TEST_F(ZoomedEditor, TheZoomStaysOutOfTheSavedState)
{
    const auto before = savedState();
    velaEditor().chooseZoom(200);
    EXPECT_EQ(savedState(), before);
}

TEST_F(ZoomedEditor, AHandEditedOrBrokenSettingsFileOpensAtAStep)
{
    struct Case
    {
        const char* content;
        int zoom;
    };

    const Case cases[] = {
        { R"(<Settings zoom="160"/>)", 150 },
        { R"(<Settings zoom="900"/>)", 200 },
        { R"(<Settings zoom="-40"/>)", 100 },
        { R"(<Settings zoom="large"/>)", 100 },
        { R"(<Other zoom="200"/>)", 100 },
        { "<Settings zoom=", 100 },
        { "", 100 },
    };

    for (const Case& c : cases)
    {
        closeEditor();
        settingsFile().getParentDirectory().createDirectory();
        settingsFile().replaceWithText(c.content);
        openEditor();
        EXPECT_EQ(velaEditor().getZoom(), c.zoom) << c.content;
    }

    velaEditor().chooseZoom(125);
    closeEditor();
    openEditor();
    EXPECT_EQ(velaEditor().getZoom(), 125) << "a broken file is replaced by a good one";
}

TEST_F(ZoomedEditor, TheMenuOpensOnTheBackgroundAndCaptionsOnly)
{
    struct Case
    {
        const char* where;
        juce::Component* target;
        juce::ModifierKeys mods;
        bool opens;
    };

    const auto right = juce::ModifierKeys(juce::ModifierKeys::rightButtonModifier);
    const auto left = juce::ModifierKeys(juce::ModifierKeys::leftButtonModifier);
    const Case cases[] = {
        { "background, right button", &panel(), right, true },
        { "caption, right button", &control(Controls::presetLabel), right, true },
        { "background, left button", &panel(), left, false },
        { "knob, right button", &control(Controls::time), right, false },
        { "button, right button", &control(Controls::loop), right, false },
        { "preset selector, right button", &control(Controls::presetSelector), right, false },
    };

    const auto now = juce::Time::getCurrentTime();
    for (const Case& c : cases)
    {
        const juce::MouseEvent press(juce::Desktop::getInstance().getMainMouseSource(), {}, c.mods,
                                     juce::MouseInputSource::defaultPressure, 0.0f, 0.0f, 0.0f, 0.0f, c.target,
                                     c.target, now, {}, now, 1, false);
        EXPECT_EQ(ZoomMenu::opensOn(press, panel()), c.opens) << c.where;
    }
}

TEST_F(ZoomedEditor, TheMenuListsTheStepsAndTicksTheOneInEffect)
{
    velaEditor().chooseZoom(150);
    const auto menu = ZoomMenu(velaEditor(), panel()).build();
    juce::StringArray texts;
    juce::String ticked;

    for (juce::PopupMenu::MenuItemIterator it(menu); it.next();)
    {
        const auto& item = it.getItem();
        if (item.isSectionHeader)
            continue;
        texts.add(item.text);
        EXPECT_TRUE(item.isEnabled) << item.text << " fits an unlimited screen";
        if (item.isTicked)
            ticked = item.text;
    }

    EXPECT_EQ(texts, juce::StringArray({ "100%", "125%", "150%", "175%", "200%" }));
    EXPECT_EQ(ticked, "150%");
}

TEST(EditorZoomSteps, TheLargestStepThatFitsTheScreenIsTaken)
{
    struct Case
    {
        int preferred;
        float hostScale;
        juce::Rectangle<int> screen;
        int zoom;
    };

    const juce::Rectangle<int> panel { 500, 400 };
    const Case cases[] = {
        { 200, 1.0f, {}, 200 },                   // no screen known: no limit
        { 200, 1.0f, { 1920, 1050 }, 200 },
        { 200, 1.0f, { 1366, 738 }, 175 },        // 800 rows would not fit, 700 do
        { 200, 2.0f, { 1920, 1050 }, 125 },       // the host's scale counts: 150 % x 2 is 1200 rows
        { 150, 1.0f, { 3840, 2100 }, 150 },       // never more than chosen
        { 200, 1.0f, { 480, 380 }, 100 },         // nothing fits: the smallest step
        { 175, 1.0f, { 875, 700 }, 175 },         // exactly the screen
        { 175, 1.0f, { 874, 700 }, 150 },
    };

    for (const Case& c : cases)
        EXPECT_EQ(EditorZoom::largestFitting(c.preferred, c.hostScale, panel, c.screen), c.zoom)
            << c.preferred << " % x " << c.hostScale << " on " << c.screen.toString();
}
