// Firing: the ship's volley, and the robots', allies' and enemies' shots,
// staged first and then moved into the shot tables.
#include "battle/aim_rules.h"
#include "battle/battle_engine.h"
#include "battle/muzzle_offsets.h"

namespace {

constexpr uint8_t kFireTimerFires = 10;
constexpr uint8_t kFireTimerSpent = 11;
constexpr int32_t kEnemyReach = 8000;  // per axis, strictly less
constexpr int32_t kUnitReach = 2000;
constexpr int32_t kEnemyShotSize = 10;
constexpr int32_t kUnitShotSize = 8;
// The ship's shots carry the same 8 x 8 box as robot and ally shots, so
// that a reused slot never keeps another shot's size.
constexpr int32_t kPlayerShotSize = 8;
constexpr int kBarrelFanOffset[kBarrels] = {-2, -1, 0, 1, 2};

bool WithinReach(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY, int32_t reach) {
    const int64_t dx = static_cast<int64_t>(toX) - fromX;
    const int64_t dy = static_cast<int64_t>(toY) - fromY;
    return dx < reach && dx > -reach && dy < reach && dy > -reach;
}

bool GroupFires(const uint8_t (&timers)[3], uint8_t group) {
    return group >= 1 && group <= 3 && timers[group - 1] == kFireTimerFires;
}

void SpendTimers(uint8_t (&timers)[3]) {
    for (uint8_t& timer : timers) {
        if (timer == kFireTimerFires) timer = kFireTimerSpent;
    }
}

template <int N>
void StageUnitShot(UnitShotStaging<N>& staging, int32_t x, int32_t y, int32_t targetX, int32_t targetY,
                   uint32_t damage) {
    const int i = staging.count;
    if (i >= N) return;
    staging.x[i] = x;
    staging.y[i] = y;
    staging.damage[i] = damage;
    uint8_t heading = 0;
    // A target on the shooter itself keeps the entry's last direction.
    if (AimHeading(x, y, targetX, targetY, heading)) {
        const HeadingSteps steps = StepsForHeading(heading);
        staging.unitX[i] = steps.unitX;
        staging.unitY[i] = steps.unitY;
        staging.signX[i] = steps.signX;
        staging.signY[i] = steps.signY;
    }
    staging.count = i + 1;
}

// Moves staged unit shots into the free player shot slots, last staged first.
// Returns how many went in.
template <int N>
int TransferUnitShots(UnitShotStaging<N>& staging, PlayerShotTable& shots) {
    if (staging.count > N - 1) staging.count = 0;
    int moved = 0;
    for (int slot = 0; slot < PlayerShotTable::kSlots && staging.count > 0; ++slot) {
        if (shots.active[slot]) continue;
        const int i = --staging.count;
        shots.active[slot] = 1;
        shots.frame[slot] = 0;
        shots.x[slot] = staging.x[i];
        shots.y[slot] = staging.y[i];
        shots.w[slot] = kUnitShotSize;
        shots.h[slot] = kUnitShotSize;
        shots.unitX[slot] = staging.unitX[i];
        shots.unitY[slot] = staging.unitY[i];
        shots.signX[slot] = staging.signX[i];
        shots.signY[slot] = staging.signY[i];
        shots.damage[slot] = staging.damage[i];
        ++moved;
    }
    staging.count = 0;  // what found no slot is dropped
    return moved;
}

}  // namespace

void BattleEngine::FirePlayerShots(int32_t camX, int32_t camY) {
    int remaining = volleySize;
    if (remaining == 0) return;

    // Barrels take slots from the outside in: 5, 4, 3, 2, 1.
    int slotOfBarrel[kBarrels] = {-1, -1, -1, -1, -1};
    int nextBarrel = kBarrels - 1;
    for (int slot = 0; slot < PlayerShotTable::kSlots && remaining > 0; ++slot) {
        if (playerShot.active[slot]) continue;
        while (nextBarrel >= 0 && !barrelPresent[nextBarrel]) --nextBarrel;
        if (nextBarrel < 0) break;
        playerShot.active[slot] = 1;
        playerShot.frame[slot] = 0;
        slotOfBarrel[nextBarrel--] = slot;
        --remaining;
    }

    const int32_t drawnX = shipX + offsetRight - offsetLeft + camX;
    const int32_t drawnY = shipY + offsetDown - offsetUp + camY;
    const bool fanned = fireMode == 2 || fireMode == 3;
    for (int b = 0; b < kBarrels; ++b) {
        const int slot = slotOfBarrel[b];
        if (slot < 0) continue;
        const int barrelHeading = WrapHeading(heading + (fanned ? kBarrelFanOffset[b] : 0));
        const HeadingSteps steps = StepsForHeading(barrelHeading);
        const MuzzleOffset muzzle = MuzzleFor(b + 1, barrelHeading, fireMode);
        playerShot.x[slot] = drawnX + muzzle.x;
        playerShot.y[slot] = drawnY + muzzle.y;
        playerShot.w[slot] = kPlayerShotSize;
        playerShot.h[slot] = kPlayerShotSize;
        playerShot.unitX[slot] = steps.unitX;
        playerShot.unitY[slot] = steps.unitY;
        playerShot.signX[slot] = steps.signX;
        playerShot.signY[slot] = steps.signY;
        playerShot.damage[slot] = barrelDamage[b];
    }
}

