#include "LumVectorPath.h"

#include <atomic>
#include <cstdlib>

namespace
{
LumVectorPath widestOnThisProcessor()
{
#if defined(__x86_64__) && defined(__GNUC__)
    __builtin_cpu_init(); // this may run among the static constructors, before the compiler's own
    if (__builtin_cpu_supports("avx512f"))
        return LumVectorPath::avx512;
    if (__builtin_cpu_supports("avx2"))
        return LumVectorPath::avx2;
#endif
    return LumVectorPath::baseline;
}

// Constant-initialised, so that it holds before any static constructor runs; -1 is the widest path.
std::atomic<int> forcedPath { -1 };
} // namespace

LumVectorPath lumWidestVectorPath()
{
    static const LumVectorPath widest = widestOnThisProcessor();
    return widest;
}

namespace
{
// Settled when the library loads, so that the audio thread never meets the first call's guard. LUM_BASELINE_LOOPS
// set then makes every engine take the baseline loops, as a processor without wider ones does: how a build for
// another processor is held against this one's (scripts/compare-arm64-renders.sh).
const LumVectorPath settledAtLoad = []
{
    if (const char* baseline = std::getenv("LUM_BASELINE_LOOPS"); baseline != nullptr && *baseline != '\0')
        forcedPath.store(static_cast<int>(LumVectorPath::baseline), std::memory_order_relaxed);
    return lumWidestVectorPath();
}();
} // namespace

LumVectorPath lumVectorPath()
{
    const int forced = forcedPath.load(std::memory_order_relaxed);
    return forced < 0 ? lumWidestVectorPath() : static_cast<LumVectorPath>(forced);
}

bool lumForceVectorPath(LumVectorPath path)
{
    if (static_cast<int>(path) > static_cast<int>(lumWidestVectorPath()))
        return false;

    forcedPath.store(static_cast<int>(path), std::memory_order_relaxed);
    return true;
}
