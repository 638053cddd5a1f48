#include <gtest/gtest.h>

#include <memory>

#include "battle/battle_engine.h"

namespace {

// Camera at (0, -1000): the ship's world point is (368, -690) and the
// centre it is chased at (400, -658).
constexpr int32_t kCamX = 0;
constexpr int32_t kCamY = -1000;
constexpr int32_t kShipWorldX = 368;
constexpr int32_t kShipWorldY = -690;

class Behaviour : public ::testing::Test {
protected:
    void SetUp() override {
        engine = std::make_unique<BattleEngine>();
        engine->AreaBounds[kBoundYMin] = -10000;
        engine->AreaBounds[kBoundYMax] = 0;
        engine->AreaBounds[kBoundXMin] = -5000;
        engine->AreaBounds[kBoundXMax] = 5000;
    }

    int AddEnemy(int slot, int32_t x, int32_t y, uint8_t mobile = 1, int32_t keepOff = 50) {
        engine->enemy.active[slot] = 1;
        engine->enemy.mobile[slot] = mobile;
        engine->enemy.x[slot] = x;
        engine->enemy.y[slot] = y;
        engine->enemy.w[slot] = 32;
        engine->enemy.h[slot] = 32;
        engine->enemy.keepOffX[slot] = keepOff;
        engine->enemy.keepOffY[slot] = keepOff;
        return slot;
    }
    void AddRobot(int slot, int32_t x, int32_t y) {
        engine->robot.exists[slot] = 1;
        engine->robot.active[slot] = 1;
        engine->robot.x[slot] = x;
        engine->robot.y[slot] = y;
    }
    void AddAlly(int slot, int32_t x, int32_t y) {
        engine->ally.exists[slot] = 1;
        engine->ally.active[slot] = 1;
        engine->ally.x[slot] = x;
        engine->ally.y[slot] = y;
        engine->ally.w[slot] = 32;
        engine->ally.h[slot] = 32;
        engine->ally.leashX[slot] = 100;
        engine->ally.leashY[slot] = 100;
        engine->ally.fireGroup[slot] = 1;
    }

    std::unique_ptr<BattleEngine> engine;
};

}  // namespace

// ---- Enemy targets and motion ----

TEST_F(Behaviour, EnemiesChaseTheShipAsDrawnUnlessARobotOrAllyIsNearer) {
    // No robot or ally: the ship, at its centre as drawn (slid at an edge).
    AddEnemy(0, 2000, -3000);
    AddEnemy(99, 400, -658, 0);
    engine->offsetRight = 100;
    engine->offsetUp = 40;
    engine->ThinkEnemies(kCamX, kCamY, 0, 0);
    for (int e : {0, 99}) {
        EXPECT_EQ(engine->enemy.targetsShip[e], 1) << e;
        EXPECT_EQ(engine->enemy.targetIndex[e], kTargetIsShip) << e;
        EXPECT_EQ(engine->enemy.targetX[e], kShipWorldX + 100 + 32) << e;
        EXPECT_EQ(engine->enemy.targetY[e], kShipWorldY - 40 + 32) << e;
    }
    engine->offsetRight = engine->offsetUp = 0;

    AddRobot(7, 2100, -3050);  // 100 and 50 away
    AddRobot(8, 2500, -3010);  // nearer on y only: by 10 < bx 100, so the y-nearest is chased
    engine->ThinkEnemies(kCamX, kCamY, 0, 0);
    EXPECT_EQ(engine->enemy.nearestRobotByX[0], 7);
    EXPECT_EQ(engine->enemy.nearestRobotByY[0], 8);
    EXPECT_EQ(engine->enemy.targetIndex[0], 8);
    EXPECT_EQ(engine->enemy.targetX[0], 2500);
    AddAlly(2, 2050, -3005);  // nearer than any robot on both axes
    engine->ThinkEnemies(kCamX, kCamY, 0, 0);
    EXPECT_EQ(engine->enemy.targetsAlly[0], 1);
    EXPECT_EQ(engine->enemy.targetIndex[0], 2);
    EXPECT_EQ(engine->enemy.targetY[0], -3005);

    // The ship wins while it is less than 70 px further than the nearest unit.
    AddEnemy(0, kShipWorldX + 150, kShipWorldY + 150);
    AddRobot(0, kShipWorldX + 250, kShipWorldY + 250);
    engine->ThinkEnemies(kCamX, kCamY, 0, 0);
    EXPECT_EQ(engine->enemy.targetsShip[0], 1);  // 150 < 100 + 70 on both axes
    AddRobot(0, kShipWorldX + 220, kShipWorldY + 220);
    engine->ThinkEnemies(kCamX, kCamY, 0, 0);
    EXPECT_EQ(engine->enemy.targetsShip[0], 0);
    EXPECT_EQ(engine->enemy.targetIndex[0], 0);
    EXPECT_EQ(engine->enemy.x[99], 400) << "an immobile enemy picks targets but never moves";
}

