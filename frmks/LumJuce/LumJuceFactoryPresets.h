#pragma once

#include <juce_core/juce_core.h>

#include <vector>

// The presets a product carries inside itself, to be written into the user's preset folder.
namespace LumJuceFactoryPresets
{
struct Preset
{
    juce::String name;
    const void* data;
    size_t size;
};

using Bank = std::vector<Preset>;

// Writes each preset of the bank that the folder lacks, creating the folder; a file of the same name is never
// replaced. Returns how many were written.
int writeMissing(const juce::File& folder, const Bank& bank);
} // namespace LumJuceFactoryPresets
