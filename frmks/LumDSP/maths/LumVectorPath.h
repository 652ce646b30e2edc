#pragma once

// The vector instructions the block loops are built for. Each loop is built once per path; the widest path
// this processor runs is taken when the library loads.
enum class LumVectorPath
{
    baseline, // SSE2 on x86-64, or whatever the compiler targets elsewhere
    avx2,
    avx512
};

LumVectorPath lumWidestVectorPath();
LumVectorPath lumVectorPath();

// Makes the block loops take the given path, if this processor runs it; tests and benchmarks hold the paths
// side by side this way. Returns whether it could. Not while any engine runs.
bool lumForceVectorPath(LumVectorPath path);
