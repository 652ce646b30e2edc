#include "LongestDelay.h"

#include "PluginProcessor.h"

double longestDelaySeconds(juce::AudioProcessor& processor, double bpm)
{
    const auto settings = dynamic_cast<VelaAudioProcessor&>(processor).tailSettings(static_cast<float>(bpm));

    // The Delay modulation type reads half the main delay time even while the delay stage is bypassed.
    const double main = settings.bypassDelay ? 0.0 : VelaTail::delayLineSeconds(settings);
    const double modulation = settings.modRouting == LumDigiDelay::ModRouting::bypass
                                  ? 0.0
                                  : VelaTail::modulationLineSeconds(settings);
    return main + modulation;
}
