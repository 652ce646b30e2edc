#include "LumDSPEntity.h"

#include <cstdio>

int LumDSPEntity::addr = 0;

LumDSPParameter::LumDSPParameter() = default;
LumDSPParameter::~LumDSPParameter() = default;

LumDSPEntity::LumDSPEntity(float rate) : sampleRate(rate) {}

LumDSPEntity::~LumDSPEntity() = default;

std::vector<LumDSPParameter*>* LumDSPEntity::parameters()
{
    parameterList.clear();

    for (const auto& [address, parameter] : addressMap)
    {
        if (parameter->conditionAddress < 0
            || addressMap.at(parameter->conditionAddress)->value == parameter->conditionValue)
            parameterList.push_back(parameter);
    }

    return &parameterList;
}

void LumDSPEntity::registerParameter(LumDSPParameter* p)
{
    p->conditionAddress = -1;
    p->conditionValue = -1.0f;

    if (p->address == -1)
        p->address = addr;

    addressMap.emplace(p->address, p);
    parameterList.push_back(p);

    std::fprintf(stderr, "[DSP] register parameter %s at address: %i\n", p->identifier.c_str(), p->address);
    ++addr;
}

void LumDSPEntity::setParameterValueForAddress(int address, float v)
{
    LumDSPParameter* p = addressMap.at(address);
    p->value = v;
    p->normalisedValue = v / p->maxValue;
}

float LumDSPEntity::parameterValueForAddress(int address)
{
    return addressMap.at(address)->value;
}

int LumDSPEntity::numberOfParameters() const
{
    return static_cast<int>(addressMap.size());
}

void LumDSPEntity::initParameter(std::string name, std::string identifier, int address, float minValue,
                                 float maxValue, std::vector<std::string> valueStrings, LumDSPParameterUnit unit,
                                 float defaultValue, LumDSPParameter* p, bool registerIt)
{
    p->name = std::move(name);
    p->identifier = std::move(identifier);
    p->address = address < 0 ? addr : address;
    p->minValue = minValue;
    p->maxValue = maxValue;
    p->valueStrings = std::move(valueStrings);
    p->unit = unit;
    p->value = defaultValue;
    p->normalisedValue = defaultValue / maxValue;
    p->conditionAddress = -1;
    p->conditionValue = -1.0f;

    if (registerIt)
        registerParameter(p);
}

void LumDSPEntity::initParameter(std::string name, std::string identifier, int address, float minValue,
                                 float maxValue, std::vector<std::string> valueStrings, LumDSPParameterUnit unit,
                                 float defaultValue, LumDSPParameter* p)
{
    initParameter(std::move(name), std::move(identifier), address, minValue, maxValue, std::move(valueStrings), unit,
                  defaultValue, p, true);
}
