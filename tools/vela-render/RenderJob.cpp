#include "RenderJob.h"

#include "LongestDelay.h"
#include "ParameterListing.h"
#include "PresetChoice.h"
#include "QuietStderr.h"
#include "RenderError.h"
#include "SameFile.h"
#include "SettingList.h"

#include <algorithm>
#include <cmath>
#include <memory>

const double longestTailSeconds = 60.0;

namespace
{
// Far beyond any real render, and far from overflowing the sample count.
constexpr double longestExactTail = 1.0e15;

// Ringing out waits at least this long, so that filters and the short modulation lines settle too.
constexpr double shortestQuietSeconds = 0.1;

// The plug-in announces itself on stderr when constructed, which would read as a message of the tool.
std::unique_ptr<juce::AudioProcessor> createProcessor()
{
    const QuietStderr quiet;
    return std::unique_ptr<juce::AudioProcessor>(createPluginFilter());
}

juce::int64 framesIn(double seconds, double sampleRate)
{
    const double frames = std::round(seconds * sampleRate);

    if (frames > longestExactTail)
        throw RenderError("--tail is too long");

    return static_cast<juce::int64>(frames);
}

OfflineRenderSettings renderSettings(const RenderOptions& options, juce::AudioProcessor& processor, double sampleRate)
{
    OfflineRenderSettings settings;
    settings.bpm = options.bpm;
    settings.blockSize = options.blockSize;

    if (options.tailSeconds)
    {
        settings.exactTail = framesIn(*options.tailSeconds, sampleRate);
        return settings;
    }

    const double quietSeconds = std::max(longestDelaySeconds(processor, options.bpm), shortestQuietSeconds);
    settings.quietFrames = framesIn(quietSeconds, sampleRate);
    settings.longestTail = framesIn(longestTailSeconds, sampleRate);
    return settings;
}
} // namespace

void checkTargets(const std::vector<RenderTarget>& targets)
{
    for (const auto& target : targets)
    {
        const SoundFileInput input(target.input);

        if (isSameFile(target.input, target.output))
            throw RenderError("the output " + target.output + " is the input " + target.input
                              + " itself; the render would replace it");
    }
}

RenderSummary renderTarget(const RenderOptions& options, const RenderTarget& target, const RenderProgress& progress)
{
    SoundFileInput input(target.input);
    const auto processor = createProcessor();

    if (options.preset)
        applyPreset(*processor, *options.preset);

    RenderSummary summary;
    summary.timeNote = applySettings(*processor, options.settings);

    prepareForFile(*processor, input, options.blockSize);
    const auto settings = renderSettings(options, *processor, input.sampleRate());

    SoundFileOutput output(target.output, input.sampleRate(), input.channels());
    const auto rendered = renderThrough(*processor, input, output, settings, progress);
    output.commit();

    summary.seconds = static_cast<double>(rendered.frames) / input.sampleRate();
    summary.tailCutAtLongest = rendered.tailCutAtLongest;
    return summary;
}

void listParameters(std::ostream& out)
{
    printParameterList(*createProcessor(), out);
}
