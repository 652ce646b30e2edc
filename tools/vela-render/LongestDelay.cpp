#include "LongestDelay.h"

#include "PluginParameters.h"
#include "PluginProcessor.h"

namespace
{
constexpr float bypassRouting = 2.0f;
} // namespace

double longestDelaySeconds(juce::AudioProcessor& processor, double bpm)
{
    const auto settings = dynamic_cast<VelaAudioProcessor&>(processor).tailSettings(static_cast<float>(bpm));

    // The Delay modulation type reads half the main delay time even while the delay stage is bypassed.
    const double main = realValueOf(processor, "bypassDelay") >= 0.5f ? 0.0 : VelaTail::delayLineSeconds(settings);
    const double modulation = realValueOf(processor, "modRouting") == bypassRouting
                                  ? 0.0
                                  : VelaTail::modulationLineSeconds(settings);
    return main + modulation;
}
