// Renders that should work: the file comes back in the input's shape, and the processor really heard
// the settings, the tempo and every block of the input.
#include "EchoRenders.h"
#include "ScratchFolder.h"
#include "TestWavFiles.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
struct EchoCase
{
    const char* name;
    int channels;
    double sampleRate;
    std::vector<Click> clicks; // the delay time glides in from its start value for about half a second
};

void PrintTo(const EchoCase& echoCase, std::ostream* out)
{
    *out << echoCase.name;
}

class EchoRender : public ::testing::TestWithParam<EchoCase>
{
};

TEST_P(EchoRender, KeepsTheFileShapeAndDelaysEachChannel)
{
    const auto& shape = GetParam();
    const double inputSeconds = 1.5;
    const double tailSeconds = 0.25;

    const auto result = render(silenceWithClicks(shape.channels, shape.sampleRate, inputSeconds, shape.clicks),
                               shape.sampleRate, with(singleEcho, { "--set", "time=10", "--tail", "0.25" }));

    ASSERT_EQ(result.run.exitCode, 0) << result.run.err;
    EXPECT_EQ(result.run.err, "");
    ASSERT_TRUE(result.output.has_value());

    const auto& output = *result.output;
    EXPECT_EQ(output.sampleRate, shape.sampleRate);
    EXPECT_EQ(output.channels, shape.channels);
    EXPECT_EQ(output.format, SF_FORMAT_WAVEX | SF_FORMAT_FLOAT);
    EXPECT_EQ(output.audio.getNumSamples(), juce::roundToInt((inputSeconds + tailSeconds) * shape.sampleRate));

    for (const auto& click : shape.clicks)
        expectEchoAt(output.audio, click.channel, click.seconds + 0.010, shape.sampleRate);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Layouts, EchoRender, ::testing::Values(
    EchoCase { "Mono",   1, 44100.0, { { 0, 1.0, 0.5f } } },
    EchoCase { "Stereo", 2, 48000.0, { { 0, 1.0, 0.5f }, { 1, 1.2, -0.5f } } }),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });
// clang-format on

TEST(TempoRender, SyncedDelayFollowsTheBpmOption)
{
    // time=3 in sync mode Normal is a sixteenth note times 2^3: half a beat.
    const auto synced = with(singleEcho, { "--set", "syncTempo=On", "--set", "syncMode=Normal", "--set", "time=3" });

    for (const auto& [bpm, echoSeconds] : { std::pair { "60", 0.5 }, std::pair { "150", 0.2 } })
    {
        SCOPED_TRACE(std::string("--bpm ") + bpm);
        const auto result = render(silenceWithClicks(1, 44100.0, 1.8, { { 0, 1.0, 0.5f } }), 44100.0,
                                   with(synced, { "--bpm", bpm }));

        ASSERT_EQ(result.run.exitCode, 0) << result.run.err;
        ASSERT_TRUE(result.output.has_value());
        expectEchoAt(result.output->audio, 0, 1.0 + echoSeconds, 44100.0);
    }
}

TEST(TempoRender, SyncedTimeTakesNoteValuesAndNamesWhatAPlainNumberPlays)
{
    struct Case
    {
        const char* time;
        const char* mode;
        double echoSeconds; // at 120 bpm
        const char* note;   // on stderr
    };

    const Case cases[] = {
        { "1/8", "Normal", 0.25, "" },
        { "1/4", "Dotted", 0.75, "" },
        { "1/1", "Triplet", 4.0 * 0.5 * 2.0 / 3.0, "" },
        { "0", "Normal", 0.03125, "vela-render: time=0 with tempo sync plays 1/64 (1/32 to 1/1 are 1 to 6)\n" },
        { "250", "Normal", 0.0625, "vela-render: time=250 with tempo sync plays 1/32 (1/32 to 1/1 are 1 to 6)\n" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.time);
        const auto result = render(silenceWithClicks(1, 44100.0, 1.2, { { 0, 1.0, 0.5f } }), 44100.0,
                                   with(singleEcho, { "--set", std::string("time=") + c.time, "--set", "syncTempo=On",
                                                      "--set", std::string("syncMode=") + c.mode }));

        ASSERT_EQ(result.run.exitCode, 0) << result.run.err;
        EXPECT_EQ(result.run.err, c.note);
        ASSERT_TRUE(result.output.has_value());
        expectEchoAt(result.output->audio, 0, 1.0 + c.echoSeconds, 44100.0);
    }
}

