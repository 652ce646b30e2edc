#include "Report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
constexpr double allowedRatio = 1.5;
constexpr double allowedFloorRatio = 1.25;

const Cost* find(const std::vector<Cost>& costs, Role role)
{
    for (const Cost& c : costs)
        if (c.contender->role == role)
            return &c;
    return nullptr;
}

const char* verdict(bool met)
{
    return met ? "met" : "NOT met";
}

void printTargets(const std::vector<Cost>& costs, const Cost& defaults)
{
    const Cost* cheapestPeer = nullptr;
    const Cost* dearestVela = &defaults;
    for (const Cost& c : costs)
    {
        const Role role = c.contender->role;
        if (role == Role::peer && (cheapestPeer == nullptr || c.nsPerFrame < cheapestPeer->nsPerFrame))
            cheapestPeer = &c;
        if ((role == Role::vela || role == Role::velaWithoutModulation) && c.nsPerFrame > dearestVela->nsPerFrame)
            dearestVela = &c;
    }

    std::printf("\nTargets\n");
    const Cost* floor = find(costs, Role::floor);
    if (floor != nullptr)
    {
        const double ratio = defaults.nsPerFrame / floor->nsPerFrame;
        std::printf("  Vela at its defaults at most %.2f x its floor: %.2f x: %s\n", allowedFloorRatio, ratio,
                    verdict(ratio <= allowedFloorRatio));
    }

    if (cheapestPeer != nullptr)
        std::printf("  Vela at its defaults cheaper than the peers that do the same work: the cheapest, %s, costs "
                    "%.2f x Vela: %s\n",
                    cheapestPeer->contender->name.c_str(), cheapestPeer->nsPerFrame / defaults.nsPerFrame,
                    verdict(cheapestPeer->nsPerFrame > defaults.nsPerFrame));

    const Cost* juce = find(costs, Role::juceBaseline);
    if (juce != nullptr)
        std::printf("  (what Vela adds at its defaults above the JUCE pass-through: %.2f ns per frame; at blocks of 64 "
                    "at most 1.15 x what it adds at 512)\n",
                    defaults.nsPerFrame - juce->nsPerFrame);

    const double worst = dearestVela->nsPerFrame / defaults.nsPerFrame;
    std::printf("  every Vela setting at most %.1f x its defaults: the dearest, %s, %.2f x: %s\n", allowedRatio,
                dearestVela->contender->name.c_str(), worst, verdict(worst <= allowedRatio));
}
} // namespace

void printComparison(const std::vector<Cost>& costs, double hostNsPerFrame)
{
    const Cost* defaults = find(costs, Role::velaDefaults);
    const double reference = defaults != nullptr ? defaults->nsPerFrame : std::nan("");

    std::printf("host overhead (no-op plug-in): %.2f ns per stereo frame, taken off every figure below\n\n",
                hostNsPerFrame);
    std::printf("%-44s %12s %14s %10s\n", "plug-in", "ns / frame", "x Vela (def.)", "out RMS");
    for (const Cost& c : costs)
        if (c.contender->role != Role::baseline)
            std::printf("%-44s %12.2f %14.2f %10.4f\n", c.contender->name.c_str(), c.nsPerFrame,
                        c.nsPerFrame / reference, c.outputRms);

    if (defaults != nullptr)
        printTargets(costs, *defaults);
}

void printTail(const std::vector<TailCost>& costs, double windowSeconds)
{
    std::printf("%-44s %14s %14s %8s\n", "plug-in", "first ns/frame", "last ns/frame", "last/1st");
    for (const TailCost& c : costs)
        std::printf("%-44s %14.2f %14.2f %8.2f\n", c.name.c_str(), c.firstNsPerFrame, c.lastNsPerFrame,
                    c.lastNsPerFrame / c.firstNsPerFrame);
    std::printf("(first and last %.0f s of each run, net of the no-op's cost over the same stretch)\n", windowSeconds);
}
