#pragma once

#include "Contenders.h"

#include <string>
#include <vector>

struct Cost
{
    const Contender* contender;
    double nsPerFrame; // net of the no-op's cost
    double outputRms;
};

// The comparison table, each cost with its ratio to Vela at its defaults, and the targets it is held to.
void printComparison(const std::vector<Cost>& costs, double hostNsPerFrame);

struct TailCost
{
    std::string name;
    double firstNsPerFrame; // net of the no-op's cost over the same stretch
    double lastNsPerFrame;
};

void printTail(const std::vector<TailCost>& costs, double windowSeconds);
