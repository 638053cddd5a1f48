#include <gtest/gtest.h>

#include <iterator>
#include <memory>

#include "battle/battle_engine.h"
#include "battle/ship_damage.h"

namespace {

ShipDefences Ship(uint32_t shields, uint32_t armor, uint32_t hardShields = 0, uint32_t hardArmor = 0,
                  uint32_t extra = 0, uint32_t particle = 0) {
    ShipDefences s;
    s.shields = shields, s.armor = armor, s.hardShields = hardShields, s.hardArmor = hardArmor;
    s.extraArmor = extra, s.particleShields = particle;
    return s;
}

TEST(ShipDamage, WorkedExamplesThroughEveryAbsorber) {
    const struct {
        const char* name;
        uint32_t damage;
        ShipDefences before;
        uint32_t hardShields, shields, extraArmor, hardArmor, armor, particle;  // after the hit
    } cases[] = {
        // Hard shields 10, shields 100, d 30: the pair takes 10 each, shields the last 10.
        {"hard shields below half", 30, Ship(100, 500, 10), 0, 80, 0, 0, 500, 0},
        {"hard shields below half, carry", 31, Ship(100, 500, 10), 0, 79, 0, 0, 500, 0},
        {"hard shields below half, carry on", 45, Ship(10, 500, 10), 0, 0, 0, 0, 491, 0},
        // Hard shields 100, shields 10, d 30: 10 reach the armor share, 3 and the carry.
        {"shields below half", 30, Ship(10, 500, 100), 90, 0, 0, 0, 496, 0},
        // d 33: 2 x (16 - 10) + the odd point = 13 go on, a third 4 and the carry.
        {"shields below half, carry on", 33, Ship(10, 500, 100), 90, 0, 0, 0, 495, 0},
        {"pair takes it", 30, Ship(100, 500, 40), 25, 85, 0, 0, 500, 0},
        // Odd damage: the carry point goes to the hard shields while they hold.
        {"carry to hard shields", 31, Ship(100, 500, 40), 24, 85, 0, 0, 500, 0},
        {"carry to shields when hard spent", 31, Ship(100, 500, 15), 0, 84, 0, 0, 500, 0},
        {"carry dropped when both spent", 31, Ship(15, 500, 15), 0, 0, 0, 0, 500, 0},
        {"hard shields larger, carry to hard", 31, Ship(20, 500, 50), 34, 5, 0, 0, 500, 0},
        {"plain shields", 30, Ship(100, 500), 0, 70, 0, 0, 500, 0},
        {"shields break through", 40, Ship(10, 500), 0, 0, 0, 0, 490, 0},
        // Armor takes a third, rounded by a carry point: 10 -> 3 + 1.
        {"armor share with carry", 10, Ship(0, 50), 0, 0, 0, 0, 46, 0},
        {"armor share exact", 9, Ship(0, 50), 0, 0, 0, 0, 47, 0},
        {"armor share at least 1", 2, Ship(0, 50), 0, 0, 0, 0, 49, 0},
        {"extra armor takes it", 10, Ship(0, 50, 0, 0, 10), 0, 0, 6, 0, 50, 0},
        {"extra armor breaks", 30, Ship(0, 50, 0, 0, 4), 0, 0, 0, 0, 44, 0},
        // Hard armor 2, armor 50, d 10 reaching the armor stage (30 before the share).
        {"hard armor below half", 30, Ship(0, 50, 0, 2), 0, 0, 0, 0, 42, 0},
        {"hard armor below half, odd", 33, Ship(0, 50, 0, 2), 0, 0, 0, 0, 41, 0},
        {"hard armor shares", 30, Ship(0, 50, 0, 20), 0, 0, 0, 15, 45, 0},
        {"hard armor shares, carry", 33, Ship(0, 50, 0, 20), 0, 0, 0, 14, 45, 0},
        {"hard armor larger, armor below half", 60, Ship(0, 5, 0, 50), 0, 0, 0, 45, 0, 0},
        {"hard armor larger, armor at half", 30, Ship(0, 10, 0, 50), 0, 0, 0, 45, 5, 0},
        {"particle shields hold", 30, Ship(100, 50, 0, 0, 0, 40), 0, 100, 0, 0, 50, 10},
        {"particle shields break", 30, Ship(100, 50, 0, 0, 0, 10), 0, 80, 0, 0, 50, 0},
        {"zero damage deals one", 0, Ship(100, 50), 0, 99, 0, 0, 50, 0},
    };
    for (const auto& c : cases) {
        ShipDefences ship = c.before;
        ApplyShipHit(ship, c.damage, 0);
        EXPECT_EQ(ship.hardShields, c.hardShields) << c.name;
        EXPECT_EQ(ship.shields, c.shields) << c.name;
        EXPECT_EQ(ship.extraArmor, c.extraArmor) << c.name;
        EXPECT_EQ(ship.hardArmor, c.hardArmor) << c.name;
        EXPECT_EQ(ship.armor, c.armor) << c.name;
        EXPECT_EQ(ship.particleShields, c.particle) << c.name;
    }
}

TEST(ShipDamage, DefenceTakesAPointForEachThresholdItIsPast) {
    const uint32_t thresholds[] = {10, 22, 35, 47, 60, 80, 110, 150, 200, 260, 320, 400, 500, 1000};
    for (uint32_t k = 0; k < std::size(thresholds); ++k) {
        EXPECT_EQ(AfterDefence(100, thresholds[k]), 100 - k) << thresholds[k];
        EXPECT_EQ(AfterDefence(100, thresholds[k] + 1), 99 - k) << thresholds[k];
    }
    EXPECT_EQ(AfterDefence(3, 5000), 0u) << "never below nothing";
}

TEST(ShipDamage, TypedShotsDefenceAndWearingSkills) {
    // Damage 10 of type 2 needs 55 protection; each defence threshold passed takes a point.
    const struct {
        uint8_t type;
        uint32_t protection, defence, shipProtection, shieldsLost, shipProtectionAfter;
    } rows[] = {
        {2, 20, 0, 0, 45, 0},    // 10 + (55 - 20)
        {2, 20, 35, 0, 43, 0},   // passes 10 and 22
        {1, 20, 0, 40, 10, 39},  // Ship Protection adds to it and wears down
        {0, 0, 1001, 5, 1, 5},   // plain: no extra, 10 - 14 thresholds is still 1
    };
    for (const auto& r : rows) {
        ShipDefences ship = Ship(1000, 500);
        ship.protection[r.type == 0 ? 0 : r.type - 1] = r.protection;
        ship.defence = r.defence;
        ship.shipProtection = r.shipProtection;
        ApplyShipHit(ship, 10, r.type);
        EXPECT_EQ(1000 - ship.shields, r.shieldsLost) << int{r.type} << " " << r.defence;
        EXPECT_EQ(ship.shipProtection, r.shipProtectionAfter);
    }
    // Shields Recharge wears only while damage is left after the particle shields.
    ShipDefences ship = Ship(1000, 500);
    ship.shieldsRecharge = 3;
    ApplyShipHit(ship, 10, 0);
    EXPECT_EQ(ship.shieldsRecharge, 2u);
    ship.particleShields = 100;
    ApplyShipHit(ship, 10, 0);
    EXPECT_EQ(ship.shieldsRecharge, 2u);
    EXPECT_EQ(ship.particleAbsorbed, 1);
    // The glow goes out with the hard armor.
    for (uint32_t hard : {2u, 40u}) {
        ship = Ship(0, 50, 0, hard);
        ship.armorGlow = 1;
        ApplyShipHit(ship, 30, 0);
        EXPECT_EQ(ship.armorGlow, hard == 2 ? 0 : 1) << hard;
    }
}

class Combat : public ::testing::Test {
protected:
    static constexpr int32_t kCamX = 0;
    static constexpr int32_t kCamY = -1000;

