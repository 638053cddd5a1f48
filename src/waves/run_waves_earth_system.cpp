// The first region's two wave scripts. Both run every frame whatever the
// area: each plays only its own areas' waves, but both pop pending records.
#include "battle/battle_engine.h"
#include "waves/earth_system_waves.h"
#include "waves/wave_script.h"

void RunWavesEarthSystemA(BattleEngine& engine, int32_t /*viewX*/, int32_t viewY, int32_t areaId,
                          uint32_t secondsInArea) {
    waves::RunWaveScript(engine, waves::EarthSystemAArea(areaId), viewY, secondsInArea);
}

void RunWavesEarthSystemB(BattleEngine& engine, int32_t /*viewX*/, int32_t viewY, int32_t areaId,
                          uint32_t secondsInArea) {
    waves::RunWaveScript(engine, waves::EarthSystemBArea(areaId), viewY, secondsInArea);
}
