// Whatever common format the input comes in, the render reads it; the output's name picks what is written.
#include "EchoRenders.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace
{
struct InputCase
{
    const char* name;
    const char* file;
    int format;
    bool lossy; // a lossy codec smears a click over a few samples
};

void PrintTo(const InputCase& inputCase, std::ostream* out)
{
    *out << inputCase.name;
}

class InputFormat : public ::testing::TestWithParam<InputCase>
{
};

TEST_P(InputFormat, RendersTheEchoOfEachChannel)
{
    const auto& c = GetParam();
    const auto input = silenceWithClicks(2, 44100.0, 1.5, { { 0, 1.0, 0.5f }, { 1, 1.2, -0.5f } });
    const auto result = render(input, 44100.0, with(singleEcho, { "--set", "time=10", "--tail", "0.1" }),
                               { c.file, c.format, "out.wav" });

    ASSERT_EQ(result.run.exitCode, 0) << result.run.err;
    ASSERT_TRUE(result.output.has_value());
    EXPECT_EQ(result.output->channels, 2);
    ASSERT_EQ(result.output->audio.getNumSamples(), juce::roundToInt(1.6 * 44100.0));

    for (const auto& [channel, seconds] : { std::pair { 0, 1.010 }, std::pair { 1, 1.210 } })
    {
        if (c.lossy)
            EXPECT_NEAR(loudestSample(result.output->audio, channel), juce::roundToInt(seconds * 44100.0), 3);
        else
            expectEchoAt(result.output->audio, channel, seconds, 44100.0);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formats, InputFormat, ::testing::Values(
    InputCase { "Wav16",      "in.wav",  SF_FORMAT_WAV | SF_FORMAT_PCM_16,    false },
    InputCase { "Wav24",      "in.wav",  SF_FORMAT_WAV | SF_FORMAT_PCM_24,    false },
    InputCase { "WavFloat",   "in.wav",  SF_FORMAT_WAV | SF_FORMAT_FLOAT,     false },
    InputCase { "Wavex",      "in.wav",  SF_FORMAT_WAVEX | SF_FORMAT_PCM_16,  false },
    InputCase { "Rf64",       "in.wav",  SF_FORMAT_RF64 | SF_FORMAT_PCM_16,   false },
    InputCase { "Aiff",       "in.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16,   false },
    InputCase { "Flac",       "in.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24,   false },
    InputCase { "OggVorbis",  "in.ogg",  SF_FORMAT_OGG | SF_FORMAT_VORBIS,    true }),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });
// clang-format on

struct OutputCase
{
    const char* file;
    int format;
};

TEST(OutputFormat, FollowsTheNameInAnyCase)
{
    const OutputCase cases[] = {
        { "out.wav", SF_FORMAT_WAVEX | SF_FORMAT_FLOAT }, { "out.WAV", SF_FORMAT_WAVEX | SF_FORMAT_FLOAT },
        { "out.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24 }, { "out.aif", SF_FORMAT_AIFF | SF_FORMAT_PCM_24 },
        { "out.Aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_24 },
    };
    const auto input = silenceWithClicks(1, 48000.0, 1.2, { { 0, 1.0, 0.5f } });

    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        const auto result = render(input, 48000.0, with(singleEcho, { "--set", "time=20", "--tail", "0.1" }),
                                   { "in.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, c.file });

        ASSERT_EQ(result.run.exitCode, 0) << result.run.err;
        ASSERT_TRUE(result.output.has_value());
        EXPECT_EQ(result.output->format, c.format);
        EXPECT_EQ(result.output->sampleRate, 48000.0);
        EXPECT_EQ(result.output->audio.getNumSamples(), juce::roundToInt(1.3 * 48000.0));
        expectEchoAt(result.output->audio, 0, 1.02, 48000.0);
    }
}

TEST(OutputFormat, IntegerFormatsClipOversRatherThanWrap)
{
    // Dry only: the float input's over reaches the output as it is.
    const auto input = silenceWithClicks(1, 44100.0, 0.2, { { 0, 0.1, 1.4f } });

    for (const char* file : { "out.flac", "out.aiff" })
    {
        SCOPED_TRACE(file);
        const auto result = render(input, 44100.0, { "--set", "mix=0", "--tail", "0" },
                                   { "in.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, file });

        ASSERT_TRUE(result.output.has_value()) << result.run.err;
        EXPECT_NEAR(result.output->audio.getSample(0, 4410), 1.0f, 1.0e-6f);
    }
}

TEST(FolderRender, RendersEachInputUnderItsOwnName)
{
    ScratchFolder scratch;
    scratch.file("renders").createDirectory();
    writeWav(scratch.file("a.wav"), 44100.0, silenceWithClicks(1, 44100.0, 1.2, { { 0, 1.0, 0.5f } }));
    writeWav(scratch.file("b.flac"), 48000.0, silenceWithClicks(2, 48000.0, 1.2, { { 1, 1.0, 0.5f } }),
             SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    writeWav(scratch.file("c.ogg"), 44100.0, silenceWithClicks(1, 44100.0, 1.2, { { 0, 1.0, 0.5f } }),
             SF_FORMAT_OGG | SF_FORMAT_VORBIS);

    const auto run = runRenderTool(with({ scratch.file("a.wav").getFullPathName().toStdString(),
                                          scratch.file("b.flac").getFullPathName().toStdString(),
                                          scratch.file("c.ogg").getFullPathName().toStdString(), "-o",
                                          scratch.file("renders").getFullPathName().toStdString() },
                                        with(singleEcho, { "--set", "time=20", "--tail", "0.1" })));
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const auto a = readWav(scratch.file("renders/a.wav"));
    const auto b = readWav(scratch.file("renders/b.flac"));
    ASSERT_TRUE(a.has_value());
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(a->channels, 1);
    EXPECT_EQ(b->channels, 2);
    EXPECT_EQ(b->format, SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
    expectEchoAt(a->audio, 0, 1.02, 44100.0);
    expectEchoAt(b->audio, 1, 1.02, 48000.0);

    // Ogg is read but not written: its render is a float WAV file of the same name.
    const auto c = readWav(scratch.file("renders/c.wav"));
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->format, SF_FORMAT_WAVEX | SF_FORMAT_FLOAT);
    EXPECT_EQ(c->channels, 1);
}
} // namespace
