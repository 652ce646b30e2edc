#pragma once

#include "HostedPlugin.h"

#include <vector>

struct ExpectedParameter
{
    const char* id;
    const char* name;
    float start;
    float end;
    float skew;
    float defaultValue;
    const char* defaultText;
    std::vector<const char*> choices;
};

// Host order; hosts store automation and sessions by it.
inline const std::vector<ExpectedParameter> expectedParameters {
    { "time", "Time", 0.0f, 2000.0f, 1.0f, 250.0f, "250", {} },
    { "feedback", "Feedback", 0.0f, 100.0f, 1.0f, 50.0f, "50", {} },
    { "spread", "Spread", 0.0f, 100.0f, 1.0f, 0.0f, "0", {} },
    { "lowpass", "Lowpass", 10.0f, 20000.0f, 0.5f, 15000.0f, "15000.0", {} },
    { "highpass", "Highpass", 10.0f, 20000.0f, 0.5f, 10.0f, "10.0", {} },
    { "mix", "Mix", 0.0f, 100.0f, 1.0f, 50.0f, "50", {} },
    { "modAmount", "Mod Amount", 0.0f, 100.0f, 1.0f, 50.0f, "50", {} },
    { "modFreq", "Mod Freq", 0.0f, 5.0f, 0.5f, 0.25f, "0.25", {} },
    { "modFeedback", "Mod Feedback", 0.0f, 100.0f, 1.0f, 50.0f, "50", {} },
    { "modType", "Mod Type", 0.0f, 6.0f, 1.0f, 0.0f, "Chorus",
      { "Chorus", "Vibrato", "Flanger", "Pan", "Phaser", "Tremolo", "Delay" } },
    { "modRouting", "Mod Routing", 0.0f, 2.0f, 1.0f, 0.0f, "Pre", { "Pre", "Post", "Bypass" } },
    { "syncTempo", "Tempo Sync", 0.0f, 1.0f, 1.0f, 0.0f, "Off", { "Off", "On" } },
    { "syncMode", "Sync Mode", 0.0f, 2.0f, 1.0f, 0.0f, "Normal", { "Normal", "Dotted", "Triplet" } },
    { "bypassDelay", "Bypass Delay", 0.0f, 1.0f, 1.0f, 0.0f, "Off", { "Off", "On" } },
    // Added after the first fourteen, so that their indexes stay.
    { "pingPong", "Ping-Pong", 0.0f, 1.0f, 1.0f, 0.0f, "Off", { "Off", "On" } },
    { "duck", "Duck", 0.0f, 100.0f, 1.0f, 0.0f, "0", {} },
};

// JUCE's LV2 host marks the parameter's URI as one the plug-in declared.
inline juce::String lv2ParameterId(const ExpectedParameter& expected)
{
    return "des:" + juce::String(lv2PluginUri) + ":" + expected.id;
}
