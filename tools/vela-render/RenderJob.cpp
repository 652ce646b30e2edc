#include "RenderJob.h"

#include "FloatWavOutput.h"
#include "ParameterListing.h"
#include "PluginParameters.h"
#include "PresetChoice.h"
#include "QuietStdout.h"
#include "RenderError.h"
#include "WavInput.h"

#include <cmath>
#include <memory>

namespace
{
// Far beyond any real render, and far from overflowing the sample count.
constexpr double longestTailSamples = 1.0e15;

std::unique_ptr<juce::AudioProcessor> createProcessor()
{
    return std::unique_ptr<juce::AudioProcessor>(createPluginFilter());
}

juce::int64 tailSamples(double seconds, double sampleRate)
{
    const double samples = std::round(seconds * sampleRate);

    if (samples > longestTailSamples)
        throw RenderError("--tail is too long");

    return static_cast<juce::int64>(samples);
}
} // namespace

void renderFile(const RenderOptions& options, const RenderProgress& progress)
{
    const auto input = openWavInput(juce::File::getCurrentWorkingDirectory().getChildFile(options.inputPath));
    const auto processor = createProcessor();

    if (options.preset)
        applyPreset(*processor, *options.preset);

    for (const auto& setting : options.settings)
        applySetting(*processor, setting);

    prepareForFile(*processor, *input, options.blockSize);

    OfflineRenderSettings settings;
    settings.bpm = options.bpm;
    settings.blockSize = options.blockSize;
    settings.totalSamples = input->lengthInSamples + tailSamples(options.tailSeconds, input->sampleRate);

    FloatWavOutput output(juce::File::getCurrentWorkingDirectory().getChildFile(options.outputPath),
                          input->sampleRate, static_cast<int>(input->numChannels));
    renderThrough(*processor, *input, output.writer(), settings, progress);
    output.commit();
}

void listParameters(std::ostream& out)
{
    std::unique_ptr<juce::AudioProcessor> processor;

    {
        const QuietStdout quiet;
        processor = createProcessor();
    }

    printParameterList(*processor, out);
}
