// Which block loops the engine takes where the widest path is not what it should run.
#include "maths/LumVectorPath.h"

#include <gtest/gtest.h>

#include <cstdlib>

// Only x86-64 builds the wider loops; elsewhere the dispatch must never reach for them.
TEST(VectorPath, OffX86OnlyTheBaselineLoopsExist)
{
#if defined(__x86_64__)
    GTEST_SKIP() << "x86-64 has the wider loops";
#else
    EXPECT_EQ(lumWidestVectorPath(), LumVectorPath::baseline);
    EXPECT_EQ(lumVectorPath(), LumVectorPath::baseline);
    EXPECT_FALSE(lumForceVectorPath(LumVectorPath::avx2));
    EXPECT_FALSE(lumForceVectorPath(LumVectorPath::avx512));
#endif
}

// Run again with LUM_BASELINE_LOOPS set (tests/dsp/CMakeLists.txt): renders compared across processors rely on it.
TEST(VectorPath, BaselineLoopsAskedForWhenTheLibraryLoads)
{
    if (std::getenv("LUM_BASELINE_LOOPS") == nullptr)
        GTEST_SKIP() << "LUM_BASELINE_LOOPS is not set";

    EXPECT_EQ(lumVectorPath(), LumVectorPath::baseline);
}