TEST_F(Behaviour, EnemiesChaseUntilTheirKeepOffDistance) {
    // Exactly keep-off on an axis: no motion on it.
    AddEnemy(0, 400 - 50, -2000);
    AddEnemy(1, 2000, -658 + 50);
    engine->ThinkEnemies(kCamX, kCamY, 0, 6);
    EXPECT_EQ(engine->enemy.x[0], 350);
    EXPECT_EQ(engine->enemy.y[0], -1994);
    EXPECT_EQ(engine->enemy.movedThisFrame[0], 1);
    EXPECT_EQ(engine->enemy.x[1], 1994);
    EXPECT_EQ(engine->enemy.y[1], -608);
}

TEST_F(Behaviour, DirectionFlagsCarryFromOneUnitToTheNextWithinAPass) {
    // Enemy 0 moves right and down, enemy 1 left and down: the flags of the
    // pass add up, so enemy 1 turns down-right as well.
    AddEnemy(0, 0, -2000);
    AddEnemy(1, 1000, -2000);
    engine->enemy.faceRequest[0] = engine->enemy.faceRequest[1] = 1;
    engine->ThinkEnemies(kCamX, kCamY, 0, 5);
    EXPECT_EQ(engine->enemy.facing[0], 3);
    EXPECT_EQ(engine->enemy.facing[1], 3);
    EXPECT_EQ(engine->enemy.faceRequest[1], 0);
    // The next pass starts clear: enemy 0 alone, moving down only.
    engine->enemy.active[1] = 0;
    engine->enemy.x[0] = 400;
    engine->enemy.faceRequest[0] = 1;
    engine->ThinkEnemies(kCamX, kCamY, 0, 5);
    EXPECT_EQ(engine->enemy.facing[0], 4);

    // Robot 0 chases right, robot 1 only up: robot 1 faces up-right.
    AddEnemy(5, kShipWorldX + 300, kShipWorldY - 300, 0);
    AddRobot(0, kShipWorldX, kShipWorldY - 300);
    AddRobot(1, kShipWorldX + 300, kShipWorldY);
    engine->ThinkRobots(kCamX, kCamY, 7, 10);
    EXPECT_EQ(engine->robot.facing[0], 2);
    EXPECT_EQ(engine->robot.facing[1], 1);
    // Allies alike, on the tick their timer reads 1.
    engine->robotFireTimers[0] = 1;
    AddAlly(0, kShipWorldX, kShipWorldY - 300);
    AddAlly(1, kShipWorldX + 300, kShipWorldY);
    engine->ThinkAllies(kCamX, kCamY, 7, 10);
    EXPECT_EQ(engine->ally.facing[0], 2);
    EXPECT_EQ(engine->ally.facing[1], 1);
}

