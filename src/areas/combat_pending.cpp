// Placeholder for the engine's message frame, still being written on the
// combat branch; this file goes as soon as it lands. It draws nothing.
#include "battle/battle_engine.h"

void BattleEngine::DrawMessageFrame(SpriteSheet*, int) {}
