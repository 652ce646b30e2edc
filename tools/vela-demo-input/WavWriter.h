#pragma once

#include "DemoSignal.h"

#include <string>

// Writes 16-bit PCM stereo; returns false when the file can't be written.
bool writeWav16(const std::string& path, const StereoSignal& signal);
