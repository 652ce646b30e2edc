#include "Contenders.h"

const char* const velaUri = "https://quillon.invalid/plugins/vela";
const char* const noopUri = "https://quillon.invalid/bench/noop";
const char* const passThroughUri = "https://quillon.invalid/bench/juce-pass-through";

namespace
{
const char* const modTypeNames[] = { "Chorus", "Vibrato", "Flanger", "Pan", "Phaser", "Tremolo", "Delay" };

Contender vela(std::string setting, std::vector<VelaParameter> parameters, Role role = Role::vela)
{
    return { "Vela, " + setting, velaUri, role, {}, std::move(parameters) };
}

// Peers run at their defaults, except that the LSP delays start with every tap off: one 250 ms tap is switched
// on, so that each plug-in in the table makes an echo.
std::vector<Contender> peers()
{
    return {
        { "Calf Vintage Delay", "http://calf.sourceforge.net/plugins/VintageDelay", Role::peer, {}, {} },
        { "ZamDelay (mono, one per side)", "urn:zamaudio:ZamDelay", Role::peer, {}, {}, true },
        { "LSP Artistic Delay", "http://lsp-plug.in/plugins/lv2/art_delay_stereo", Role::peer,
          { { "on0", 1.0f }, { "dadd0", 0.25f }, { "fbe0", 1.0f }, { "fbg0", 0.5f } }, {} },
        { "LSP Slap-back Delay", "http://lsp-plug.in/plugins/lv2/slap_delay_stereo", Role::peer,
          { { "dm0", 1.0f }, { "dt0", 250.0f } }, {} },
        { "mda Delay", "http://drobilla.net/plugins/mda/Delay", Role::bareDelay, {}, {} },
        { "mda DubDelay", "http://drobilla.net/plugins/mda/DubDelay", Role::peer, {}, {} },
    };
}
} // namespace

std::vector<Contender> comparisonContenders()
{
    std::vector<Contender> all { { "no-op (host overhead)", noopUri, Role::baseline, {}, {} },
                                 vela("defaults (Chorus, Pre)", {}, Role::velaDefaults) };

    for (int type = 1; type < 7; ++type)
        all.push_back(vela(std::string(modTypeNames[type]) + ", Pre", { { "modType", static_cast<float>(type) } }));
    all.push_back(vela("Chorus, Post", { { "modRouting", 1.0f } }));
    all.push_back(vela("modulation bypassed", { { "modRouting", 2.0f } }, Role::velaWithoutModulation));
    all.push_back(vela("tempo-synced, a quarter note", { { "syncTempo", 1.0f }, { "time", 4.0f } }));
    all.push_back({ "JUCE pass-through, 14 parameters", passThroughUri, Role::juceBaseline, {}, {} });

    for (Contender& peer : peers())
        all.push_back(std::move(peer));
    return all;
}

Contender velaWithFeedback(float percent)
{
    return vela("feedback " + std::to_string(static_cast<int>(percent)) + " %", { { "feedback", percent } });
}
