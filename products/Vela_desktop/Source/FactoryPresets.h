#pragma once

#include "LumJuceFactoryPresets.h"

// The factory bank (resources/presets) as the plug-in carries it inside itself.
const LumJuceFactoryPresets::Bank& velaFactoryPresets();
