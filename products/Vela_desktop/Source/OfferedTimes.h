#pragma once

// The times the time knob offers: milliseconds while the delay runs free, note exponents while it is synced
// ("1/32" at 1 to "1/1" at 6).
struct OfferedTimes
{
    double shortest;
    double longest;
    double step;
};

constexpr OfferedTimes freeTimes { 10.0, 2000.0, 10.0 };
constexpr OfferedTimes noteTimes { 1.0, 6.0, 1.0 };
