#pragma once
#include <cstdint>

#include "areas/region_data.h"

// How one travel-menu row shows in a hub.
struct TravelRowView {
    bool active = false;
    bool current = false;  // the hub the ship is in: drawn marked, does nothing
    const char* text = "";
    int32_t width = 0;
};

TravelRowView ViewTravelRow(const GameApp& app, const RegionData& region, int32_t hub, int row);

// A travel inside the region: the next frame loads the target area.
void TravelWithinRegion(GameApp& app, RegionScene& scene, const TravelTarget& to);

// The portals of the area that loads, as the region's data places them.
void PlacePortals(GameApp& app, const RegionData& region);
// The travel menu of a hub's main portal or the prompt of another portal
// the ship touches: drawn, and acted on when a row is chosen.
void HandlePortals(GameApp& app, RegionScene& scene);
