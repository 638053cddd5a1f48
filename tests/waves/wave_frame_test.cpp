// The first region's frame: records that wait for free slots, overwrites
// within one call, fresh loads, and the waves with rules of their own.
#include <gtest/gtest.h>

#include "waves/wave_sweep.h"

namespace {

using sweep::ActiveCount;
using sweep::FreshEngine;
using sweep::kEntryViewY;
using sweep::LiveEnemies;
using sweep::LoadAreaFresh;
using sweep::RunFrame;

constexpr int32_t kGreenPath = 3, kGreenDomain = 5, kStolenRobotTrail = 13, kHub = 17;
constexpr int32_t kPiratesBase = 21, kZombieMonster = 26, kClanBase = 28;

void FillEnemyTable(BattleEngine& e, int firstFree = kEnemySlots) {
    for (int i = 0; i < kEnemySlots; ++i) e.enemy.active[i] = i < firstFree ? 1 : 0;
}

TEST(WaveFrame, LaterWaveOfTheSameCallReplacesThePendingRecords) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    RunFrame(e, -8500, kGreenPath, 0);  // deep in the corridor: waves 4 and 5 together
    EXPECT_EQ(e.waveFired[4] + e.waveFired[5], 2);
    EXPECT_EQ(e.waveFired[3], 0);
    const auto live = LiveEnemies(e);
    ASSERT_EQ(live.size(), 3u);  // only wave 5's records
    EXPECT_EQ(live[0].x, 650);
    EXPECT_EQ(e.spawnList.x[7], 350);  // wave 4's last record stays, unspawned
    EXPECT_EQ(e.spawnList.y[7], -7500);
}

TEST(WaveFrame, CorridorWindowsAreOpenAtBothEnds) {
    // Wave 0 fires with the view above -2000, wave 1 between -4000 and -1000.
    const struct {
        int32_t view;
        uint8_t wave0, wave1;
    } rows[] = {{-2000, 0, 1}, {-1999, 1, 1}, {-1000, 1, 0}, {-4000, 0, 0}, {-3999, 0, 1}};
    for (const auto& r : rows) {
        auto engine = FreshEngine();
        RunFrame(*engine, r.view, kGreenPath, 0);
        EXPECT_EQ(engine->waveFired[0], r.wave0) << r.view;
        EXPECT_EQ(engine->waveFired[1], r.wave1) << r.view;
    }
}

TEST(WaveFrame, FullTableKeepsRecordsWaitingAndPopsThemAsSlotsFree) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    FillEnemyTable(e, 95);
    RunFrame(e, -1001, kStolenRobotTrail, 0);  // 11 records: 10 down to 6 take slots 95-99
    EXPECT_EQ(e.enemy.y[95], -2800);
    EXPECT_EQ(e.enemy.x[99], 450 + 20 * 1);
    for (int f = 0; f < 50; ++f) RunFrame(e, -1100 - f, kStolenRobotTrail, 1);
    EXPECT_EQ(e.spawnList.pendingCount, 6);

    e.enemy.active[60] = e.enemy.active[10] = e.enemy.active[40] = 0;
    RunFrame(e, -1300, kStolenRobotTrail, 3);  // records 5, 4, 3, lowest slot first
    EXPECT_EQ(e.enemy.x[10], 450);
    EXPECT_EQ(e.enemy.sidestepChance[10], 70);
    EXPECT_EQ(e.enemy.x[40], 350 + 50 * 4);
    EXPECT_EQ(e.enemy.x[60], 350 + 50 * 3);
    EXPECT_EQ(e.spawnList.pendingCount, 3);
}

TEST(WaveFrame, WaitingQuestBossKeepsItsDrop) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    FillEnemyTable(e);
    RunFrame(e, -2500, kGreenDomain, 0);  // the 17 of wave 1 wait
    for (int freed = 0; freed < 5; ++freed) {
        e.enemy.active[20 + freed] = 0;
        for (int f = 0; f < 3; ++f) RunFrame(e, -2600, kGreenDomain, 1 + freed);
    }
    e.enemy.active[77] = 0;
    RunFrame(e, -2700, kGreenDomain, 9);  // record 11, the boss
    EXPECT_EQ(e.enemy.x[77], 1300);
    EXPECT_EQ(e.enemy.questDrop[77], 1);
    EXPECT_EQ(e.enemy.dropKind[77], 1);
    EXPECT_EQ(e.enemy.armor[77], 333u);
    EXPECT_EQ(e.spawnList.pendingCount, 11);
}

