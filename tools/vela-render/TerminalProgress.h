#pragma once

#include <string>

// How far a render has got, on stderr, rewritten in place; only meant for a terminal. A percentage of the input,
// then the seconds of tail past it.
class TerminalProgress
{
public:
    void update(double doneSeconds, double inputSeconds);

    // Ends the progress line so that what follows starts on a fresh one.
    void finish();

private:
    std::string shown;
};
