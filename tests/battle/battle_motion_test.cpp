#include <gtest/gtest.h>

#include <memory>

#include "battle/battle_engine.h"

namespace {

class ShotMotion : public ::testing::Test {
protected:
    void SetUp() override { engine = std::make_unique<BattleEngine>(); }
    // One frame with every speed class stepping a distinct amount: unit u steps u px.
    void Frame(int32_t camX = 0, int32_t camY = 0) { engine->MoveShotsAndWaves(camX, camY, 1, 2, 3, 4, 5, 6, 7, 8); }
    std::unique_ptr<BattleEngine> engine;
};

}  // namespace

TEST_F(ShotMotion, UnitsPickTheSpeedClassAndSignsTheDirection) {
    engine->AddPlayerShot(500, 500, 8, 8, 0, 8, 0, 0, 1, 0);  // straight up at 560 px/s
    engine->AddPlayerShot(500, 500, 8, 8, 3, 5, 1, 1, 1, 0);
    engine->AddEnemyShot(500, 500, 8, 8, 8, 1, 0, 1, 1, 0, 0);
    for (int f = 0; f < 10; ++f) Frame();
    EXPECT_EQ(engine->playerShot.x[0], 500);
    EXPECT_EQ(engine->playerShot.y[0], 420);
    EXPECT_EQ(engine->playerShot.x[1], 530);
    EXPECT_EQ(engine->playerShot.y[1], 550);
    EXPECT_EQ(engine->enemyShot.x[0], 420);
    EXPECT_EQ(engine->enemyShot.y[0], 510);
    EXPECT_EQ(engine->enemyShot.travelledX[0], -80);
}

TEST_F(ShotMotion, PlayerShotsExpirePastAThousandPixelsFromTheShip) {
    const int32_t camX = 100, camY = -2000;
    const int32_t shipWorldX = engine->shipX + camX, shipWorldY = engine->shipY + camY;
    engine->AddPlayerShot(shipWorldX + 999, shipWorldY, 8, 8, 1, 0, 1, 1, 1, 0);  // right, 1 px a frame
    engine->AddPlayerShot(shipWorldX, shipWorldY - 999, 8, 8, 0, 1, 1, 0, 1, 0);  // up
    Frame(camX, camY);
    EXPECT_EQ(engine->playerShot.active[0], 1) << "exactly 1000 keeps it";
    EXPECT_EQ(engine->playerShot.active[1], 1);
    Frame(camX, camY);
    EXPECT_EQ(engine->playerShot.active[0], 0);
    EXPECT_EQ(engine->playerShot.active[1], 0);
    // The range moves with the camera.
    engine->AddPlayerShot(0, 0, 8, 8, 0, 0, 1, 1, 1, 0);
    Frame(0, 0);
    EXPECT_EQ(engine->playerShot.active[0], 1);
    Frame(-2000, 0);
    EXPECT_EQ(engine->playerShot.active[0], 0);
}

TEST_F(ShotMotion, EnemyShotsExpireAfterFourThousandTravelled) {
    engine->AddEnemyShot(0, 0, 8, 8, 8, 0, 0, 1, 1, 0, 0);  // left at 8 px a frame
    engine->AddEnemyShot(0, 0, 8, 8, 0, 8, 1, 1, 1, 0, 0);  // down
    for (int f = 0; f < 500; ++f) Frame(-100000, 100000);  // the camera plays no part
    EXPECT_EQ(engine->enemyShot.active[0], 1);
    EXPECT_EQ(engine->enemyShot.active[1], 1);
    engine->MoveShotsAndWaves(0, 0, 0, 0, 0, 0, 0, 0, 0, 1);  // one more pixel
    EXPECT_EQ(engine->enemyShot.active[0], 0);
    EXPECT_EQ(engine->enemyShot.active[1], 0);
}

TEST_F(ShotMotion, ARingRaisesItsDamageTriggerOnceAtHalfSizeAndEnds) {
    ShockWave& wave = engine->ring[1];
    wave.state = 1;
    wave.alpha = 90;  // faded by the drawing
    int raised = 0, frames = 0;
    // 35 px per frame at 70 px/s: exactly 1.0 progress a frame.
    while (wave.state != 0 && frames < 100) {
        engine->MoveShotsAndWaves(0, 0, 35, 0, 0, 0, 0, 0, 0, 0);
        ++frames;
        if (frames == 2) {
            EXPECT_FLOAT_EQ(wave.drawScale, 1.6f) << "the picture grows by 0.8 of the progress";
        }
        if (wave.damageTrigger == 1) {
            ++raised;
            EXPECT_EQ(wave.state, 2);
            EXPECT_GT(wave.progress, 1.5f);
        }
        if (wave.damageTrigger != 0) wave.damageTrigger = 2;  // the damage pass applied it
    }
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(frames, 4);  // progress 3.0 is not past the maximum; 4.0 is
    EXPECT_EQ(wave.damageTrigger, 0);
    EXPECT_FLOAT_EQ(wave.drawScale, 0.0001f);
    EXPECT_EQ(wave.alpha, 255);
    EXPECT_EQ(engine->ring[0].state, 0) << "idle rings stay idle";
}

TEST(KillDebris, PatternsPickTheirColumnOfSteps) {
    auto engine = std::make_unique<BattleEngine>();
    // Speeds s30 .. s210 step 1 .. 6 px; each column's seven particles.
    const int32_t columns[3][7][2] = {
        {{-1, -4}, {3, -5}, {5, -6}, {-4, 1}, {-3, 6}, {-5, 3}, {3, -1}},   // patterns 0-2
        {{2, 1}, {-6, 3}, {-2, -4}, {-1, 6}, {-3, 5}, {6, 2}, {1, -2}},     // 3-4
        {{-5, -1}, {6, 1}, {2, 4}, {-1, 3}, {-3, 5}, {-6, 2}, {1, -5}},     // 5 and above
    };
    const struct {
        uint8_t pattern;
        int column;
    } rows[] = {{0, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 2}, {7, 2}};
    for (const auto& r : rows) engine->AddKillExplosion(0, 0, 32, 1, r.pattern);
    engine->killExplosion.frame[0] = 0;  // a free slot stays put
    engine->MoveKillDebris(1, 2, 3, 4, 5, 6);
    for (int i = 1; i < 6; ++i) {
        for (int p = 0; p < 7; ++p) {
            EXPECT_EQ(engine->killExplosion.debrisX[i][p] - 16, columns[rows[i].column][p][0])
                << int{rows[i].pattern} << " particle " << p;
            EXPECT_EQ(engine->killExplosion.debrisY[i][p] - 16, columns[rows[i].column][p][1])
                << int{rows[i].pattern} << " particle " << p;
        }
    }
    EXPECT_EQ(engine->killExplosion.debrisX[0][1], 16);
}