TEST_F(Behaviour, EnemiesSidestepInsideTheirChanceWindow) {
    // Inside a keep-off of 150 an enemy does not chase; 60 px off its target
    // (past 150 - 100) it steps aside, away from the target, on each axis
    // it may sidestep along.
    const struct {
        uint8_t alongX, alongY;
        int32_t dx, dy;  // target minus enemy
        int32_t stepX, stepY;
    } rows[] = {
        {1, 0, 60, 0, -4, 0}, {1, 0, -60, 0, 4, 0}, {0, 1, 0, 60, 0, -4}, {0, 1, 0, -60, 0, 4}, {0, 0, 60, 60, 0, 0},
    };
    for (const auto& r : rows) {
        AddEnemy(0, 400 - r.dx, -658 - r.dy, 1, 150);
        engine->enemy.sidestepX[0] = r.alongX;
        engine->enemy.sidestepY[0] = r.alongY;
        engine->enemy.sidestepChance[0] = 30;
        engine->enemy.sidestepping[0] = engine->enemy.sidestepTravelled[0] = 0;
        engine->sidestepTicker = 10;
        engine->ThinkEnemies(kCamX, kCamY, 4, 9);
        EXPECT_EQ(engine->enemy.x[0], 400 - r.dx + r.stepX) << r.dx << "," << r.dy;
        EXPECT_EQ(engine->enemy.y[0], -658 - r.dy + r.stepY) << r.dx << "," << r.dy;
    }

    // A sidestep runs until it has gone past 100 px.
    AddEnemy(0, 400 - 60, -658, 1, 150);
    engine->enemy.sidestepX[0] = 1;
    engine->enemy.sidestepY[0] = 0;
    engine->enemy.sidestepping[0] = engine->enemy.sidestepTravelled[0] = 0;
    int frames = 0;
    do {
        engine->ThinkEnemies(kCamX, kCamY, 4, 9);
        ++frames;
    } while (engine->enemy.sidestepping[0] && frames < 100);
    EXPECT_EQ(frames, 26);  // 26 x 4 = 104 > 100
    EXPECT_EQ(engine->enemy.sidestepTravelled[0], 0);
    EXPECT_EQ(engine->enemy.x[0], 340 - 104);

    engine->sidestepTicker = 30;  // the window has closed
    engine->enemy.x[0] = 340;
    engine->ThinkEnemies(kCamX, kCamY, 4, 9);
    EXPECT_EQ(engine->enemy.x[0], 340);
    EXPECT_EQ(engine->enemy.sidestepping[0], 0);
}

TEST_F(Behaviour, EnemiesStayNearTheArea) {
    // Area x 0..1000, y -2000..0: an enemy may stray 700 right, 50 left and
    // 600 above or below. Each chases the ship, placed beyond that edge.
    const struct {
        int32_t camX, camY, x, y, wantX, wantY;
    } rows[] = {
        {5000, -1000, 1695, -700, 1700, -700},  // right: up to the margin
        {5000, -1000, 1700, -700, 1700, -700},  // past it the step is undone
        {-5000, -1000, -45, -700, -50, -700},
        {-5000, -1000, -50, -700, -50, -700},
        {0, -10000, 368, -2595, 368, -2600},
        {0, -10000, 368, -2600, 368, -2600},
        {0, 5000, 368, 595, 368, 600},
        {0, 5000, 368, 600, 368, 600},
    };
    engine->AreaBounds[kBoundXMin] = 0;
    engine->AreaBounds[kBoundXMax] = 1000;
    engine->AreaBounds[kBoundYMin] = -2000;
    engine->AreaBounds[kBoundYMax] = 0;
    for (const auto& r : rows) {
        AddEnemy(0, r.x, r.y);
        engine->ThinkEnemies(r.camX, r.camY, 0, 5);
        EXPECT_EQ(engine->enemy.x[0], r.wantX) << r.x << "," << r.y;
        EXPECT_EQ(engine->enemy.y[0], r.wantY) << r.x << "," << r.y;
    }
}

TEST_F(Behaviour, AnEnemyDoesNotStepOntoTheRobotItChases) {
    AddRobot(0, 0, -200);
    AddEnemy(0, 40, -200, 1, 0);
    AddEnemy(1, 70, -200, 1, 0);
    engine->ThinkEnemies(kCamX, kCamY, 0, 10);
    ASSERT_EQ(engine->enemy.targetIndex[0], 0);
    EXPECT_EQ(engine->enemy.x[0], 40) << "the step onto the robot is undone";
    EXPECT_EQ(engine->enemy.x[1], 60);
}

