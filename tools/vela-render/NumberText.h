#pragma once

#include <optional>
#include <string>

// Strict number parsing for command-line values: the whole text must be the number.
std::optional<double> parseFiniteNumber(const std::string& text);
std::optional<long long> parseWholeNumber(const std::string& text);

// Six significant digits at most, no trailing zeros: "0.25", "20000".
std::string formatNumber(float value);
