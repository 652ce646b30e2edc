#pragma once

#include "VelaParameters.h"

#include <juce_core/juce_core.h>

#include <utility>
#include <vector>

struct FactoryPreset
{
    const char* name;
    // Real values in parameter units; every parameter not named keeps its default.
    std::vector<std::pair<VelaParameters::Id, float>> settings;
};

const std::vector<FactoryPreset>& factoryBank();

// Writes every factory preset into the folder through the plug-in's own preset writer; false on the first
// file that can't be written.
bool writeFactoryBank(const juce::File& folder);
