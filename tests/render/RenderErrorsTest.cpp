// Every way of asking for something impossible ends the same way: exit status 2, one line on stderr
// that names the problem, and no output file, not even a partial one.
#include "ScratchFolder.h"
#include "TestWavFiles.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace
{
struct BadCall
{
    const char* name;
    std::vector<std::string> args; // "{stereo}" and the like stand for the fixture's files
    const char* complaint;         // part of the message that says what was wrong
};

void PrintTo(const BadCall& call, std::ostream* out)
{
    *out << call.name;
}

const juce::MemoryBlock oneStereoFrame(4, true);

juce::MemoryBlock withRate(juce::MemoryBlock fmt, juce::uint32 sampleRate)
{
    auto* bytes = static_cast<juce::uint8*>(fmt.getData());
    for (int i = 0; i < 4; ++i)
        bytes[4 + i] = static_cast<juce::uint8>(sampleRate >> (8 * i));
    return fmt;
}

class RenderErrors : public ::testing::TestWithParam<BadCall>
{
protected:
    void SetUp() override
    {
        const auto stereo = silenceWithClicks(2, 44100.0, 0.1, { { 0, 0.05, 0.5f } });
        writeWav(scratch.file("stereo.wav"), 44100.0, stereo);
        writeWav(scratch.file("three.wav"), 44100.0, silenceWithClicks(3, 44100.0, 0.1, {}));
        writeChannellessWav(scratch.file("none.wav"));
        scratch.file("text.wav").replaceWithText("not audio at all\n");
        scratch.file("folder").createDirectory();
        scratch.file("album.wav").createDirectory();
        scratch.file("stereo.wav").createSymbolicLink(scratch.file("link.wav"), true);
        link(scratch.file("stereo.wav").getFullPathName().toRawUTF8(),
             scratch.file("hard.wav").getFullPathName().toRawUTF8());
        // Billions of samples a second would have the engine's rings ask for gigabytes.
        HandMadeWav().chunk("fmt ", withRate(fmtChunk(2), 2000000000u)).chunk("data", oneStereoFrame)
            .writeTo(scratch.file("fast.wav"));
        // Channel counts far past stereo, one beyond what libsndfile takes at all.
        HandMadeWav().chunk("fmt ", fmtChunk(509, 16, 0xffffffffu)).chunk("data", {}).writeTo(scratch.file("509.wav"));
        HandMadeWav().chunk("fmt ", fmtChunk(0xffff)).chunk("data", {}).writeTo(scratch.file("65535.wav"));
        // A chunk that claims to run past the end of the file hides the audio after it.
        HandMadeWav()
            .chunk("fmt ", fmtChunk(2))
            .chunk("cue ", juce::MemoryBlock(28, true), 0x40000000u)
            .chunk("data", oneStereoFrame)
            .writeTo(scratch.file("hidden.wav"));
        // A preset looked up by name is looked for under HOME, never the real one: a user's with a preset folder,
        // since into a missing one the plug-in would write its factory bank.
        scratch.file("folder/Quillon/Vela/Presets").createDirectory();
        before = scratch.names();
        setenv("HOME", scratch.file("folder").getFullPathName().toRawUTF8(), 1);
    }

    void TearDown() override { setenv("HOME", previousHome.toRawUTF8(), 1); }

    std::vector<std::string> expand(const std::vector<std::string>& args) const
    {
        static const std::pair<const char*, const char*> placeholders[] = {
            { "{stereo}", "stereo.wav" }, { "{three}", "three.wav" },     { "{none}", "none.wav" },
            { "{text}", "text.wav" },     { "{missing}", "missing.wav" }, { "{out}", "out.wav" },
            { "{folder}", "folder" },     { "{509}", "509.wav" },         { "{65535}", "65535.wav" },
            { "{hidden}", "hidden.wav" },       { "{album}", "album.wav" },
            { "{link}", "link.wav" },     { "{hard}", "hard.wav" },       { "{fast}", "fast.wav" },
            { "{scratch}", "" },
        };

        std::vector<std::string> expanded;

        for (juce::String arg : args)
        {
            for (const auto& [token, name] : placeholders)
                arg = arg.replace(token, scratch.file(name).getFullPathName());

            expanded.push_back(arg.toStdString());
        }

        return expanded;
    }

    ScratchFolder scratch;
    juce::StringArray before;
    const juce::String previousHome { std::getenv("HOME") != nullptr ? std::getenv("HOME") : "" };
};

TEST_P(RenderErrors, FailsWithOneLineAndNoOutput)
{
    const auto run = runRenderTool(expand(GetParam().args));

    EXPECT_EQ(run.exitCode, 2);
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_NE(run.err.find(GetParam().complaint), std::string::npos) << run.err;
    EXPECT_EQ(scratch.names(), before) << "a file was left behind";
}

// clang-format off
const BadCall badCalls[] = {
    { "NoArguments",           {},                                                  "expected an input and an output" },
    { "OnlyInput",             { "{stereo}" },                                      "expected an input and an output" },
    { "ThreeFiles",            { "{stereo}", "{out}", "{out}" },                    "expected an input and an output" },
    { "MissingInput",          { "{missing}", "{out}" },                            "no such input file" },
    { "InputIsFolder",         { "{folder}", "{out}" },                             "no such input file" },
    { "NotAWav",               { "{text}", "{out}" },                               "is not an audio file" },
    { "NoChannels",            { "{none}", "{out}" },                               "is not an audio file" },
    { "AudioHiddenByAChunk",   { "{hidden}", "{out}" },                             "is not an audio file" },
    { "RateBeyondAnyFile",     { "{fast}", "{out}" },                               "claims a rate of 2000000000 Hz" },
    { "ThreeChannels",         { "{three}", "{out}" },                              "has 3 channels" },
    { "HundredsOfChannels",    { "{509}", "{out}" },                                "has 509 channels" },
    { "ChannelCountAboveSigned", { "{65535}", "{out}" },                            "Too many channels" },
    { "OutputInMissingFolder", { "{stereo}", "{missing}/out.wav" },                 "cannot write" },
    { "OutputIsFolder",        { "{stereo}", "{album}" },                           "is a folder" },
    { "OutputNameOfNoFormat",  { "{stereo}", "{scratch}/out.mp3" },                 "must end in .wav, .flac" },
    { "OutputWithoutExtension", { "{stereo}", "{folder}" },                         "must end in .wav, .flac" },
    { "OutputIsTheInput",      { "{stereo}", "{stereo}" },                          "is the input" },
    { "OutputIsTheInputSpeltOtherwise", { "{stereo}", "{folder}/../stereo.wav" },   "is the input" },
    { "OutputIsASymlinkToInput", { "{stereo}", "{link}" },                          "is the input" },
    { "InputIsASymlinkToOutput", { "{link}", "{stereo}" },                          "is the input" },
    { "OutputIsAHardLinkToInput", { "{stereo}", "{hard}" },                         "is the input" },
    { "FolderOutputIsTheInput", { "{stereo}", "-o", "{scratch}" },                  "is the input" },
    { "FolderMissing",         { "{stereo}", "-o", "{missing}" },                   "cannot write" },
    { "FolderWithoutInputs",   { "-o", "{folder}" },                                "expected input files before -o" },
    { "FolderInputsOfOneName", { "{stereo}", "{folder}/../stereo.wav", "-o", "{folder}" }, "two inputs are named stereo.wav" },
    { "FolderLaterInputBad",   { "{stereo}", "{text}", "-o", "{folder}" },          "is not an audio file" },
    { "NoteValueWithoutSync",  { "{stereo}", "{out}", "--set", "time=1/8" },        "needs --set syncTempo=On" },
    { "NoteValueNotOnTheKnob", { "{stereo}", "{out}", "--set", "syncTempo=On", "--set", "time=1/64" }, "time needs a number" },
    { "UnknownParameter",      { "{stereo}", "{out}", "--set", "colour=3" },        "unknown parameter 'colour'" },
    { "ValueNotANumber",       { "{stereo}", "{out}", "--set", "time=long" },       "time needs a number" },
    { "ValueWithUnit",         { "{stereo}", "{out}", "--set", "time=300ms" },      "time needs a number" },
    { "ValueAboveRange",       { "{stereo}", "{out}", "--set", "time=2001" },       "outside its range 0..2000" },
    { "ValueBelowRange",       { "{stereo}", "{out}", "--set", "feedback=-1" },     "outside its range 0..100" },
    { "ChoiceAboveRange",      { "{stereo}", "{out}", "--set", "modType=7" },       "outside its range 0..6" },
    { "UnknownChoiceText",     { "{stereo}", "{out}", "--set", "modType=Wobble" },  "modType has no value 'Wobble'" },
    { "SettingWithoutEquals",  { "{stereo}", "{out}", "--set", "time" },            "--set needs id=value" },
    { "SettingWithoutValue",   { "{stereo}", "{out}", "--set", "time=" },           "--set needs id=value" },
    { "SettingWithoutId",      { "{stereo}", "{out}", "--set", "=5" },              "--set needs id=value" },
    { "BpmZero",               { "{stereo}", "{out}", "--bpm", "0" },               "--bpm needs" },
    { "BpmNegative",           { "{stereo}", "{out}", "--bpm", "-120" },            "--bpm needs" },
    { "BpmNotFinite",          { "{stereo}", "{out}", "--bpm", "inf" },             "--bpm needs" },
    { "BpmNotANumber",         { "{stereo}", "{out}", "--bpm", "nan" },             "--bpm needs" },
    { "BlockZero",             { "{stereo}", "{out}", "--block", "0" },             "--block needs" },
    { "BlockNegative",         { "{stereo}", "{out}", "--block", "-64" },           "--block needs" },
    { "BlockFraction",         { "{stereo}", "{out}", "--block", "64.5" },          "--block needs" },
    { "TailNegative",          { "{stereo}", "{out}", "--tail", "-1" },             "--tail needs" },
    { "TailNotANumber",        { "{stereo}", "{out}", "--tail", "long" },           "--tail needs" },
    { "OptionMissingValue",    { "{stereo}", "{out}", "--tail" },                   "--tail needs a value" },
    { "UnknownOption",         { "{stereo}", "{out}", "--gain", "2" },              "unknown option --gain" },
    { "UnknownPreset",         { "{stereo}", "{out}", "--preset", "Nowhere" },      "no preset file or preset named 'Nowhere'" },
    { "UnknownOptionBeforeHelp", { "--gain", "2", "--help" },                       "unknown option --gain" },
    { "PresetNotAPreset",      { "{stereo}", "{out}", "--preset", "{text}" },       "is not a preset file" },
    { "ListWithFiles",         { "--list-params", "{stereo}", "{out}" },            "--list-params takes no other" },
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(BadCalls, RenderErrors, ::testing::ValuesIn(badCalls),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(RenderErrorsOverExistingOutput, LeaveItAsItWas)
{
    ScratchFolder scratch;
    const auto input = scratch.file("in.wav");
    const auto output = scratch.file("out.wav");
    writeWav(input, 44100.0, silenceWithClicks(1, 44100.0, 0.1, {}));
    output.replaceWithText("an earlier render");

    const auto run = runRenderTool({ input.getFullPathName().toStdString(), output.getFullPathName().toStdString(),
                                     "--set", "time=9999" });

    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(output.loadFileAsString(), "an earlier render");
    EXPECT_EQ(scratch.names(), juce::StringArray({ "in.wav", "out.wav" }));
}
} // namespace
