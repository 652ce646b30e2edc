#include "HostMessages.h"

#include <lv2/patch/patch.h>
#include <lv2/time/time.h>

#include <cmath>

namespace
{
constexpr float beatsInBar = 4.0f;
} // namespace

HostMessages::HostMessages(UridMap& urids, double sampleRate)
    : rate(sampleRate), patchSet(urids.map(LV2_PATCH__Set)), patchProperty(urids.map(LV2_PATCH__property)),
      patchValue(urids.map(LV2_PATCH__value)), position(urids.map(LV2_TIME__Position)),
      positionFrame(urids.map(LV2_TIME__frame)), speed(urids.map(LV2_TIME__speed)), bar(urids.map(LV2_TIME__bar)),
      barBeat(urids.map(LV2_TIME__barBeat)), beatUnit(urids.map(LV2_TIME__beatUnit)),
      beatsPerBar(urids.map(LV2_TIME__beatsPerBar)), beatsPerMinute(urids.map(LV2_TIME__beatsPerMinute))
{
    lv2_atom_forge_init(&forge, urids.mapInterface());
}

void HostMessages::write(LV2_Atom_Sequence* sequence, uint32_t capacity, const std::vector<ParameterChange>& changes,
                         float bpm, int64_t frame)
{
    lv2_atom_forge_set_buffer(&forge, reinterpret_cast<uint8_t*>(sequence), capacity);
    LV2_Atom_Forge_Frame sequenceFrame;
    lv2_atom_forge_sequence_head(&forge, &sequenceFrame, 0);

    for (const ParameterChange& change : changes)
        writeParameter(change);
    writePosition(bpm, frame);

    lv2_atom_forge_pop(&forge, &sequenceFrame);
}

void HostMessages::writeParameter(const ParameterChange& change)
{
    LV2_Atom_Forge_Frame object;
    lv2_atom_forge_frame_time(&forge, 0);
    lv2_atom_forge_object(&forge, &object, 0, patchSet);
    lv2_atom_forge_key(&forge, patchProperty);
    lv2_atom_forge_urid(&forge, change.property);
    lv2_atom_forge_key(&forge, patchValue);
    lv2_atom_forge_float(&forge, change.value);
    lv2_atom_forge_pop(&forge, &object);
}

void HostMessages::writePosition(float bpm, int64_t frame)
{
    const double beats = static_cast<double>(frame) / rate * bpm / 60.0;
    const double bars = std::floor(beats / beatsInBar);

    LV2_Atom_Forge_Frame object;
    lv2_atom_forge_frame_time(&forge, 0);
    lv2_atom_forge_object(&forge, &object, 0, position);
    lv2_atom_forge_key(&forge, positionFrame);
    lv2_atom_forge_long(&forge, frame);
    lv2_atom_forge_key(&forge, speed);
    lv2_atom_forge_float(&forge, 1.0f);
    lv2_atom_forge_key(&forge, bar);
    lv2_atom_forge_long(&forge, static_cast<int64_t>(bars));
    lv2_atom_forge_key(&forge, barBeat);
    lv2_atom_forge_float(&forge, static_cast<float>(beats - bars * beatsInBar));
    lv2_atom_forge_key(&forge, beatUnit);
    lv2_atom_forge_int(&forge, 4);
    lv2_atom_forge_key(&forge, beatsPerBar);
    lv2_atom_forge_float(&forge, beatsInBar);
    lv2_atom_forge_key(&forge, beatsPerMinute);
    lv2_atom_forge_float(&forge, bpm);
    lv2_atom_forge_pop(&forge, &object);
}
