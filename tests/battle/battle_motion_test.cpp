#include <gtest/gtest.h>

#include <memory>

#include "battle/battle_engine.h"

namespace {

class ShotMotion : public ::testing::Test {
protected:
    void SetUp() override { engine = std::make_unique<BattleEngine>(); }

    // One frame with every speed class stepping a distinct amount.
    void Frame(int32_t camX = 0, int32_t camY = 0) { engine->MoveShotsAndWaves(camX, camY, 1, 2, 3, 4, 5, 6, 7, 8); }

    std::unique_ptr<BattleEngine> engine;
};

}  // namespace

// ---- Shots ----

TEST_F(ShotMotion, UnitsPickTheSpeedClassAndSignsTheDirection) {
    engine->AddPlayerShot(500, 500, 8, 8, 0, 8, 0, 0, 1, 0);  // straight up at 560 px/s
    engine->AddPlayerShot(500, 500, 8, 8, 3, 5, 1, 1, 1, 0);
    engine->AddPlayerShot(500, 500, 8, 8, 8, 1, 0, 1, 1, 0);
    for (int f = 0; f < 10; ++f) Frame();
    EXPECT_EQ(engine->playerShot.x[0], 500);
    EXPECT_EQ(engine->playerShot.y[0], 500 - 80);
    EXPECT_EQ(engine->playerShot.x[1], 500 + 30);
    EXPECT_EQ(engine->playerShot.y[1], 500 + 50);
    EXPECT_EQ(engine->playerShot.x[2], 500 - 80);
    EXPECT_EQ(engine->playerShot.y[2], 500 + 10);
}

TEST_F(ShotMotion, PlayerShotsExpireBeyondAThousandPixelsFromTheShip) {
    const int32_t camX = 100, camY = -2000;
    const int32_t shipWorldX = engine->shipX + camX;  // 468
    const int32_t shipWorldY = engine->shipY + camY;  // -1690
    // Moving right by 1 px a frame, starting 999 px right of the ship.
    engine->AddPlayerShot(shipWorldX + 999, shipWorldY, 8, 8, 1, 0, 1, 1, 1, 0);
    // Moving up by 1 px a frame, starting 999 px above the ship.
    engine->AddPlayerShot(shipWorldX, shipWorldY - 999, 8, 8, 0, 1, 1, 0, 1, 0);
    Frame(camX, camY);
    EXPECT_EQ(engine->playerShot.active[0], 1) << "exactly 1000 keeps it";
    EXPECT_EQ(engine->playerShot.active[1], 1);
    Frame(camX, camY);
    EXPECT_EQ(engine->playerShot.active[0], 0);
    EXPECT_EQ(engine->playerShot.active[1], 0);
}

TEST_F(ShotMotion, PlayerShotRangeMovesWithTheCamera) {
    engine->AddPlayerShot(0, 0, 8, 8, 0, 0, 1, 1, 1, 0);  // still
    Frame(0, 0);
    EXPECT_EQ(engine->playerShot.active[0], 1);
    Frame(-2000, 0);  // the ship is now far to the left of it
    EXPECT_EQ(engine->playerShot.active[0], 0);
}

TEST_F(ShotMotion, EnemyShotsExpireAfterFourThousandTravelled) {
    engine->AddEnemyShot(0, 0, 8, 8, 8, 0, 0, 1, 1, 0, 0);  // left at 8 px a frame
    engine->AddEnemyShot(0, 0, 8, 8, 0, 8, 1, 1, 1, 0, 0);  // down at 8 px a frame
    for (int f = 0; f < 500; ++f) Frame(-100000, 100000);  // the camera plays no part
    EXPECT_EQ(engine->enemyShot.travelledX[0], -4000);
    EXPECT_EQ(engine->enemyShot.travelledY[1], 4000);
    EXPECT_EQ(engine->enemyShot.active[0], 1);
    EXPECT_EQ(engine->enemyShot.active[1], 1);
    engine->MoveShotsAndWaves(0, 0, 1, 0, 0, 0, 0, 0, 0, 0);  // unit 8 steps 0 this frame
    EXPECT_EQ(engine->enemyShot.active[0], 1);
    engine->MoveShotsAndWaves(0, 0, 0, 0, 0, 0, 0, 0, 0, 1);  // one more pixel
    EXPECT_EQ(engine->enemyShot.active[0], 0);
    EXPECT_EQ(engine->enemyShot.active[1], 0);
    EXPECT_EQ(engine->enemyShot.x[0], -4001);
}

