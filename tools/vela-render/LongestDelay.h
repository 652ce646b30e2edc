#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// The longest a sound can take to come back out with the processor's settings, in seconds: the main delay of
// the longer channel (free or synced at this tempo), then the modulation lines when they are in the chain.
double longestDelaySeconds(juce::AudioProcessor& processor, double bpm);
