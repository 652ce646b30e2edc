#pragma once

#include <string>
#include <vector>

struct ToolRun
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built vela-render with these arguments, no input, and its two output streams kept apart.
ToolRun runRenderTool(const std::vector<std::string>& args);
