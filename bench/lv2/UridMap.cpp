#include "UridMap.h"

UridMap::UridMap()
{
    mapData.handle = this;
    mapData.map = [](LV2_URID_Map_Handle handle, const char* uri) { return static_cast<UridMap*>(handle)->map(uri); };
    unmapData.handle = this;
    unmapData.unmap = [](LV2_URID_Unmap_Handle handle, LV2_URID urid) {
        return static_cast<UridMap*>(handle)->unmap(urid);
    };
    mapFeatureRecord = { LV2_URID__map, &mapData };
    unmapFeatureRecord = { LV2_URID__unmap, &unmapData };
}

LV2_URID UridMap::map(const char* uri)
{
    for (size_t i = 0; i < uris.size(); ++i)
        if (uris[i] == uri)
            return static_cast<LV2_URID>(i + 1);

    uris.emplace_back(uri);
    return static_cast<LV2_URID>(uris.size());
}

const char* UridMap::unmap(LV2_URID urid) const
{
    return urid >= 1 && urid <= uris.size() ? uris[urid - 1].c_str() : nullptr;
}
