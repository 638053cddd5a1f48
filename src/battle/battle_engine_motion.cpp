// What flies on its own: shock-wave rings, shots and kill debris. Steps are
// whole pixels of this frame at fixed speeds, from the scene's steppers.
#include "battle/battle_engine.h"

namespace {

constexpr int32_t kPlayerShotRange = 1000;    // from the ship, per axis
constexpr int32_t kEnemyShotRange = 4000;     // travelled, per axis
constexpr float kRingStepDivisor = 35.0f;

// Debris steps by particle: which speed and which way on each axis.
enum DebrisSpeed : uint8_t { k30, k50, k70, k90, k140, k210 };

struct DebrisStep {
    int8_t signX;
    DebrisSpeed speedX;
    int8_t signY;
    DebrisSpeed speedY;
};

// Columns: patterns 0-2, 3-4, 5 and above.
constexpr DebrisStep kDebrisSteps[3][kDebrisParticles] = {
    {{-1, k30, -1, k90},
     {+1, k70, -1, k140},
     {+1, k140, -1, k210},
     {-1, k90, +1, k30},
     {-1, k70, +1, k210},
     {-1, k140, +1, k70},
     {+1, k70, -1, k30}},
    {{+1, k50, +1, k30},
     {-1, k210, +1, k70},
     {-1, k50, -1, k90},
     {-1, k30, +1, k210},
     {-1, k70, +1, k140},
     {+1, k210, +1, k50},
     {+1, k30, -1, k50}},
    {{-1, k140, -1, k30},
     {+1, k210, +1, k30},
     {+1, k50, +1, k90},
     {-1, k30, +1, k70},
     {-1, k70, +1, k140},
     {-1, k210, +1, k50},
     {+1, k30, -1, k140}},
};

int DebrisColumn(uint8_t pattern) {
    if (pattern <= 2) return 0;
    if (pattern <= 4) return 1;
    return 2;
}

// Signed step of a shot on one axis: unit 0-8 picks the speed class.
int32_t ShotStep(const uint8_t (&steps)[9], int32_t unit, uint8_t sign) {
    const int32_t u = unit < 0 ? 0 : (unit > 8 ? 8 : unit);
    const int32_t step = steps[u];
    return sign ? step : -step;
}

}  // namespace

void BattleEngine::MoveShotsAndWaves(int32_t camX, int32_t camY, uint8_t s70, uint8_t s140, uint8_t s210,
                                     uint8_t s280, uint8_t s350, uint8_t s420, uint8_t s490, uint8_t s560) {
    for (ShockWave& wave : ring) {
        if (wave.state == 0) continue;
        wave.increment = static_cast<float>(s70) / kRingStepDivisor;
        wave.drawScale += wave.increment * wave.growth;
        wave.progress += wave.increment;
        if (!wave.damageTrigger && wave.progress > wave.maxScale / 2.0f) {
            wave.state = 2;
            wave.damageTrigger = 1;
        }
        if (wave.progress > wave.maxScale) {
            wave.progress = 0.0f;
            wave.drawScale = 0.0001f;
            wave.state = 0;
            wave.alpha = 255;
            wave.damageTrigger = 0;
        }
    }

    const uint8_t steps[9] = {0, s70, s140, s210, s280, s350, s420, s490, s560};

    const int32_t shipWorldX = shipX + camX;
    const int32_t shipWorldY = shipY + camY;
    for (int i = 0; i < PlayerShotTable::kSlots; ++i) {
        if (!playerShot.active[i]) continue;
        playerShot.x[i] += ShotStep(steps, playerShot.unitX[i], playerShot.signX[i]);
        playerShot.y[i] += ShotStep(steps, playerShot.unitY[i], playerShot.signY[i]);
        const int32_t dx = playerShot.x[i] - shipWorldX;
        const int32_t dy = playerShot.y[i] - shipWorldY;
        if (dx > kPlayerShotRange || dx < -kPlayerShotRange || dy > kPlayerShotRange || dy < -kPlayerShotRange) {
            playerShot.active[i] = 0;
        }
    }

    for (int i = 0; i < EnemyShotTable::kSlots; ++i) {
        if (!enemyShot.active[i]) continue;
        const int32_t stepX = ShotStep(steps, enemyShot.unitX[i], enemyShot.signX[i]);
        const int32_t stepY = ShotStep(steps, enemyShot.unitY[i], enemyShot.signY[i]);
        enemyShot.x[i] += stepX;
        enemyShot.y[i] += stepY;
        enemyShot.travelledX[i] += stepX;
        enemyShot.travelledY[i] += stepY;
        const int32_t tx = enemyShot.travelledX[i], ty = enemyShot.travelledY[i];
        if (tx > kEnemyShotRange || tx < -kEnemyShotRange || ty > kEnemyShotRange || ty < -kEnemyShotRange) {
            enemyShot.active[i] = 0;
        }
    }
}

void BattleEngine::MoveKillDebris(uint8_t s30, uint8_t s50, uint8_t s70, uint8_t s90, uint8_t s140, uint8_t s210) {
    const int32_t speeds[6] = {s30, s50, s70, s90, s140, s210};
    for (int i = 0; i < KillExplosionTable::kSlots; ++i) {
        if (killExplosion.frame[i] == 0) continue;
        const DebrisStep* row = kDebrisSteps[DebrisColumn(killExplosion.pattern[i])];
        for (int p = 0; p < kDebrisParticles; ++p) {
            killExplosion.debrisX[i][p] += row[p].signX * speeds[row[p].speedX];
            killExplosion.debrisY[i][p] += row[p].signY * speeds[row[p].speedY];
        }
    }
}
