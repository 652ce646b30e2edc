#pragma once

#include "effects/LumDigiDelay.h"

// How long Vela's output goes on once its input falls silent: until the repeats of the delay lines, those of
// the modulation line and the ringing of the filters have all fallen below -90 dB of a full-scale input.
namespace VelaTail
{
// The values that decide it, in engine units (LumDigiDelay's members of the same names).
struct Settings
{
    float time;
    float feedback;
    float spread;
    bool syncTempo;
    LumDigiDelay::SyncMode syncMode;
    float bpm; // the last tempo the host gave
    int modType;
    float modFeedback;
    float lowpass;
    float highpass;
    // What a renderer needs to know of the lines in play; the tail told to hosts counts both lines whatever
    // they say, as a tail too long only costs a host silence.
    LumDigiDelay::ModRouting modRouting;
    bool bypassDelay;
    bool pingPong;
};

// The longer of the two delay lines in seconds: free, or synced at the settings' tempo, with spread, as long as
// their rings allow.
double delayLineSeconds(const Settings& settings);

// The modulation line's longest read in seconds for the settings' type: 0 for Pan and Tremolo, which use none.
double modulationLineSeconds(const Settings& settings);

// In seconds; infinity while a loop keeps 99 % or more of each pass: the delay lines at a feedback of 99 % or
// more (LOOP holds it at 100 %), or a Flanger, Phaser or Delay modulation at a mod feedback of 99 % or more.
double seconds(const Settings& settings);
} // namespace VelaTail
