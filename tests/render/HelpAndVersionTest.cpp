// --help and -h show how to call the tool and what it can set; --version names the version. Both exit 0.
#include "ToolProcess.h"

#include <gtest/gtest.h>

TEST(Help, ShowsTheUsageAndTheParameters)
{
    for (const char* option : { "--help", "-h" })
    {
        SCOPED_TRACE(option);
        const auto run = runRenderTool({ option });

        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out.rfind("usage: vela-render IN OUT", 0), 0u) << run.out;
        EXPECT_NE(run.out.find("\n0\ttime\tTime\t0..2000 step 1\tdefault 250\tunit ms\n"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("\n13\tbypassDelay\t"), std::string::npos) << run.out;
    }
}

TEST(Version, NamesTheToolAndItsVersion)
{
    const auto run = runRenderTool({ "--version" });

    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, std::string("vela-render ") + VELA_VERSION + "\n");
}
