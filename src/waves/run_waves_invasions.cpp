// The second region's two wave scripts: the same interpreter as the first
// region's, framed so that nothing waits from one call to the next.
#include "battle/battle_engine.h"
#include "waves/invasions_waves.h"

void RunWavesInvasionsA(BattleEngine& engine, int32_t /*viewX*/, int32_t viewY, int32_t areaId,
                        uint32_t secondsInArea) {
    waves::RunWaveScript(engine, waves::kInvasionsAFrame, waves::InvasionsAArea(areaId), viewY, secondsInArea);
}

void RunWavesInvasionsB(BattleEngine& engine, int32_t /*viewX*/, int32_t viewY, int32_t areaId,
                        uint32_t secondsInArea) {
    waves::RunWaveScript(engine, waves::kInvasionsBFrame, waves::InvasionsBArea(areaId), viewY, secondsInArea);
}
