#pragma once
#include <cstdint>

class BattleEngine;
class GraphicsDevice;

// Plain pictures for engine images whose files are missing, so that a
// headless run shows something: each marks its top ("up") so headings show.
void FillMissingBattleArt(BattleEngine& engine);

// A plain view of the battle for looking at a headless run: a world grid,
// shots, robots, enemies and the ship with its flame.
void DrawBattleForTest(BattleEngine& engine, GraphicsDevice* graphics, int32_t camX, int32_t camY);
