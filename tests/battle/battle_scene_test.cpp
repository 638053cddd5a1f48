// A small battle run headless: the ship steers toward a scripted mouse,
// enemies chase it and robots escort it, frame by frame under a manual clock.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "battle/battle_engine.h"
#include "headless_device.h"
#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/motion_stepper.h"
#include "scene_view.h"

namespace {

constexpr uint32_t kFrameMs = 16;

class BattleScene : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::Install(&clock);
        engine = std::make_unique<BattleEngine>();
        engine->AreaBounds[kBoundYMin] = -4000;
        engine->AreaBounds[kBoundYMax] = 0;
        engine->AreaBounds[kBoundXMin] = 0;
        engine->AreaBounds[kBoundXMax] = 1760;
        engine->engineLevel = 8;
        for (MotionStepper& stepper : steppers) stepper.Reset();

        const int32_t shipWorldX = engine->shipX + camX;
        const int32_t shipWorldY = engine->shipY + camY;
        for (int r = 0; r < 4; ++r) {
            engine->robot.exists[r] = engine->robot.active[r] = 1;
            engine->robot.type[r] = static_cast<uint8_t>(r);
            engine->robot.x[r] = shipWorldX - 60 + 40 * r;
            engine->robot.y[r] = shipWorldY + 80;
        }
        // Mobile raiders ahead, two fixed turrets at the sides.
        const int32_t raiders[5][2] = {{300, -700}, {600, -760}, {900, -700}, {450, -820}, {750, -850}};
        for (int e = 0; e < 5; ++e) {
            AddEnemy(e, camX + raiders[e][0], camY + raiders[e][1], 1, static_cast<uint8_t>(e % 3));
            engine->enemy.keepOffX[e] = 80 + 20 * e;
            engine->enemy.keepOffY[e] = 90;
            engine->enemy.sidestepX[e] = 1;
            engine->enemy.sidestepChance[e] = 40;
        }
        AddEnemy(5, camX + 60, camY + 150, 0, 3);
        AddEnemy(6, camX + 700, camY + 120, 0, 4);
        for (int e = 5; e <= 6; ++e) engine->enemy.w[e] = engine->enemy.h[e] = 64;
    }
    void TearDown() override {
        engine->ReleaseArt();
        Clock::Install(nullptr);
    }

    void AddEnemy(int slot, int32_t x, int32_t y, uint8_t mobile, uint8_t art) {
        engine->enemy.active[slot] = 1;
        engine->enemy.mobile[slot] = mobile;
        engine->enemy.art[slot] = art;
        engine->enemy.x[slot] = x;
        engine->enemy.y[slot] = y;
        engine->enemy.w[slot] = 32;
        engine->enemy.h[slot] = 32;
        engine->enemy.fireGroup[slot] = static_cast<uint8_t>(slot % 3 + 1);
    }

    // One battle frame in the order the area scenes run it.
    void Frame(int32_t mouseX, int32_t mouseY, bool buttonDown) {
        clock.Advance(kFrameMs);
        engine->TickAnimations();
        engine->TickSlowAnimations(2);
        engine->TickEffects(0);
        engine->steering = 0;
        // The battle regions' thirteen steppers, in their order.
        const uint8_t s50 = steppers[0].StepAdaptive(50, kFrameMs);
        const uint8_t s30 = steppers[1].StepAdaptive(30, kFrameMs);
        const uint8_t sx = steppers[2].StepAdaptive(engine->shipVelocityX, kFrameMs);
        const uint8_t sy = steppers[3].StepAdaptive(engine->shipVelocityY, kFrameMs);
        uint8_t s[8];
        for (int k = 0; k < 8; ++k) s[k] = steppers[4 + k].StepAdaptive(70 * (k + 1), kFrameMs);
        const uint8_t s90 = steppers[12].StepAdaptive(90, kFrameMs);
        engine->MoveShotsAndWaves(camX, camY, s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
        engine->MoveKillDebris(s30, s50, s[0], s90, s[1], s[2]);
        if (buttonDown) {
            engine->SteerShip(camX, camY, mouseX, mouseY, sx, sy);
        } else {
            engine->shipVelocityX = engine->shipVelocityY = 0;
        }
        engine->ThinkRobots(camX, camY, s[0], s[2]);
        engine->ThinkAllies(camX, camY, s[0], s[2]);
        // Enemies turn when they fire; their fire timers read 10 then.
        for (int e = 0; e < kEnemySlots; ++e) {
            const int group = engine->enemy.fireGroup[e];
            if (engine->enemy.active[e] && group >= 1 && group <= 3 && engine->enemyFireTimers[group - 1] == 10) {
                engine->enemy.faceRequest[e] = 1;
            }
        }
        engine->ThinkEnemies(camX, camY, s50, s[0]);
        // A volley straight ahead now and then, so shots show in flight.
        if (engine->fireReady) {
            engine->fireReady = 0;
            const int32_t noseX = engine->shipX + camX + 28;
            const int32_t noseY = engine->shipY + camY;
            engine->AddPlayerShot(noseX, noseY, 8, 8, engine->stepUnitX, engine->stepUnitY,
                                  engine->heading < 32 ? 1 : 0, (engine->heading < 17 || engine->heading >= 48) ? 0 : 1,
                                  10, 0);
        }
    }

    ManualClock clock{10000};
    std::unique_ptr<BattleEngine> engine;
    MotionStepper steppers[13];
    int32_t camX = 600;
    int32_t camY = -2000;
};

