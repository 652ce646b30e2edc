#include "RingOut.h"

#include <cmath>

namespace
{
const float quietLevel = std::pow(10.0f, -90.0f / 20.0f);

bool isQuiet(const float* const* channels, int numChannels, int frame)
{
    for (int channel = 0; channel < numChannels; ++channel)
        if (! (std::abs(channels[channel][frame]) < quietLevel))
            return false;

    return true;
}
} // namespace

RingOut::RingOut(int64_t quiet, int64_t longest) : quietFrames(quiet), longestTail(longest)
{
    hasEnded = quietFrames == 0 || longestTail == 0;
}

int RingOut::take(const float* const* channels, int numChannels, int frames)
{
    for (int frame = 0; frame < frames && ! hasEnded; ++frame)
    {
        quietSoFar = isQuiet(channels, numChannels, frame) ? quietSoFar + 1 : 0;
        ++tailSoFar;
        hitLongest = quietSoFar < quietFrames && tailSoFar == longestTail;
        hasEnded = quietSoFar == quietFrames || hitLongest;

        if (hasEnded)
            return frame + 1;
    }

    return hasEnded ? 0 : frames;
}
