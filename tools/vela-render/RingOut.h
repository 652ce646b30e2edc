#pragma once

#include <cstdint>

// Decides where a tail rendered after the input ends: once every channel has stayed below -90 dBFS for a whole
// quiet stretch (the longest delay in play, so nothing is left in the lines), or at the longest tail allowed.
class RingOut
{
public:
    RingOut(int64_t quietFrames, int64_t longestTail);

    // Looks at the next frames of the tail; returns how many of them belong to it (all, unless it ends there).
    int take(const float* const* channels, int numChannels, int frames);

    bool ended() const { return hasEnded; }
    bool cutAtLongest() const { return hitLongest; }

private:
    int64_t quietFrames;
    int64_t longestTail;
    int64_t tailSoFar = 0;
    int64_t quietSoFar = 0;
    bool hasEnded = false;
    bool hitLongest = false;
};
