// Collisions and damage of one frame: area strikes, player shots against
// enemies, the kill sweep with rewards and drops, drops into pickups, and
// enemy shots against the ship, the robots and the allies.
#include "battle/battle_engine.h"
#include "battle/live_boxes.h"
#include "battle/ship_damage.h"

namespace {

constexpr int32_t kStrikeReach = 800;  // per axis from the ship
constexpr int32_t kPlayerShotReach = 1200;
constexpr int32_t kRobotBox = 32;
static_assert(kEnemySlots <= LiveBoxes::kCapacity && kRobotSlots <= LiveBoxes::kCapacity &&
              kAllySlots <= LiveBoxes::kCapacity);
constexpr uint32_t kEscapeArmor = 4;  // armor below this starts the escape
constexpr uint32_t kArmorAfterEscape = 3;
constexpr int kEscapeTrailCleared = 10;

struct Strike {
    uint32_t base;
    uint32_t floor;
};

bool Within(int32_t value, int32_t reach) { return value >= -reach && value <= reach; }

// Either edge of [near, near + size] inside [start, start + span].
bool TouchesInclusive(int32_t nearEdge, int32_t size, int32_t start, int32_t span) {
    const int64_t farEdge = static_cast<int64_t>(nearEdge) + size;
    const int64_t end = static_cast<int64_t>(start) + span;
    return (start <= farEdge && farEdge <= end) || (start <= nearEdge && nearEdge <= end);
}

// Shields, then armor, as a player shot and an enemy shot on an ally deal it.
void ShieldsThenArmor(uint32_t& shields, uint32_t& armor, uint32_t damage) {
    if (shields != 0) Absorb(shields, damage);
    if (armor != 0 && damage != 0) armor = armor >= damage ? armor - damage : 0;
}

uint8_t PickupKindForRoll(uint32_t roll) {
    if (roll <= 20) return kPickupGold;
    if (roll <= 40) return kPickupCrystal;
    if (roll <= 60) return kPickupFavors;
    if (roll <= 80) return kPickupShipMaterial;
    if (roll <= 100) return kPickupRobotMaterial;
    return kPickupBuildingMaterial;
}

}  // namespace

void BattleEngine::ResolveCombat(int32_t camX, int32_t camY, uint32_t* experience, uint32_t* shields, uint32_t* armor) {
    dropQueue.count = 0;
    // Reach is measured from where the ship is drawn.
    const int32_t drawnX = shipX + offsetRight - offsetLeft;
    const int32_t drawnY = shipY + offsetDown - offsetUp;
    const int32_t shipWorldX = drawnX + camX;
    const int32_t shipWorldY = drawnY + camY;

    ApplyAreaStrikes(shipWorldX, shipWorldY);
    HitEnemiesWithPlayerShots(shipWorldX, shipWorldY);
    SweepKills(experience);
    TurnDropsIntoPickups();

    // Robots and allies only leave during the scan, when a shot destroys one.
    LiveBoxes robots, allies;
    for (int r = 0; r < kRobotSlots; ++r)
        if (robot.active[r]) robots.Add(r, robot.x[r], robot.y[r], kRobotBox, kRobotBox);
    for (int a = 0; a < kAllySlots; ++a)
        if (ally.active[a]) allies.Add(a, ally.x[a], ally.y[a], ally.w[a], ally.h[a]);
    for (int i = 0; i < EnemyShotTable::kSlots; ++i) {
        if (!enemyShot.active[i]) continue;
        if (EnemyShotHitsShip(i, camX, camY, drawnX, drawnY)) {
            DamageShip(enemyShot.damage[i], enemyShot.damageType[i], shields, armor);
            continue;
        }
        if (EnemyShotHitsRobot(i, robots)) continue;
        EnemyShotHitsAlly(i, allies);
    }
}

void BattleEngine::ApplyAreaStrikes(int32_t shipWorldX, int32_t shipWorldY) {
    const uint32_t armageddon = skillValues[kSkillArmageddon];
    uint8_t* flags[5] = {&armageddonStrike1, &armageddonStrike2, &ring[0].damageTrigger, &ring[1].damageTrigger,
                         &ring[2].damageTrigger};
    const uint32_t electron = skillValues[kSkillElectronExplosion];
    const uint32_t neutron = skillValues[kSkillNeutronExplosion];
    const uint32_t proton = skillValues[kSkillProtonExplosion];
    const Strike strikes[5] = {{armageddon / 2, armageddon / 40},
                               {armageddon / 2, armageddon / 40},
                               {electron, electron / 10},
                               {neutron, neutron / 20},
                               {proton, proton / 30}};
    const uint32_t powers[5] = {armageddon, armageddon, electron, neutron, proton};
    for (int k = 0; k < 5; ++k) {
        if (*flags[k] != 1) continue;
        *flags[k] = 2;
        // The first enemies in reach take most of the blow; the step doubles
        // with each, and the rest take the floor.
        uint32_t step = powers[k] / 16;
        for (int e = 0; e < kEnemySlots; ++e) {
            if (!enemy.active[e]) continue;
            uint32_t d = strikes[k].base;
            if (!Within(enemy.x[e] - shipWorldX, kStrikeReach) || !Within(enemy.y[e] - shipWorldY, kStrikeReach)) {
                d = 0;
            }
            if (d != 0) {
                if (d >= step) {
                    d -= step;
                    step *= 2;
                } else {
                    d = 0;
                }
            }
            if (d == 0) d = strikes[k].floor;
            ShieldsThenArmor(enemy.shields[e], enemy.armor[e], d);
        }
    }
}

