// JUCE's VST 2 host allocates a speaker arrangement as the original interface's struct, which holds eight
// speakers in place, plus room for those beyond eight. FST declares the speaker list as a flexible array,
// so every arrangement the host builds would be written past its end. Here FST's type is renamed out of
// the way and the arrangement is declared again with eight entries in place; the header fields and the
// entries keep FST's layout.
// Pin properties likewise: the original struct ends in 48 reserved bytes, which FST leaves out, and JUCE's
// plug-in side writes a short label of eight characters with its terminating zero into the first of them.
// The opcode numbers come from the plug-in's own shim, so that host and plug-in speak VST 2.4's numbers.
#pragma once

#define VstSpeakerArrangement FstFlexibleSpeakerArrangement
#define VstPinProperties FstUntailedPinProperties
#include <Vst24Opcodes.h>
#undef VstSpeakerArrangement
#undef VstPinProperties

struct VstPinProperties
{
    char label[64];
    int flags;
    int arrangementType;
    char shortLabel[8];
    char future[48];
};

static_assert(sizeof(VstPinProperties) == sizeof(FstUntailedPinProperties) + 48,
              "the pin properties must keep FST's layout before the reserved tail");

struct VstSpeakerArrangement
{
    int type;
    int numChannels;
    VstSpeakerProperties speakers[8];
};

static_assert(sizeof(VstSpeakerArrangement) == sizeof(FstFlexibleSpeakerArrangement) + 8 * sizeof(VstSpeakerProperties),
              "the fixed arrangement must keep FST's header layout");
