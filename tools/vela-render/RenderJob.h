#pragma once

#include "OfflineRender.h"
#include "RenderOptions.h"

#include <optional>
#include <ostream>
#include <string>

struct RenderSummary
{
    double seconds = 0.0;                 // of audio written
    bool tailCutAtLongest = false;        // the echoes still sounded when the longest tail was reached
    std::optional<std::string> timeNote;  // which note a synced time outside the knob's range played
};

extern const double longestTailSeconds;

// Checks every target before the first output appears: each input opens, and no output is its own input.
// Throws RenderError on the first problem.
void checkTargets(const std::vector<RenderTarget>& targets);

// Checks everything the options name before the output appears; throws RenderError on the first problem.
RenderSummary renderTarget(const RenderOptions& options, const RenderTarget& target, const RenderProgress& progress);

void listParameters(std::ostream& out);
