#pragma once
#include <cstdint>

#include "battle/quest_helper_tables.h"

class BattleEngine;

// Places the helpers of a region's area as the area loads: the units an area
// sets out for its quest (once each time the engine asks for them), and the
// allies bought for the area's quest whose offer still waits. helpArrived,
// when given, is raised when bought allies came.
void SpawnQuestHelpers(BattleEngine& engine, const RegionHelpers& region, uint32_t areaNumber, uint8_t* helpArrived);