TEST_F(Behaviour, EnemiesFaceEachOfTheEightWaysTheyMove) {
    // The chased centre is (400, -658); each enemy lies 1000 px off it.
    const struct {
        int32_t dx, dy;  // enemy minus target
        uint8_t facing;
    } rows[] = {{0, 1000, 0},     {-1000, 1000, 1}, {-1000, 0, 2},  {-1000, -1000, 3},
                {0, -1000, 4},    {1000, -1000, 5}, {1000, 0, 6},   {1000, 1000, 7}};
    for (const auto& r : rows) {
        AddEnemy(0, 400 + r.dx, -658 + r.dy);
        engine->enemy.facing[0] = 9;
        engine->enemy.faceRequest[0] = 1;
        engine->ThinkEnemies(kCamX, kCamY, 0, 5);
        EXPECT_EQ(engine->enemy.facing[0], r.facing) << r.dx << "," << r.dy;
    }
}

TEST_F(Behaviour, AnAllyIsChasedOnlyWhenNearerOnBothAxesAndItsOwnBoxIsKeptClear) {
    AddEnemy(0, 2000, -3000, 0);
    AddRobot(7, 2100, -3050);  // 100 and 50 away
    AddAlly(2, 2050, -3100);   // nearer on x only
    engine->ThinkEnemies(kCamX, kCamY, 0, 0);
    EXPECT_EQ(engine->enemy.targetsAlly[0], 0);
    EXPECT_EQ(engine->enemy.targetIndex[0], 7);

    // A 64 px ally: a step into its box is undone, one that ends on its edge is kept.
    engine->robot.active[7] = 0;
    engine->enemy.active[0] = 0;
    AddAlly(2, 0, -200);
    engine->ally.w[2] = engine->ally.h[2] = 64;
    AddEnemy(1, 70, -200, 1, 0);
    AddEnemy(2, 74, -200, 1, 0);
    engine->ThinkEnemies(kCamX, kCamY, 0, 10);
    ASSERT_EQ(engine->enemy.targetsAlly[1] + engine->enemy.targetsAlly[2], 2);
    EXPECT_EQ(engine->enemy.x[1], 70) << "60 would lie inside the ally's 64 px";
    EXPECT_EQ(engine->enemy.x[2], 64) << "touching the edge is no overlap";
}

TEST_F(Behaviour, EscortsStayPutExactlyAtTheirLimits) {
    // Robot 4 keeps off 60 x 50; it closes in only past 200 more, and
    // starts back only past 400 x 350 from the ship.
    AddEnemy(0, kShipWorldX + 260, kShipWorldY - 250, 0);
    AddRobot(4, kShipWorldX, kShipWorldY);
    engine->ThinkRobots(kCamX, kCamY, 7, 10);
    EXPECT_EQ(engine->robot.x[4], kShipWorldX);
    EXPECT_EQ(engine->robot.y[4], kShipWorldY);
    engine->enemy.y[0] = kShipWorldY - 251;
    engine->ThinkRobots(kCamX, kCamY, 7, 10);
    EXPECT_EQ(engine->robot.y[4], kShipWorldY - 7);

    engine->enemy.active[0] = 0;
    const struct {
        int32_t dx, dy;
    } edges[] = {{400, 0}, {-400, 0}, {0, 350}, {0, -350}};
    for (const auto& e : edges) {
        AddRobot(4, kShipWorldX + e.dx, kShipWorldY + e.dy);
        engine->robot.returningX[4] = engine->robot.returningY[4] = 0;
        engine->ThinkRobots(kCamX, kCamY, 0, 10);  // no idle drift
        EXPECT_EQ(engine->robot.x[4], kShipWorldX + e.dx) << e.dx << "," << e.dy;
        EXPECT_EQ(engine->robot.y[4], kShipWorldY + e.dy) << e.dx << "," << e.dy;
        EXPECT_EQ(engine->robot.returningX[4] + engine->robot.returningY[4], 0) << e.dx << "," << e.dy;
    }
    // Past it, robots and allies alike come back at the fast step.
    AddRobot(4, kShipWorldX + 450, kShipWorldY + 700);
    engine->ThinkRobots(kCamX, kCamY, 3, 8);
    EXPECT_EQ(engine->robot.x[4], kShipWorldX + 442);
    EXPECT_EQ(engine->robot.y[4], kShipWorldY + 700 - 8 - 200) << "and jump when far behind";
    AddRobot(4, kShipWorldX, kShipWorldY + 560);
    engine->robot.returningX[4] = engine->robot.returningY[4] = 0;
    engine->ThinkRobots(kCamX, kCamY, 3, 8);
    EXPECT_EQ(engine->robot.y[4], kShipWorldY + 560 - 8 - 200) << "552 is past 550";
    AddAlly(0, kShipWorldX + 450, kShipWorldY);
    engine->ThinkAllies(kCamX, kCamY, 3, 8);
    EXPECT_EQ(engine->ally.x[0], kShipWorldX + 442);
    EXPECT_EQ(engine->ally.returningX[0], 1);
}

