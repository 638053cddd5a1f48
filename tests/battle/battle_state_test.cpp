#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <utility>

#include "battle/battle_engine.h"

namespace {

std::unique_ptr<BattleEngine> NewEngine() { return std::make_unique<BattleEngine>(); }

}  // namespace

TEST(BattleState, ShipStartsAtTheCentreFacingUp) {
    auto engine = NewEngine();
    EXPECT_EQ(engine->shipX, 368);
    EXPECT_EQ(engine->shipY, 310);
    EXPECT_EQ(engine->heading, 0);
    EXPECT_EQ(engine->stepUnitX, 0);
    EXPECT_EQ(engine->stepUnitY, 8);
    EXPECT_EQ(engine->engineLevel, 3);
    EXPECT_EQ(engine->flamePointX, 20);
    EXPECT_EQ(engine->flamePointY, 62);
    EXPECT_EQ(engine->fireMode, 1);
    EXPECT_EQ(engine->fireReady, 1);
    const int32_t boxes[7][4] = {{30, 0, 4, 16}, {22, 7, 20, 30}, {16, 40, 32, 24}, {16, 21, 32, 2},
                                 {30, 34, 4, 4}, {28, 1, 8, 8},   {17, 17, 30, 8}};
    for (int b = 0; b < 7; ++b) {
        for (int k = 0; k < 4; ++k) EXPECT_EQ(engine->shipHitBoxes[b][k], boxes[b][k]) << b << "," << k;
    }
}

TEST(BattleState, TimersAndCountersStartWhereTheGameExpects) {
    auto engine = NewEngine();
    EXPECT_EQ(engine->robotFireTimers[0], 0);
    EXPECT_EQ(engine->robotFireTimers[1], 3);
    EXPECT_EQ(engine->robotFireTimers[2], 7);
    EXPECT_EQ(engine->enemyFireTimers[0], 2);
    EXPECT_EQ(engine->enemyFireTimers[1], 5);
    EXPECT_EQ(engine->enemyFireTimers[2], 9);
    EXPECT_EQ(engine->pulseAlpha, 150);
    EXPECT_EQ(engine->animClock.state, 1);
    EXPECT_EQ(engine->slowClock.state, 1);
    EXPECT_EQ(engine->effectsClock.state, 1);
    EXPECT_EQ(engine->emergencyEscape, 0);
    EXPECT_EQ(engine->rollLimit, 120);
    for (int k = 0; k < kRingCount; ++k) {
        EXPECT_EQ(engine->ring[k].alpha, 255);
        EXPECT_EQ(engine->ring[k].state, 0);
        EXPECT_EQ(engine->ring[k].segments, 20);
        EXPECT_EQ(engine->ring[k].vertexCount, 120);
        EXPECT_FLOAT_EQ(engine->ring[k].width, kRingWidths[k]);
    }
    for (int i = 0; i < kFloatingTextSlots; ++i) EXPECT_EQ(engine->floatingText.active[i], 0);
}

TEST(BattleState, RobotsGetKeepOffsFireGroupsAndDistinctLeashes) {
    auto engine = NewEngine();
    const int32_t firstKeepOff[4][2] = {{60, 50}, {100, 50}, {50, 100}, {50, 150}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(engine->robot.keepOffX[i], firstKeepOff[i][0]);
        EXPECT_EQ(engine->robot.keepOffY[i], firstKeepOff[i][1]);
    }
    for (int i = 4; i < kRobotSlots; ++i) {
        EXPECT_EQ(engine->robot.keepOffX[i], 60);
        EXPECT_EQ(engine->robot.keepOffY[i], 50);
    }
    for (int i = 0; i < 99; ++i) EXPECT_EQ(engine->robot.fireGroup[i], i % 3 + 1) << i;
    EXPECT_EQ(engine->robot.fireGroup[99], 1);

    const int32_t leadingLeash[12][2] = {{80, 110}, {150, 150}, {210, 150}, {260, 150}, {90, 70},  {140, 70},
                                         {190, 70}, {240, 70},  {110, 110}, {150, 110}, {50, 150}, {90, 190}};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(engine->robot.leashX[i], leadingLeash[i][0]);
        EXPECT_EQ(engine->robot.leashY[i], leadingLeash[i][1]);
    }
    std::set<std::pair<int32_t, int32_t>> pairs;
    for (int i = 0; i < kRobotSlots; ++i) {
        EXPECT_GE(engine->robot.leashX[i], 20);
        EXPECT_LE(engine->robot.leashX[i], 350);
        EXPECT_GE(engine->robot.leashY[i], 20);
        EXPECT_LE(engine->robot.leashY[i], 350);
        pairs.insert({engine->robot.leashX[i], engine->robot.leashY[i]});
    }
    EXPECT_EQ(pairs.size(), static_cast<size_t>(kRobotSlots));
}

