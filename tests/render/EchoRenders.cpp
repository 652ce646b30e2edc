#include "EchoRenders.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

const std::vector<std::string> singleEcho { "--set", "mix=100", "--set", "feedback=0", "--set", "modRouting=Bypass" };

Rendered render(const juce::AudioBuffer<float>& input, double sampleRate, const std::vector<std::string>& options,
                const RenderFiles& files)
{
    ScratchFolder scratch;
    const auto in = scratch.file(files.input);
    const auto out = scratch.file(files.output);
    writeWav(in, sampleRate, input, files.inputFormat);

    std::vector<std::string> args { in.getFullPathName().toStdString(), out.getFullPathName().toStdString() };
    args.insert(args.end(), options.begin(), options.end());

    Rendered rendered;
    rendered.run = runRenderTool(args);
    rendered.output = readWav(out);
    return rendered;
}

std::vector<std::string> with(std::vector<std::string> options, const std::vector<std::string>& more)
{
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

int loudestSample(const juce::AudioBuffer<float>& audio, int channel)
{
    const auto* samples = audio.getReadPointer(channel);
    return static_cast<int>(std::max_element(samples, samples + audio.getNumSamples(),
                                             [](float a, float b) { return std::abs(a) < std::abs(b); })
                            - samples);
}

void expectEchoAt(const juce::AudioBuffer<float>& audio, int channel, double seconds, double sampleRate)
{
    const int expected = juce::roundToInt(seconds * sampleRate);
    const int loudest = loudestSample(audio, channel);

    float around = 0.0f;
    for (int i = expected - 2; i <= expected + 2; ++i)
        around += std::abs(audio.getSample(channel, i));

    EXPECT_NEAR(loudest, expected, 1) << "channel " << channel;
    EXPECT_GT(around, 0.4f) << "channel " << channel;
    EXPECT_LT(audio.getMagnitude(channel, 0, expected - 2), 0.01f) << "channel " << channel;
}