TEST_F(Behaviour, StaleNearestSlotsStayInsideTheTables) {
    // With the ship over 10070 px away and no robot active, the robot slots
    // of an earlier frame stay in use; a slot outside the table is ignored.
    AddEnemy(0, 0, -200, 0);
    engine->robot.x[5] = 77;
    engine->robot.y[5] = 88;
    engine->enemy.nearestRobotByX[0] = 5;
    engine->ThinkEnemies(20000, kCamY, 3, 3);
    EXPECT_EQ(engine->enemy.targetsShip[0], 0);
    EXPECT_EQ(engine->enemy.targetIndex[0], 5);
    EXPECT_EQ(engine->enemy.targetX[0], 77);
    EXPECT_EQ(engine->enemy.targetY[0], 88);
    engine->enemy.nearestRobotByX[0] = 12345;
    engine->enemy.nearestRobotByY[0] = -7;
    engine->ThinkEnemies(20000, kCamY, 3, 3);
    EXPECT_EQ(engine->enemy.targetIndex[0], 5);
    EXPECT_EQ(engine->enemy.targetX[0], 77);
}

// ---- Robots ----

TEST_F(Behaviour, RobotsReturnToTheirLeashAndJumpWhenFarBehind) {
    // Slot 0's leash is (80, 110); the return starts past 400 on x and 350 on
    // y at 10 px a frame, and jumps 200 px beyond 600 / 550.
    const struct {
        int32_t dx, dy;          // robot minus ship
        int32_t firstX, firstY;  // after one frame
        int32_t finalX, finalY;  // once the return ends
        uint8_t facing;
    } rows[] = {
        {-401, 0, -391, 0, -71, 0, 2}, {0, 351, 0, 341, 0, 101, 0},  {700, 0, 490, 0, 80, 0, 6},
        {-700, 0, -490, 0, -80, 0, 2}, {0, 700, 0, 490, 0, 110, 0}, {0, -600, 0, -390, 0, -110, 4},
    };
    for (const auto& r : rows) {
        AddRobot(0, kShipWorldX + r.dx, kShipWorldY + r.dy);
        engine->ThinkRobots(kCamX, kCamY, 0, 10);
        EXPECT_EQ(engine->robot.x[0] - kShipWorldX, r.firstX) << r.dx << "," << r.dy;
        EXPECT_EQ(engine->robot.y[0] - kShipWorldY, r.firstY) << r.dx << "," << r.dy;
        EXPECT_EQ(engine->robot.facing[0], r.facing) << r.dx << "," << r.dy;
        for (int f = 0; f < 100 && (engine->robot.returningX[0] || engine->robot.returningY[0]); ++f) {
            engine->ThinkRobots(kCamX, kCamY, 0, 10);
        }
        EXPECT_EQ(engine->robot.x[0] - kShipWorldX, r.finalX) << r.dx << "," << r.dy;
        EXPECT_EQ(engine->robot.y[0] - kShipWorldY, r.finalY) << r.dx << "," << r.dy;
    }
}

