// --preset loads a preset file, or a preset of the user's folder by name, before any --set applies.
#include "ScratchFolder.h"
#include "TestWavFiles.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// One clean echo, 20 ms after the sound.
const char* const echoPreset = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Vela><PARAM id=\"time\" value=\"20\"/>"
                               "<PARAM id=\"mix\" value=\"100\"/><PARAM id=\"feedback\" value=\"0\"/>"
                               "<PARAM id=\"modRouting\" value=\"2\"/></Vela>\n";

class RenderPreset : public ::testing::Test
{
protected:
    void SetUp() override
    {
        scratch.file("Echo.preset").replaceWithText(echoPreset);
        const auto folder = scratch.file("home/Quillon/Vela/Presets");
        folder.createDirectory();
        folder.getChildFile("Twenty Ms.preset").replaceWithText(echoPreset);
        setenv("HOME", scratch.file("home").getFullPathName().toRawUTF8(), 1);

        // The delay time glides in for about half a second; the click comes after that.
        writeWav(scratch.file("in.wav"), 44100.0, silenceWithClicks(1, 44100.0, 1.2, { { 0, 1.0, 0.5f } }));
    }

    void TearDown() override { setenv("HOME", previousHome.toRawUTF8(), 1); }

    // Where the loudest sample of the rendered file lies, in milliseconds after the click.
    double echoAfterClick(const std::vector<std::string>& options)
    {
        std::vector<std::string> args { scratch.file("in.wav").getFullPathName().toStdString(),
                                        scratch.file("out.wav").getFullPathName().toStdString() };
        args.insert(args.end(), options.begin(), options.end());
        const auto run = runRenderTool(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;

        const auto out = readWav(scratch.file("out.wav"));
        if (! out)
            return -1.0;

        const auto* samples = out->audio.getReadPointer(0);
        int loudest = 0;
        for (int n = 0; n < out->audio.getNumSamples(); ++n)
            if (std::abs(samples[n]) > std::abs(samples[loudest]))
                loudest = n;

        return (loudest - 44100) / 44.1;
    }

    ScratchFolder scratch;
    const juce::String previousHome { std::getenv("HOME") != nullptr ? std::getenv("HOME") : "" };
};
} // namespace

TEST_F(RenderPreset, ByFileByNameAndUnderSettings)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> options;
        double echoMs;
    };

    const Case cases[] = {
        { "a file by its path", { "--preset", scratch.file("Echo.preset").getFullPathName().toStdString() }, 20.0 },
        { "a preset of the folder by name", { "--preset", "Twenty Ms" }, 20.0 },
        { "a name in another case", { "--preset", "twenty MS" }, 20.0 },
        { "--set applies after the preset", { "--set", "time=30", "--preset", "Twenty Ms" }, 30.0 },
    };

    for (const Case& c : cases)
        EXPECT_NEAR(echoAfterClick(c.options), c.echoMs, 0.05) << c.name;
}
