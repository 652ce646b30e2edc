#pragma once

#include "effects/LumDigiDelay.h"

#include <type_traits>

// A choice parameter's host value for one of the engine's choices, so tests name the choice instead of its number.
template <typename Choice, typename = std::enable_if_t<std::is_enum_v<Choice>>>
constexpr float hostValue(Choice choice)
{
    return static_cast<float>(choice);
}

using ModType = LumDigiDelay::ModType;
using ModRouting = LumDigiDelay::ModRouting;
using SyncMode = LumDigiDelay::SyncMode;
