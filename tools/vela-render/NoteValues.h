#pragma once

#include <optional>
#include <string>

// With tempo sync on, the engine reads the time as an exponent e: a note of 2^e 64ths, e = 1 ("1/32") to
// 6 ("1/1") on the editor's knob. Above 8 it plays e = 1.

// The exponent for "1/32" ... "1/1"; nothing for any other text.
std::optional<float> exponentForNoteValue(const std::string& text);

// The note the engine plays for a whole time from 0 up: "1/64" ... "4/1", and "1/32" above 8.
std::string notePlayedFor(float time);
