#include "FactoryBank.h"

#include "PluginProcessor.h"
#include "VelaParameters.h"
#include "effects/LumDigiDelay.h"

#include <memory>

namespace
{
// The engine's choice values, named for the table below.
using Engine = LumDigiDelay;
using VelaParameters::hostValue;
constexpr float chorus = Engine::chorus, vibrato = Engine::vibrato, flanger = Engine::flanger, pan = Engine::pan,
                phaser = Engine::phaser, tremolo = Engine::tremolo;
constexpr float pre = hostValue(Engine::ModRouting::pre), post = hostValue(Engine::ModRouting::post),
                bypass = hostValue(Engine::ModRouting::bypass);
constexpr float dotted = hostValue(Engine::SyncMode::dotted), triplet = hostValue(Engine::SyncMode::triplet);
constexpr float on = 1;
// Tempo-synced note lengths are exponents: 3 is an eighth note, 4 a quarter note.
constexpr float eighth = 3, quarter = 4;
} // namespace

const std::vector<FactoryPreset>& factoryBank()
{
    static const std::vector<FactoryPreset> bank {
        { "Init", {} },
        { "Clean Slapback",
          { { "time", 95 }, { "feedback", 8 }, { "mix", 35 }, { "lowpass", 12000 }, { "highpass", 90 },
            { "modRouting", bypass } } },
        { "Dotted Eighth",
          { { "syncTempo", on }, { "syncMode", dotted }, { "time", eighth }, { "feedback", 42 }, { "mix", 32 },
            { "lowpass", 9000 }, { "highpass", 120 }, { "modRouting", bypass } } },
        { "Quarter Note Echo",
          { { "syncTempo", on }, { "time", quarter }, { "feedback", 38 }, { "mix", 30 }, { "lowpass", 8000 },
            { "highpass", 100 }, { "modRouting", bypass } } },
        { "Triplet Ping",
          { { "syncTempo", on }, { "syncMode", triplet }, { "time", quarter }, { "spread", 60 },
            { "feedback", 45 }, { "mix", 35 }, { "lowpass", 10000 }, { "modRouting", bypass } } },
        { "Wide Spread",
          { { "time", 280 }, { "spread", 85 }, { "feedback", 45 }, { "mix", 40 }, { "modType", chorus },
            { "modRouting", post }, { "modAmount", 20 }, { "modFreq", 0.3f } } },
        { "Dark Repeats",
          { { "time", 420 }, { "feedback", 72 }, { "lowpass", 1800 }, { "highpass", 150 }, { "mix", 40 },
            { "modRouting", bypass } } },
        { "Chorus Echo",
          { { "time", 350 }, { "feedback", 40 }, { "mix", 40 }, { "modType", chorus }, { "modRouting", pre },
            { "modAmount", 60 }, { "modFreq", 0.6f } } },
        { "Flanger Wash",
          { { "time", 500 }, { "feedback", 55 }, { "mix", 50 }, { "modType", flanger }, { "modRouting", post },
            { "modAmount", 70 }, { "modFreq", 0.15f }, { "modFeedback", 75 } } },
        { "Phaser Delay",
          { { "time", 375 }, { "feedback", 45 }, { "mix", 45 }, { "modType", phaser }, { "modRouting", post },
            { "modAmount", 80 }, { "modFreq", 0.3f }, { "modFeedback", 60 } } },
        { "Tremolo Pulse",
          { { "syncTempo", on }, { "time", eighth }, { "feedback", 35 }, { "mix", 45 }, { "modType", tremolo },
            { "modRouting", post }, { "modAmount", 60 }, { "modFreq", 4 } } },
        { "Auto-Pan Echo",
          { { "time", 330 }, { "feedback", 50 }, { "spread", 30 }, { "mix", 45 }, { "modType", pan },
            { "modRouting", post }, { "modAmount", 90 }, { "modFreq", 0.5f } } },
        { "Tape Wobble",
          { { "time", 280 }, { "feedback", 50 }, { "lowpass", 6000 }, { "highpass", 80 }, { "mix", 40 },
            { "modType", vibrato }, { "modRouting", pre }, { "modAmount", 35 }, { "modFreq", 1.2f } } },
        { "Infinite Pad",
          { { "time", 800 }, { "feedback", 98 }, { "spread", 40 }, { "lowpass", 5000 }, { "highpass", 200 },
            { "mix", 45 }, { "modType", chorus }, { "modRouting", post }, { "modAmount", 40 },
            { "modFreq", 0.1f } } },
    };

    return bank;
}

bool writeFactoryBank(const juce::File& folder)
{
    if (! folder.createDirectory())
        return false;

    for (const auto& preset : factoryBank())
    {
        const auto processor = std::make_unique<VelaAudioProcessor>();

        for (const auto& [id, value] : preset.settings)
        {
            auto* parameter = processor->valueTreeState.getParameter(id);
            jassert(parameter != nullptr);
            parameter->setValueNotifyingHost(parameter->convertTo0to1(value));
        }

        if (! processor->writePresetFile(folder.getChildFile(juce::String(preset.name) + ".preset")))
            return false;
    }

    return true;
}
