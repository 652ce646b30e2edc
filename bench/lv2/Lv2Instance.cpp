#include "Lv2Instance.h"

#include <lv2/buf-size/buf-size.h>
#include <lv2/core/lv2.h>
#include <lv2/parameters/parameters.h>

#include <cmath>
#include <stdexcept>

namespace
{
// Nodes for the port classes, released with the world's other nodes when this goes out of scope.
struct PortClasses
{
    explicit PortClasses(LilvWorld* w)
        : audio(lilv_new_uri(w, LV2_CORE__AudioPort)), control(lilv_new_uri(w, LV2_CORE__ControlPort)),
          atom(lilv_new_uri(w, LV2_ATOM__AtomPort)), input(lilv_new_uri(w, LV2_CORE__InputPort))
    {
    }

    ~PortClasses()
    {
        for (LilvNode* node : { audio, control, atom, input })
            lilv_node_free(node);
    }

    LilvNode* audio;
    LilvNode* control;
    LilvNode* atom;
    LilvNode* input;
};

float settingFor(const std::vector<ControlSetting>& settings, const char* symbol, float fallback)
{
    for (const ControlSetting& s : settings)
        if (s.symbol == symbol)
            return s.value;
    return fallback;
}
} // namespace

Lv2Instance::Lv2Instance(LilvWorld* world, const LilvPlugin* plugin, UridMap& urids, double rate, int maxBlockSize,
                         const std::vector<ControlSetting>& settings)
{
    sequenceType = urids.map(LV2_ATOM__Sequence);
    chunkType = urids.map(LV2_ATOM__Chunk);
    setUpOptions(urids, rate, maxBlockSize);
    instance = lilv_plugin_instantiate(plugin, rate, features.data());
    if (instance == nullptr)
        throw std::runtime_error(std::string("cannot instantiate ") + lilv_node_as_uri(lilv_plugin_get_uri(plugin)));

    scratch.assign(static_cast<size_t>(maxBlockSize), 0.0f);
    connectPorts(world, plugin, settings);
    lilv_instance_activate(instance);
}

Lv2Instance::~Lv2Instance()
{
    lilv_instance_deactivate(instance);
    lilv_instance_free(instance);
}

void Lv2Instance::setUpOptions(UridMap& urids, double rate, int maxBlockSize)
{
    blockLengths[0] = 1;
    blockLengths[1] = maxBlockSize;
    sampleRate = static_cast<float>(rate);
    const LV2_URID intType = urids.map(LV2_ATOM__Int);

    options = {
        { LV2_OPTIONS_INSTANCE, 0, urids.map(LV2_BUF_SIZE__minBlockLength), sizeof(int32_t), intType, &blockLengths[0] },
        { LV2_OPTIONS_INSTANCE, 0, urids.map(LV2_BUF_SIZE__maxBlockLength), sizeof(int32_t), intType, &blockLengths[1] },
        { LV2_OPTIONS_INSTANCE, 0, urids.map(LV2_BUF_SIZE__nominalBlockLength), sizeof(int32_t), intType,
          &blockLengths[1] },
        { LV2_OPTIONS_INSTANCE, 0, urids.map(LV2_BUF_SIZE__sequenceSize), sizeof(int32_t), intType, &sequenceSize },
        { LV2_OPTIONS_INSTANCE, 0, urids.map(LV2_PARAMETERS__sampleRate), sizeof(float), urids.map(LV2_ATOM__Float),
          &sampleRate },
        { LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr },
    };
    optionsFeature = { LV2_OPTIONS__options, options.data() };
    boundedBlockFeature = { LV2_BUF_SIZE__boundedBlockLength, nullptr };
    features = { urids.mapFeature(), urids.unmapFeature(), &optionsFeature, &boundedBlockFeature, nullptr };
}

void Lv2Instance::connectPorts(LilvWorld* world, const LilvPlugin* plugin, const std::vector<ControlSetting>& settings)
{
    const PortClasses is(world);
    const uint32_t count = lilv_plugin_get_num_ports(plugin);
    std::vector<float> defaults(count);
    lilv_plugin_get_port_ranges_float(plugin, nullptr, nullptr, defaults.data());

    controls.assign(count, 0.0f); // never resized again: ports point into it
    atomInputs.reserve(count);
    atomOutputs.reserve(count);

    for (uint32_t i = 0; i < count; ++i)
    {
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin, i);
        const bool input = lilv_port_is_a(plugin, port, is.input);
        const char* symbol = lilv_node_as_string(lilv_port_get_symbol(plugin, port));

        if (lilv_port_is_a(plugin, port, is.audio))
        {
            (input ? audioInputPorts : audioOutputPorts).push_back(i);
            lilv_instance_connect_port(instance, i, scratch.data());
        }
        else if (lilv_port_is_a(plugin, port, is.control))
        {
            controls[i] = settingFor(settings, symbol, std::isnan(defaults[i]) ? 0.0f : defaults[i]);
            lilv_instance_connect_port(instance, i, &controls[i]);
        }
        else if (lilv_port_is_a(plugin, port, is.atom))
        {
            auto& buffers = input ? atomInputs : atomOutputs;
            buffers.push_back({ std::vector<uint64_t>(eventCapacity / sizeof(uint64_t), 0) });
            buffers.back().sequence()->atom = { sizeof(LV2_Atom_Sequence_Body), sequenceType };
            lilv_instance_connect_port(instance, i, buffers.back().sequence());
        }
        else
        {
            lilv_instance_connect_port(instance, i, scratch.data()); // CV and anything else: silence
        }
    }
}

void Lv2Instance::connectAudioInput(int index, const float* samples)
{
    // LV2 input buffers are read-only for the plug-in; the API just has no const.
    lilv_instance_connect_port(instance, audioInputPorts[static_cast<size_t>(index)], const_cast<float*>(samples));
}

void Lv2Instance::connectAudioOutput(int index, float* samples)
{
    lilv_instance_connect_port(instance, audioOutputPorts[static_cast<size_t>(index)], samples);
}

LV2_Atom_Sequence* Lv2Instance::eventInput()
{
    return atomInputs.empty() ? nullptr : atomInputs.front().sequence();
}

void Lv2Instance::run(uint32_t frames)
{
    // The host writes the first atom input itself; any other one gets an empty sequence.
    for (size_t i = 1; i < atomInputs.size(); ++i)
        atomInputs[i].sequence()->atom = { sizeof(LV2_Atom_Sequence_Body), sequenceType };

    // Output ports carry their capacity in, as an empty chunk.
    for (AtomBuffer& out : atomOutputs)
        out.sequence()->atom = { eventCapacity - static_cast<uint32_t>(sizeof(LV2_Atom)), chunkType };

    lilv_instance_run(instance, frames);
}
