#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

#include <memory>

// A reader for a mono or stereo WAV file; throws RenderError for anything else.
std::unique_ptr<juce::AudioFormatReader> openWavInput(const juce::File& file);
