#include "Contenders.h"

#include "effects/LumDigiDelay.h"

const char* const velaUri = "https://quillon.invalid/plugins/vela";
const char* const noopUri = "https://quillon.invalid/bench/noop";
const char* const floorUri = "https://quillon.invalid/bench/floor";
const char* const passThroughUri = "https://quillon.invalid/bench/juce-pass-through";

namespace
{
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
        { "mda Delay", "http://drobilla.net/plugins/mda/Delay", Role::lighterPeer, {}, {} },
        { "mda DubDelay", "http://drobilla.net/plugins/mda/DubDelay", Role::lighterPeer, {}, {} },
    };
}
} // namespace

std::vector<Contender> comparisonContenders()
{
    std::vector<Contender> all { { "no-op (host overhead)", noopUri, Role::baseline, {}, {} },
                                 vela("defaults (Chorus, Pre)", {}, Role::velaDefaults) };

    using Engine = LumDigiDelay;
    for (int type = Engine::vibrato; type <= Engine::delayType; ++type)
        all.push_back(
            vela(std::string(Engine::modTypeNames[type]) + ", Pre", { { "modType", static_cast<float>(type) } }));
    const auto routing = [](Engine::ModRouting r) { return static_cast<float>(r); };
    all.push_back(vela("Chorus, Post", { { "modRouting", routing(Engine::ModRouting::post) } }));
    all.push_back(vela("modulation bypassed", { { "modRouting", routing(Engine::ModRouting::bypass) } },
                       Role::velaWithoutModulation));
    all.push_back(vela("tempo-synced, a quarter note", { { "syncTempo", 1.0f }, { "time", 4.0f } }));
    all.push_back({ "JUCE pass-through, 14 parameters", passThroughUri, Role::juceBaseline, {}, {} });
    all.push_back({ "floor: the defaults as straight loops", floorUri, Role::floor, {}, {} });

    for (Contender& peer : peers())
        all.push_back(std::move(peer));
    return all;
}

Contender velaWithFeedback(float percent)
{
    return vela("feedback " + std::to_string(static_cast<int>(percent)) + " %", { { "feedback", percent } });
}
