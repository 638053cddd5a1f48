// Placeholders for engine operations being written on the combat branch; this
// file goes as soon as they land. They leave the engine as it is.
#include "battle/battle_engine.h"

void BattleEngine::FirePlayerShots(int32_t, int32_t) {}
void BattleEngine::FireAllyShots(int32_t, int32_t) {}
void BattleEngine::FireRobotShots(int32_t, int32_t) {}
void BattleEngine::FireEnemyShots(int32_t, int32_t) {}
void BattleEngine::ResolveCombat(int32_t, int32_t, uint32_t*, uint32_t*, uint32_t*) {}
void BattleEngine::CollectPickups(int32_t, int32_t, uint32_t*, uint32_t*, uint32_t*, uint32_t*, uint32_t*, uint32_t*) {}
void BattleEngine::TestPortals(int32_t, int32_t, int32_t, int32_t) {}
void BattleEngine::SpawnHelpersEarthSystem(uint32_t, uint8_t*) {}
void BattleEngine::Draw(GraphicsDevice*, int32_t, int32_t, SpriteSheet*, uint8_t, Font*, SpriteSheet*, int32_t) {}
