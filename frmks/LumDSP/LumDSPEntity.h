#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// No operation of the framework names a unit; the enumeration only types the field.
enum LumDSPParameterUnit : std::int32_t
{
    LumDSPParameterUnitGeneric = 0,
    LumDSPParameterUnitPercent,
    LumDSPParameterUnitMilliseconds,
    LumDSPParameterUnitHertz,
    LumDSPParameterUnitIndexed
};

struct LumDSPParameter
{
    LumDSPParameter();
    ~LumDSPParameter();

    std::string name;
    std::string identifier;
    int address = -1;
    float minValue = 0.0f;
    float maxValue = 1.0f;
    std::vector<std::string> valueStrings;
    LumDSPParameterUnit unit = LumDSPParameterUnitGeneric;
    float value = 0.0f;
    float normalisedValue = 0.0f;
    int conditionAddress = -1;
    float conditionValue = -1.0f;
};

// A DSP object that knows its sample rate and keeps a registry of addressed parameters.
class LumDSPEntity
{
public:
    explicit LumDSPEntity(float sampleRate);
    virtual ~LumDSPEntity();

    LumDSPEntity(const LumDSPEntity&) = delete;
    LumDSPEntity& operator=(const LumDSPEntity&) = delete;

    virtual std::vector<LumDSPParameter*>* parameters();
    virtual void registerParameter(LumDSPParameter* p);
    // Both throw std::out_of_range for an address nobody registered.
    virtual void setParameterValueForAddress(int address, float v);
    virtual float parameterValueForAddress(int address);

    int numberOfParameters() const;

    void initParameter(std::string name, std::string identifier, int address, float minValue, float maxValue,
                       std::vector<std::string> valueStrings, LumDSPParameterUnit unit, float defaultValue,
                       LumDSPParameter* p, bool registerIt);
    void initParameter(std::string name, std::string identifier, int address, float minValue, float maxValue,
                       std::vector<std::string> valueStrings, LumDSPParameterUnit unit, float defaultValue,
                       LumDSPParameter* p);

    // The next automatic address, shared by every entity of the process.
    static int addr;

    float sampleRate;
    int blockSize = 0;

private:
    std::vector<LumDSPParameter*> parameterList;
    std::map<int, LumDSPParameter*> addressMap;
};
