#include <gtest/gtest.h>

#include <memory>

#include "battle/battle_engine.h"
#include "battle/ship_damage.h"

namespace {

// One hit through the ship's chain, every absorber given.
struct ChainCase {
    const char* name;
    uint32_t damage;
    uint8_t type;
    ShipDefences before;
    // Expected after the hit.
    uint32_t hardShields, shields, extraArmor, hardArmor, armor, particle;
};

ShipDefences Ship(uint32_t shields, uint32_t armor) {
    ShipDefences s;
    s.shields = shields;
    s.armor = armor;
    return s;
}
ShipDefences WithHard(ShipDefences s, uint32_t hardShields, uint32_t hardArmor) {
    s.hardShields = hardShields;
    s.hardArmor = hardArmor;
    return s;
}
ShipDefences WithExtra(ShipDefences s, uint32_t extra) {
    s.extraArmor = extra;
    return s;
}
ShipDefences WithParticle(ShipDefences s, uint32_t particle) {
    s.particleShields = particle;
    return s;
}

TEST(ShipDamage, WorkedExamplesThroughEveryAbsorber) {
    const ChainCase cases[] = {
        // Hard shields 10, shields 100, d 30: the pair takes 10 each, shields the last 10.
        {"hard shields below half", 30, 0, WithHard(Ship(100, 500), 10, 0), 0, 80, 0, 0, 500, 0},
        // Odd damage there: the carry point goes to the shields, or back into d.
        {"hard shields below half, carry", 31, 0, WithHard(Ship(100, 500), 10, 0), 0, 79, 0, 0, 500, 0},
        {"hard shields below half, carry on", 45, 0, WithHard(Ship(10, 500), 10, 0), 0, 0, 0, 0, 491, 0},
        // Hard shields 100, shields 10, d 30: 10 reach the armor share, 3 and the carry.
        {"shields below half", 30, 0, WithHard(Ship(10, 500), 100, 0), 90, 0, 0, 0, 496, 0},
        // Hard shields at least half: both lose half, nothing further.
        {"pair takes it", 30, 0, WithHard(Ship(100, 500), 40, 0), 25, 85, 0, 0, 500, 0},
        // Odd damage: the carry point goes to the hard shields while they hold.
        {"carry to hard shields", 31, 0, WithHard(Ship(100, 500), 40, 0), 24, 85, 0, 0, 500, 0},
        {"carry to shields when hard spent", 31, 0, WithHard(Ship(100, 500), 15, 0), 0, 84, 0, 0, 500, 0},
        {"carry dropped when both spent", 31, 0, WithHard(Ship(15, 500), 15, 0), 0, 0, 0, 0, 500, 0},
        {"hard shields larger, carry to hard", 31, 0, WithHard(Ship(20, 500), 50, 0), 34, 5, 0, 0, 500, 0},
        // Shields alone.
        {"plain shields", 30, 0, Ship(100, 500), 0, 70, 0, 0, 500, 0},
        {"shields break through", 40, 0, Ship(10, 500), 0, 0, 0, 0, 490, 0},
        // Armor takes a third, rounded by a carry point: 10 -> 3 + 1.
        {"armor share with carry", 10, 0, Ship(0, 50), 0, 0, 0, 0, 46, 0},
        {"armor share exact", 9, 0, Ship(0, 50), 0, 0, 0, 0, 47, 0},
        {"armor share at least 1", 2, 0, Ship(0, 50), 0, 0, 0, 0, 49, 0},
        // Extra armor first, the carry to it while it holds.
        {"extra armor takes it", 10, 0, WithExtra(Ship(0, 50), 10), 0, 0, 6, 0, 50, 0},
        {"extra armor breaks", 30, 0, WithExtra(Ship(0, 50), 4), 0, 0, 0, 0, 44, 0},
        // Hard armor 2, armor 50, d 10 reaching the armor stage (30 before the share).
        {"hard armor below half", 30, 0, WithHard(Ship(0, 50), 0, 2), 0, 0, 0, 0, 42, 0},
        {"hard armor shares", 30, 0, WithHard(Ship(0, 50), 0, 20), 0, 0, 0, 15, 45, 0},
        {"hard armor shares, carry", 33, 0, WithHard(Ship(0, 50), 0, 20), 0, 0, 0, 14, 45, 0},
        {"hard armor larger, armor below half", 60, 0, WithHard(Ship(0, 5), 0, 50), 0, 0, 0, 45, 0, 0},
        {"hard armor larger, armor at half", 30, 0, WithHard(Ship(0, 10), 0, 50), 0, 0, 0, 45, 5, 0},
        // Particle shields absorb before everything.
        {"particle shields hold", 30, 0, WithParticle(Ship(100, 50), 40), 0, 100, 0, 0, 50, 10},
        {"particle shields break", 30, 0, WithParticle(Ship(100, 50), 10), 0, 80, 0, 0, 50, 0},
        // A plain shot of damage 0 still deals 1.
        {"zero damage deals one", 0, 0, Ship(100, 50), 0, 99, 0, 0, 50, 0},
    };
    for (const ChainCase& c : cases) {
        ShipDefences ship = c.before;
        ApplyShipHit(ship, c.damage, c.type);
        EXPECT_EQ(ship.hardShields, c.hardShields) << c.name;
        EXPECT_EQ(ship.shields, c.shields) << c.name;
        EXPECT_EQ(ship.extraArmor, c.extraArmor) << c.name;
        EXPECT_EQ(ship.hardArmor, c.hardArmor) << c.name;
        EXPECT_EQ(ship.armor, c.armor) << c.name;
        EXPECT_EQ(ship.particleShields, c.particle) << c.name;
    }
}

TEST(ShipDamage, TypedShotsAddTheExtraAndWearProtectionDown) {
    // Damage 10 typed against protection 20: 10 + (55 - 20) = 45 on the shields.
    ShipDefences ship = Ship(1000, 500);
    ship.protection[1] = 20;
    ApplyShipHit(ship, 10, 2);
    EXPECT_EQ(ship.shields, 955u);

    // Defence 35 passes three thresholds (10, 22 are passed; 35 is not): -2.
    ship = Ship(1000, 500);
    ship.protection[1] = 20;
    ship.defence = 35;
    ApplyShipHit(ship, 10, 2);
    EXPECT_EQ(ship.shields, 957u);
    EXPECT_EQ(AfterDefence(10, 36), 7u);
    EXPECT_EQ(AfterDefence(20, 1001), 6u);
    EXPECT_EQ(AfterDefence(2, 1001), 0u);

    // Ship Protection adds to the protection and wears down by one a hit.
    ship = Ship(1000, 500);
    ship.protection[0] = 20;
    ship.shipProtection = 40;
    ApplyShipHit(ship, 10, 1);
    EXPECT_EQ(ship.shields, 990u);
    EXPECT_EQ(ship.shipProtection, 39u);

    // A plain shot ignores protection; shields recharge wears only when damage is left.
    ship = Ship(1000, 500);
    ship.shipProtection = 5;
    ship.shieldsRecharge = 3;
    ApplyShipHit(ship, 10, 0);
    EXPECT_EQ(ship.shipProtection, 5u);
    EXPECT_EQ(ship.shieldsRecharge, 2u);
    ship.particleShields = 100;
    ApplyShipHit(ship, 10, 0);
    EXPECT_EQ(ship.shieldsRecharge, 2u);
    EXPECT_EQ(ship.particleAbsorbed, 1);
}

TEST(ShipDamage, ArmorStageClearsTheGlowOnceHardArmorIsGone) {
    ShipDefences ship = WithHard(Ship(0, 50), 0, 2);
    ship.armorGlow = 1;
    ApplyShipHit(ship, 30, 0);
    EXPECT_EQ(ship.armorGlow, 0);
    ship = WithHard(Ship(0, 50), 0, 40);
    ship.armorGlow = 1;
    ApplyShipHit(ship, 30, 0);
    EXPECT_EQ(ship.armorGlow, 1);
    EXPECT_EQ(ship.armorStageRan, 1);
}

class Combat : public ::testing::Test {
protected:
    static constexpr int32_t kCamX = 0;
    static constexpr int32_t kCamY = -1000;

