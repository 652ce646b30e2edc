#pragma once

#include "VelaParameters.h"
#include "effects/LumDigiDelay.h"

// Tests name a choice instead of its number: hostValue(SyncMode::triplet).
using VelaParameters::hostValue;

using ModType = LumDigiDelay::ModType;
using ModRouting = LumDigiDelay::ModRouting;
using SyncMode = LumDigiDelay::SyncMode;
