// vela-demo-input answers --help and refuses what it does not know as vela-render does: a refusal is one line on
// stderr, exit status 2 and no file, not even one named after the option. Given a file name, it writes the demo.
#include "ScratchFolder.h"
#include "TestWavFiles.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

namespace
{
struct DemoCall
{
    const char* name;
    std::vector<std::string> args; // run in an empty folder
    int exitCode;
    const char* out; // how stdout starts; "": it stays empty
    const char* err; // how the one line on stderr starts; "": it stays empty
    bool writesDemo; // out.wav
};

void PrintTo(const DemoCall& call, std::ostream* out)
{
    *out << call.name;
}

void expectStartsWith(const std::string& text, const std::string& start)
{
    if (start.empty())
    {
        EXPECT_EQ(text, "");
    }
    else
    {
        EXPECT_EQ(text.rfind(start, 0), 0u) << text;
    }
}

ToolRun runDemoInput(const std::vector<std::string>& args)
{
    return runTool(VELA_DEMO_INPUT_PATH, args);
}

// The tool writes relative names into the working folder: a scratch folder for each test.
class DemoInput : public ::testing::TestWithParam<DemoCall>
{
protected:
    void SetUp() override { scratch.file("").setAsCurrentWorkingDirectory(); }
    void TearDown() override { previousFolder.setAsCurrentWorkingDirectory(); }

    const juce::File previousFolder { juce::File::getCurrentWorkingDirectory() };
    ScratchFolder scratch;
};

TEST_P(DemoInput, AnswersLikeTheOtherTools)
{
    const auto& call = GetParam();
    const auto run = runDemoInput(call.args);

    EXPECT_EQ(run.exitCode, call.exitCode) << run.err;
    expectStartsWith(run.out, call.out);
    expectStartsWith(run.err, call.err);
    if (! run.err.empty())
    {
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
    EXPECT_EQ(scratch.names(), call.writesDemo ? juce::StringArray("out.wav") : juce::StringArray());
}

// clang-format off
const DemoCall demoCalls[] = {
    { "Help",                    { "--help" },            0, "usage: vela-demo-input OUT.wav", "", false },
    { "ShortHelp",               { "-h" },                0, "usage: vela-demo-input OUT.wav", "", false },
    { "HelpAfterAFileName",      { "out.wav", "--help" }, 0, "usage: vela-demo-input OUT.wav", "", false },
    { "UnknownOption",           { "--gain" },            2, "", "vela-demo-input: unknown option --gain (usage:", false },
    { "UnknownOptionAndAName",   { "out.wav", "-x" },     2, "", "vela-demo-input: unknown option -x (usage:", false },
    { "UnknownOptionBeforeHelp", { "--gain", "--help" },  2, "", "vela-demo-input: unknown option --gain", false },
    { "NoFileName",              {},                      2, "", "vela-demo-input: expected one output file", false },
    { "TwoFileNames",            { "a.wav", "b.wav" },    2, "", "vela-demo-input: expected one output file", false },
    { "FileName",                { "out.wav" },           0, "", "", true },
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Calls, DemoInput, ::testing::ValuesIn(demoCalls),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(DemoInputFile, HoldsThreeSecondsOfStereoPlucks)
{
    ScratchFolder scratch;
    const auto file = scratch.file("plucks.wav");

    ASSERT_EQ(runDemoInput({ file.getFullPathName().toStdString() }).exitCode, 0);
    const auto wav = readWav(file);

    ASSERT_TRUE(wav.has_value());
    EXPECT_EQ(wav->format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_EQ(wav->sampleRate, 44100.0);
    EXPECT_EQ(wav->channels, 2);
    EXPECT_EQ(wav->audio.getNumSamples(), 3 * 44100);
    for (int channel = 0; channel < 2; ++channel)
        EXPECT_GT(wav->audio.getMagnitude(channel, 0, wav->audio.getNumSamples()), 0.1f) << "channel " << channel;
}
} // namespace
