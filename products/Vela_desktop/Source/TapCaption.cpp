#include "TapCaption.h"

#include "OfferedTimes.h"

namespace
{
constexpr double pulseMs = 200.0;
// The app's tempo stays on the knob as long as the next tap would still belong to the sequence.
constexpr double tempoShownMs = freeTimes.longest;
constexpr juce::uint32 hoverColour = 0x14ffffff;
constexpr juce::uint32 pulseColour = 0x7344ffe9;
constexpr int tapKey = 'T';

bool isTapKey(const juce::KeyPress& key)
{
    const auto modifiers = key.getModifiers();
    return (key.getKeyCode() == tapKey || key.getKeyCode() == 't') && ! modifiers.isCommandDown()
           && ! modifiers.isCtrlDown() && ! modifiers.isAltDown();
}
} // namespace

TapCaption::TapCaption(const juce::String& text, VelaAudioProcessor& processor, MainComponent::TimeSlider& knob)
    : juce::Label("new label", text),
      tapper(processor),
      timeKnob(knob),
      clock([] { return juce::Time::getMillisecondCounterHiRes(); })
{
    setTooltip(juce::translate("Tap to set the time"));
    setMouseCursor(juce::MouseCursor::PointingHandCursor);
}

void TapCaption::tap()
{
    lastTapMs = clock();

    const auto tempo = tapper.tap(lastTapMs);
    if (tempo.has_value() || tempoShown)
        timeKnob.showTempo(tempo);
    tempoShown = tempo.has_value();

    pulsing = true;
    startTimerHz(60);
    repaint();
}

bool TapCaption::keyPressed(const juce::KeyPress& key, juce::Component*)
{
    if (! isTapKey(key))
        return false;

    if (! tapKeyHeld)
        tap();
    tapKeyHeld = true;
    return true;
}

bool TapCaption::keyStateChanged(bool, juce::Component*)
{
    if (tapKeyHeld && ! juce::KeyPress::isKeyCurrentlyDown(tapKey) && ! juce::KeyPress::isKeyCurrentlyDown('t'))
        tapKeyHeld = false;
    return false;
}

void TapCaption::mouseDown(const juce::MouseEvent& event)
{
    // A right-click on a caption opens the zoom menu instead.
    if (! event.mods.isPopupMenu())
        tap();
}

void TapCaption::mouseEnter(const juce::MouseEvent&)
{
    hovered = true;
    repaint();
}

void TapCaption::mouseExit(const juce::MouseEvent&)
{
    hovered = false;
    repaint();
}

float TapCaption::pulseLevel() const
{
    return pulsing ? static_cast<float>(juce::jlimit(0.0, 1.0, 1.0 - (clock() - lastTapMs) / pulseMs)) : 0.0f;
}

void TapCaption::paint(juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat().reduced(1.0f);
    const float corner = area.getHeight() / 2.0f;

    if (hovered)
    {
        g.setColour(juce::Colour(hoverColour));
        g.fillRoundedRectangle(area, corner);
    }

    if (const float level = pulseLevel(); level > 0.0f)
    {
        g.setColour(juce::Colour(pulseColour).withMultipliedAlpha(level));
        g.fillRoundedRectangle(area, corner);
    }

    juce::Label::paint(g);
}

void TapCaption::timerCallback()
{
    const double sinceTap = clock() - lastTapMs;

    if (tempoShown && sinceTap > tempoShownMs)
    {
        timeKnob.showTempo(std::nullopt);
        tempoShown = false;
    }

    if (pulsing)
        repaint();

    pulsing = pulsing && sinceTap < pulseMs;
    if (! pulsing && ! tempoShown)
        stopTimer();
}
