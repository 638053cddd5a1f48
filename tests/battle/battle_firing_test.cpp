#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "battle/aim_rules.h"
#include "battle/battle_engine.h"
#include "battle/muzzle_offsets.h"

namespace {

constexpr int32_t kCamX = 100;
constexpr int32_t kCamY = -2000;

class Firing : public ::testing::Test {
protected:
    void SetUp() override { engine = std::make_unique<BattleEngine>(); }

    int LiveShots() const {
        int n = 0;
        for (int i = 0; i < kPlayerShotSlots; ++i) n += engine->playerShot.active[i];
        return n;
    }
    // Slot holding the shot of the given damage (barrels carry distinct damages).
    int ShotWithDamage(uint32_t damage) const {
        for (int i = 0; i < kPlayerShotSlots; ++i) {
            if (engine->playerShot.active[i] && engine->playerShot.damage[i] == damage) return i;
        }
        return -1;
    }
    void FitBarrels(std::initializer_list<int> barrels) {
        for (int b : barrels) {
            engine->barrelPresent[b - 1] = 1;
            engine->barrelDamage[b - 1] = static_cast<uint32_t>(100 * b);
        }
    }
    void AddEnemy(int slot, int32_t x, int32_t y, uint8_t volley, int32_t tx, int32_t ty) {
        engine->enemy.active[slot] = 1;
        engine->enemy.x[slot] = x;
        engine->enemy.y[slot] = y;
        engine->enemy.w[slot] = engine->enemy.h[slot] = 32;
        engine->enemy.fireGroup[slot] = 1;
        engine->enemy.volley[slot] = volley;
        engine->enemy.targetX[slot] = tx;
        engine->enemy.targetY[slot] = ty;
        engine->enemy.shotDamage[slot] = 7;
        engine->enemy.shotType[slot] = 2;
    }
    // Headings of the live enemy shots, from their step units and signs.
    std::vector<int> EnemyShotHeadings() const {
        std::vector<int> headings;
        for (int i = 0; i < kEnemyShotSlots; ++i) {
            if (!engine->enemyShot.active[i]) continue;
            for (int h = 0; h < 64; ++h) {
                const HeadingSteps s = StepsForHeading(h);
                if (s.unitX == engine->enemyShot.unitX[i] && s.unitY == engine->enemyShot.unitY[i] &&
                    s.signX == engine->enemyShot.signX[i] && s.signY == engine->enemyShot.signY[i]) {
                    headings.push_back(h);
                    break;
                }
            }
        }
        std::sort(headings.begin(), headings.end());
        return headings;
    }

