#pragma once

struct RegionData;

// The first region, "Earth System": areas 2 to 28 with their portals and
// travel menu, structures, waves and quests.
const RegionData& EarthSystemRegion();
