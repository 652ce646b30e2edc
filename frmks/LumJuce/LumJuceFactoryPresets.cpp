#include "LumJuceFactoryPresets.h"

namespace LumJuceFactoryPresets
{
int writeMissing(const juce::File& folder, const Bank& bank)
{
    if (! folder.createDirectory())
        return 0;

    int written = 0;
    for (const auto& preset : bank)
    {
        const auto file = folder.getChildFile(preset.name + ".preset");
        if (file.exists())
            continue;

        // Written beside it and moved in, so that a full disk leaves no half preset under the real name.
        juce::TemporaryFile temporary(file);
        if (temporary.getFile().replaceWithData(preset.data, preset.size) && ! file.exists()
            && temporary.overwriteTargetFileWithTemporary())
            ++written;
    }

    return written;
}
} // namespace LumJuceFactoryPresets