    void SetUp() override { engine = std::make_unique<BattleEngine>(); }
    void AddEnemy(int slot, int32_t x, int32_t y, uint32_t shields, uint32_t armor) {
        engine->enemy.active[slot] = engine->enemy.mobile[slot] = 1;
        engine->enemy.x[slot] = x;
        engine->enemy.y[slot] = y;
        engine->enemy.w[slot] = engine->enemy.h[slot] = 32;
        engine->enemy.shields[slot] = shields;
        engine->enemy.armor[slot] = armor;
    }
    // An enemy shot at (dx, dy) from the ship's drawn top-left.
    void ShootShip(uint32_t damage, int32_t dx = 30, int32_t dy = 20) {
        engine->AddEnemyShot(engine->shipX + dx + kCamX, engine->shipY + dy + kCamY, 10, 10, 0, 8, 0, 1, damage, 0, 1);
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
    ShootShip(30, 5, 45);  // left of box 3 (16, 40, 32, 24): its far edge at 15 misses
    Resolve();
    EXPECT_EQ(engine->enemyShot.active[0], 1);
    engine->enemyShot.x[0] += 1;  // touching the box's edge counts for the ship
    Resolve();
    EXPECT_EQ(engine->enemyShot.active[0], 0);
    EXPECT_EQ(engine->unitHitEvent, 1);
    EXPECT_EQ(engine->hitFlash.frame[0], 1);
    EXPECT_EQ(shields, 80u);
    EXPECT_EQ(engine->shipShields, 80u);
    EXPECT_EQ(engine->skillValues[kSkillHardShields], 0u);
    EXPECT_EQ(armor, 500u);
}

TEST_F(Combat, ShipHitsUseTheDrawnShipAndCarryEverySkillThroughTheChain) {
    // Slid 100 px right at an edge: the boxes go with the drawn ship.
    engine->offsetRight = 100;
    engine->shipArmor = armor = 500;
    ShootShip(1, 5, 45);
    Resolve();
    EXPECT_EQ(engine->enemyShot.active[0], 1) << "where the ship would stand unslid";
    engine->enemyShot.active[0] = 0;
    ShootShip(1, 100 + 48, 45);  // the shot's near edge on box 2's far edge
    Resolve();
    EXPECT_EQ(engine->enemyShot.active[0], 0);
    ShootShip(1, 100 + 49, 45);
    Resolve();
    EXPECT_EQ(engine->enemyShot.active[0], 1);
    engine->enemyShot.active[0] = 0;

    // Damage 10 of type 2: 35 extra for protection 20, one less for defence
    // 11: 44. A third, 14 (carry 1), less 2 of extra armor: 12 shared by
    // hard armor 40 and armor.
    engine->shipArmor = armor = 500;
    engine->shipProtection[1] = 20;
    engine->shipDefence = 11;
    engine->skillValues[kSkillExtraArmor] = 2;
    engine->skillValues[kSkillHardArmor] = 40;
    engine->armorGlow = 1;
    engine->AddEnemyShot(engine->shipX + 100 + 30, engine->shipY + 20 + kCamY, 10, 10, 0, 8, 0, 1, 10, 2, 1);
    Resolve();
    EXPECT_EQ(engine->skillValues[kSkillExtraArmor], 0u);
    EXPECT_EQ(engine->skillValues[kSkillHardArmor], 34u);
    EXPECT_EQ(engine->shipArmor, 494u);
    EXPECT_EQ(armor, 494u);
    EXPECT_EQ(engine->armorGlow, 1);
    // Hard armor spent: the glow goes out with it.
    engine->skillValues[kSkillHardArmor] = 2;
    ShootShip(30, 130);
    Resolve();
    EXPECT_EQ(engine->skillValues[kSkillHardArmor], 0u);
    EXPECT_EQ(engine->armorGlow, 0);
    // Particle shields take it whole (29 after the defence) and say so.
    engine->skillValues[kSkillParticleShields] = 50;
    ShootShip(30, 130);
    Resolve();
    EXPECT_EQ(engine->skillValues[kSkillParticleShields], 21u);
    EXPECT_EQ(engine->shieldsAbsorbed, 1);
}

TEST_F(Combat, EscapeStartsWhenArmorFallsBelowFour) {
    const struct {
        uint32_t armor, damage, after;
        uint8_t escape;
    } rows[] = {{5, 6, 3, 1}, {10, 18, 4, 0}};  // a third of 6 is 2; of 18, 6
    for (const auto& r : rows) {
        SetUp();
        engine->shipArmor = armor = r.armor;
        engine->escapeStep = 7;  // left from an earlier escape
        for (int k = 0; k < kEscapeSteps; ++k) engine->escapeTrail[k] = 1;
        ShootShip(r.damage);
        Resolve();
        EXPECT_EQ(armor, r.after);
        EXPECT_EQ(engine->shipArmor, r.after);
        EXPECT_EQ(engine->emergencyEscape, r.escape);
        EXPECT_EQ(engine->escapeStep, r.escape ? 0 : 7);
        EXPECT_EQ(engine->escapeTrail[9], 1 - r.escape) << "the first ten trail points are cleared";
        EXPECT_EQ(engine->escapeTrail[10], 1);
    }
}

TEST_F(Combat, PlayerShotsHitOneEnemyThroughShieldsThenArmorAndKillsPay) {
    AddEnemy(0, 500, -800, 5, 20);
    AddEnemy(1, 500, -800, 5, 20);
    engine->AddPlayerShot(510, -790, 8, 8, 0, 8, 0, 0, 12, 0);
    engine->AddPlayerShot(490, -790, 60, 8, 0, 8, 0, 0, 12, 0);  // wider than the enemy: covers it and misses
    AddEnemy(2, 368 + 1300, -700, 0, 5);
    engine->AddPlayerShot(368 + 1301, -690, 8, 8, 0, 8, 0, 0, 12, 0);  // too far from the ship: freed
    engine->AddPlayerShot(368 - 1200, -690 + 1200, 8, 8, 0, 8, 0, 0, 12, 0);  // exactly in reach: kept
    Resolve();
    EXPECT_EQ(engine->playerShot.active[3], 1);
    engine->playerShot.active[3] = 0;
    EXPECT_EQ(engine->enemy.shields[0], 0u);
    EXPECT_EQ(engine->enemy.armor[0], 13u);
    EXPECT_EQ(engine->enemy.armor[1], 20u) << "a shot hits one enemy";
    EXPECT_EQ(engine->spark.x[0], 501);
    EXPECT_EQ(engine->spark.y[0], -799);
    EXPECT_EQ(engine->enemyHitEvent, 1);
    EXPECT_EQ(engine->playerShot.active[1], 1);
    EXPECT_EQ(engine->playerShot.active[2], 0);
    EXPECT_EQ(engine->enemy.armor[2], 5u);

    // A kill: experience, the quest item, the explosion and the drop.
    AddEnemy(3, 400, -900, 0, 5);
    engine->enemy.reward[3] = 25;
    engine->enemy.questDrop[3] = 1;
    engine->frame7 = 4;
    engine->frame11 = 9;
    engine->AddPlayerShot(405, -895, 8, 8, 0, 8, 0, 0, 9, 0);
    Resolve();
    EXPECT_EQ(engine->enemy.active[3], 0);
    EXPECT_EQ(experience, 25u);
    EXPECT_EQ(engine->enemyKilledEvent, 1);
    EXPECT_EQ(engine->questDropPending, 1);
    EXPECT_EQ(engine->questDropX, 420);
    EXPECT_EQ(engine->questDropY, -880);
    EXPECT_EQ(engine->killExplosion.x[0], 383);
    EXPECT_EQ(engine->killExplosion.kind[0], 1);
    EXPECT_EQ(engine->killExplosion.pattern[0], 4);
    EXPECT_EQ(engine->killExplosion.debrisVariant[0], 9);
    EXPECT_EQ(engine->killExplosion.debrisX[0][6], 415);
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
        int32_t value;  // 0: nothing dropped
        uint8_t kind;
    } rows[] = {
        {11, 0, 1, 0, 0, 0},  {10, 0, 20, 0, 10, kPickupGold},   {30, 20, 21, 0, 10, kPickupCrystal},
        {31, 20, 60, 0, 0, 0}, {120, 0, 61, 3, 300, kPickupShipMaterial}, {5, 0, 100, 1, 100, kPickupRobotMaterial},
        {5, 0, 101, 2, 200, kPickupBuildingMaterial}, {5, 0, 41, 0, 10, kPickupFavors},
        {5, 0, 60, 1, 100, kPickupFavors}, {5, 0, 80, 1, 100, kPickupShipMaterial},
        {5, 0, 81, 1, 100, kPickupRobotMaterial}, {5, 0, 40, 1, 100, kPickupCrystal},
    };
    for (const auto& r : rows) {
        SetUp();
        AddEnemy(0, 400, -900, 0, 0);
        engine->enemy.dropKind[0] = r.dropKind;
        engine->dropRoll = r.dropRoll;
        engine->goodiesBonus = r.goodies;
        engine->dropKindRoll = r.kindRoll;
        Resolve();
        EXPECT_EQ(engine->pickup.active[0], r.value != 0) << r.dropRoll << " " << r.kindRoll;
        EXPECT_EQ(engine->pickup.value[0], r.value) << r.kindRoll;
        EXPECT_EQ(engine->pickup.frame[0], r.kind) << r.kindRoll;
    }
}

TEST_F(Combat, HundredKillsInOneFrameFillPickupSlotsUpToFifty) {
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
    EXPECT_EQ(engine->pickup.x[10], 990) << "last queued first";
}

TEST_F(Combat, StrikesTakeMostOfThePowerFromTheFirstEnemiesInReach) {
    // Ring 1 at power 1600: step 100, then 200, 400, 800; floor 160.
    engine->skillValues[kSkillElectronExplosion] = 1600;
    engine->ring[0].damageTrigger = 1;
    AddEnemy(0, ShipWorldX() + 900, ShipWorldY(), 0, 10000);  // out of reach: the floor
    for (int e = 1; e <= 5; ++e) AddEnemy(e, ShipWorldX() + 100 * e, ShipWorldY() - 800, 0, 10000);
    engine->enemy.shields[1] = 500;
    Resolve();
    Resolve();  // applied once
    const uint32_t lost[6] = {160, 1000, 1400, 1200, 800, 160};  // enemy 1: 1500 less 500 of shields
    for (int e = 0; e < 6; ++e) EXPECT_EQ(10000 - engine->enemy.armor[e], lost[e]) << e;
    EXPECT_EQ(engine->ring[0].damageTrigger, 2);

    // Two strikes in one frame each start their own step: Armageddon 3200
    // (base 1600, step 200) and Proton 3000 (step 187).
    SetUp();
    engine->skillValues[kSkillArmageddon] = 3200;
    engine->skillValues[kSkillProtonExplosion] = 3000;
    engine->armageddonStrike1 = 1;
    engine->ring[2].damageTrigger = 1;
    AddEnemy(0, ShipWorldX(), ShipWorldY() - 100, 0, 100000);
    AddEnemy(1, ShipWorldX(), ShipWorldY() + 100, 0, 100000);
    Resolve();
    EXPECT_EQ(100000 - engine->enemy.armor[0], (1600u - 200u) + (3000u - 187u));
    EXPECT_EQ(100000 - engine->enemy.armor[1], (1600u - 400u) + (3000u - 374u));
    EXPECT_EQ(engine->armageddonStrike2, 0);
}

TEST_F(Combat, EnemiesOutOfReachTakeEachStrikesFloor) {
    // Power 12000: Armageddon's floor is P / 40, the rings' P / 10, P / 20, P / 30.
    const struct {
        int skill;
        int flag;  // 0, 1 the Armageddon strikes, 2-4 the rings
        uint32_t floor;
    } rows[] = {{kSkillArmageddon, 0, 300},
                {kSkillArmageddon, 1, 300},
                {kSkillElectronExplosion, 2, 1200},
                {kSkillNeutronExplosion, 3, 600},
                {kSkillProtonExplosion, 4, 400}};
    for (const auto& r : rows) {
        SetUp();
        engine->skillValues[r.skill] = 12000;
        uint8_t* flags[5] = {&engine->armageddonStrike1, &engine->armageddonStrike2, &engine->ring[0].damageTrigger,
                             &engine->ring[1].damageTrigger, &engine->ring[2].damageTrigger};
        *flags[r.flag] = 1;
        AddEnemy(0, ShipWorldX(), ShipWorldY() + 801, 0, 100000);
        AddEnemy(1, ShipWorldX() - 800, ShipWorldY() - 800, 0, 100000);  // exactly at the reach: struck
        Resolve();
        EXPECT_EQ(100000 - engine->enemy.armor[0], r.floor) << r.flag;
        EXPECT_GT(100000 - engine->enemy.armor[1], r.floor) << r.flag;
        EXPECT_EQ(*flags[r.flag], 2) << r.flag;
    }
}

TEST_F(Combat, RobotsTakeTypedExtraAndHalfWithAFloorAndAreLostAtZero) {
    // Damage 10 typed needs 5 x 10 + 5 = 55; Robot Protection's bonus counts
    // while it holds. The armor takes half of what gets through, at least 1;
    // protections 20 and 21 leave 45 and 44, so the halving hides no point of the need.
    const struct {
        uint32_t damage, protection, skill, bonus, armorLost;
    } rows[] = {{10, 20, 0, 0, 22}, {10, 21, 0, 0, 22}, {10, 22, 0, 0, 21}, {10, 20, 3, 30, 7},
                {10, 20, 0, 30, 22}, {10, 60, 0, 0, 5},  {0, 100, 0, 0, 1}};
    for (const auto& r : rows) {
        SetUp();
        engine->robot.active[0] = 1;
        engine->robot.x[0] = 100;
        engine->robot.y[0] = -100;
        engine->robot.armor[0] = 1000;
        engine->robot.protection[0] = r.protection;
        engine->skillValues[kSkillRobotProtection] = r.skill;
        engine->robotProtectionBonus = r.bonus;
        engine->activeRobotCount = 5;
        engine->AddEnemyShot(105, -95, 10, 10, 0, 8, 0, 1, r.damage, 2, 1);
        Resolve();
        EXPECT_EQ(1000 - engine->robot.armor[0], r.armorLost) << r.protection << " " << r.bonus;
    }
    // Defence takes its points first; even a hit of nothing deals 2, shields first.
    SetUp();
    engine->robot.active[0] = 1;
    engine->robot.x[0] = 100;
    engine->robot.y[0] = -100;
    engine->robot.armor[0] = 1000;
    engine->robot.shields[0] = 5;
    engine->AddEnemyShot(105, -95, 10, 10, 0, 8, 0, 1, 0, 0, 1);
    Resolve();
    EXPECT_EQ(engine->robot.shields[0], 3u);
    engine->robot.shields[0] = 0;
    engine->robot.defence[0] = 36;  // past 10, 22 and 35
    engine->AddEnemyShot(105, -95, 10, 10, 0, 8, 0, 1, 13, 0, 1);
    Resolve();
    EXPECT_EQ(1000 - engine->robot.armor[0], 5u) << "half of 13 - 3";

    // The Robot Protection value wears down once typed hits outnumber the robots.
    engine->activeRobotCount = 1;
    engine->robotHitCounter = 0;
    engine->skillValues[kSkillRobotProtection] = 5;
    engine->robot.type[0] = 2;
    engine->robotTypeCounts[2] = 4;
    for (int hit = 1; hit <= 2; ++hit) {
        engine->AddEnemyShot(105, -95, 10, 10, 0, 8, 0, 1, 10, 1, 1);
        Resolve();
    }
    EXPECT_EQ(engine->robotHitCounter, 0u);
    EXPECT_EQ(engine->skillValues[kSkillRobotProtection], 4u);

    engine->AddEnemyShot(105, -95, 10, 10, 0, 8, 0, 1, 10000, 0, 1);
    Resolve();
    EXPECT_EQ(engine->robot.active[0], 0);
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
    const struct {
        uint32_t protection, armorAfter;
    } rows[] = {{4, 100 - 10 - 18}, {50, 72 - 11}};  // 3 x (10 - 4) extra; 1 when protected
    for (const auto& r : rows) {
        engine->ally.protection[0] = r.protection;
        engine->AddEnemyShot(230, -190, 10, 10, 0, 8, 0, 1, 10, 3, 1);
        Resolve();
        EXPECT_EQ(engine->ally.armor[0], r.armorAfter);
    }
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
    EXPECT_EQ(engine->ally.fadeAlpha[0], 200);
    EXPECT_EQ(engine->allyLostEvent, 1);
}

}  // namespace