// ---- Shock-wave rings ----

TEST_F(ShotMotion, ARingRaisesItsDamageTriggerOnceAtHalfSize) {
    ShockWave& wave = engine->ring[1];
    wave.state = 1;
    int raised = 0, frames = 0;
    // 35 px per frame at 70 px/s: exactly 1.0 progress a frame.
    while (wave.state != 0 && frames < 100) {
        engine->MoveShotsAndWaves(0, 0, 35, 0, 0, 0, 0, 0, 0, 0);
        ++frames;
        if (wave.damageTrigger == 1) {
            ++raised;
            EXPECT_EQ(wave.state, 2);
            EXPECT_GT(wave.progress, 1.5f);
            wave.damageTrigger = 2;  // the damage pass applies it
        }
    }
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(frames, 4);  // progress 3.0 is not past the maximum; 4.0 is
    EXPECT_EQ(wave.damageTrigger, 0);
    EXPECT_FLOAT_EQ(wave.drawScale, 0.0001f);
    EXPECT_FLOAT_EQ(wave.progress, 0.0f);
    EXPECT_EQ(wave.alpha, 255);
    EXPECT_EQ(engine->ring[0].state, 0) << "idle rings stay idle";
}

TEST_F(ShotMotion, ARaisedTriggerIsNotRaisedAgainBeforeTheRingEnds) {
    ShockWave& wave = engine->ring[0];
    wave.state = 1;
    for (int f = 0; f < 9; ++f) engine->MoveShotsAndWaves(0, 0, 7, 0, 0, 0, 0, 0, 0, 0);
    ASSERT_EQ(wave.damageTrigger, 1);
    wave.damageTrigger = 2;
    for (int f = 0; f < 3; ++f) engine->MoveShotsAndWaves(0, 0, 7, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(wave.damageTrigger, 2);
    EXPECT_FLOAT_EQ(wave.increment, 0.2f);
    EXPECT_NEAR(wave.drawScale, 12 * 0.2f * 0.8f, 1e-4);
}

// ---- Kill debris ----

TEST(KillDebris, PatternsPickTheirColumnOfSteps) {
    auto engine = std::make_unique<BattleEngine>();
    engine->AddKillExplosion(0, 0, 32, 1, 1);  // left column
    engine->AddKillExplosion(0, 0, 32, 1, 4);  // middle column
    engine->AddKillExplosion(0, 0, 32, 1, 7);  // right column
    engine->AddKillExplosion(0, 0, 32, 1, 0);
    engine->killExplosion.frame[3] = 0;  // a free slot stays put
    engine->MoveKillDebris(1, 2, 3, 4, 5, 6);  // s30..s210

    const int32_t left[7][2] = {{-1, -4}, {3, -5}, {5, -6}, {-4, 1}, {-3, 6}, {-5, 3}, {3, -1}};
    const int32_t middle[7][2] = {{2, 1}, {-6, 3}, {-2, -4}, {-1, 6}, {-3, 5}, {6, 2}, {1, -2}};
    const int32_t right[7][2] = {{-5, -1}, {6, 1}, {2, 4}, {-1, 3}, {-3, 5}, {-6, 2}, {1, -5}};
    for (int p = 0; p < 7; ++p) {
        EXPECT_EQ(engine->killExplosion.debrisX[0][p] - 16, left[p][0]) << p;
        EXPECT_EQ(engine->killExplosion.debrisY[0][p] - 16, left[p][1]) << p;
        EXPECT_EQ(engine->killExplosion.debrisX[1][p] - 16, middle[p][0]) << p;
        EXPECT_EQ(engine->killExplosion.debrisY[1][p] - 16, middle[p][1]) << p;
        EXPECT_EQ(engine->killExplosion.debrisX[2][p] - 16, right[p][0]) << p;
        EXPECT_EQ(engine->killExplosion.debrisY[2][p] - 16, right[p][1]) << p;
        EXPECT_EQ(engine->killExplosion.debrisX[3][p], 16);
    }
}
