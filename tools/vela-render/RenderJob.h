#pragma once

#include "OfflineRender.h"
#include "RenderOptions.h"

#include <ostream>

// Checks everything the options name before the output appears; throws RenderError on the first problem.
void renderFile(const RenderOptions& options, const RenderProgress& progress);

void listParameters(std::ostream& out);
