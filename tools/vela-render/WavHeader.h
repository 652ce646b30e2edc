#pragma once

#include <juce_core/juce_core.h>

#include <vector>

// What vela-render learns from a WAV file's chunks before JUCE's reader sees it. The reader trusts fields it
// should not: it adds an RF64 data length to a file position without a limit, and it gives each channel of a
// "fmt " chunk a channel type, counting past the last type there is when a chunk claims hundreds of channels (or,
// read as a signed number, billions). Its metadata parsers (loops, cues, lists, embedded XML) allocate what a
// chunk claims and walk or parse whatever is there; the tool needs none of that, so it hides those chunks.
struct WavHeader
{
    bool lengthsPossible = true; // no length beyond any file, none negative
    int mostChannels = 0;        // the largest channel count a "fmt " chunk claims
    juce::int64 dataStart = -1;  // where the last "data" chunk's audio (the reader's) begins; -1 if none is found
    std::vector<juce::int64> unneededChunkIds; // where the ids of chunks other than format and audio lie
};

// Walks the chunks the way the reader does. A stream that is no RIFF or RF64 WAVE at all yields the defaults: the
// reader then refuses it itself.
WavHeader readWavHeader(juce::InputStream& input);
