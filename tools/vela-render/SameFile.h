#pragma once

#include <string>

// Whether both paths name one existing file, however they spell it: through a symlink, a hard link, "./" or "..".
bool isSameFile(const std::string& first, const std::string& second);