TEST(BattleState, AlliesAndBuildingsGetTheirDefaults) {
    auto engine = NewEngine();
    for (int i = 0; i < kAllySlots; ++i) {
        EXPECT_EQ(engine->ally.offsetX[i], 50 + 25 * i);
        EXPECT_EQ(engine->ally.offsetY[i], 50 + 25 * i);
    }
    for (int i = 0; i < kBuildingSlots; ++i) {
        EXPECT_EQ(engine->building.w[i], 64);
        EXPECT_EQ(engine->building.h[i], 64);
    }
}

TEST(BattleState, NewEntriesTakeTheLowestFreeSlot) {
    auto engine = NewEngine();
    EXPECT_EQ(engine->AddPlayerShot(1, 2, 8, 8, 0, 8, 0, 0, 5, 0), 0);
    EXPECT_EQ(engine->AddPlayerShot(1, 2, 8, 8, 0, 8, 0, 0, 5, 0), 1);
    EXPECT_EQ(engine->AddPlayerShot(1, 2, 8, 8, 0, 8, 0, 0, 5, 0), 2);
    engine->playerShot.active[1] = 0;
    EXPECT_EQ(engine->AddPlayerShot(7, 9, 8, 8, 0, 8, 0, 0, 5, 0), 1);
    EXPECT_EQ(engine->playerShot.x[1], 7);
    EXPECT_EQ(engine->playerShot.y[1], 9);
    EXPECT_EQ(engine->AddPickup(10, 20, kPickupCrystal, 3), 0);
    EXPECT_EQ(engine->pickup.kind[0], kPickupCrystal);
    EXPECT_EQ(engine->pickup.value[0], 3);
}

TEST(BattleState, FullTablesRefuseNewEntriesSilently) {
    auto engine = NewEngine();
    for (int i = 0; i < kPlayerShotSlots; ++i) ASSERT_EQ(engine->AddPlayerShot(i, 0, 8, 8, 1, 1, 1, 1, 1, 0), i);
    EXPECT_EQ(engine->AddPlayerShot(-5, -5, 8, 8, 1, 1, 1, 1, 1, 0), -1);
    for (int i = 0; i < kPlayerShotSlots; ++i) EXPECT_EQ(engine->playerShot.x[i], i);

    for (int i = 0; i < kEnemyShotSlots; ++i) ASSERT_GE(engine->AddEnemyShot(0, i, 8, 8, 1, 1, 1, 1, 1, 0, 0), 0);
    EXPECT_EQ(engine->AddEnemyShot(0, -5, 8, 8, 1, 1, 1, 1, 1, 0, 0), -1);
    EXPECT_EQ(engine->enemyShot.y[kEnemyShotSlots - 1], kEnemyShotSlots - 1);

    for (int i = 0; i < kSparkSlots; ++i) ASSERT_EQ(engine->AddSpark(i, i), i);
    EXPECT_EQ(engine->AddSpark(-1, -1), -1);
    for (int i = 0; i < kHitFlashSlots; ++i) ASSERT_EQ(engine->AddHitFlash(i, i, 1), i);
    EXPECT_EQ(engine->AddHitFlash(-1, -1, 1), -1);
    for (int i = 0; i < kKillExplosionSlots; ++i) ASSERT_EQ(engine->AddKillExplosion(i, i, 32, 1, 0), i);
    EXPECT_EQ(engine->AddKillExplosion(-1, -1, 32, 1, 0), -1);
    for (int i = 0; i < kPickupSlots; ++i) ASSERT_EQ(engine->AddPickup(i, i, kPickupGold, 1), i);
    EXPECT_EQ(engine->AddPickup(-1, -1, kPickupGold, 1), -1);
    EXPECT_EQ(engine->pickup.x[kPickupSlots - 1], kPickupSlots - 1);
}

