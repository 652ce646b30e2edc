#include "FactoryBank.h"

#include "PluginProcessor.h"
#include "VelaParameters.h"
#include "effects/LumDigiDelay.h"

#include <memory>

namespace
{
// The parameters and the engine's choice values, named for the table below.
using P = VelaParameters::Id;
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
          { { P::time, 95 }, { P::feedback, 8 }, { P::mix, 35 }, { P::lowpass, 12000 }, { P::highpass, 90 },
            { P::modRouting, bypass } } },
        { "Dotted Eighth",
          { { P::syncTempo, on }, { P::syncMode, dotted }, { P::time, eighth }, { P::feedback, 42 }, { P::mix, 32 },
            { P::lowpass, 9000 }, { P::highpass, 120 }, { P::modRouting, bypass } } },
        { "Quarter Note Echo",
          { { P::syncTempo, on }, { P::time, quarter }, { P::feedback, 38 }, { P::mix, 30 }, { P::lowpass, 8000 },
            { P::highpass, 100 }, { P::modRouting, bypass } } },
        { "Triplet Ping",
          { { P::syncTempo, on }, { P::syncMode, triplet }, { P::time, quarter }, { P::spread, 60 },
            { P::feedback, 45 }, { P::mix, 35 }, { P::lowpass, 10000 }, { P::modRouting, bypass } } },
        { "Wide Spread",
          { { P::time, 280 }, { P::spread, 85 }, { P::feedback, 45 }, { P::mix, 40 }, { P::modType, chorus },
            { P::modRouting, post }, { P::modAmount, 20 }, { P::modFreq, 0.3f } } },
        { "Dark Repeats",
          { { P::time, 420 }, { P::feedback, 72 }, { P::lowpass, 1800 }, { P::highpass, 150 }, { P::mix, 40 },
            { P::modRouting, bypass } } },
        { "Chorus Echo",
          { { P::time, 350 }, { P::feedback, 40 }, { P::mix, 40 }, { P::modType, chorus }, { P::modRouting, pre },
            { P::modAmount, 60 }, { P::modFreq, 0.6f } } },
        { "Flanger Wash",
          { { P::time, 500 }, { P::feedback, 55 }, { P::mix, 50 }, { P::modType, flanger }, { P::modRouting, post },
            { P::modAmount, 70 }, { P::modFreq, 0.15f }, { P::modFeedback, 75 } } },
        { "Phaser Delay",
          { { P::time, 375 }, { P::feedback, 45 }, { P::mix, 45 }, { P::modType, phaser }, { P::modRouting, post },
            { P::modAmount, 80 }, { P::modFreq, 0.3f }, { P::modFeedback, 60 } } },
        { "Tremolo Pulse",
          { { P::syncTempo, on }, { P::time, eighth }, { P::feedback, 35 }, { P::mix, 45 }, { P::modType, tremolo },
            { P::modRouting, post }, { P::modAmount, 60 }, { P::modFreq, 4 } } },
        { "Auto-Pan Echo",
          { { P::time, 330 }, { P::feedback, 50 }, { P::spread, 30 }, { P::mix, 45 }, { P::modType, pan },
            { P::modRouting, post }, { P::modAmount, 90 }, { P::modFreq, 0.5f } } },
        { "Tape Wobble",
          { { P::time, 280 }, { P::feedback, 50 }, { P::lowpass, 6000 }, { P::highpass, 80 }, { P::mix, 40 },
            { P::modType, vibrato }, { P::modRouting, pre }, { P::modAmount, 35 }, { P::modFreq, 1.2f } } },
        { "Infinite Pad",
          { { P::time, 800 }, { P::feedback, 98 }, { P::spread, 40 }, { P::lowpass, 5000 }, { P::highpass, 200 },
            { P::mix, 45 }, { P::modType, chorus }, { P::modRouting, post }, { P::modAmount, 40 },
            { P::modFreq, 0.1f } } },
        { "Dotted Ping-Pong",
          { { P::syncTempo, on }, { P::syncMode, dotted }, { P::time, eighth }, { P::pingPong, on },
            { P::feedback, 50 }, { P::mix, 35 }, { P::lowpass, 8000 }, { P::highpass, 120 },
            { P::modRouting, bypass } } },
        { "Ducked Vocal Echo",
          { { P::time, 320 }, { P::feedback, 45 }, { P::mix, 40 }, { P::duck, 70 }, { P::lowpass, 6500 },
            { P::highpass, 180 }, { P::modType, chorus }, { P::modRouting, post }, { P::modAmount, 15 },
            { P::modFreq, 0.4f } } },
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
            auto* parameter = processor->valueTreeState.getParameter(VelaParameters::id(id));
            jassert(parameter != nullptr);
            parameter->setValueNotifyingHost(parameter->convertTo0to1(value));
        }

        if (! processor->writePresetFile(folder.getChildFile(juce::String(preset.name) + ".preset")))
            return false;
    }

    return true;
}
