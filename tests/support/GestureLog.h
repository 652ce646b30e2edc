#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <algorithm>
#include <string>
#include <vector>

// What a host hears of one parameter: "begin" and "end" of change gestures, and each new value in between
// as "=value" in the parameter's own units.
class GestureLog : private juce::AudioProcessorParameter::Listener
{
public:
    explicit GestureLog(juce::RangedAudioParameter& watched) : parameter(watched) { parameter.addListener(this); }
    ~GestureLog() override { parameter.removeListener(this); }

    std::vector<std::string> events;

    int gestures() const { return static_cast<int>(std::count(events.begin(), events.end(), "begin")); }
    int changesOutsideGestures() const { return outside; }

private:
    void parameterValueChanged(int, float newValue) override
    {
        outside += inGesture ? 0 : 1;
        events.push_back("=" + juce::String(parameter.convertFrom0to1(newValue)).toStdString());
    }

    void parameterGestureChanged(int, bool starting) override
    {
        inGesture = starting;
        events.push_back(starting ? "begin" : "end");
    }

    juce::RangedAudioParameter& parameter;
    bool inGesture = false;
    int outside = 0;
};
