// vela-render's input reading on any file: it opens it or refuses it with a RenderError, and reading what it
// opened stays inside the data.
#include "FuzzHost.h"
#include "RenderError.h"
#include "WavInput.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzHost::start();

    const auto& file = FuzzHost::scratchFile(".wav");
    file.replaceWithData(data, size);

    try
    {
        const auto reader = openWavInput(file);
        // A few blocks are enough to walk the data; a header may claim far more than the file holds.
        const int channels = static_cast<int>(reader->numChannels);
        juce::AudioBuffer<float> buffer(channels, 512);
        for (juce::int64 start = 0; start < std::min<juce::int64>(reader->lengthInSamples, 4096); start += 512)
            reader->read(&buffer, 0, 512, start, true, channels > 1);
    }
    catch (const RenderError&)
    {
    }

    return 0;
}
