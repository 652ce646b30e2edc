#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <ostream>

// One tab-separated line per parameter, in host order:
// index, id, name, "start..end step S [skew K]", "default D", and for choice parameters "choices A|B|...".
void printParameterList(juce::AudioProcessor& processor, std::ostream& out);
