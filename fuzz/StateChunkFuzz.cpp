// setStateInformation on any bytes a host might hand over: no crash, no hang, no sanitizer report.
#include "FuzzHost.h"
#include "PluginProcessor.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzHost::start();
    static auto& processor = *new VelaAudioProcessor(); // see FuzzHost::start

    processor.setStateInformation(data, static_cast<int>(size));

    // Whatever was accepted must save again as a chunk that reads back.
    juce::MemoryBlock saved;
    processor.getStateInformation(saved);
    processor.setStateInformation(saved.getData(), static_cast<int>(saved.getSize()));
    return 0;
}
