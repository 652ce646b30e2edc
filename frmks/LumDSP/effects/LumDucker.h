#pragma once

// Ducking: the wet signal turned down while the dry input plays, so that the repeats step aside and come back
// up in the gaps. The repeats go on building inside the lines; only what leaves them is turned down.
//
// The law, chosen to behave like a player's ear expects and to stay cheap:
// - detector: the louder channel's magnitude, through a peak follower that rises with a 5 ms and falls with a
//   100 ms time constant, so that a note's onset ducks at once and a held note keeps the repeats down;
// - curve: nothing below -40 dBFS (room noise, a reverb's tail), then evenly in decibels up to the full depth at
//   -10 dBFS and above;
// - depth: the knob, 0 to 1, gives up to 40 dB down, which hides the repeats under a played note;
// - glides: the knob glides with a 20 ms time constant and the gain with 4 ms, both at a control rate of one
//   update every 32 samples with a straight line between updates, so that neither a turn of the knob nor a hard
//   onset clicks. Once the input stops, the gain is back within 1 dB in about 0.4 s.
// At a depth of 0, once the glides are done, the gain is exactly 1 and the engine no longer asks for it.
class LumDucker
{
public:
    void prepare(float sampleRate);

    // The knob's depth at once, as a fresh engine starts its smoothers at their targets.
    void startAt(float depth);

    // Nothing to do: the knob and its glides at 0 and the gain at 1.
    bool idle(float targetDepth) const { return targetDepth == 0.0f && depth == 0.0f && gain == 1.0f; }

    // The wet signal's gain for this sample of dry input, the knob at targetDepth (0 to 1).
    float step(float dryL, float dryR, float targetDepth);

    // The gain the curve gives an envelope at a depth, before the glides.
    static float gainFor(float envelope, float depth);

    static constexpr int updateInterval = 32;

private:
    float envelope = 0.0f;
    float depth = 0.0f;
    float smoothedGain = 1.0f;
    float gain = 1.0f;
    float gainStep = 0.0f;
    int untilUpdate = 0;

    float attack = 0.0f;
    float release = 0.0f;
    float depthGlide = 0.0f;
    float gainGlide = 0.0f;
};
