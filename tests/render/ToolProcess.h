#pragma once

#include <string>
#include <vector>

struct ToolRun
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a built program with these arguments, no input, and its two output streams kept apart.
ToolRun runTool(const std::string& program, const std::vector<std::string>& args);

// The same for the built vela-render.
ToolRun runRenderTool(const std::vector<std::string>& args);
