#pragma once
#include <cstdint>

#include "waves/wave_script.h"

class BattleEngine;

// The second region's two wave scripts, run every frame in this order after
// combat. A plays areas 2-20 (the hubs 6, 9 and 15 have no waves) and leaves
// nothing waiting; B carries the late areas 21 and 23-28 and only pops.
void RunWavesInvasionsA(BattleEngine& engine, int32_t viewX, int32_t viewY, int32_t areaId, uint32_t secondsInArea);
void RunWavesInvasionsB(BattleEngine& engine, int32_t viewX, int32_t viewY, int32_t areaId, uint32_t secondsInArea);

namespace waves {

// The block of an area in the second region's first script, or null.
const AreaScript* InvasionsAArea(int32_t areaId);

// The block of an area in the second region's late-area script, or null:
// the first region's late blocks, with the clan base commander in its first wave.
const AreaScript* InvasionsBArea(int32_t areaId);

}  // namespace waves
