#pragma once

#include "Lv2Instance.h"

#include <string>
#include <vector>

enum class Role
{
    baseline, // the host's own cost, taken off every other figure
    velaDefaults, // what the others are compared with
    vela,
    velaWithoutModulation,
    lighterPeer, // a delay that computes a fraction of what Vela does: shown, not a target
    peer, // does the same kind of work: Vela must cost less at its defaults
    juceBaseline, // a JUCE processor that passes the sound through: what the wrapper costs before any DSP
    floor // what Vela's defaults compute, as straight loops with no plumbing
};

struct VelaParameter
{
    std::string id;
    float value; // in the parameter's own units: milliseconds, percent, Hz, choice index
};

// One plug-in at one setting.
struct Contender
{
    std::string name;
    std::string uri;
    Role role;
    std::vector<ControlSetting> controls; // control ports, for the peers
    std::vector<VelaParameter> parameters; // sent as patch:Set messages, for Vela
    bool dualMono = false; // a mono plug-in runs once per side
};

extern const char* const velaUri;
extern const char* const noopUri;
extern const char* const floorUri;
extern const char* const passThroughUri;

// The no-op, Vela at its defaults, the other Vela settings of the targets, the JUCE pass-through and the peers.
std::vector<Contender> comparisonContenders();

// Vela at its defaults with the given feedback, for watching a long tail.
Contender velaWithFeedback(float percent);