int32_t Distance(int32_t ax, int32_t ay, int32_t bx, int32_t by) { return std::abs(ax - bx) + std::abs(ay - by); }

}  // namespace

TEST_F(BattleScene, ShipSteersTowardTheMouseWhileUnitsFollowTheirRules) {
    const int32_t shipWorldX0 = engine->shipX + camX;
    const int32_t shipWorldY0 = engine->shipY + camY;
    int32_t startX[5], startY[5];
    for (int e = 0; e < 5; ++e) {
        startX[e] = engine->enemy.x[e];
        startY[e] = engine->enemy.y[e];
    }
    EXPECT_EQ(shipWorldX0, 968);
    EXPECT_EQ(shipWorldY0, -1690);
    const int32_t turretX = engine->enemy.x[5], turretY = engine->enemy.y[5];

    // Up and to the right of the ship for two seconds: heading 8 exactly.
    for (int f = 0; f < 120; ++f) Frame(400 + 200, 342 - 200, true);
    EXPECT_EQ(engine->heading, 8);
    EXPECT_EQ(engine->stepUnitX, 8);
    EXPECT_EQ(engine->stepUnitY, 8);
    EXPECT_EQ(engine->shipVelocityX, 8 * 40);
    // The camera scrolled up and right at about 320 px/s for 1.92 s.
    EXPECT_NEAR(camX - 600, 614, 8);
    EXPECT_NEAR(-2000 - camY, 614, 8);
    EXPECT_EQ(engine->shipX, 368) << "the ship stays centred away from the edges";

    const int32_t shipWorldX = engine->shipX + camX;
    const int32_t shipWorldY = engine->shipY + camY;
    int32_t raiderGap = 0, standingGap = 0;
    for (int e = 0; e < 5; ++e) {
        raiderGap += Distance(engine->enemy.x[e], engine->enemy.y[e], shipWorldX, shipWorldY);
        standingGap += Distance(startX[e], startY[e], shipWorldX, shipWorldY);
        const int32_t target = engine->enemy.targetIndex[e];
        EXPECT_TRUE(target == kTargetIsShip || (target >= 0 && target < 4)) << e;
    }
    // The raiders chased (70 px/s an axis) rather than stood.
    EXPECT_LT(raiderGap, standingGap - 5 * 100);
    EXPECT_EQ(engine->enemy.x[5], turretX);
    EXPECT_EQ(engine->enemy.y[5], turretY);

    // The escorts kept up with the ship.
    for (int r = 0; r < 4; ++r) {
        EXPECT_LE(std::abs(engine->robot.x[r] - shipWorldX), 600) << r;
        EXPECT_LE(std::abs(engine->robot.y[r] - shipWorldY), 550) << r;
    }

    // Button up: the ship keeps its heading and the camera rests.
    const int32_t restX = camX, restY = camY;
    for (int f = 0; f < 30; ++f) Frame(100, 500, false);
    EXPECT_EQ(engine->heading, 8);
    EXPECT_EQ(camX, restX);
    EXPECT_EQ(camY, restY);

    // Hard left: heading 48, moving left only.
    for (int f = 0; f < 30; ++f) Frame(0, 342, true);
    EXPECT_EQ(engine->heading, 48);
    EXPECT_LT(camX, restX);
    EXPECT_EQ(camY, restY);

    int live = 0;
    for (int i = 0; i < kPlayerShotSlots; ++i) live += engine->playerShot.active[i];
    EXPECT_GT(live, 0);

    // Look at it: draw the scene headless and keep the picture.
    HeadlessDevice device(800, 600);
    ASSERT_TRUE(device.Ready());
    {
        ScopedGameDir inGame(GameDir());
        engine->LoadArt(device.Graphics());
    }
    FillMissingBattleArt(*engine);
    engine->steering = 1;
    DrawBattleForTest(*engine, device.Graphics(), camX, camY);
    const std::string path = TestOutPath("battle_scene.png");
    ASSERT_EQ(device.Graphics()->SaveScreenshot(path.c_str()), 1);

    Image shot;
    ASSERT_TRUE(LoadImageFile(path, shot));
    ASSERT_EQ(shot.width, 800);
    ASSERT_EQ(shot.height, 600);
    const uint32_t background = 0xFF0C1428;
    EXPECT_NE(shot.At(400, 342) | 0xFF000000, background) << "the ship is drawn at the centre";
    // Every robot and enemy on screen covers its centre pixel.
    auto covered = [&](int32_t worldX, int32_t worldY, int32_t half) {
        const int32_t x = worldX - camX + half, y = worldY - camY + half;
        if (x < 0 || y < 0 || x >= 800 || y >= 600) return true;
        return (shot.At(x, y) | 0xFF000000) != background;
    };
    for (int r = 0; r < 4; ++r) EXPECT_TRUE(covered(engine->robot.x[r], engine->robot.y[r], 16)) << r;
    for (int e = 0; e < 7; ++e) {
        EXPECT_TRUE(covered(engine->enemy.x[e], engine->enemy.y[e], engine->enemy.w[e] / 2)) << e;
    }
}