    void SetUp() override { engine = std::make_unique<BattleEngine>(); }

    int AddEnemy(int slot, int32_t x, int32_t y, uint32_t shields, uint32_t armor) {
        engine->enemy.active[slot] = 1;
        engine->enemy.mobile[slot] = 1;
        engine->enemy.x[slot] = x;
        engine->enemy.y[slot] = y;
        engine->enemy.w[slot] = engine->enemy.h[slot] = 32;
        engine->enemy.shields[slot] = shields;
        engine->enemy.armor[slot] = armor;
        return slot;
    }
    // An enemy shot on the ship's middle box (22, 7, 20, 30).
    void ShootShip(uint32_t damage, uint8_t type = 0) {
        engine->AddEnemyShot(engine->shipX + 30 + kCamX, engine->shipY + 20 + kCamY, 10, 10, 0, 8, 0, 1, damage, type,
                             1);
    }
    void Resolve() { engine->ResolveCombat(kCamX, kCamY, &experience, &shields, &armor); }
    int32_t ShipWorldX() const { return engine->shipX + kCamX; }
    int32_t ShipWorldY() const { return engine->shipY + kCamY; }

    std::unique_ptr<BattleEngine> engine;
    uint32_t experience = 0, shields = 0, armor = 0;
};

TEST_F(Combat, EnemyShotOnTheShipRunsTheChainAndReportsThroughThePointers) {
    engine->shipShields = shields = 100;
    engine->shipArmor = armor = 500;
    engine->skillValues[kSkillHardShields] = 10;
    ShootShip(30);
    Resolve();
    EXPECT_EQ(engine->enemyShot.active[0], 0);
    EXPECT_EQ(engine->unitHitEvent, 1);
    EXPECT_EQ(engine->hitFlash.frame[0], 1);
    EXPECT_EQ(shields, 80u);
    EXPECT_EQ(engine->shipShields, 80u);
    EXPECT_EQ(engine->skillValues[kSkillHardShields], 0u);
    EXPECT_EQ(armor, 500u);
    EXPECT_EQ(engine->emergencyEscape, 0);
}

TEST_F(Combat, EscapeStartsWhenArmorFallsBelowFour) {
    engine->shipArmor = armor = 5;
    ShootShip(6);  // a third of 6 is 2: armor 3
    for (int k = 0; k < kEscapeSteps; ++k) engine->escapeTrail[k] = 1;
    Resolve();
    EXPECT_EQ(armor, 3u);
    EXPECT_EQ(engine->shipArmor, 3u);
    EXPECT_EQ(engine->emergencyEscape, 1);
    EXPECT_EQ(engine->escapeStep, 0);
    EXPECT_EQ(engine->escapeTrail[9], 0);
    EXPECT_EQ(engine->escapeTrail[10], 1);

    auto fresh = std::make_unique<BattleEngine>();
    engine.swap(fresh);
    engine->shipArmor = armor = 10;
    ShootShip(18);
    Resolve();
    EXPECT_EQ(armor, 4u);
    EXPECT_EQ(engine->emergencyEscape, 0);
}

TEST_F(Combat, ShotsMissTheShipBesideItsBoxes) {
    engine->shipShields = shields = 100;
    // Left of box 3 (16, 40, 32, 24): x + 10 = 15 is outside.
    engine->AddEnemyShot(engine->shipX + 5 + kCamX, engine->shipY + 45 + kCamY, 10, 10, 0, 8, 0, 1, 30, 0, 1);
    Resolve();
    EXPECT_EQ(engine->enemyShot.active[0], 1);
    // Touching the box's edge counts for the ship (inclusive).
    engine->enemyShot.x[0] += 1;
    Resolve();
    EXPECT_EQ(engine->enemyShot.active[0], 0);
    EXPECT_EQ(shields, 70u);
}

TEST_F(Combat, PlayerShotsHitOneEnemyThroughShieldsThenArmor) {
    AddEnemy(0, 500, -800, 5, 20);
    AddEnemy(1, 500, -800, 5, 20);
    engine->AddPlayerShot(510, -790, 8, 8, 0, 8, 0, 0, 12, 0);
    Resolve();
    EXPECT_EQ(engine->enemy.shields[0], 0u);
    EXPECT_EQ(engine->enemy.armor[0], 13u);
    EXPECT_EQ(engine->enemy.armor[1], 20u) << "a shot hits one enemy";
    EXPECT_EQ(engine->enemyHitEvent, 1);
    EXPECT_EQ(engine->spark.frame[0], 1);
    EXPECT_EQ(engine->spark.x[0], 501);

    // A shot wider than the enemy on an axis covers it and misses.
    engine->AddPlayerShot(490, -790, 60, 8, 0, 8, 0, 0, 12, 0);
    Resolve();
    EXPECT_EQ(engine->playerShot.active[0], 1);
    EXPECT_EQ(engine->enemy.armor[0], 13u);

    // Far from the ship a shot is freed without hitting.
    engine->playerShot.active[0] = 0;
    AddEnemy(2, 368 + 1300, -700, 0, 5);
    engine->AddPlayerShot(368 + 1301, -690, 8, 8, 0, 8, 0, 0, 12, 0);
    Resolve();
    EXPECT_EQ(engine->playerShot.active[0], 0);
    EXPECT_EQ(engine->enemy.armor[2], 5u);
}

TEST_F(Combat, KillCreditsExperienceQueuesADropAndLeavesAnExplosion) {
    AddEnemy(3, 400, -900, 0, 5);
    engine->enemy.reward[3] = 25;
    engine->enemy.questDrop[3] = 1;
    engine->frame7 = 4;
    engine->frame11 = 9;
    engine->dropRoll = 10;  // below 0 + 11
    engine->dropKindRoll = 35;
    engine->AddPlayerShot(405, -895, 8, 8, 0, 8, 0, 0, 9, 0);
    Resolve();
    EXPECT_EQ(engine->enemy.active[3], 0);
    EXPECT_EQ(experience, 25u);
    EXPECT_EQ(engine->enemyKilledEvent, 1);
    EXPECT_EQ(engine->questDropPending, 1);
    EXPECT_EQ(engine->questDropX, 420);
    EXPECT_EQ(engine->questDropY, -880);
    EXPECT_EQ(engine->killExplosion.frame[0], 1);
    EXPECT_EQ(engine->killExplosion.x[0], 383);
    EXPECT_EQ(engine->killExplosion.kind[0], 1);
    EXPECT_EQ(engine->killExplosion.pattern[0], 4);
    EXPECT_EQ(engine->killExplosion.debrisVariant[0], 9);
    EXPECT_EQ(engine->killExplosion.debrisX[0][6], 415);
    ASSERT_EQ(engine->pickup.active[0], 1);
    EXPECT_EQ(engine->pickup.value[0], 10);
    EXPECT_EQ(engine->pickup.kind[0], kPickupCrystal);
    EXPECT_EQ(engine->pickup.x[0], 400);

    // A stationary 64 px unit blows up as kind 3, further out.
    AddEnemy(4, 400, -900, 0, 0);
    engine->enemy.w[4] = engine->enemy.h[4] = 64;
    engine->enemy.mobile[4] = 0;
    Resolve();
    EXPECT_EQ(engine->killExplosion.kind[1], 3);
    EXPECT_EQ(engine->killExplosion.x[1], 367);
    EXPECT_EQ(engine->killExplosion.debrisY[1][0], -870);
}

TEST_F(Combat, DropRollsDecideOrdinaryDropsAndCarriedOnesAlwaysCome) {
    const struct {
        uint32_t dropRoll, goodies, kindRoll;
        uint8_t dropKind;
        bool dropped;
        int32_t value;
        uint8_t kind;
    } rows[] = {
        {11, 0, 1, 0, false, 0, 0},
        {10, 0, 20, 0, true, 10, kPickupGold},
        {30, 20, 21, 0, true, 10, kPickupCrystal},
        {31, 20, 60, 0, false, 0, 0},
        {120, 0, 61, 3, true, 300, kPickupShipMaterial},
        {5, 0, 100, 1, true, 100, kPickupRobotMaterial},
        {5, 0, 101, 2, true, 200, kPickupBuildingMaterial},
        {5, 0, 41, 0, true, 10, kPickupFavors},
    };
    for (const auto& r : rows) {
        engine = std::make_unique<BattleEngine>();
        AddEnemy(0, 400, -900, 0, 0);
        engine->enemy.dropKind[0] = r.dropKind;
        engine->dropRoll = r.dropRoll;
        engine->goodiesBonus = r.goodies;
        engine->dropKindRoll = r.kindRoll;
        Resolve();
        EXPECT_EQ(engine->pickup.active[0], r.dropped ? 1 : 0) << r.dropRoll << " " << r.kindRoll;
        if (!r.dropped) continue;
        EXPECT_EQ(engine->pickup.value[0], r.value) << r.kindRoll;
        EXPECT_EQ(engine->pickup.kind[0], r.kind) << r.kindRoll;
        EXPECT_EQ(engine->pickup.frame[0], r.kind) << r.kindRoll;
    }
}

TEST_F(Combat, HundredKillsInOneFrameStayInsideTheDropQueue) {
    for (int e = 0; e < kEnemySlots; ++e) {
        AddEnemy(e, 10 * e, -900, 0, 0);
        engine->enemy.dropKind[e] = 1;
        engine->enemy.reward[e] = 2;
    }
    for (int p = 0; p < 10; ++p) engine->pickup.active[p] = 1;  // a few pickups already lie about
    Resolve();
    EXPECT_EQ(experience, 200u);
    int made = 0;
    for (int p = 0; p < kPickupSlots; ++p) made += engine->pickup.active[p];
    EXPECT_EQ(made, 50) << "drops fill pickup slots 10-49";
    EXPECT_EQ(engine->pickup.active[50], 0);
    // Last queued first: slot 10 holds the last enemy's drop.
    EXPECT_EQ(engine->pickup.x[10], 990);
    // The next frame starts an empty queue.
    Resolve();
    EXPECT_EQ(engine->dropQueue.count, 0);
}

TEST_F(Combat, StrikesTakeMostOfThePowerFromTheFirstEnemiesInReach) {
    // Ring 1 at power 1600: step 100, then 200, 400, 800; floor 160.
    engine->skillValues[kSkillElectronExplosion] = 1600;
    engine->ring[0].damageTrigger = 1;
    AddEnemy(0, ShipWorldX() + 900, ShipWorldY(), 0, 10000);  // out of reach: the floor
    for (int e = 1; e <= 5; ++e) AddEnemy(e, ShipWorldX() + 100 * e, ShipWorldY() - 800, 0, 10000);
    engine->enemy.shields[1] = 500;
    Resolve();
    EXPECT_EQ(engine->ring[0].damageTrigger, 2);
    EXPECT_EQ(10000 - engine->enemy.armor[0], 160u);
    EXPECT_EQ(engine->enemy.shields[1], 0u);
    EXPECT_EQ(10000 - engine->enemy.armor[1], 1000u) << "1500 less the 500 of shields";
    EXPECT_EQ(10000 - engine->enemy.armor[2], 1400u);
    EXPECT_EQ(10000 - engine->enemy.armor[3], 1200u);
    EXPECT_EQ(10000 - engine->enemy.armor[4], 800u);
    EXPECT_EQ(10000 - engine->enemy.armor[5], 160u);
    // Applied once.
    Resolve();
    EXPECT_EQ(10000 - engine->enemy.armor[5], 160u);
}

TEST_F(Combat, EnemiesOutOfReachTakeEachStrikesFloor) {
    // Power 12000: Armageddon's floor is P / 40, the rings' P / 10, P / 20, P / 30.
    const struct {
        int skill;
        int flag;  // 0, 1 the Armageddon strikes, 2-4 the rings
        uint32_t floor;
    } rows[] = {{kSkillArmageddon, 0, 300},        {kSkillArmageddon, 1, 300},
                {kSkillElectronExplosion, 2, 1200}, {kSkillNeutronExplosion, 3, 600},
                {kSkillProtonExplosion, 4, 400}};
    for (const auto& r : rows) {
        engine = std::make_unique<BattleEngine>();
        engine->skillValues[r.skill] = 12000;
        uint8_t* flags[5] = {&engine->armageddonStrike1, &engine->armageddonStrike2, &engine->ring[0].damageTrigger,
                             &engine->ring[1].damageTrigger, &engine->ring[2].damageTrigger};
        *flags[r.flag] = 1;
        AddEnemy(0, ShipWorldX(), ShipWorldY() + 801, 0, 100000);
        Resolve();
        EXPECT_EQ(100000 - engine->enemy.armor[0], r.floor) << r.flag;
        EXPECT_EQ(*flags[r.flag], 2) << r.flag;
    }
}

TEST_F(Combat, TwoStrikesInOneFrameEachStartTheirOwnStep) {
    // Armageddon 3200: base 1600, step 200 (7/8 of the base first); floor 80.
    engine->skillValues[kSkillArmageddon] = 3200;
    engine->skillValues[kSkillProtonExplosion] = 3000;  // floor 100, step 187
    engine->armageddonStrike1 = 1;
    engine->ring[2].damageTrigger = 1;
    AddEnemy(0, ShipWorldX(), ShipWorldY() - 100, 0, 100000);
    AddEnemy(1, ShipWorldX(), ShipWorldY() + 100, 0, 100000);
    Resolve();
    EXPECT_EQ(100000 - engine->enemy.armor[0], (1600u - 200u) + (3000u - 187u));
    EXPECT_EQ(100000 - engine->enemy.armor[1], (1600u - 400u) + (3000u - 374u));
    EXPECT_EQ(engine->armageddonStrike1, 2);
    EXPECT_EQ(engine->armageddonStrike2, 0);
}

TEST_F(Combat, TypedShotsOnRobotsAddFiveDPlusFiveAboveTheirProtection) {
    // Damage 10 typed: 55 against protection 20 adds 35; the robot's armor
    // takes half of 45. With Robot Protection held its bonus counts too.
    const struct {
        uint32_t protection, skill, bonus, armorLost;
    } rows[] = {{20, 0, 0, 22}, {20, 3, 30, 7}, {20, 0, 30, 22}, {60, 0, 0, 5}};
    for (const auto& r : rows) {
        engine = std::make_unique<BattleEngine>();
        engine->robot.active[0] = 1;
        engine->robot.x[0] = 100;
        engine->robot.y[0] = -100;
        engine->robot.armor[0] = 1000;
        engine->robot.protection[0] = r.protection;
        engine->skillValues[kSkillRobotProtection] = r.skill;
        engine->robotProtectionBonus = r.bonus;
        engine->activeRobotCount = 5;
        engine->AddEnemyShot(105, -95, 10, 10, 0, 8, 0, 1, 10, 2, 1);
        Resolve();
        EXPECT_EQ(1000 - engine->robot.armor[0], r.armorLost) << r.protection << " " << r.bonus;
    }
}

TEST_F(Combat, RobotsTakeHalfWithAFloorAndAreLostAtZero) {
    engine->robot.active[0] = 1;
    engine->robot.type[0] = 2;
    engine->robot.x[0] = 100;
    engine->robot.y[0] = -100;
    engine->robot.armor[0] = 10;
    engine->robot.shields[0] = 3;
    engine->robotTypeCounts[2] = 4;
    engine->activeRobotCount = 1;
    engine->robot.protection[0] = 0;
    engine->skillValues[kSkillRobotProtection] = 5;
    engine->robotProtectionBonus = 1000;
    // Typed 10 against protection 1000 (bonus while the skill holds): no extra.
    engine->AddEnemyShot(105, -95, 10, 10, 0, 8, 0, 1, 10, 1, 1);
    Resolve();
    EXPECT_EQ(engine->robot.shields[0], 0u);
    EXPECT_EQ(engine->robot.armor[0], 7u) << "7 through the shields, half of it";
    EXPECT_EQ(engine->robotHitCounter, 1u);
    EXPECT_EQ(engine->skillValues[kSkillRobotProtection], 5u);
    engine->AddEnemyShot(105, -95, 10, 10, 0, 8, 0, 1, 0, 1, 1);
    Resolve();
    EXPECT_EQ(engine->robotHitCounter, 0u);
    EXPECT_EQ(engine->skillValues[kSkillRobotProtection], 4u);
    EXPECT_EQ(engine->robot.armor[0], 6u) << "at least 2 gets through, 1 to the armor";

    engine->AddEnemyShot(105, -95, 10, 10, 0, 8, 0, 1, 100, 0, 1);
    Resolve();
    EXPECT_EQ(engine->robot.active[0], 0);
    EXPECT_EQ(engine->robot.fading[0], 1);
    EXPECT_EQ(engine->robot.fadeAlpha[0], 200);
    EXPECT_EQ(engine->robotTypeCounts[2], 3);
    EXPECT_EQ(engine->robotsChanged, 1);
    EXPECT_EQ(engine->robotLostEvent, 1);
}

TEST_F(Combat, AlliesTakeTypedExtraWithoutDefenceAndRobotsShieldThem) {
    engine->ally.active[0] = 1;
    engine->ally.x[0] = 200;
    engine->ally.y[0] = -200;
    engine->ally.w[0] = engine->ally.h[0] = 64;
    engine->ally.armor[0] = 100;
    engine->ally.protection[0] = 4;
    engine->AddEnemyShot(230, -190, 10, 10, 0, 8, 0, 1, 10, 3, 1);
    Resolve();
    EXPECT_EQ(engine->ally.armor[0], 100u - 10u - 18u);
    engine->ally.protection[0] = 50;
    engine->AddEnemyShot(230, -190, 10, 10, 0, 8, 0, 1, 10, 3, 1);
    Resolve();
    EXPECT_EQ(engine->ally.armor[0], 72u - 11u);

    // A robot in front takes the shot first.
    engine->robot.active[5] = 1;
    engine->robot.x[5] = 220;
    engine->robot.y[5] = -200;
    engine->robot.armor[5] = 50;
    engine->AddEnemyShot(230, -190, 10, 10, 0, 8, 0, 1, 10, 0, 1);
    Resolve();
    EXPECT_EQ(engine->ally.armor[0], 61u);
    EXPECT_EQ(engine->robot.armor[5], 45u);

    engine->robot.active[5] = 0;
    engine->AddEnemyShot(230, -190, 10, 10, 0, 8, 0, 1, 1000, 0, 1);
    Resolve();
    EXPECT_EQ(engine->ally.active[0], 0);
    EXPECT_EQ(engine->ally.fading[0], 1);
    EXPECT_EQ(engine->allyLostEvent, 1);
}

}  // namespace
