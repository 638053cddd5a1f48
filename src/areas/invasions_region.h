#pragma once

struct RegionData;

// The second region, "Invasions": areas 2 to 20 with their portals, waves
// and allied units. The frame is the battle regions' one.
const RegionData& InvasionsRegion();