TEST_F(Behaviour, EscortsDoNotStepOntoTheEnemyTheyChase) {
    // A robot chases past 60 + 200 px, an ally (keep-off 0) past 200; a step
    // that would land on the enemy is undone, a shorter one is kept.
    AddEnemy(0, kShipWorldX + 261, kShipWorldY, 0);
    AddRobot(0, kShipWorldX, kShipWorldY);
    engine->ThinkRobots(kCamX, kCamY, 250, 0);
    EXPECT_EQ(engine->robot.x[0], kShipWorldX);
    engine->ThinkRobots(kCamX, kCamY, 200, 0);
    EXPECT_EQ(engine->robot.x[0], kShipWorldX + 200);

    engine->robot.active[0] = 0;
    AddAlly(0, kShipWorldX + 60, kShipWorldY);
    engine->ThinkAllies(kCamX, kCamY, 0, 190);
    EXPECT_EQ(engine->ally.x[0], kShipWorldX + 60);
    engine->ThinkAllies(kCamX, kCamY, 0, 150);
    EXPECT_EQ(engine->ally.x[0], kShipWorldX + 210);
}

TEST_F(Behaviour, EscortsChasePastKeepOffAndSlackOrDriftOutwardWhenIdle) {
    AddRobot(4, kShipWorldX, kShipWorldY);
    engine->ThinkRobots(kCamX, kCamY, 5, 10);
    EXPECT_EQ(engine->noEnemiesRobots, 1);
    EXPECT_EQ(engine->robot.x[4], kShipWorldX) << "within 15 px of the ship: no drift";
    AddRobot(4, kShipWorldX + 100, kShipWorldY - 10);
    engine->ThinkRobots(kCamX, kCamY, 5, 10);
    EXPECT_EQ(engine->robot.x[4], kShipWorldX + 105);
    EXPECT_EQ(engine->robot.y[4], kShipWorldY - 10);

    AddRobot(4, kShipWorldX, kShipWorldY);
    AddEnemy(0, kShipWorldX + 300, kShipWorldY + 10);
    engine->ThinkRobots(kCamX, kCamY, 7, 10);
    EXPECT_EQ(engine->noEnemiesRobots, 0);
    EXPECT_EQ(engine->robot.targetIndex[4], 0);
    EXPECT_EQ(engine->robot.x[4], kShipWorldX + 7);  // 300 > 60 + 200
    EXPECT_EQ(engine->robot.y[4], kShipWorldY);      // 10 is within 50 + 200

    // Allies chase at the fast step and turn only when their timer reads 1;
    // slots 30-49 are never moved.
    AddAlly(0, kShipWorldX, kShipWorldY);
    AddAlly(30, kShipWorldX - 900, kShipWorldY);
    engine->ally.facing[0] = 4;
    engine->robotFireTimers[0] = 5;
    engine->ThinkAllies(kCamX, kCamY, 3, 8);
    EXPECT_EQ(engine->ally.x[0], kShipWorldX + 8);
    EXPECT_EQ(engine->ally.facing[0], 4);
    EXPECT_EQ(engine->ally.x[30], kShipWorldX - 900);
    EXPECT_EQ(engine->ally.returningX[30], 0);
    engine->robotFireTimers[0] = 1;
    engine->ThinkAllies(kCamX, kCamY, 3, 8);
    EXPECT_EQ(engine->ally.facing[0], 2);
}

TEST_F(Behaviour, ANewRobotFliesOutOfTheFactory) {
    engine->newRobotPending = 1;
    engine->newRobotSlot = 6;
    engine->newRobotX = 100;
    engine->newRobotY = -300;
    for (int f = 0; f < 14; ++f) engine->ThinkRobots(kCamX, kCamY, 10, 0);
    EXPECT_EQ(engine->newRobotPending, 1);
    engine->ThinkRobots(kCamX, kCamY, 10, 0);
    EXPECT_EQ(engine->newRobotPending, 0);
    EXPECT_EQ(engine->robot.x[6], 250);
    EXPECT_EQ(engine->robot.y[6], -300);
}
