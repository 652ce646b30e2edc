#pragma once

#include "UridMap.h"

#include <lilv/lilv.h>
#include <lv2/atom/atom.h>
#include <lv2/options/options.h>

#include <cstdint>
#include <string>
#include <vector>

struct ControlSetting
{
    std::string symbol;
    float value;
};

// One activated plug-in instance with every port connected: controls to their defaults or the given settings,
// atom inputs to an event sequence the host fills before each block, everything else to scratch buffers.
class Lv2Instance
{
public:
    Lv2Instance(LilvWorld* world, const LilvPlugin* plugin, UridMap& urids, double rate, int maxBlockSize,
                const std::vector<ControlSetting>& settings);
    ~Lv2Instance();

    Lv2Instance(const Lv2Instance&) = delete;
    Lv2Instance& operator=(const Lv2Instance&) = delete;

    int audioInputs() const { return static_cast<int>(audioInputPorts.size()); }
    int audioOutputs() const { return static_cast<int>(audioOutputPorts.size()); }

    void connectAudioInput(int index, const float* samples);
    void connectAudioOutput(int index, float* samples);

    // The first atom input, or nullptr; its capacity in bytes is eventCapacity.
    LV2_Atom_Sequence* eventInput();
    static constexpr uint32_t eventCapacity = 16384;

    void run(uint32_t frames);

private:
    struct AtomBuffer
    {
        std::vector<uint64_t> storage; // 8-byte aligned, as atoms require
        LV2_Atom_Sequence* sequence() { return reinterpret_cast<LV2_Atom_Sequence*>(storage.data()); }
    };

    void connectPorts(LilvWorld* world, const LilvPlugin* plugin, const std::vector<ControlSetting>& settings);
    void setUpOptions(UridMap& urids, double rate, int maxBlockSize);

    LilvInstance* instance = nullptr;
    LV2_URID sequenceType = 0;
    LV2_URID chunkType = 0;
    std::vector<uint32_t> audioInputPorts;
    std::vector<uint32_t> audioOutputPorts;
    std::vector<float> controls;
    std::vector<float> scratch;
    std::vector<AtomBuffer> atomInputs;
    std::vector<AtomBuffer> atomOutputs;

    int32_t blockLengths[2] {};
    float sampleRate = 0.0f;
    int32_t sequenceSize = eventCapacity;
    std::vector<LV2_Options_Option> options;
    LV2_Feature optionsFeature {};
    LV2_Feature boundedBlockFeature {};
    std::vector<const LV2_Feature*> features;
};