void BattleEngine::AimEnemyShot() {
    const int i = shotStaging.count;
    if (i < 0 || i >= ShotStaging::kSlots) return;
    const HeadingSteps steps = StepsForHeading(shotStaging.aimHeading);
    shotStaging.unitX[i] = steps.unitX;
    shotStaging.unitY[i] = steps.unitY;
    shotStaging.signX[i] = steps.signX;
    shotStaging.signY[i] = steps.signY;
}

void BattleEngine::FireEnemyShots(int32_t, int32_t) {
    ShotStaging& staging = shotStaging;
    staging.count = 0;
    for (int e = 0; e < kEnemySlots; ++e) {
        if (!enemy.active[e] || !GroupFires(enemyFireTimers, enemy.fireGroup[e])) continue;
        enemy.sidestepping[e] = 0;
        enemy.faceRequest[e] = 1;
        if (!WithinReach(enemy.x[e], enemy.y[e], enemy.targetX[e], enemy.targetY[e], kEnemyReach)) continue;

        const int32_t inset = enemy.w[e] == 64 ? 24 : 12;
        const int32_t originX = enemy.x[e] + inset;
        const int32_t originY = enemy.y[e] + inset;
        uint8_t aim = staging.aimHeading;
        AimHeading(enemy.x[e], enemy.y[e], enemy.targetX[e], enemy.targetY[e], aim);

        int fan[5] = {0, 0, 0, 0, 0};
        int shots = 1;
        if (enemy.volley[e] == 3) {
            fan[1] = spreadCounter;
            fan[2] = -static_cast<int>(spreadCounter);
            shots = 3;
        } else if (enemy.volley[e] == 5) {
            const int five[5] = {0, 1, 2, -1, -2};
            for (int k = 0; k < 5; ++k) fan[k] = five[k];
            shots = 5;
        }
        for (int k = 0; k < shots && staging.count < ShotStaging::kSlots; ++k) {
            const int i = staging.count;
            staging.aimHeading = WrapHeading(aim + fan[k]);
            staging.x[i] = originX;
            staging.y[i] = originY;
            staging.damage[i] = enemy.shotDamage[e];
            staging.damageType[i] = enemy.shotType[e];
            AimEnemyShot();
            staging.count = i + 1;
        }
        // aimHeading keeps the volley's last heading: the next enemy that
        // sits on its target fires along it.
        enemyFireEvent = 1;
    }

    if (staging.count > ShotStaging::kSlots - 1) staging.count = 0;
    for (int slot = 0; slot < EnemyShotTable::kSlots && staging.count > 0; ++slot) {
        if (enemyShot.active[slot]) continue;
        const int i = --staging.count;
        enemyShot.active[slot] = 1;
        enemyShot.frame[slot] = 1;
        enemyShot.x[slot] = staging.x[i];
        enemyShot.y[slot] = staging.y[i];
        enemyShot.w[slot] = kEnemyShotSize;
        enemyShot.h[slot] = kEnemyShotSize;
        enemyShot.unitX[slot] = staging.unitX[i];
        enemyShot.unitY[slot] = staging.unitY[i];
        enemyShot.signX[slot] = staging.signX[i];
        enemyShot.signY[slot] = staging.signY[i];
        enemyShot.damage[slot] = staging.damage[i];
        enemyShot.damageType[slot] = staging.damageType[i];
        enemyShot.travelledX[slot] = 0;
        enemyShot.travelledY[slot] = 0;
    }
    staging.count = 0;
    SpendTimers(enemyFireTimers);
}

void BattleEngine::FireRobotShots(int32_t, int32_t) {
    robotShotStaging.count = 0;
    if (!noEnemiesRobots) {
        for (int r = 0; r < kRobotSlots; ++r) {
            if (!robot.active[r] || !GroupFires(robotFireTimers, robot.fireGroup[r])) continue;
            if (!WithinReach(robot.x[r], robot.y[r], robot.targetX[r], robot.targetY[r], kUnitReach)) continue;
            StageUnitShot(robotShotStaging, robot.x[r] + 12, robot.y[r] + 12, robot.targetX[r] + 12,
                          robot.targetY[r] + 12, robot.damage[r]);
        }
        if (TransferUnitShots(robotShotStaging, playerShot) > 0) robotFireEvent = 1;
    }
    SpendTimers(robotFireTimers);
}

void BattleEngine::FireAllyShots(int32_t, int32_t) {
    allyShotStaging.count = 0;
    if (noEnemiesAllies) return;
    for (int a = 0; a < kDrivenAllySlots; ++a) {
        if (!ally.active[a] || !GroupFires(robotFireTimers, ally.fireGroup[a])) continue;
        if (!WithinReach(ally.x[a], ally.y[a], ally.targetX[a], ally.targetY[a], kUnitReach)) continue;
        const int32_t inset = ally.h[a] == 64 ? 30 : 12;
        StageUnitShot(allyShotStaging, ally.x[a] + inset, ally.y[a] + inset, ally.targetX[a] + inset,
                      ally.targetY[a] + inset, ally.damage[a]);
    }
    // The robot pass that follows spends the shared timers.
    if (TransferUnitShots(allyShotStaging, playerShot) > 0) allyFireEvent = 1;
}
