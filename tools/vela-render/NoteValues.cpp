#include "NoteValues.h"

#include "effects/LumDigiDelay.h"

#include <cmath>

namespace
{
// Indexed by exponent.
const char* const notes[] = { "1/64", "1/32", "1/16", "1/8", "1/4", "1/2", "1/1", "2/1", "4/1" };
constexpr int firstKnobExponent = 1;
constexpr int lastKnobExponent = 6;
} // namespace

std::optional<float> exponentForNoteValue(const std::string& text)
{
    for (int exponent = firstKnobExponent; exponent <= lastKnobExponent; ++exponent)
        if (text == notes[exponent])
            return static_cast<float>(exponent);

    return std::nullopt;
}

std::string notePlayedFor(float time)
{
    return notes[static_cast<int>(std::lround(LumDigiDelay::syncedExponent(time)))];
}
