#include "PresetChoice.h"

#include "LumJuceAudioProcessor.h"
#include "RenderError.h"

void applyPreset(juce::AudioProcessor& processor, const std::string& nameOrFile)
{
    auto& plugIn = dynamic_cast<LumJuceAudioProcessor&>(processor);
    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile(nameOrFile);

    if (file.existsAsFile())
    {
        if (! plugIn.loadPresetFile(file))
            throw RenderError(nameOrFile + " is not a preset file");
        return;
    }

    const int index = plugIn.getAllProgramsNames().indexOf(juce::String(nameOrFile), true);

    if (index < 0)
        throw RenderError("no preset file or preset named '" + nameOrFile + "'");

    plugIn.setCurrentProgram(index);
}