TEST(WaveFrame, FreshLoadDropsLeftoversAndReplaysWavesButAScreenKeepsBoth) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    FillEnemyTable(e);
    RunFrame(e, -2500, kGreenDomain, 0);
    RunFrame(e, -2500, kGreenDomain, 0);  // back from a screen: the records still wait
    EXPECT_EQ(e.spawnList.pendingCount, 17);

    LoadAreaFresh(e);  // a portal to the hub: nothing of the old area spawns
    RunFrame(e, kEntryViewY, kHub, 0);
    EXPECT_EQ(ActiveCount(e), 0);

    LoadAreaFresh(e);
    RunFrame(e, -600, kGreenPath, 0);
    EXPECT_EQ(ActiveCount(e), 4);
    FillEnemyTable(e, 0);  // all killed, then a screen and back: no repeat
    for (int f = 0; f < 10; ++f) RunFrame(e, -600, kGreenPath, 30);
    EXPECT_EQ(ActiveCount(e), 0);
    LoadAreaFresh(e);  // a portal back in: the first wave comes again
    RunFrame(e, -600, kGreenPath, 0);
    EXPECT_EQ(ActiveCount(e), 4);
}

TEST(WaveFrame, SpawnedEnemiesStartPlainWhateverTheSlotHeld) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    for (int i = 0; i < 4; ++i) {
        e.enemy.drawStyle[i] = 2;  // left by the other region
        e.enemy.sidestepping[i] = 1;
        e.enemy.sidestepTravelled[i] = 60;
    }
    RunFrame(e, -600, kGreenPath, 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(e.enemy.drawStyle[i] + e.enemy.sidestepping[i] + e.enemy.sidestepTravelled[i], 0) << "slot " << i;
    }
}

TEST(WaveFrame, MonsterComesAloneAndItsEscortSetsTheParametersOneCallLater) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    e.areaEnemyParams = {1, 2, 3, 4};
    RunFrame(e, kEntryViewY, kZombieMonster, 0);
    ASSERT_EQ(ActiveCount(e), 1);
    EXPECT_EQ(e.enemy.armor[0], 14333u);
    EXPECT_EQ(e.areaEnemyParams.shotDamage, 1);
    EXPECT_EQ(e.areaEnemyParams.armorBase, 2);
    EXPECT_EQ(e.areaEnemyParams.killReward, 3);
    RunFrame(e, kEntryViewY, kZombieMonster, 0);
    EXPECT_EQ(ActiveCount(e), 19);
    EXPECT_EQ(e.enemy.armor[0], 14333u);  // the monster keeps slot 0
    EXPECT_EQ(e.areaEnemyParams.shotDamage, 9);
    EXPECT_EQ(e.areaEnemyParams.armorBase, 300);
    EXPECT_EQ(e.areaEnemyParams.killReward, 25);
    EXPECT_EQ(e.areaEnemyParams.artRow, 18);
}

TEST(WaveFrame, FortressesAloneTouchTheBars) {
    for (int32_t area : {kPiratesBase, kClanBase}) {
        auto engine = FreshEngine();
        engine->bars.horizontalX[0] = engine->bars.verticalY[9] = -100000;  // moved by an earlier visit
        RunFrame(*engine, kEntryViewY, area, 0);
        const BarTables& bars = engine->bars;
        for (int i = 0; i < BarTables::kHorizontal; ++i) {
            EXPECT_EQ(bars.horizontalX[i] + bars.horizontalY[i], (i % 2 ? 1263 : 863) - 1875 - 400 * (i / 2)) << i;
        }
        for (int j = 0; j < BarTables::kVertical; ++j) {
            EXPECT_EQ(bars.verticalX[j] + bars.verticalY[j], 1224 + (j % 2 ? -2236 : -2068) - 400 * (j / 2)) << j;
        }
    }
    // Marked bars show that no other area writes them.
    auto engine = FreshEngine();
    engine->bars.horizontalX[0] = -100000;
    engine->bars.verticalX[9] = -100000;
    for (int32_t area = 2; area <= 28; ++area) {
        if (area != kPiratesBase && area != kClanBase) RunFrame(*engine, -600, area, 40);
    }
    EXPECT_EQ(engine->bars.horizontalX[0] + engine->bars.verticalX[9], -200000);
}

TEST(WaveFrame, AreasWithoutABlockOnlyPopAndNeverReadPastTheList) {
    for (int32_t area : {1, 17, 22, 29, -3, 1000}) {
        auto engine = FreshEngine();
        BattleEngine& e = *engine;
        e.waveFired[0] = 1;  // records waiting from this visit
        e.spawnList.x[0] = 111;
        e.spawnList.x[1] = 222;
        e.spawnList.pendingCount = 2;
        for (uint32_t seconds : {0u, 100u}) RunFrame(e, -600, area, seconds);
        EXPECT_EQ(ActiveCount(e), 2) << "area " << area;
        EXPECT_EQ(e.enemy.x[0], 222) << "area " << area;
        EXPECT_EQ(e.enemy.x[1], 111) << "area " << area;
        for (int w = 1; w < kWaveFlagCount; ++w) EXPECT_EQ(e.waveFired[w], 0) << "area " << area;
    }
    auto engine = FreshEngine();
    engine->waveFired[0] = 1;
    engine->spawnList.pendingCount = 1000;
    RunFrame(*engine, -600, kHub, 0);
    EXPECT_EQ(ActiveCount(*engine), SpawnList::kSlots);
    EXPECT_EQ(engine->spawnList.pendingCount, 0);
}

}  // namespace
