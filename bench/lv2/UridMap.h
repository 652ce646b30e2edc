#pragma once

#include <lv2/core/lv2.h>
#include <lv2/urid/urid.h>

#include <string>
#include <vector>

// The host's URI <-> URID table, handed to plug-ins as the urid:map and urid:unmap features.
class UridMap
{
public:
    UridMap();

    UridMap(const UridMap&) = delete;
    UridMap& operator=(const UridMap&) = delete;

    LV2_URID map(const char* uri);
    const char* unmap(LV2_URID urid) const;

    LV2_URID_Map* mapInterface() { return &mapData; }
    const LV2_Feature* mapFeature() const { return &mapFeatureRecord; }
    const LV2_Feature* unmapFeature() const { return &unmapFeatureRecord; }

private:
    std::vector<std::string> uris; // URID n is uris[n - 1]
    LV2_URID_Map mapData {};
    LV2_URID_Unmap unmapData {};
    LV2_Feature mapFeatureRecord {};
    LV2_Feature unmapFeatureRecord {};
};
