#pragma once

#include "RenderOptions.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <optional>
#include <string>
#include <vector>

// Applies the --set values in order; throws RenderError on the first one that cannot apply. A note value for the
// time ("1/8") stands for its synced exponent, and needs tempo sync on once all are applied. Returns a line that
// says which note plays when the last time given is a plain number outside the knob's 1 to 6 while synced.
std::optional<std::string> applySettings(juce::AudioProcessor& processor, const std::vector<ParameterSetting>& settings);
