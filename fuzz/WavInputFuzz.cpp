// vela-render's input reading on any file: it opens it or refuses it with a RenderError, and reading what it
// opened stays inside the data.
#include "FuzzHost.h"
#include "RenderError.h"
#include "SoundFileInput.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzHost::start();

    const auto& file = FuzzHost::scratchFile(".wav");
    file.replaceWithData(data, size);

    try
    {
        SoundFileInput input(file.getFullPathName().toStdString());
        // A few blocks are enough to walk the data; a header may claim far more than the file holds.
        constexpr int blockFrames = 512;
        std::vector<float> block(static_cast<size_t>(blockFrames * input.channels()));
        for (int blocks = 0; blocks < 8 && input.read(block.data(), blockFrames) > 0; ++blocks)
        {
        }
    }
    catch (const RenderError&)
    {
    }

    return 0;
}
