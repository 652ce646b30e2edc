#pragma once

// The note exponent that LumDigiDelay plays for the time parameter while synced: times above 8 play as 1.
inline float syncedExponent(float time)
{
    return time > 8.0f ? 1.0f : time;
}
