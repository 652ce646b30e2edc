// Every seed of the input fuzzer, run through the tool: the sound files render, the broken ones are refused with
// one line and leave nothing behind.
#include "ScratchFolder.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

namespace
{
struct Seed
{
    const char* file;
    bool renders;
};

TEST(FuzzSeeds, RenderOrAreRefusedCleanly)
{
    const Seed seeds[] = {
        { "aiff-mono.aiff", true },
        { "cue-chunk-past-the-end.wav", false },
        { "extensible-hundreds-of-channels.wav", false },
        { "extensible-stereo.wav", true },
        { "flac-stereo.flac", true },
        { "ixml-not-utf8.wav", false },
        { "mono16.wav", true },
        { "ogg-vorbis-mono.ogg", true },
        { "rf64-stereo.wav", true },
        { "smpl-chunk-past-the-end.wav", false },
        { "stereo-float.wav", true },
    };
    const juce::File folder(VELA_WAV_SEEDS);

    EXPECT_EQ(folder.getNumberOfChildFiles(juce::File::findFiles), static_cast<int>(std::size(seeds)))
        << "a seed without an expected outcome";

    for (const auto& seed : seeds)
    {
        SCOPED_TRACE(seed.file);
        ScratchFolder scratch;
        const auto run = runRenderTool({ folder.getChildFile(seed.file).getFullPathName().toStdString(),
                                         scratch.file("out.wav").getFullPathName().toStdString(), "--tail", "0" });

        if (seed.renders)
        {
            EXPECT_EQ(run.exitCode, 0) << run.err;
            EXPECT_EQ(scratch.names(), juce::StringArray({ "out.wav" }));
        }
        else
        {
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
            EXPECT_TRUE(scratch.names().isEmpty());
        }
    }
}
} // namespace