    std::unique_ptr<BattleEngine> engine;
};

TEST(AimRules, HeadingStepsWalkTheSquare) {
    const struct {
        int heading, unitX, unitY, signX, signY;
    } rows[] = {{0, 0, 8, 0, 0},  {4, 4, 8, 1, 0},  {8, 8, 8, 1, 0},  {12, 8, 4, 1, 0}, {16, 8, 0, 1, 0},
                {17, 8, 1, 1, 1}, {24, 8, 8, 1, 1}, {32, 0, 8, 0, 1}, {40, 8, 8, 0, 1}, {47, 8, 1, 0, 1},
                {48, 8, 0, 0, 0}, {56, 8, 8, 0, 0}, {63, 1, 8, 0, 0}, {64, 0, 8, 0, 0}, {-1, 1, 8, 0, 0}};
    for (const auto& r : rows) {
        const HeadingSteps s = StepsForHeading(r.heading);
        EXPECT_EQ(s.unitX, r.unitX) << r.heading;
        EXPECT_EQ(s.unitY, r.unitY) << r.heading;
        EXPECT_EQ(s.signX, r.signX) << r.heading;
        EXPECT_EQ(s.signY, r.signY) << r.heading;
    }
}

TEST(AimRules, AimPicksTheQuadrantAndTheStrictThresholds) {
    uint8_t h = 99;
    EXPECT_TRUE(AimHeading(0, 0, 0, 50, h));
    EXPECT_EQ(h, 32);
    EXPECT_TRUE(AimHeading(0, 0, 0, -50, h));
    EXPECT_EQ(h, 0);
    EXPECT_TRUE(AimHeading(0, 0, -5, 0, h));
    EXPECT_EQ(h, 48);
    EXPECT_TRUE(AimHeading(0, 0, 5, 0, h));
    EXPECT_EQ(h, 16);
    // A slope of exactly 16 is not past 16: one step from the vertical.
    EXPECT_TRUE(AimHeading(0, 0, 1, -16, h));
    EXPECT_EQ(h, 1);
    EXPECT_TRUE(AimHeading(0, 0, 1, -17, h));
    EXPECT_EQ(h, 0);
    // Exactly 0.0625 is past nothing: horizontal.
    EXPECT_TRUE(AimHeading(0, 0, 16, -1, h));
    EXPECT_EQ(h, 16);
    EXPECT_TRUE(AimHeading(0, 0, 10, 10, h));  // slope 1: past 0.9375, k = 8
    EXPECT_EQ(h, 24);
    EXPECT_TRUE(AimHeading(0, 0, -10, 10, h));
    EXPECT_EQ(h, 40);
    EXPECT_TRUE(AimHeading(0, 0, -10, -10, h));
    EXPECT_EQ(h, 56);
    EXPECT_TRUE(AimHeading(0, 0, -1, -17, h));  // up-left at k 0 is heading 0, not 64
    EXPECT_EQ(h, 0);
    h = 21;
    EXPECT_FALSE(AimHeading(7, 7, 7, 7, h));
    EXPECT_EQ(h, 21);
}

TEST(MuzzleOffsets, PlacedRowsComeOutExactlyAndTheRestTurnWithTheShip) {
    const struct {
        int barrel, heading, mode, x, y;
    } placed[] = {{1, 0, 1, 13, 1},   {1, 0, 2, 42, -3},  {1, 0, 3, 13, 1},   {2, 0, 2, 20, -5},
                  {3, 0, 3, 27, -11}, {4, 0, 1, 34, -5},  {4, 0, 2, 18, -7},  {4, 0, 3, 33, -6},
                  {5, 0, 2, 12, -3},  {1, 32, 2, 12, 55}, {2, 32, 1, 34, 58}, {2, 32, 3, 33, 59},
                  {3, 32, 1, 27, 64}, {5, 32, 3, 13, 53}, {3, 16, 2, 64, 27}, {3, 48, 1, -11, 27}};
    for (const auto& p : placed) {
        const MuzzleOffset m = MuzzleFor(p.barrel, p.heading, p.mode);
        EXPECT_EQ(m.x, p.x) << p.barrel << " " << p.heading << " " << p.mode;
        EXPECT_EQ(m.y, p.y) << p.barrel << " " << p.heading << " " << p.mode;
    }
    // The centre muzzle stays just outside the ship's edge at every heading.
    for (int h = 0; h < 64; ++h) {
        const MuzzleOffset m = MuzzleFor(3, h, 1);
        const double cx = m.x + 6 - 32.0, cy = m.y + 6 - 32.0;
        const double distance = std::sqrt(cx * cx + cy * cy);
        EXPECT_NEAR(distance, 37.5, 2.0) << h;
    }
    // Heading 8 lies between up and right: the centre muzzle is up-right.
    const MuzzleOffset diagonal = MuzzleFor(3, 8, 1);
    EXPECT_GT(diagonal.x, 40);
    EXPECT_LT(diagonal.y, 10);
}

TEST_F(Firing, VolleyOfTwoWithBarrelsOneThreeFiveFiresFiveAndThree) {
    FitBarrels({1, 3, 5});
    engine->volleySize = 2;
    engine->FirePlayerShots(kCamX, kCamY);
    EXPECT_EQ(LiveShots(), 2);
    // Slots are handed out from barrel 5 inward.
    EXPECT_EQ(engine->playerShot.damage[0], 500u);
    EXPECT_EQ(engine->playerShot.damage[1], 300u);
    EXPECT_EQ(ShotWithDamage(100), -1);
    // Parallel fire at heading 0: straight up from the placed muzzles.
    const int centre = ShotWithDamage(300);
    EXPECT_EQ(engine->playerShot.x[centre], engine->shipX + kCamX + 27);
    EXPECT_EQ(engine->playerShot.y[centre], engine->shipY + kCamY - 11);
    EXPECT_EQ(engine->playerShot.unitX[centre], 0);
    EXPECT_EQ(engine->playerShot.unitY[centre], 8);
    EXPECT_EQ(engine->playerShot.signY[centre], 0);
}

TEST_F(Firing, VolleySkipsLiveSlotsAndNothingWithoutAVolley) {
    FitBarrels({1, 2, 3, 4, 5});
    engine->FirePlayerShots(kCamX, kCamY);
    EXPECT_EQ(LiveShots(), 0);
    engine->playerShot.active[1] = 1;
    engine->volleySize = 5;
    engine->FirePlayerShots(kCamX, kCamY);
    EXPECT_EQ(LiveShots(), 6);
    EXPECT_EQ(engine->playerShot.damage[0], 500u);
    EXPECT_EQ(engine->playerShot.damage[2], 400u);
    EXPECT_EQ(engine->playerShot.damage[5], 100u);
}

TEST_F(Firing, FannedModesSpreadTheBarrelsAroundTheHeading) {
    FitBarrels({1, 2, 3, 4, 5});
    engine->volleySize = 5;
    engine->fireMode = 2;
    engine->heading = 1;
    engine->FirePlayerShots(kCamX, kCamY);
    // Barrel 1 at heading 63 (up, drifting left), barrel 5 at heading 3.
    const int b1 = ShotWithDamage(100), b5 = ShotWithDamage(500), b3 = ShotWithDamage(300);
    const HeadingSteps h63 = StepsForHeading(63), h3 = StepsForHeading(3), h1 = StepsForHeading(1);
    EXPECT_EQ(engine->playerShot.unitX[b1], h63.unitX);
    EXPECT_EQ(engine->playerShot.signX[b1], 0);
    EXPECT_EQ(engine->playerShot.unitX[b5], h3.unitX);
    EXPECT_EQ(engine->playerShot.signX[b5], 1);
    EXPECT_EQ(engine->playerShot.unitX[b3], h1.unitX);
    // Mode 2's muzzles cross over: barrel 1 fires from the right side.
    EXPECT_EQ(engine->playerShot.x[b1] - engine->shipX - kCamX, MuzzleFor(1, 63, 2).x);
    EXPECT_GT(MuzzleFor(1, 63, 2).x, MuzzleFor(5, 3, 2).x);

    // Mode 1 keeps every barrel on the ship's heading.
    for (int i = 0; i < kPlayerShotSlots; ++i) engine->playerShot.active[i] = 0;
    engine->fireMode = 1;
    engine->heading = 40;
    engine->FirePlayerShots(kCamX, kCamY);
    const HeadingSteps h40 = StepsForHeading(40);
    for (int b = 1; b <= 5; ++b) {
        const int s = ShotWithDamage(100 * b);
        EXPECT_EQ(engine->playerShot.unitX[s], h40.unitX) << b;
        EXPECT_EQ(engine->playerShot.signX[s], h40.signX) << b;
        EXPECT_EQ(engine->playerShot.signY[s], h40.signY) << b;
    }
}

TEST_F(Firing, ReusedSlotsGetTheirOwnHitBox) {
    engine->AddPlayerShot(0, 0, 300, 200, 0, 0, 0, 0, 1, 0);
    engine->playerShot.active[0] = 0;
    FitBarrels({3});
    engine->volleySize = 1;
    engine->FirePlayerShots(kCamX, kCamY);
    ASSERT_EQ(engine->playerShot.active[0], 1);
    EXPECT_EQ(engine->playerShot.w[0], 8);
    EXPECT_EQ(engine->playerShot.h[0], 8);
}

TEST_F(Firing, EnemyStraightAboveItsTargetFiresDown) {
    engine->enemyFireTimers[0] = 10;
    AddEnemy(0, 500, 100, 1, 500, 900);
    engine->FireEnemyShots(kCamX, kCamY);
    ASSERT_EQ(engine->enemyShot.active[0], 1);
    EXPECT_EQ(engine->enemyShot.unitX[0], 0);
    EXPECT_EQ(engine->enemyShot.unitY[0], 8);
    EXPECT_EQ(engine->enemyShot.signY[0], 1);
    EXPECT_EQ(engine->enemyShot.x[0], 512);
    EXPECT_EQ(engine->enemyShot.y[0], 112);
    EXPECT_EQ(engine->enemyShot.w[0], 10);
    EXPECT_EQ(engine->enemyShot.damage[0], 7u);
    EXPECT_EQ(engine->enemyShot.damageType[0], 2);
    EXPECT_EQ(engine->enemyShot.frame[0], 1);
    EXPECT_EQ(engine->shotStaging.aimHeading, 32);
    EXPECT_EQ(engine->enemyFireEvent, 1);
    EXPECT_EQ(engine->enemy.faceRequest[0], 1);
    EXPECT_EQ(engine->enemyFireTimers[0], 11) << "a group fires once per timer cycle";
    engine->FireEnemyShots(kCamX, kCamY);
    EXPECT_EQ(EnemyShotHeadings().size(), 1u);
}

TEST_F(Firing, EnemyOutOfReachTurnsButHoldsFire) {
    engine->enemyFireTimers[0] = 10;
    AddEnemy(0, 0, 0, 1, 8000, 10);
    engine->enemy.sidestepping[0] = 1;
    engine->FireEnemyShots(kCamX, kCamY);
    EXPECT_TRUE(EnemyShotHeadings().empty());
    EXPECT_EQ(engine->enemy.faceRequest[0], 1);
    EXPECT_EQ(engine->enemy.sidestepping[0], 0);
    EXPECT_EQ(engine->enemyFireEvent, 0);
}

TEST_F(Firing, EnemyVolleysFanByTheSpreadCounter) {
    // Target due right: heading 16.
    AddEnemy(0, 0, 0, 3, 500, 0);
    engine->enemyFireTimers[0] = 10;
    engine->spreadCounter = 5;
    engine->FireEnemyShots(kCamX, kCamY);
    EXPECT_EQ(EnemyShotHeadings(), (std::vector<int>{11, 16, 21}));

    for (int i = 0; i < kEnemyShotSlots; ++i) engine->enemyShot.active[i] = 0;
    engine->enemyFireTimers[0] = 10;
    engine->spreadCounter = 1;
    engine->FireEnemyShots(kCamX, kCamY);
    EXPECT_EQ(EnemyShotHeadings(), (std::vector<int>{15, 16, 17}));

    // Five shots wrap around heading 0.
    for (int i = 0; i < kEnemyShotSlots; ++i) engine->enemyShot.active[i] = 0;
    engine->enemy.volley[0] = 5;
    engine->enemy.targetX[0] = 0;
    engine->enemy.targetY[0] = -300;
    engine->enemyFireTimers[0] = 10;
    engine->FireEnemyShots(kCamX, kCamY);
    EXPECT_EQ(EnemyShotHeadings(), (std::vector<int>{0, 1, 2, 62, 63}));
}

TEST_F(Firing, AnEnemyOnItsTargetFiresAlongTheLastStagedHeading) {
    // Enemy 0's fan ends on 16 - 5 = 11; enemy 1 sits on its target and so
    // keeps that direction.
    AddEnemy(0, 0, 0, 3, 500, 0);
    AddEnemy(1, 900, 900, 1, 900, 900);
    engine->enemyFireTimers[0] = 10;
    engine->spreadCounter = 5;
    engine->FireEnemyShots(kCamX, kCamY);
    EXPECT_EQ(engine->shotStaging.aimHeading, 11);
    EXPECT_EQ(EnemyShotHeadings(), (std::vector<int>{11, 11, 16, 21}));
}

TEST_F(Firing, EnemyShotsLeaveTheMiddleOfTheEnemyLastStagedFirst) {
    // A 32 px enemy fires from 12 px in, a 64 px one from 24; the shot of
    // the enemy staged last takes the first free slot.
    AddEnemy(0, 500, 100, 1, 500, 900);
    AddEnemy(1, 800, 100, 1, 800, 900);
    engine->enemy.w[1] = engine->enemy.h[1] = 64;
    engine->enemy.shotDamage[1] = 9;
    engine->enemyShot.active[0] = 1;
    engine->enemyFireTimers[0] = 10;
    engine->FireEnemyShots(kCamX, kCamY);
    EXPECT_EQ(engine->enemyShot.damage[1], 9u);
    EXPECT_EQ(engine->enemyShot.x[1], 824);
    EXPECT_EQ(engine->enemyShot.y[1], 124);
    EXPECT_EQ(engine->enemyShot.damage[2], 7u);
    EXPECT_EQ(engine->enemyShot.x[2], 512);
    EXPECT_EQ(engine->enemyShot.y[2], 112);
}

TEST_F(Firing, EnemyShotsFillFreeSlotsAndDropTheRest) {
    for (int i = 0; i < kEnemyShotSlots - 2; ++i) engine->enemyShot.active[i] = 1;
    AddEnemy(0, 0, 0, 5, 500, 0);
    engine->enemyFireTimers[0] = 10;
    engine->FireEnemyShots(kCamX, kCamY);
    int live = 0;
    for (int i = 0; i < kEnemyShotSlots; ++i) live += engine->enemyShot.active[i];
    EXPECT_EQ(live, kEnemyShotSlots);
    EXPECT_EQ(engine->shotStaging.count, 0);
}

TEST_F(Firing, RobotsAndAlliesFireOnTheirGroupsTimer) {
    for (int r = 0; r < 3; ++r) {
        engine->robot.active[r] = 1;
        engine->robot.x[r] = 100 * r;
        engine->robot.y[r] = 0;
        engine->robot.targetX[r] = 100 * r;
        engine->robot.targetY[r] = r == 2 ? -2000 : -300;  // robot 2's target is out of reach
        engine->robot.damage[r] = 20 + r;
        engine->robot.fireGroup[r] = 1;
    }
    engine->robot.fireGroup[1] = 2;  // not due
    engine->ally.active[0] = engine->ally.active[35] = 1;
    engine->ally.h[0] = 64;
    engine->ally.x[0] = 1000;
    engine->ally.targetX[0] = 1300;
    engine->ally.damage[0] = 44;
    engine->ally.fireGroup[0] = engine->ally.fireGroup[35] = 1;
    engine->ally.targetX[35] = 200;
    engine->robotFireTimers[0] = 10;

    engine->FireAllyShots(kCamX, kCamY);
    EXPECT_EQ(engine->robotFireTimers[0], 10) << "the robot pass spends the shared timer";
    engine->FireRobotShots(kCamX, kCamY);
    EXPECT_EQ(engine->robotFireTimers[0], 11);
    EXPECT_EQ(engine->allyFireEvent, 1);
    EXPECT_EQ(engine->robotFireEvent, 1);

    ASSERT_EQ(engine->playerShot.active[0], 1);  // the ally's shot, from its 64 px centre
    EXPECT_EQ(engine->playerShot.x[0], 1030);
    EXPECT_EQ(engine->playerShot.damage[0], 44u);
    EXPECT_EQ(engine->playerShot.unitX[0], 8);
    EXPECT_EQ(engine->playerShot.signX[0], 1);
    ASSERT_EQ(engine->playerShot.active[1], 1);  // robot 0, straight up
    EXPECT_EQ(engine->playerShot.x[1], 12);
    EXPECT_EQ(engine->playerShot.w[1], 8);
    EXPECT_EQ(engine->playerShot.unitY[1], 8);
    EXPECT_EQ(engine->playerShot.signY[1], 0);
    EXPECT_EQ(engine->playerShot.active[2], 0);

    // With no enemy left the robots hold fire.
    engine->playerShot.active[1] = 0;
    engine->robotFireTimers[0] = 10;
    engine->noEnemiesRobots = 1;
    engine->FireRobotShots(kCamX, kCamY);
    EXPECT_EQ(engine->playerShot.active[1], 0);
}

}  // namespace
