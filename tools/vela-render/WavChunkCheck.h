#pragma once

#include <juce_core/juce_core.h>

// JUCE's WAV reader walks every loop a "smpl" chunk claims, even far past the chunk's end, which a damaged or
// hostile file turns into an endless read. True when every "smpl" chunk lies inside the file and holds the loops
// it claims (or the stream is no RIFF WAVE at all, which the reader then refuses itself).
bool sampleLoopsFitTheirChunks(juce::InputStream& input);
