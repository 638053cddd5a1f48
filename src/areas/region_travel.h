#pragma once
#include <cstdint>

#include "areas/region_scene.h"

// How one travel-menu row shows in a hub.
struct TravelRowView {
    bool active = false;
    bool current = false;  // the hub the ship is in: drawn marked, does nothing
    const char* text = "";
    int32_t width = 0;
};

TravelRowView ViewTravelRow(const GameApp& app, const RegionData& region, int32_t hub, int row);

// A travel inside the region: the next frame loads the target area.
void TravelWithinRegion(GameApp& app, const TravelTarget& to);
