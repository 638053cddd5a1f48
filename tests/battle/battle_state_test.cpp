#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <utility>

#include "battle/battle_engine.h"

TEST(BattleState, EntriesTakeTheLowestFreeSlotAndFullTablesRefuseSilently) {
    auto engine = std::make_unique<BattleEngine>();
    for (int i = 0; i < kPlayerShotSlots; ++i) ASSERT_EQ(engine->AddPlayerShot(i, 0, 8, 8, 1, 1, 1, 1, 1, 0), i);
    EXPECT_EQ(engine->AddPlayerShot(-5, -5, 8, 8, 1, 1, 1, 1, 1, 0), -1);
    EXPECT_EQ(engine->playerShot.x[kPlayerShotSlots - 1], kPlayerShotSlots - 1);
    engine->playerShot.active[7] = 0;
    EXPECT_EQ(engine->AddPlayerShot(70, 9, 8, 8, 0, 8, 0, 0, 5, 0), 7);
    EXPECT_EQ(engine->playerShot.x[7], 70);

    // Every effect table: fill it, then one more is refused.
    using Add = int (*)(BattleEngine&, int);
    const struct {
        const char* name;
        int slots;
        Add add;
    } tables[] = {
        {"enemy shot", kEnemyShotSlots, [](BattleEngine& e, int i) { return e.AddEnemyShot(0, i, 8, 8, 1, 1, 1, 1, 1, 0, 0); }},
        {"spark", kSparkSlots, [](BattleEngine& e, int i) { return e.AddSpark(i, i); }},
        {"hit flash", kHitFlashSlots, [](BattleEngine& e, int i) { return e.AddHitFlash(i, i, 1); }},
        {"explosion", kKillExplosionSlots, [](BattleEngine& e, int i) { return e.AddKillExplosion(i, i, 32, 1, 0); }},
        {"pickup", kPickupSlots, [](BattleEngine& e, int i) { return e.AddPickup(i, i, kPickupGold, 1); }},
    };
    for (const auto& t : tables) {
        for (int i = 0; i < t.slots; ++i) ASSERT_EQ(t.add(*engine, i), i) << t.name;
        EXPECT_EQ(t.add(*engine, -1), -1) << t.name;
    }

    // A reused slot starts afresh: an enemy shot's distance travelled is its own.
    engine->enemyShot.active[4] = 0;
    engine->enemyShot.travelledX[4] = 3000;
    engine->enemyShot.travelledY[4] = -3000;
    ASSERT_EQ(engine->AddEnemyShot(1, 2, 8, 8, 1, 1, 1, 1, 1, 3, 0), 4);
    EXPECT_EQ(engine->enemyShot.travelledX[4], 0);
    EXPECT_EQ(engine->enemyShot.travelledY[4], 0);
    EXPECT_EQ(engine->enemyShot.damageType[4], 3);
    engine->hitFlash.frame[2] = 0;
    ASSERT_EQ(engine->AddHitFlash(5, 6, 2), 2);
    EXPECT_EQ(engine->hitFlash.type[2], 2);
    engine->pickup.active[9] = 0;
    ASSERT_EQ(engine->AddPickup(5, 6, kPickupCrystal, 7), 9);
    EXPECT_EQ(engine->pickup.frame[9], kPickupCrystal) << "a pickup shows its kind";
}

TEST(BattleState, EscortsStartWithTheirKeepOffsAndFireGroups) {
    auto engine = std::make_unique<BattleEngine>();
    const int32_t keepOff[5][2] = {{60, 50}, {100, 50}, {50, 100}, {50, 150}, {60, 50}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(engine->robot.keepOffX[i], keepOff[i][0]) << i;
        EXPECT_EQ(engine->robot.keepOffY[i], keepOff[i][1]) << i;
    }
    EXPECT_EQ(engine->robot.keepOffX[kRobotSlots - 1], 60);
    // Fire groups 1, 2, 3 in turn.
    for (int i = 0; i < kRobotSlots; ++i) EXPECT_EQ(engine->robot.fireGroup[i], i % 3 + 1) << i;
}

TEST(BattleState, ReturningRobotsStopAtDifferentDistances) {
    auto engine = std::make_unique<BattleEngine>();
    std::set<std::pair<int32_t, int32_t>> leashes;
    for (int i = 0; i < kRobotSlots; ++i) {
        EXPECT_GE(std::min(engine->robot.leashX[i], engine->robot.leashY[i]), 20) << i;
        EXPECT_LE(std::max(engine->robot.leashX[i], engine->robot.leashY[i]), 350) << i;
        leashes.insert({engine->robot.leashX[i], engine->robot.leashY[i]});
    }
    EXPECT_EQ(leashes.size(), static_cast<size_t>(kRobotSlots));
}

TEST(BattleArt, RingVerticesFormTwentySegmentsEndingAt361Degrees) {
    ShockWave wave;
    wave.width = 2.4f;
    wave.vertexBuffer = std::make_unique<RingVertex[]>(ShockWave::kVertexCount);
    BattleEngine::BuildRingVertices(wave);
    const RingVertex* v = wave.vertexBuffer.get();
    // Segment 0: inner a, outer a, inner a'; outer a, outer a', inner a'.
    EXPECT_FLOAT_EQ(v[0].x, 7.6f);
    EXPECT_FLOAT_EQ(v[0].v, 1.0f);
    EXPECT_FLOAT_EQ(v[1].x, 10.0f);
    EXPECT_FLOAT_EQ(v[1].v, 0.0f);
    EXPECT_FLOAT_EQ(v[4].u, 1.0f);
    const float end = 361.0f * 0.017444445f;
    EXPECT_NEAR(v[119].x, std::cos(end) * 7.6f, 1e-5);
    EXPECT_NEAR(v[119].z, std::sin(end) * 7.6f, 1e-5);
}