void BattleEngine::HitEnemiesWithPlayerShots(int32_t shipWorldX, int32_t shipWorldY) {
    // Enemies neither move nor leave during the scan: pack the live ones once.
    LiveBoxes enemies;
    for (int e = 0; e < kEnemySlots; ++e)
        if (enemy.active[e]) enemies.Add(e, enemy.x[e], enemy.y[e], enemy.w[e], enemy.h[e]);
    for (int i = 0; i < PlayerShotTable::kSlots; ++i) {
        if (!playerShot.active[i]) continue;
        if (!Within(playerShot.x[i] - shipWorldX, kPlayerShotReach) ||
            !Within(playerShot.y[i] - shipWorldY, kPlayerShotReach)) {
            playerShot.active[i] = 0;
            continue;
        }
        const int hit = enemies.FirstTouched(playerShot.x[i], playerShot.w[i], playerShot.y[i], playerShot.h[i]);
        if (hit < 0) continue;
        const int e = enemies.Slot(hit);
        playerShot.active[i] = 0;
        enemyHitEvent = 1;
        AddSpark(playerShot.x[i] - 9, playerShot.y[i] - 9);
        uint32_t d = playerShot.damage[i];
        if (enemy.shields[e] != 0) Absorb(enemy.shields[e], d);
        if (enemy.armor[e] != 0 && d != 0) enemy.armor[e] = enemy.armor[e] >= d ? enemy.armor[e] - d : 0;
    }
}

void BattleEngine::SweepKills(uint32_t* experience) {
    for (int e = 0; e < kEnemySlots; ++e) {
        if (!enemy.active[e] || enemy.shields[e] != 0 || enemy.armor[e] != 0) continue;
        enemy.active[e] = 0;
        enemyKilledEvent = 1;
        const int32_t x = enemy.x[e], y = enemy.y[e];
        if (enemy.questDrop[e]) {
            questDropPending = 1;
            questDropX = x + 20;
            questDropY = y + 20;
        }
        if (dropQueue.count < DropQueue::kSlots) {
            const int q = dropQueue.count++;
            dropQueue.x[q] = x;
            dropQueue.y[q] = y;
            dropQueue.kind[q] = enemy.dropKind[e];
        }
        if (experience) *experience += static_cast<uint32_t>(enemy.reward[e]);

        const bool large = enemy.w[e] == 64;
        const uint8_t kind = large ? (enemy.mobile[e] ? 2 : 3) : 1;
        const int32_t inset = large ? 33 : 17;
        const int32_t debris = large ? 30 : 15;
        const int slot = AddKillExplosion(x - inset, y - inset, enemy.w[e], kind, frame7);
        if (slot < 0) continue;
        for (int p = 0; p < kDebrisParticles; ++p) {
            killExplosion.debrisX[slot][p] = x + debris;
            killExplosion.debrisY[slot][p] = y + debris;
        }
    }
}

void BattleEngine::TurnDropsIntoPickups() {
    for (int slot = 0; slot < DropQueue::kPickupSlotsFilled && dropQueue.count > 0; ++slot) {
        if (pickup.active[slot]) continue;
        const int q = --dropQueue.count;
        const uint8_t dropKind = dropQueue.kind[q];
        int32_t value = 10;
        if (dropKind == 0) {
            // Ordinary enemies drop only now and then; goodies raise the odds.
            if (!(dropRoll < goodiesBonus + 11)) continue;
        } else {
            value = 100 * dropKind;
        }
        const uint8_t kind = PickupKindForRoll(dropKindRoll);
        pickup.active[slot] = 1;
        pickup.x[slot] = dropQueue.x[q];
        pickup.y[slot] = dropQueue.y[q];
        pickup.kind[slot] = kind;
        pickup.frame[slot] = kind;
        pickup.value[slot] = value;
    }
}

bool BattleEngine::EnemyShotHitsShip(int i, int32_t camX, int32_t camY, int32_t drawnX, int32_t drawnY) {
    const int32_t x = enemyShot.x[i] - camX;
    const int32_t y = enemyShot.y[i] - camY;
    for (int b = 0; b < kShipBoxCount; ++b) {
        const int32_t* box = shipHitBoxes[b];
        if (!TouchesInclusive(x, enemyShot.w[i], drawnX + box[0], box[2]) ||
            !TouchesInclusive(y, enemyShot.h[i], drawnY + box[1], box[3])) {
            continue;
        }
        enemyShot.active[i] = 0;
        AddHitFlash(enemyShot.x[i] - 10, enemyShot.y[i] - 10, enemyShot.damageType[i]);
        unitHitEvent = 1;
        return true;
    }
    return false;
}

