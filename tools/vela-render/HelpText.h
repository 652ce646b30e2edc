#pragma once

#include <ostream>

// What --help prints before the parameter list.
void printHelp(std::ostream& out);
