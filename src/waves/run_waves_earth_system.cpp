// The first region's two wave scripts. Both run every frame whatever the
// area: each plays only its own areas' waves, but both pop pending records.
#include "battle/battle_engine.h"
#include "waves/earth_system_waves.h"
#include "waves/wave_script.h"

void BattleEngine::RunWavesEarthSystemA(int32_t /*viewX*/, int32_t viewY, int32_t areaId, uint32_t secondsInArea) {
    waves::RunWaveScript(*this, waves::EarthSystemAArea(areaId), viewY, secondsInArea);
}

void BattleEngine::RunWavesEarthSystemB(int32_t /*viewX*/, int32_t viewY, int32_t areaId, uint32_t secondsInArea) {
    waves::RunWaveScript(*this, waves::EarthSystemBArea(areaId), viewY, secondsInArea);
}
