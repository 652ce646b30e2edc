// Tapping the time through the editor as the desktop delivers it: mouse and key events reach the window, on a
// clock of the test's own.
#include "EditorFixture.h"
#include "EditorZoom.h"
#include "GestureLog.h"
#include "SnapshotComparison.h"
#include "StandaloneProcessor.h"
#include "TapCaption.h"

namespace
{
class TapCaptionTest : public EditorFixture
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        showOnDesktop();
    }

    void TearDown() override
    {
        moveMouseTo({ -10.0f, -10.0f });
        EditorFixture::TearDown();
    }

    // As the user brings the window to the front: the panel takes the focus.
    void showOnDesktop()
    {
        editor->addToDesktop(0);
        window().handleFocusGain();
        caption().setClock([this] { return now; });
    }

    TapCaption& caption() { return controlAs<TapCaption>(Controls::timeLabel); }
    juce::ComponentPeer& window() { return *editor->getPeer(); }

    void mouseEvent(juce::Point<float> inWindow, juce::ModifierKeys buttons)
    {
        window().handleMouseEvent(juce::MouseInputSource::InputSourceType::mouse, inWindow, buttons,
                                  juce::MouseInputSource::defaultPressure, 0.0f, juce::Time::currentTimeMillis());
    }

    void moveMouseTo(juce::Point<float> inWindow) { mouseEvent(inWindow, {}); }

    // A press and release of the left button at a point of the panel, wherever the zoom puts it in the window.
    void clickAt(juce::Point<float> onPanel)
    {
        const auto inWindow = editor->getLocalPoint(&panel(), onPanel);
        moveMouseTo(inWindow);
        mouseEvent(inWindow, juce::ModifierKeys::leftButtonModifier);
        mouseEvent(inWindow, {});
    }

    void tapCaptionAt(double ms)
    {
        now = ms;
        clickAt(caption().getBounds().getCentre().toFloat());
    }

    void pressTAt(double ms)
    {
        now = ms;
        window().handleKeyPress(juce::KeyPress('t', juce::ModifierKeys(), 't'));
        window().handleKeyUpOrDown(false);
    }

    juce::Image captionOnScreen()
    {
        const auto area = editor->getLocalArea(&panel(), caption().getBounds());
        return editor->createComponentSnapshot(area, true, 1.0f);
    }

    juce::String knobText()
    {
        auto& knob = controlAs<MainComponent::TimeSlider>(Controls::time);
        return knob.getTextFromValue(knob.getValue()) + " " + knob.getTextValueSuffix();
    }

    double now = 0.0;
};
} // namespace

TEST_F(TapCaptionTest, TapsOnTheCaptionAndTheTKeyReachTheTimeEachInAGesture)
{
    GestureLog timeLog(*processor->valueTreeState.getParameter("time"));
    juce::Component::unfocusAllComponents();

    tapCaptionAt(10000.0);
    tapCaptionAt(10400.0);
    EXPECT_EQ(raw("time"), 400.0f);
    EXPECT_EQ(timeLog.events, (std::vector<std::string> { "begin", "=400", "end" }));
    EXPECT_TRUE(panel().hasKeyboardFocus(true)) << "a tap gives the editor the focus";

    timeLog.events.clear();
    pressTAt(20000.0);
    pressTAt(20300.0);
    EXPECT_EQ(raw("time"), 300.0f);
    EXPECT_EQ(timeLog.events, (std::vector<std::string> { "begin", "=300", "end" }));

    // A focused button passes the key on to the panel.
    clickAt(control(Controls::loop).getBounds().getCentre().toFloat());
    pressTAt(30000.0);
    pressTAt(30700.0);
    EXPECT_EQ(raw("time"), 700.0f);
}

TEST_F(TapCaptionTest, AHeldKeyTapsOnce)
{
    now = 1000.0;
    window().handleKeyPress(juce::KeyPress('t', juce::ModifierKeys(), 't'));
    now = 1030.0; // the key's repeat, before it is let go
    window().handleKeyPress(juce::KeyPress('t', juce::ModifierKeys(), 't'));
    window().handleKeyUpOrDown(false);
    pressTAt(1600.0);

    EXPECT_EQ(raw("time"), 600.0f);
}

TEST_F(TapCaptionTest, TheCaptionTapsAtEveryZoom)
{
    double start = 0.0;
    for (const int zoom : EditorZoom::steps)
    {
        velaEditor().chooseZoom(zoom);
        ASSERT_EQ(velaEditor().getZoom(), zoom) << "the screen must take the window at every zoom";
        start += 10000.0;
        tapCaptionAt(start);
        tapCaptionAt(start + zoom);
        EXPECT_EQ(raw("time"), static_cast<float>(zoom)) << "at zoom " << zoom;
    }
}

TEST_F(TapCaptionTest, HoverShowsTheCaptionCanBeTappedAndEachTapPulses)
{
    const auto atRest = captionOnScreen();
    const auto centre = editor->getLocalPoint(&panel(), caption().getBounds().getCentre().toFloat());

    moveMouseTo(centre);
    EXPECT_GT(differingPixels(captionOnScreen(), atRest, atRest.getBounds()), 0) << "a highlight while hovered";
    EXPECT_EQ(caption().getMouseCursor(), juce::MouseCursor(juce::MouseCursor::PointingHandCursor));
    EXPECT_EQ(caption().getTooltip(), "Tap to set the time");

    moveMouseTo({ -10.0f, -10.0f });
    EXPECT_EQ(differingPixels(captionOnScreen(), atRest, atRest.getBounds()), 0) << "at rest again";

    pressTAt(1000.0);
    EXPECT_GT(differingPixels(captionOnScreen(), atRest, atRest.getBounds()), 0) << "a pulse";
    now = 1250.0;
    runMessages(100);
    EXPECT_EQ(differingPixels(captionOnScreen(), atRest, atRest.getBounds()), 0) << "the pulse is short";
}

TEST_F(TapCaptionTest, InTheAppTheKnobShowsTheTappedTempoWhileTapping)
{
    closeEditor();
    processor = makeStandaloneProcessor();
    openEditor();
    showOnDesktop();
    setFromHost("syncTempo", 1.0f);
    setFromHost("time", 4.0f);
    runMessages();

    pressTAt(1000.0);
    EXPECT_EQ(knobText(), "120 bpm") << "a first tap shows the tempo";
    pressTAt(1600.0);
    EXPECT_EQ(knobText(), "100 bpm");
    EXPECT_EQ(processor->syncedTempo(), 100.0f);
    EXPECT_EQ(raw("time"), 4.0f) << "the note value stays";

    now = 1600.0 + 2001.0;
    runMessages(100);
    EXPECT_EQ(knobText(), "1/4 div") << "the note value again once the taps have stopped";
}

TEST_F(TapCaptionTest, ARightClickOnTheCaptionOpensTheZoomMenuWithoutTapping)
{
    const auto centre = editor->getLocalPoint(&panel(), caption().getBounds().getCentre().toFloat());
    const auto rightButton = juce::ModifierKeys::rightButtonModifier;

    for (const double ms : { 1000.0, 1400.0 })
    {
        now = ms;
        moveMouseTo(centre);
        mouseEvent(centre, rightButton);
        mouseEvent(centre, {});
        runMessages(20);
        EXPECT_TRUE(juce::PopupMenu::dismissAllActiveMenus()) << "the zoom menu opened at " << ms;
    }

    EXPECT_EQ(raw("time"), 250.0f);
}
