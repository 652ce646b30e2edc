#include "NoteValues.h"

#include <cmath>

namespace
{
// Indexed by exponent.
const char* const notes[] = { "1/64", "1/32", "1/16", "1/8", "1/4", "1/2", "1/1", "2/1", "4/1" };
constexpr int firstKnobExponent = 1;
constexpr int lastKnobExponent = 6;
constexpr float lastExponent = 8.0f;
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
    return notes[time > lastExponent ? firstKnobExponent : static_cast<int>(std::lround(time))];
}
