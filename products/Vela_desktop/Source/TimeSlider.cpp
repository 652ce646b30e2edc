#include "MainComponent.h"

#include "OfferedTimes.h"
#include "effects/LumDigiDelay.h"

#include <algorithm>
#include <cmath>

namespace
{
// The knob's value for a whole note while synced; each step below halves it, each step above doubles it.
constexpr double wholeNoteExponent = noteTimes.longest;

juce::NormalisableRange<double> offeredRange(bool synced)
{
    const auto& times = synced ? noteTimes : freeTimes;
    return { times.shortest, times.longest, times.step };
}

const char* suffixFor(bool synced)
{
    return synced ? "div" : "ms";
}
} // namespace

MainComponent::TimeSlider::TimeSlider(const juce::String& name) : juce::Slider(name), offered(offeredRange(false)) {}

juce::String MainComponent::TimeSlider::getTextFromValue(double value)
{
    if (shownTempo.has_value())
        return juce::String(juce::roundToInt(*shownTempo));

    if (! synced)
        return juce::String(value);

    if (value > wholeNoteExponent)
        return juce::String(static_cast<float>(std::pow(2.0, value - wholeNoteExponent))) + "/1";

    return "1/" + juce::String(static_cast<float>(std::pow(2.0, wholeNoteExponent - value)));
}

double MainComponent::TimeSlider::snapValue(double attemptedValue, DragMode)
{
    // Whatever stored time the knob shows, the user picks among the values offered for the mode.
    return offered.snapToLegalValue(attemptedValue);
}

void MainComponent::TimeSlider::showTime(bool syncedMode, float time)
{
    synced = syncedMode;
    shownTempo.reset();
    offered = offeredRange(synced);

    const double played = synced ? LumDigiDelay::syncedExponent(time) : time;
    const bool onOfferedStep = offered.snapToLegalValue(played) == played;

    // The offered range, widened to take what plays; a time off its steps needs the parameter's own step.
    const double minimum = std::min(offered.start, played);
    const double maximum = std::max(offered.end, played);
    const double interval = onOfferedStep ? offered.interval : 1.0;

    if (minimum != getMinimum() || maximum != getMaximum() || interval != getInterval())
        setRange(minimum, maximum, interval);

    setTextValueSuffix(suffixFor(synced));
    setValue(played, juce::dontSendNotification);
}

void MainComponent::TimeSlider::showTempo(std::optional<float> bpm)
{
    shownTempo = bpm;
    setTextValueSuffix(shownTempo.has_value() ? "bpm" : suffixFor(synced));
    repaint();
}
