// A small battle run frame by frame under a manual clock, with the area
// scenes' steppers feeding the engine: the ship steers toward the mouse,
// enemies chase it and robots escort it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "battle/battle_engine.h"
#include "platform/clock.h"
#include "platform/motion_stepper.h"

namespace {

constexpr uint32_t kFrameMs = 16;

class BattleScene : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::Install(&clock);
        engine->AreaBounds[kBoundYMin] = -4000;
        engine->AreaBounds[kBoundXMax] = 1760;
        engine->engineLevel = 8;
        for (int r = 0; r < 4; ++r) {
            engine->robot.exists[r] = engine->robot.active[r] = 1;
            engine->robot.x[r] = engine->shipX + camX - 60 + 40 * r;
            engine->robot.y[r] = engine->shipY + camY + 80;
        }
        for (int e = 0; e < 6; ++e) {
            engine->enemy.active[e] = 1;
            engine->enemy.mobile[e] = e < 5;  // enemy 5 is a turret
            engine->enemy.x[e] = camX + 150 * e;
            engine->enemy.y[e] = camY - 700;
            engine->enemy.w[e] = engine->enemy.h[e] = 32;
            engine->enemy.keepOffX[e] = engine->enemy.keepOffY[e] = 90;
        }
    }
    void TearDown() override { Clock::Install(nullptr); }

    // One battle frame in the order the area scenes run it.
    void Frame(int32_t mouseX, int32_t mouseY, bool buttonDown) {
        clock.Advance(kFrameMs);
        engine->TickAnimations();
        engine->TickEffects(0);
        const uint8_t s50 = steppers[0].StepAdaptive(50, kFrameMs);
        const uint8_t sx = steppers[1].StepAdaptive(engine->shipVelocityX, kFrameMs);
        const uint8_t sy = steppers[2].StepAdaptive(engine->shipVelocityY, kFrameMs);
        const uint8_t s70 = steppers[3].StepAdaptive(70, kFrameMs);
        const uint8_t s210 = steppers[4].StepAdaptive(210, kFrameMs);
        engine->MoveShotsAndWaves(camX, camY, s70, 0, s210, 0, 0, 0, 0, 0);
        if (buttonDown) {
            engine->SteerShip(camX, camY, mouseX, mouseY, sx, sy);
        } else {
            engine->shipVelocityX = engine->shipVelocityY = 0;
        }
        engine->ThinkRobots(camX, camY, s70, s210);
        engine->ThinkEnemies(camX, camY, s50, s70);
    }

    ManualClock clock{10000};
    std::unique_ptr<BattleEngine> engine = std::make_unique<BattleEngine>();
    MotionStepper steppers[5];
    int32_t camX = 600, camY = -2000;
};

int32_t Gap(const BattleEngine& e, int i, int32_t x, int32_t y) {
    return std::abs(e.enemy.x[i] - x) + std::abs(e.enemy.y[i] - y);
}

}  // namespace

TEST_F(BattleScene, ShipSteersTowardTheMouseWhileUnitsFollowTheirRules) {
    int32_t before[6];
    for (int e = 0; e < 6; ++e) before[e] = Gap(*engine, e, engine->shipX + camX, engine->shipY + camY);
    const int32_t turretX = engine->enemy.x[5];

    // Up and to the right of the ship for two seconds: heading 8, 8 x 40 px/s a side.
    for (int f = 0; f < 120; ++f) Frame(600, 142, true);
    EXPECT_EQ(engine->heading, 8);
    EXPECT_EQ(engine->shipVelocityX, 8 * 40);
    EXPECT_NEAR(camX - 600, 614, 8);  // 320 px/s for 1.92 s
    EXPECT_NEAR(-2000 - camY, 614, 8);
    EXPECT_EQ(engine->shipX, 368) << "the ship stays centred away from the edges";

    const int32_t shipWorldX = engine->shipX + camX, shipWorldY = engine->shipY + camY;
    for (int e = 0; e < 5; ++e) {
        EXPECT_LT(Gap(*engine, e, shipWorldX, shipWorldY), before[e]) << "enemy " << e << " chased";
    }
    EXPECT_EQ(engine->enemy.x[5], turretX);
    for (int r = 0; r < 4; ++r) {
        EXPECT_LE(std::abs(engine->robot.x[r] - shipWorldX), 600) << "robot " << r << " kept up";
        EXPECT_LE(std::abs(engine->robot.y[r] - shipWorldY), 550) << r;
    }

    // Button up: the heading stays and the camera rests; then hard left.
    const int32_t restX = camX, restY = camY;
    for (int f = 0; f < 30; ++f) Frame(100, 500, false);
    EXPECT_EQ(engine->heading, 8);
    EXPECT_EQ(camX, restX);
    for (int f = 0; f < 30; ++f) Frame(0, 342, true);
    EXPECT_EQ(engine->heading, 48);
    EXPECT_LT(camX, restX);
    EXPECT_EQ(camY, restY);
}
