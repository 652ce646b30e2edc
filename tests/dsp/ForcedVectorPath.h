#pragma once

#include "maths/LumVectorPath.h"

// Makes the block loops take one vector path while it lives, then the widest again.
struct ForcedVectorPath
{
    explicit ForcedVectorPath(LumVectorPath path) : taken(lumForceVectorPath(path)) {}
    ~ForcedVectorPath() { lumForceVectorPath(lumWidestVectorPath()); }

    const bool taken;
};

constexpr LumVectorPath everyVectorPath[] = { LumVectorPath::baseline, LumVectorPath::avx2, LumVectorPath::avx512 };
