#pragma once

#include "UridMap.h"

#include <lv2/atom/forge.h>

#include <cstdint>
#include <vector>

struct ParameterChange
{
    LV2_URID property;
    float value;
};

// What a host tells a plug-in through its event input at the start of a block: parameter changes as patch:Set
// messages and the transport as a time:Position with the tempo.
class HostMessages
{
public:
    HostMessages(UridMap& urids, double sampleRate);

    void write(LV2_Atom_Sequence* sequence, uint32_t capacity, const std::vector<ParameterChange>& changes, float bpm,
               int64_t frame);

private:
    void writeParameter(const ParameterChange& change);
    void writePosition(float bpm, int64_t frame);

    double rate;
    LV2_Atom_Forge forge {};
    LV2_URID patchSet, patchProperty, patchValue;
    LV2_URID position, positionFrame, speed, bar, barBeat, beatUnit, beatsPerBar, beatsPerMinute;
};
