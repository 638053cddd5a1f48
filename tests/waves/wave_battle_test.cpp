// Spawned waves in the running engine: the fields the pop writes are the
// ones the enemies' behaviour reads.
#include <gtest/gtest.h>

#include <cstdlib>

#include "waves/wave_sweep.h"

namespace {

TEST(WaveBattle, SpawnedFightersCloseInWhileEmplacementsHold) {
    auto engine = sweep::FreshEngine();
    BattleEngine& e = *engine;
    const int32_t camX = 30, camY = -8500;
    sweep::RunFrame(e, camY, 3, 0);  // Green Path, last wave: two emplacements and a fighter
    ASSERT_EQ(sweep::LiveEnemies(e).size(), 3u);
    ASSERT_EQ(e.enemy.mobile[0], 1);  // the fighter, written last

    const int32_t shipX = e.shipX + camX, shipY = e.shipY + camY;
    const int32_t startGap = std::abs(e.enemy.x[0] - shipX) + std::abs(e.enemy.y[0] - shipY);
    for (int frame = 0; frame < 300; ++frame) {
        e.ThinkEnemies(camX, camY, 1, 1);
        sweep::RunFrame(e, camY, 3, 1);  // nothing more spawns
    }
    const int32_t endGap = std::abs(e.enemy.x[0] - shipX) + std::abs(e.enemy.y[0] - shipY);
    EXPECT_LT(endGap, startGap);
    EXPECT_EQ(e.enemy.x[1], 700);
    EXPECT_EQ(e.enemy.y[1], -9400);
    EXPECT_EQ(e.enemy.x[2], 300);
    EXPECT_EQ(e.enemy.y[2], -9400);
    EXPECT_EQ(sweep::LiveEnemies(e).size(), 3u);
}

}  // namespace
