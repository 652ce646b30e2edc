#include "SettingList.h"

#include "NoteValues.h"
#include "PluginParameters.h"
#include "PluginProcessor.h"
#include "RenderError.h"

namespace
{
const std::string timeId = VelaParameters::id(VelaParameters::Id::time);
} // namespace

std::optional<std::string> applySettings(juce::AudioProcessor& processor, const std::vector<ParameterSetting>& settings)
{
    const ParameterSetting* lastTime = nullptr;

    for (const auto& setting : settings)
    {
        const auto exponent = setting.id == timeId ? exponentForNoteValue(setting.value) : std::nullopt;

        if (exponent)
            setRealValue(processor, timeId, *exponent);
        else
            applySetting(processor, setting);

        if (setting.id == timeId)
            lastTime = &setting;
    }

    if (lastTime == nullptr)
        return std::nullopt;

    const bool synced = dynamic_cast<VelaAudioProcessor&>(processor).tailSettings(0.0f).syncTempo;
    const auto given = "time=" + lastTime->value;

    if (exponentForNoteValue(lastTime->value))
    {
        if (! synced)
            throw RenderError(given + " is a note value, which needs --set syncTempo=On");

        return std::nullopt;
    }

    const float time = realValueOf(processor, timeId);

    if (! synced || (time >= 1.0f && time <= 6.0f))
        return std::nullopt;

    return given + " with tempo sync plays " + notePlayedFor(time) + " (1/32 to 1/1 are 1 to 6)";
}
