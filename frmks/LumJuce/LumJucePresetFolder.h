#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// Orders presets: "Init" first, then by name ignoring case with numbers in natural order, so that every
// listing of an unchanged folder gives the same order on every machine.
class PresetSorter
{
public:
    static int compareElements(const juce::File& a, const juce::File& b);
};

namespace LumJucePresetFolder
{
// The per-user settings location's folder for this maker, then <productName>/, with a trailing separator
// (~/Quillon/Vela/ on Linux): the product's own per-user files live there.
juce::String productFolderFor(const juce::String& productName);

// The per-user settings location's folder for this maker, then <productName>/Presets/, with a trailing
// separator (~/Quillon/Vela/Presets/ on Linux).
juce::String pathFor(const juce::String& productName);

// The "*.preset" files directly in the folder (hidden ones too), in PresetSorter's order.
juce::Array<juce::File> list(const juce::String& folderPath);

// Why a preset can't be saved under this name, for the user to read; empty when it can.
juce::String nameProblem(const juce::String& name);
} // namespace LumJucePresetFolder
