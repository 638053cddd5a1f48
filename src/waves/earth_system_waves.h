#pragma once
#include <cstdint>

#include "waves/wave_script.h"

// The wave tables of the first region. RunWavesEarthSystemA plays areas
// 2-16 and 18-20, RunWavesEarthSystemB areas 21 and 23-28; the hubs 17 and
// 22 have no waves.
namespace waves {

// The block of an area in the first script, or null when it has none.
const AreaScript* EarthSystemAArea(int32_t areaId);

// The block of an area in the second script, or null when it has none.
const AreaScript* EarthSystemBArea(int32_t areaId);

}  // namespace waves

class BattleEngine;

// One frame of each script, run by the first region's scene whatever the area.
void RunWavesEarthSystemA(BattleEngine& engine, int32_t viewX, int32_t viewY, int32_t areaId, uint32_t secondsInArea);
void RunWavesEarthSystemB(BattleEngine& engine, int32_t viewX, int32_t viewY, int32_t areaId, uint32_t secondsInArea);
