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

// The heading whose step units and signs a shot carries.
int HeadingOf(int32_t unitX, int32_t unitY, uint8_t signX, uint8_t signY) {
    for (int h = 0; h < 64; ++h) {
        const HeadingSteps s = StepsForHeading(h);
        if (s.unitX == unitX && s.unitY == unitY && s.signX == signX && s.signY == signY) return h;
    }
    return -1;
}

class Firing : public ::testing::Test {
protected:
    void SetUp() override { engine = std::make_unique<BattleEngine>(); }

    // Slot holding the shot of the given damage (barrels carry distinct damages).
    int ShotWithDamage(uint32_t damage) const {
        for (int i = 0; i < kPlayerShotSlots; ++i) {
            if (engine->playerShot.active[i] && engine->playerShot.damage[i] == damage) return i;
        }
        return -1;
    }
    int ShotHeading(int i) const {
        const PlayerShotTable& s = engine->playerShot;
        return HeadingOf(s.unitX[i], s.unitY[i], s.signX[i], s.signY[i]);
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
    // Headings of the live enemy shots, sorted.
    std::vector<int> EnemyShotHeadings() const {
        std::vector<int> headings;
        const EnemyShotTable& s = engine->enemyShot;
        for (int i = 0; i < kEnemyShotSlots; ++i) {
            if (s.active[i]) headings.push_back(HeadingOf(s.unitX[i], s.unitY[i], s.signX[i], s.signY[i]));
        }
        std::sort(headings.begin(), headings.end());
        return headings;
    }
    void FireEnemies() {
        for (int i = 0; i < kEnemyShotSlots; ++i) engine->enemyShot.active[i] = 0;
        engine->enemyFireTimers[0] = 10;
        engine->FireEnemyShots(kCamX, kCamY);
    }

    std::unique_ptr<BattleEngine> engine;
};

TEST(AimRules, HeadingStepsWalkTheSquareAndAimsPickTheStrictThresholds) {
    const struct {
        int heading, unitX, unitY, signX, signY;
    } steps[] = {{0, 0, 8, 0, 0},  {4, 4, 8, 1, 0},  {8, 8, 8, 1, 0},  {12, 8, 4, 1, 0}, {16, 8, 0, 1, 0},
                 {17, 8, 1, 1, 1}, {32, 0, 8, 0, 1}, {40, 8, 8, 0, 1}, {47, 8, 1, 0, 1}, {48, 8, 0, 0, 0},
                 {63, 1, 8, 0, 0}, {64, 0, 8, 0, 0}, {-1, 1, 8, 0, 0}};
    for (const auto& r : steps) {
        const HeadingSteps s = StepsForHeading(r.heading);
        EXPECT_EQ(s.unitX * 10 + s.unitY, r.unitX * 10 + r.unitY) << r.heading;
        EXPECT_EQ(s.signX * 10 + s.signY, r.signX * 10 + r.signY) << r.heading;
    }
    const struct {
        int32_t dx, dy;
        int heading;
    } aims[] = {
        {0, 50, 32},  {0, -50, 0},  {-5, 0, 48},   {5, 0, 16},
        {1, -16, 1},   // a slope of exactly 16 is not past 16
        {1, -17, 0},  {16, -1, 16},  // exactly 0.0625 is past nothing
        {10, 10, 24}, {-10, 10, 40}, {-10, -10, 56}, {-1, -17, 0},  // up-left at k 0 is heading 0, not 64
        {100000, -18755, 14}, {100000, -18750, 15},  // either side of the 0.1875 threshold
    };
    for (const auto& a : aims) {
        uint8_t h = 99;
        EXPECT_TRUE(AimHeading(0, 0, a.dx, a.dy, h));
        EXPECT_EQ(h, a.heading) << a.dx << "," << a.dy;
    }
    uint8_t h = 21;
    EXPECT_FALSE(AimHeading(7, 7, 7, 7, h));
    EXPECT_EQ(h, 21);
}

TEST(MuzzleOffsets, PlacedRowsComeOutExactlyAndTheCentreMuzzleTurnsWithTheShip) {
    const struct {
        int barrel, heading, mode, x, y;
    } placed[] = {{1, 0, 1, 13, 1},   {1, 0, 2, 42, -3},  {3, 0, 3, 27, -11}, {4, 0, 2, 18, -7},
                  {5, 0, 2, 12, -3},  {1, 32, 2, 12, 55}, {2, 32, 3, 33, 59}, {3, 32, 1, 27, 64},
                  {5, 32, 3, 13, 53}, {3, 16, 2, 64, 27}, {3, 48, 1, -11, 27}, {1, 0, 3, 13, 1},
                  {2, 0, 1, 20, -5},  {2, 0, 3, 20, -5},  {4, 0, 1, 34, -5},  {4, 0, 3, 33, -6},
                  {5, 0, 1, 41, 1},   {5, 0, 3, 41, 1},   {1, 32, 1, 41, 52}, {1, 32, 3, 41, 52},
                  {2, 32, 1, 34, 58}, {2, 32, 2, 18, 60}, {5, 32, 1, 13, 53}, {5, 32, 2, 42, 55}};
    for (const auto& p : placed) {
        const MuzzleOffset m = MuzzleFor(p.barrel, p.heading, p.mode);
        EXPECT_EQ(m.x * 1000 + m.y, p.x * 1000 + p.y) << p.barrel << " " << p.heading << " " << p.mode;
    }
    // The centre muzzle stays just outside the ship's edge, in the heading's direction.
    for (int h = 0; h < 64; ++h) {
        const MuzzleOffset m = MuzzleFor(3, h, 1);
        const double cx = m.x + 6 - 32.0, cy = m.y + 6 - 32.0;
        EXPECT_NEAR(std::sqrt(cx * cx + cy * cy), 37.5, 2.0) << h;
        EXPECT_NEAR(std::atan2(cx, -cy), h * 2 * 3.14159265 / 64 - (h > 32 ? 2 * 3.14159265 : 0), 0.2) << h;
    }
}

TEST_F(Firing, VolleysTakeSlotsFromTheOutsideBarrelInward) {
    FitBarrels({1, 3, 5});
    engine->FirePlayerShots(kCamX, kCamY);
    EXPECT_EQ(ShotWithDamage(500), -1) << "no volley size: no shot";
    engine->playerShot.active[0] = 1;
    engine->AddPlayerShot(0, 0, 300, 200, 0, 0, 0, 0, 1, 0);
    engine->playerShot.active[1] = 0;  // a freed slot with another shot's box and frame
    engine->playerShot.frame[1] = 4;
    engine->volleySize = 2;
    engine->FirePlayerShots(kCamX, kCamY);
    EXPECT_EQ(ShotWithDamage(500), 1);
    EXPECT_EQ(ShotWithDamage(300), 2);
    EXPECT_EQ(ShotWithDamage(100), -1);
    EXPECT_EQ(engine->playerShot.w[1], 8) << "a reused slot gets the shot's own box";
    EXPECT_EQ(engine->playerShot.frame[1], 0);
    // Parallel fire at heading 0: straight up from the placed muzzle.
    EXPECT_EQ(engine->playerShot.x[2], engine->shipX + kCamX + 27);
    EXPECT_EQ(engine->playerShot.y[2], engine->shipY + kCamY - 11);
    EXPECT_EQ(ShotHeading(2), 0);

    // Slid at an area edge, the muzzles go with the drawn ship.
    engine->playerShot.active[1] = engine->playerShot.active[2] = 0;
    engine->offsetRight = 100;
    engine->offsetUp = 30;
    engine->FirePlayerShots(kCamX, kCamY);
    EXPECT_EQ(engine->playerShot.x[2], engine->shipX + 100 + kCamX + 27);
    EXPECT_EQ(engine->playerShot.y[2], engine->shipY - 30 + kCamY - 11);
}

TEST_F(Firing, FannedModesSpreadTheBarrelsAroundTheHeading) {
    FitBarrels({1, 2, 3, 4, 5});
    engine->volleySize = 5;
    const struct {
        uint8_t mode, heading;
        int headings[5];  // barrels 1-5
    } rows[] = {{2, 1, {63, 0, 1, 2, 3}}, {3, 40, {38, 39, 40, 41, 42}}, {1, 40, {40, 40, 40, 40, 40}}};
    for (const auto& r : rows) {
        for (int i = 0; i < kPlayerShotSlots; ++i) engine->playerShot.active[i] = 0;
        engine->fireMode = r.mode;
        engine->heading = r.heading;
        engine->FirePlayerShots(kCamX, kCamY);
        for (int b = 1; b <= 5; ++b) {
            const int s = ShotWithDamage(100 * b);
            ASSERT_GE(s, 0) << int{r.mode} << " barrel " << b;
            EXPECT_EQ(ShotHeading(s), r.headings[b - 1]) << int{r.mode} << " barrel " << b;
            EXPECT_EQ(engine->playerShot.x[s] - engine->shipX - kCamX, MuzzleFor(b, r.headings[b - 1], r.mode).x);
        }
    }
}

TEST_F(Firing, EnemiesAimTheirVolleysAndTurnEvenOutOfReach) {
    AddEnemy(0, 500, 100, 1, 500, 900);  // straight above its target
    FireEnemies();
    EXPECT_EQ(EnemyShotHeadings(), (std::vector<int>{32}));
    EXPECT_EQ(engine->enemyShot.w[0], 10);
    EXPECT_EQ(engine->enemyShot.damage[0], 7u);
    EXPECT_EQ(engine->enemyShot.damageType[0], 2);
    EXPECT_EQ(engine->enemyShot.frame[0], 1);
    EXPECT_EQ(engine->enemyFireEvent, 1);
    EXPECT_EQ(engine->enemy.faceRequest[0], 1);
    EXPECT_EQ(engine->enemyFireTimers[0], 11) << "a group fires once per timer cycle";

    // Target due right (16): three shots fan by the spread counter, five by 1 and 2.
    const struct {
        uint8_t volley, spread;
        int32_t tx, ty;
        std::vector<int> headings;
    } rows[] = {{3, 5, 500, 0, {11, 16, 21}}, {3, 1, 500, 0, {15, 16, 17}}, {5, 1, 0, -300, {0, 1, 2, 62, 63}}};
    for (const auto& r : rows) {
        AddEnemy(0, 0, 0, r.volley, r.tx, r.ty);
        engine->spreadCounter = r.spread;
        FireEnemies();
        EXPECT_EQ(EnemyShotHeadings(), r.headings) << int{r.volley} << " " << int{r.spread};
    }
    // The five fan out h, h + 1, h + 2, h - 1, h - 2: the last staged, which
    // the next enemy on its target reuses, is h - 2.
    EXPECT_EQ(engine->shotStaging.aimHeading, 62);

    // 8000 px away on an axis: turned, not fired.
    AddEnemy(0, 0, 0, 1, 8000, 10);
    engine->enemy.sidestepping[0] = 1;
    engine->enemyFireEvent = 0;
    FireEnemies();
    EXPECT_TRUE(EnemyShotHeadings().empty());
    EXPECT_EQ(engine->enemy.faceRequest[0], 1);
    EXPECT_EQ(engine->enemy.sidestepping[0], 0);
    EXPECT_EQ(engine->enemyFireEvent, 0);
}

TEST_F(Firing, AnEnemyOnItsTargetFiresAlongTheLastStagedHeading) {
    // Enemy 0's fan ends on 16 - 5 = 11; enemy 1 sits on its target and so
    // keeps that direction.
    AddEnemy(0, 0, 0, 3, 500, 0);
    AddEnemy(1, 900, 900, 1, 900, 900);
    engine->spreadCounter = 5;
    FireEnemies();
    EXPECT_EQ(engine->shotStaging.aimHeading, 11);
    EXPECT_EQ(EnemyShotHeadings(), (std::vector<int>{11, 11, 16, 21}));
}

TEST_F(Firing, EnemyShotsLeaveTheMiddleOfTheEnemyLastStagedFirstIntoFreeSlots) {
    // A 32 px enemy fires from 12 px in, a 64 px one from 24; the shot of
    // the enemy staged last takes the first free slot.
    AddEnemy(0, 500, 100, 1, 500, 900);
    AddEnemy(1, 800, 100, 1, 800, 900);
    engine->enemy.w[1] = engine->enemy.h[1] = 64;
    engine->enemy.shotDamage[1] = 9;
    engine->enemyShot.active[0] = 1;
    engine->enemyShot.travelledX[1] = engine->enemyShot.travelledY[2] = 3999;  // left by earlier shots
    engine->enemyFireTimers[0] = 10;
    engine->FireEnemyShots(kCamX, kCamY);
    EXPECT_EQ(engine->enemyShot.travelledX[1] + engine->enemyShot.travelledY[2], 0);
    EXPECT_EQ(engine->enemyShot.damage[1], 9u);
    EXPECT_EQ(engine->enemyShot.x[1], 824);
    EXPECT_EQ(engine->enemyShot.y[1], 124);
    EXPECT_EQ(engine->enemyShot.damage[2], 7u);
    EXPECT_EQ(engine->enemyShot.x[2], 512);
    EXPECT_EQ(engine->enemyShot.y[2], 112);

    // With two slots free a five-shot volley drops three.
    for (int i = 0; i < kEnemyShotSlots - 2; ++i) engine->enemyShot.active[i] = 1;
    engine->enemyShot.active[kEnemyShotSlots - 1] = engine->enemyShot.active[kEnemyShotSlots - 2] = 0;
    engine->enemy.active[1] = 0;
    engine->enemy.volley[0] = 5;
    engine->enemyFireTimers[0] = 10;
    engine->FireEnemyShots(kCamX, kCamY);
    EXPECT_EQ(engine->enemyShot.active[kEnemyShotSlots - 1], 1);
    EXPECT_EQ(engine->shotStaging.count, 0);
}

TEST_F(Firing, RobotsAndAlliesFireOnTheirGroupsTimer) {
    for (int r = 0; r < 3; ++r) {
        engine->robot.active[r] = 1;
        engine->robot.x[r] = 100 * r;
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
    engine->ally.targetX[35] = 200;  // slots 30-49 never fire
    engine->robotFireTimers[0] = 10;

    engine->FireAllyShots(kCamX, kCamY);
    EXPECT_EQ(engine->robotFireTimers[0], 10) << "the robot pass spends the shared timer";
    engine->FireRobotShots(kCamX, kCamY);
    EXPECT_EQ(engine->robotFireTimers[0], 11);
    EXPECT_EQ(engine->allyFireEvent, 1);
    EXPECT_EQ(engine->robotFireEvent, 1);
    EXPECT_EQ(engine->playerShot.x[0], 1030) << "the ally's shot, from its 64 px centre";
    EXPECT_EQ(engine->playerShot.damage[0], 44u);
    EXPECT_EQ(ShotHeading(0), 16);
    EXPECT_EQ(engine->playerShot.x[1], 12) << "robot 0, straight up";
    EXPECT_EQ(ShotHeading(1), 0);
    EXPECT_EQ(engine->playerShot.active[2], 0);

    // With no enemy left the robots and allies hold fire.
    engine->playerShot.active[0] = engine->playerShot.active[1] = 0;
    engine->robotFireTimers[0] = 10;
    engine->noEnemiesRobots = engine->noEnemiesAllies = 1;
    engine->FireAllyShots(kCamX, kCamY);
    engine->FireRobotShots(kCamX, kCamY);
    EXPECT_EQ(engine->playerShot.active[0] + engine->playerShot.active[1], 0);

    // A robot aims from its middle at the target's middle, into a slot whose
    // frame and box another shot left.
    engine->noEnemiesRobots = 0;
    engine->robot.active[1] = engine->robot.active[2] = 0;
    engine->ally.active[0] = 0;
    engine->robot.targetX[0] = 100;
    engine->robot.targetY[0] = -100;  // up and right at 45 degrees
    engine->playerShot.frame[0] = 3;
    engine->playerShot.w[0] = 50;
    engine->robotFireTimers[0] = 10;
    engine->FireRobotShots(kCamX, kCamY);
    ASSERT_EQ(engine->playerShot.active[0], 1);
    EXPECT_EQ(ShotHeading(0), 8);
    EXPECT_EQ(engine->playerShot.y[0], 12);
    EXPECT_EQ(engine->playerShot.frame[0], 0);
    EXPECT_EQ(engine->playerShot.w[0] + engine->playerShot.h[0], 16);
}

}  // namespace
