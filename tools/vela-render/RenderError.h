#pragma once

#include <stdexcept>

// A problem with what the user asked for: reported as one line on stderr, exit status 2.
class RenderError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
