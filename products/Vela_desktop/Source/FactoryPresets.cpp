#include "FactoryPresets.h"

#include "VelaFactoryPresetFiles.h"

const LumJuceFactoryPresets::Bank& velaFactoryPresets()
{
    static const auto bank = [] {
        LumJuceFactoryPresets::Bank presets;
        for (int i = 0; i < VelaFactoryPresetFiles::namedResourceListSize; ++i)
        {
            int size = 0;
            const auto* data = VelaFactoryPresetFiles::getNamedResource(VelaFactoryPresetFiles::namedResourceList[i], size);
            const juce::File original(VelaFactoryPresetFiles::originalFilenames[i]);
            presets.push_back({ original.getFileNameWithoutExtension(), data, static_cast<size_t>(size) });
        }
        return presets;
    }();
    return bank;
}
