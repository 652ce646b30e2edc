#pragma once

// How LumDigiDelay reads the time parameter while synced: a note of 2^e units, e = the time.

// The note exponent it plays for the time parameter: times above 8 play as 1.
inline float syncedExponent(float time)
{
    return time > 8.0f ? 1.0f : time;
}

// The unit in beats for a sync mode (0 Normal, 1 Dotted, 2 Triplet); 0 for any other mode.
inline double noteUnitBeats(int syncMode)
{
    switch (syncMode)
    {
        case 0: return 1.0 / 16.0;
        case 1: return 3.0 / 32.0;
        case 2: return 1.0 / 24.0;
        default: return 0.0;
    }
}
