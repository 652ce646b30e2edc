// Loading any file as a preset, directly and as a program: no crash, no hang, no sanitizer report.
#include "FuzzHost.h"
#include "PluginProcessor.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzHost::start();
    static auto& processor = *new VelaAudioProcessor(); // see FuzzHost::start

    const auto& file = FuzzHost::scratchFile(".preset");
    file.replaceWithData(data, size);
    processor.loadPresetFile(file);
    return 0;
}