TEST(BattleArt, TheFileListNamesEverySheetImageAndRing) {
    ASSERT_EQ(BattleEngine::ArtFileCount(), 12 + 14 + 12 + 4 + 12 + 28 + 3);
    const ArtFileEntry first = BattleEngine::ArtFileAt(0);
    EXPECT_STREQ(first.file, "Art\\Shots\\2.bmp");
    EXPECT_EQ(first.frameWidth, 16);
    EXPECT_EQ(first.colourKey, 0xFF000000u);
    const ArtFileEntry ship = BattleEngine::ArtFileAt(12);
    EXPECT_STREQ(ship.file, "Art\\Ship\\Ship1.bmp");
    EXPECT_EQ(ship.frameWidth, 64);
    const ArtFileEntry smoke = BattleEngine::ArtFileAt(12 + 14 + 12 + 4 + 12 + 20);
    EXPECT_STREQ(smoke.file, "Art\\War1\\Smoke2.bmp");
    EXPECT_EQ(smoke.frameWidth, 16);
    EXPECT_EQ(smoke.frameHeight, 32);
    EXPECT_EQ(smoke.colourKey, 0xFFFF0000u);
    const ArtFileEntry lastRing = BattleEngine::ArtFileAt(BattleEngine::ArtFileCount() - 1);
    EXPECT_STREQ(lastRing.file, "Art\\Shots\\Wave3.PNG");
    EXPECT_EQ(lastRing.colourKey, 0xFFFF0000u);
    EXPECT_EQ(BattleEngine::ArtFileAt(BattleEngine::ArtFileCount()).file, nullptr);
    for (int i = 0; i < BattleEngine::ArtFileCount(); ++i) ASSERT_NE(BattleEngine::ArtFileAt(i).file, nullptr) << i;
}

TEST(BattleArt, RingVerticesFormTwentySegmentsEndingAt361Degrees) {
    ShockWave wave;
    wave.width = 2.4f;
    wave.vertexBuffer = std::make_unique<RingVertex[]>(ShockWave::kVertexCount);
    BattleEngine::BuildRingVertices(wave);
    const RingVertex* v = wave.vertexBuffer.get();
    // Segment 0: inner a, outer a, inner a'; outer a, outer a', inner a'.
    EXPECT_FLOAT_EQ(v[0].x, 7.6f);
    EXPECT_FLOAT_EQ(v[0].z, 0.0f);
    EXPECT_FLOAT_EQ(v[0].v, 1.0f);
    EXPECT_FLOAT_EQ(v[1].x, 10.0f);
    EXPECT_FLOAT_EQ(v[1].v, 0.0f);
    EXPECT_FLOAT_EQ(v[2].u, 1.0f);
    EXPECT_FLOAT_EQ(v[4].u, 1.0f);
    EXPECT_FLOAT_EQ(v[4].v, 0.0f);
    for (int i = 0; i < ShockWave::kVertexCount; ++i) {
        EXPECT_EQ(v[i].colour, 0xFFFFFFFFu);
        EXPECT_FLOAT_EQ(v[i].y, 0.0f);
    }
    // The last segment ends one degree past the start (361 degrees).
    const float end = 361.0f * 0.017444445f;
    EXPECT_NEAR(v[119].x, std::cos(end) * 7.6f, 1e-5);
    EXPECT_NEAR(v[119].z, std::sin(end) * 7.6f, 1e-5);
}
