#include "VelaTail.h"

#include "effects/LumDigiDelay.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace VelaTail
{
namespace
{
constexpr double silence = 3.1622776601683795e-5; // -90 dB
constexpr double endlessLoopGain = 0.99;
constexpr double lineInputGain = uniCombInputGain;
// Spread lengthens one line by up to this much.
constexpr double fullSpreadSeconds = LumDigiDelay::fullSpreadMilliseconds / 1000.0;

// A recirculating delay: the longest time of one pass and the share of its level that each pass keeps.
struct Loop
{
    double periodSeconds;
    double gain;
};

// Passes whose level, firstLevel at the first and gain times the one before after that, is -90 dB or more.
double audiblePasses(double firstLevel, double gain)
{
    if (gain <= 0.0)
        return 1.0;

    return 1.0 + std::floor(std::log(silence / firstLevel) / std::log(gain));
}

double loopSeconds(Loop loop, double firstLevel)
{
    return loop.periodSeconds > 0.0 ? loop.periodSeconds * audiblePasses(firstLevel, loop.gain) : 0.0;
}

// A modulation line's longest read: its centre plus its depth.
double longestRead(LumDigiDelay::LineShape shape)
{
    return static_cast<double>(shape.centre) + static_cast<double>(shape.depth);
}

// The modulation line of each type at its longest read. The Delay type keeps the last shape a type set, so
// reads at most as far as the longest of them, and adds half the main delay. Pan and Tremolo use no line.
Loop modulationLoop(const Settings& s, double delaySeconds)
{
    switch (s.modType)
    {
        case LumDigiDelay::chorus:
        case LumDigiDelay::vibrato: return { longestRead(LumDigiDelay::lineShape(s.modType)), 0.0 };
        case LumDigiDelay::flanger: return { longestRead(LumDigiDelay::lineShape(s.modType)), s.modFeedback };
        case LumDigiDelay::phaser:
            // The allpass's delay is longest at its lowest frequency, 1 / (pi f); over that time the allpass
            // alone keeps e^-2 of its ringing, the feedback across the channels at least modFeedback.
            return { 1.0 / (M_PI * LumDigiDelay::lowestPhaserHz),
                     std::max(static_cast<double>(s.modFeedback), std::exp(-2.0)) };
        case LumDigiDelay::delayType:
            return { std::min(longestRead(LumDigiDelay::longestLineShape()) + delaySeconds / 2.0,
                              static_cast<double>(LumDigiDelay::modLineSeconds)),
                     s.modFeedback };
        default: return { 0.0, 0.0 };
    }
}
} // namespace

namespace
{
// The delay time before spread: free, or synced at the settings' tempo.
double baseSeconds(const Settings& s)
{
    return s.syncTempo ? static_cast<double>(LumDigiDelay::syncedSeconds(s.time, s.bpm, s.syncMode)) : s.time / 1000.0;
}
} // namespace

double delayLineSeconds(const Settings& s)
{
    return std::min(baseSeconds(s) + fullSpreadSeconds * s.spread, static_cast<double>(LumDigiDelay::delayLineSeconds));
}

double modulationLineSeconds(const Settings& s)
{
    return modulationLoop(s, delayLineSeconds(s)).periodSeconds;
}

double seconds(const Settings& s)
{
    const double delaySeconds = delayLineSeconds(s);
    // Ping-pong: a repeat passes through the two lines by turns, so a pass lasts their mean; the first pass, in
    // the longer line, takes half their difference more.
    const double shorterSeconds = std::max(baseSeconds(s) - fullSpreadSeconds * s.spread, 0.0);
    const double passSeconds = s.pingPong ? (delaySeconds + shorterSeconds) / 2.0 : delaySeconds;
    const Loop delay { passSeconds, s.feedback };
    const Loop modulation = modulationLoop(s, delaySeconds);

    if (delay.gain >= endlessLoopGain || modulation.gain >= endlessLoopGain)
        return std::numeric_limits<double>::infinity();

    // A one-pole filter's ringing falls by e^-(2 pi f) per second.
    const double filterSeconds = std::log(1.0 / silence) / (2.0 * M_PI * std::min(s.lowpass, s.highpass));

    // A modulation line's output holds its delayed signal up to twice: feedforward plus blend times feedback.
    return filterSeconds + (delaySeconds - passSeconds) + loopSeconds(delay, lineInputGain)
           + loopSeconds(modulation, 2.0 * lineInputGain);
}
} // namespace VelaTail