TEST(BlockRender, BlockSizeDoesNotChangeTheResult)
{
    // Feedback on, so that a misplaced block would also show in the later repeats.
    const auto input = silenceWithClicks(2, 44100.0, 0.6, { { 0, 0.01, 0.5f }, { 1, 0.33, 0.4f } });
    const std::vector<std::string> echoes { "--set", "time=40", "--set", "feedback=60", "--tail", "0.1" };

    const auto reference = render(input, 44100.0, with(echoes, { "--block", "4096" }));
    ASSERT_TRUE(reference.output.has_value()) << reference.run.err;

    for (const char* block : { "1", "37", "512" })
    {
        SCOPED_TRACE(std::string("--block ") + block);
        const auto result = render(input, 44100.0, with(echoes, { "--block", block }));
        ASSERT_TRUE(result.output.has_value()) << result.run.err;

        const auto& expected = reference.output->audio;
        const auto& actual = result.output->audio;
        ASSERT_EQ(actual.getNumSamples(), expected.getNumSamples());

        // The engine does some work once per block (synced lengths, LFO stretches), which may move the last
        // bits; a block cut in the wrong place would move whole samples.
        for (int channel = 0; channel < expected.getNumChannels(); ++channel)
            for (int i = 0; i < expected.getNumSamples(); ++i)
                ASSERT_NEAR(actual.getSample(channel, i), expected.getSample(channel, i), 1e-6f)
                    << "channel " << channel << ", sample " << i;
    }
}

TEST(SettingRender, AcceptsNumbersAndChoiceTextsAtTheirLimits)
{
    const auto input = silenceWithClicks(2, 44100.0, 0.1, { { 0, 0.01, 0.5f } });

    for (const char* setting : { "modType=Phaser", "modType=phaser", "modType=6", "syncTempo=On", "syncTempo=on",
                                 "syncMode=TRIPLET", "time=0", "time=2000", "lowpass=10", "modFreq=5" })
    {
        SCOPED_TRACE(setting);
        const auto result = render(input, 44100.0, { "--set", setting });

        EXPECT_EQ(result.run.exitCode, 0) << result.run.err;
        EXPECT_TRUE(result.output.has_value());
    }
}

juce::MemoryBlock textBlock(const juce::String& text)
{
    return { text.toRawUTF8(), text.getNumBytesAsUTF8() };
}

// Headers a plain writer does not produce, all of which hold the same 1.5 s of stereo audio. RF64 is the WAV form
// for files past 4 GiB: the "data" chunk's size field says -1 and the true length sits in a "ds64" chunk. A
// recording cut short claims more audio than it holds, up to lengths no file could have: the render ends where
// the audio does. Broken metadata (loops and cues past the file's end, embedded XML in a wrong encoding or nested
// 100 000 deep) never stops the audio from being read.
TEST(HandMadeRender, ReadsTheAudioWhateverTheHeaderHoldsBesides)
{
    const int frames = 66150;
    juce::MemoryOutputStream audio;
    for (int i = 0; i < frames; ++i)
    {
        audio.writeShort(i == 44100 ? 16384 : 0);
        audio.writeShort(0);
    }

    const auto data = audio.getMemoryBlock();
    const auto bytes = static_cast<juce::int64>(data.getSize());
    const auto withFormat = [] { return HandMadeWav().chunk("fmt ", fmtChunk(2)); };
    const juce::MemoryBlock headerOnly(36, true);
    const juce::MemoryBlock notUtf8("\x8a\xbc<a>\xcd", 6);
    const auto deepXml = textBlock(juce::String::repeatedString("<a>", 100000));

    const std::pair<const char*, HandMadeWav> files[] = {
        { "RF64", HandMadeWav::rf64(bytes).chunk("fmt ", fmtChunk(2)).chunk("data", data, 0xffffffffu) },
        { "cut short", withFormat().chunk("data", data, 0x7ffffff0u) },
        { "RF64 cut short", HandMadeWav::rf64(bytes * 1000).chunk("fmt ", fmtChunk(2)).chunk("data", data) },
        { "RF64 of an impossible length", HandMadeWav::rf64(std::numeric_limits<juce::int64>::max())
                                              .chunk("fmt ", fmtChunk(2)).chunk("data", data, 0xffffffffu) },
        { "extensible stereo", HandMadeWav().chunk("fmt ", fmtChunk(2, 16, 3)).chunk("data", data) },
        { "smpl past the end", withFormat().chunk("data", data).chunk("smpl", headerOnly, 0x40000000u) },
        { "cue before the audio", withFormat().chunk("cue ", headerOnly, 36).chunk("data", data) },
        { "LIST past the end", withFormat().chunk("data", data).chunk("LIST", textBlock("adtl"), 0x7fff0000u) },
        { "iXML not UTF-8", withFormat().chunk("iXML", notUtf8).chunk("data", data) },
        { "axml nested deep", withFormat().chunk("axml", deepXml).chunk("data", data) },
        { "empty LIST", withFormat().chunk("LIST", {}).chunk("data", data) },
    };

    for (const auto& [name, wav] : files)
    {
        SCOPED_TRACE(name);
        ScratchFolder scratch;
        const auto in = scratch.file("in.wav");
        const auto out = scratch.file("out.wav");
        wav.writeTo(in);

        const std::vector<std::string> paths { in.getFullPathName().toStdString(),
                                               out.getFullPathName().toStdString() };
        const auto run = runRenderTool(with(paths, with(singleEcho, { "--set", "time=10", "--tail", "0" })));
        ASSERT_EQ(run.exitCode, 0) << run.err;

        const auto output = readWav(out);
        ASSERT_TRUE(output.has_value());
        EXPECT_EQ(output->channels, 2);
        ASSERT_EQ(output->audio.getNumSamples(), frames);
        expectEchoAt(output->audio, 0, 1.010, 44100.0);
    }
}
} // namespace