void BattleEngine::DamageShip(uint32_t damage, uint8_t damageType, uint32_t* shields, uint32_t* armor) {
    ShipDefences ship;
    for (int t = 0; t < 3; ++t) ship.protection[t] = shipProtection[t];
    ship.defence = shipDefence;
    ship.shipProtection = skillValues[kSkillShipProtection];
    ship.particleShields = skillValues[kSkillParticleShields];
    ship.shieldsRecharge = skillValues[kSkillShieldsRecharge];
    ship.hardShields = skillValues[kSkillHardShields];
    ship.extraArmor = skillValues[kSkillExtraArmor];
    ship.hardArmor = skillValues[kSkillHardArmor];
    ship.shields = shipShields;
    ship.armor = shipArmor;
    ship.armorGlow = armorGlow;

    ApplyShipHit(ship, damage, damageType);

    skillValues[kSkillShipProtection] = ship.shipProtection;
    skillValues[kSkillParticleShields] = ship.particleShields;
    skillValues[kSkillShieldsRecharge] = ship.shieldsRecharge;
    skillValues[kSkillHardShields] = ship.hardShields;
    skillValues[kSkillExtraArmor] = ship.extraArmor;
    skillValues[kSkillHardArmor] = ship.hardArmor;
    armorGlow = ship.armorGlow;
    if (ship.particleAbsorbed) shieldsAbsorbed = 1;
    if (ship.shieldStageRan) {
        shipShields = ship.shields;
        if (shields) *shields = ship.shields;
    }
    if (ship.armorStageRan) {
        shipArmor = ship.armor;
        if (armor) *armor = ship.armor;
    }
    if (shipArmor < kEscapeArmor) {
        emergencyEscape = 1;
        escapeStep = 0;
        for (int k = 0; k < kEscapeTrailCleared; ++k) escapeTrail[k] = 0;
        shipArmor = kArmorAfterEscape;
        if (armor) *armor = kArmorAfterEscape;
    }
}

bool BattleEngine::EnemyShotHitsRobot(int i, LiveBoxes& robots) {
    const int hit = robots.FirstTouched(enemyShot.x[i], enemyShot.w[i], enemyShot.y[i], enemyShot.h[i]);
    if (hit < 0) return false;
    const int r = robots.Slot(hit);
    enemyShot.active[i] = 0;
    unitHitEvent = 1;
    AddHitFlash(enemyShot.x[i] - 10, enemyShot.y[i] - 10, enemyShot.damageType[i]);

    uint32_t d = enemyShot.damage[i];
    uint32_t extra = 0;
    if (enemyShot.damageType[i] != 0) {
        const uint64_t needed = 5ull * d + 5;
        uint64_t held = robot.protection[r];
        if (skillValues[kSkillRobotProtection] != 0) held += robotProtectionBonus;
        extra = held < needed ? static_cast<uint32_t>(needed - held) : 0;
        if (++robotHitCounter > activeRobotCount) {
            robotHitCounter = 0;
            if (skillValues[kSkillRobotProtection] != 0) --skillValues[kSkillRobotProtection];
        }
    }
    d = AfterDefence(d, robot.defence[r]) + extra;
    if (d < 2) d = 2;
    if (robot.shields[r] != 0) Absorb(robot.shields[r], d);
    if (d != 0 && robot.armor[r] != 0) {
        // Robot armor takes half of what gets through.
        const uint32_t share = d / 2 == 0 ? 1 : d / 2;
        robot.armor[r] = robot.armor[r] > share ? robot.armor[r] - share : 0;
    }
    if (robot.shields[r] == 0 && robot.armor[r] == 0) {
        robots.Remove(hit);
        robot.active[r] = 0;
        robot.fading[r] = 1;
        robot.fadeAlpha[r] = 200;
        robotsChanged = 1;
        const uint8_t type = robot.type[r];
        if (type < kRobotTypes && robotTypeCounts[type] > 0) --robotTypeCounts[type];
        robotLostEvent = 1;
    }
    return true;
}

bool BattleEngine::EnemyShotHitsAlly(int i, LiveBoxes& allies) {
    const int hit = allies.FirstTouched(enemyShot.x[i], enemyShot.w[i], enemyShot.y[i], enemyShot.h[i]);
    if (hit < 0) return false;
    const int a = allies.Slot(hit);
    enemyShot.active[i] = 0;
    unitHitEvent = 1;
    AddHitFlash(enemyShot.x[i] - 10, enemyShot.y[i] - 10, enemyShot.damageType[i]);

    uint32_t d = enemyShot.damage[i];
    if (enemyShot.damageType[i] != 0) {
        const uint32_t protection = ally.protection[a];
        d += protection >= d ? 1 : 3 * (d - protection);
    }
    ShieldsThenArmor(ally.shields[a], ally.armor[a], d);
    if (ally.shields[a] == 0 && ally.armor[a] == 0) {
        allies.Remove(hit);
        ally.active[a] = 0;
        ally.fading[a] = 1;
        ally.fadeAlpha[a] = 200;
        allyLostEvent = 1;
    }
    return true;
}
