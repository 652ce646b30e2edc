#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <string>

// Loads a preset into the processor: an existing file by its path, anything else by its name in the user's
// preset folder, in any case. Throws RenderError when there is no such preset or the file holds none.
void applyPreset(juce::AudioProcessor& processor, const std::string& nameOrFile);
