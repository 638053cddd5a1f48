// The frame every first-region script call shares: waiting records, the pop
// order, overwrites within one call, fresh loads and the special waves.
#include <gtest/gtest.h>

#include "waves/wave_sweep.h"

namespace {

using sweep::FreshEngine;
using sweep::LiveEnemies;
using sweep::LoadAreaFresh;
using sweep::RunFrame;

constexpr int32_t kGreenPath = 3;
constexpr int32_t kGreenDomain = 5;
constexpr int32_t kMoonColony = 8;
constexpr int32_t kStolenRobotTrail = 13;
constexpr int32_t kHub = 17;
constexpr int32_t kPiratesBase = 21;
constexpr int32_t kZombieMonster = 26;
constexpr int32_t kClanBase = 28;

void FillEnemyTable(BattleEngine& e, int firstFree = kEnemySlots) {
    for (int i = 0; i < kEnemySlots; ++i) e.enemy.active[i] = i < firstFree ? 1 : 0;
}

int ActiveCount(const BattleEngine& e) {
    int n = 0;
    for (uint8_t a : e.enemy.active) n += a;
    return n;
}

TEST(WaveFrame, LaterWaveOfTheSameCallReplacesThePendingRecords) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    LoadAreaFresh(e);
    // Entering deep in the corridor fires waves 4 and 5 together.
    RunFrame(e, -8500, kGreenPath, 0);
    EXPECT_EQ(e.waveFired[4], 1);
    EXPECT_EQ(e.waveFired[5], 1);
    EXPECT_EQ(e.waveFired[3], 0);
    const auto live = LiveEnemies(e);
    ASSERT_EQ(live.size(), 3u);  // only wave 5's records
    EXPECT_EQ(live[0].x, 650);
    EXPECT_EQ(live[0].y, -8500);
    EXPECT_EQ(live[1].x, 700);
    EXPECT_EQ(live[2].x, 300);
    EXPECT_EQ(e.spawnList.pendingCount, 0);
    // Wave 4's records beyond wave 5's count stay in the list unspawned.
    EXPECT_EQ(e.spawnList.x[3], 50 + 130 * 3);
    EXPECT_EQ(e.spawnList.y[3], -7100);
    EXPECT_EQ(e.spawnList.x[7], 350);
    EXPECT_EQ(e.spawnList.y[7], -7500);
}

TEST(WaveFrame, EnteringAtFifteenHundredSpawnsOnlyTheSecondWave) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    LoadAreaFresh(e);
    RunFrame(e, -1500, kGreenPath, 0);
    EXPECT_EQ(e.waveFired[0], 1);
    EXPECT_EQ(e.waveFired[1], 1);
    const auto live = LiveEnemies(e);
    ASSERT_EQ(live.size(), 11u);
    EXPECT_EQ(live[0].y, -2800);  // wave 1's last record
    EXPECT_EQ(live[10].y, -2400);
}

TEST(WaveFrame, SeveralTimeWavesInOneCallSpawnTheLastOneWithFireGroupsFolded) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    LoadAreaFresh(e);
    // 22 seconds in: waves 0, 1 and 2 all hold; wave 2's eight records spawn.
    RunFrame(e, sweep::kEntryViewY, kMoonColony, 22);
    const auto live = LiveEnemies(e);
    ASSERT_EQ(live.size(), 8u);
    // Written as 8, 7, ... 1 from slot 0 on; groups above 3 follow timer 1.
    const int32_t expected[8] = {1, 1, 1, 1, 1, 3, 2, 1};
    for (int s = 0; s < 8; ++s) {
        EXPECT_EQ(live[s].fireGroup, expected[s]) << "slot " << s;
        EXPECT_EQ(live[s].x, 550 + 130 * (7 - s)) << "slot " << s;
    }
}

TEST(WaveFrame, FullTableKeepsRecordsWaitingAsWrittenAndPopsThemAsSlotsFree) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    LoadAreaFresh(e);
    FillEnemyTable(e, 95);
    RunFrame(e, -1001, kStolenRobotTrail, 0);  // wave 1: 11 records
    // Records 10 down to 6 take slots 95-99.
    EXPECT_EQ(ActiveCount(e), 100);
    EXPECT_EQ(e.enemy.y[95], -2800);  // record 10, the heavy one
    EXPECT_EQ(e.enemy.fixedFrame[95], 1);
    EXPECT_EQ(e.enemy.x[96], 450 + 20 * 4);  // record 9
    EXPECT_EQ(e.enemy.x[99], 450 + 20 * 1);  // record 6
    EXPECT_EQ(e.spawnList.pendingCount, 6);

    // Nothing frees: the records wait however many frames pass.
    for (int f = 0; f < 50; ++f) RunFrame(e, -1100 - f, kStolenRobotTrail, 1);
    EXPECT_EQ(e.spawnList.pendingCount, 6);

    // One slot frees: record 5 spawns into it.
    e.enemy.active[3] = 0;
    RunFrame(e, -1200, kStolenRobotTrail, 2);
    EXPECT_EQ(e.enemy.active[3], 1);
    EXPECT_EQ(e.enemy.x[3], 450);
    EXPECT_EQ(e.enemy.y[3], -2700);
    EXPECT_EQ(e.enemy.sidestepChance[3], 70);
    EXPECT_EQ(e.spawnList.pendingCount, 5);

    // Three more free: records 4, 3, 2 fill them lowest slot first.
    e.enemy.active[60] = e.enemy.active[10] = e.enemy.active[40] = 0;
    RunFrame(e, -1300, kStolenRobotTrail, 3);
    EXPECT_EQ(e.enemy.x[10], 350 + 50 * 4);
    EXPECT_EQ(e.enemy.x[40], 350 + 50 * 3);
    EXPECT_EQ(e.enemy.x[60], 350 + 50 * 2);
    EXPECT_EQ(e.spawnList.pendingCount, 2);
}

TEST(WaveFrame, WaitingQuestBossKeepsItsDrop) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    LoadAreaFresh(e);
    FillEnemyTable(e);
    RunFrame(e, -2500, kGreenDomain, 0);  // waves 0 and 1: the 17 of wave 1 wait
    EXPECT_EQ(e.spawnList.pendingCount, 17);
    EXPECT_EQ(ActiveCount(e), 100);

    // Free slots one at a time over many frames: records 16 down to 12 first.
    for (int freed = 0; freed < 5; ++freed) {
        e.enemy.active[20 + freed] = 0;
        for (int f = 0; f < 3; ++f) RunFrame(e, -2600, kGreenDomain, 1 + freed);
    }
    EXPECT_EQ(e.spawnList.pendingCount, 12);
    EXPECT_EQ(e.enemy.x[24], 940);  // record 12

    e.enemy.active[77] = 0;
    RunFrame(e, -2700, kGreenDomain, 9);
    EXPECT_EQ(e.enemy.x[77], 1300);
    EXPECT_EQ(e.enemy.y[77], -4200);
    EXPECT_EQ(e.enemy.questDrop[77], 1);
    EXPECT_EQ(e.enemy.dropKind[77], 1);
    EXPECT_EQ(e.enemy.mobile[77], 1);
    EXPECT_EQ(e.enemy.sidestepX[77], 0);
    EXPECT_EQ(e.enemy.armor[77], 333u);
    EXPECT_EQ(e.spawnList.pendingCount, 11);
}

TEST(WaveFrame, FreshLoadDropsLeftoversButReturningFromAScreenKeepsThem) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    LoadAreaFresh(e);
    FillEnemyTable(e);
    RunFrame(e, -2500, kGreenDomain, 0);
    ASSERT_EQ(e.spawnList.pendingCount, 17);

    // Back from the Buildings screen: flags and enemies kept, the records still wait.
    RunFrame(e, -2500, kGreenDomain, 0);
    EXPECT_EQ(e.spawnList.pendingCount, 17);

    // A portal to the hub: the new area starts empty and nothing of the old one spawns.
    LoadAreaFresh(e);
    RunFrame(e, sweep::kEntryViewY, kHub, 0);
    EXPECT_EQ(ActiveCount(e), 0);
    EXPECT_EQ(e.spawnList.pendingCount, 0);

    // Nor in a waved area whose first wave waits for the view.
    FillEnemyTable(e);
    RunFrame(e, -2500, kGreenDomain, 0);
    LoadAreaFresh(e);
    RunFrame(e, -600, 2, 0);  // Border Area: nothing fires before -1200
    EXPECT_EQ(ActiveCount(e), 0);
}

TEST(WaveFrame, ReturningToAnAreaDoesNotRepeatItsWaves) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    LoadAreaFresh(e);
    RunFrame(e, -600, kGreenPath, 0);
    EXPECT_EQ(ActiveCount(e), 4);
    for (auto& a : e.enemy.active) a = 0;  // all killed, then a screen and back
    for (int f = 0; f < 10; ++f) RunFrame(e, -600, kGreenPath, 30);
    EXPECT_EQ(ActiveCount(e), 0);

    // A portal back in clears the flags: the first wave comes again.
    LoadAreaFresh(e);
    RunFrame(e, -600, kGreenPath, 0);
    EXPECT_EQ(ActiveCount(e), 4);
}

TEST(WaveFrame, SpawnedEnemiesAreDrawnPlainWhateverTheSlotHeld) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    LoadAreaFresh(e);
    for (auto& style : e.enemy.drawStyle) style = 2;  // left by the other region
    for (auto& stepping : e.enemy.sidestepping) stepping = 1;
    for (auto& travelled : e.enemy.sidestepTravelled) travelled = 60;
    e.enemy.facing[1] = 5;
    RunFrame(e, -600, kGreenPath, 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(e.enemy.drawStyle[i], 0);
        EXPECT_EQ(e.enemy.sidestepping[i], 0);
        EXPECT_EQ(e.enemy.sidestepTravelled[i], 0);
    }
    EXPECT_EQ(e.enemy.facing[1], 5);  // facing stays as the slot had it
}

TEST(WaveFrame, MonsterSpawnsAloneInSlotZeroAndItsEscortSetsTheParameters) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    LoadAreaFresh(e);
    e.areaEnemyParams = {1, 2, 3, 4};
    RunFrame(e, sweep::kEntryViewY, kZombieMonster, 0);
    ASSERT_EQ(ActiveCount(e), 1);
    EXPECT_EQ(e.enemy.armor[0], 14333u);
    EXPECT_EQ(e.enemy.shields[0], 100u);
    EXPECT_EQ(e.enemy.shotDamage[0], 50u);
    EXPECT_EQ(e.enemy.reward[0], 1000);
    EXPECT_EQ(e.waveFired[1], 0);
    EXPECT_EQ(e.areaEnemyParams.armorBase, 2);  // untouched until the escort comes

    RunFrame(e, sweep::kEntryViewY, kZombieMonster, 0);
    EXPECT_EQ(ActiveCount(e), 19);
    EXPECT_EQ(e.enemy.armor[0], 14333u);  // the monster keeps slot 0
    EXPECT_EQ(e.areaEnemyParams.shotDamage, 9);
    EXPECT_EQ(e.areaEnemyParams.armorBase, 300);
    EXPECT_EQ(e.areaEnemyParams.killReward, 25);
    EXPECT_EQ(e.areaEnemyParams.artRow, 18);
}

TEST(WaveFrame, ClanBaseCommanderTakesTheEighteenthFreeSlot) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    LoadAreaFresh(e);
    FillEnemyTable(e, 4);  // four enemies of an earlier call still live
    RunFrame(e, sweep::kEntryViewY, kClanBase, 0);
    EXPECT_EQ(ActiveCount(e), 4 + 18);
    EXPECT_EQ(e.spawnList.pendingCount, 0);
    EXPECT_EQ(e.enemy.x[21], 950);
    EXPECT_EQ(e.enemy.y[21], -1100);
    EXPECT_EQ(e.enemy.mobile[21], 1);
    for (int i = 4; i < 22; ++i) {
        EXPECT_FALSE(e.enemy.x[i] == 800 && e.enemy.y[i] == -1900) << "slot " << i;
    }
}

TEST(WaveFrame, FortressesPlaceTheirBars) {
    const int32_t horizontalY[12] = {-1875, -1875, -2275, -2275, -2675, -2675,
                                     -3075, -3075, -3475, -3475, -3875, -3875};
    const int32_t verticalY[10] = {-2068, -2236, -2468, -2636, -2868, -3036, -3268, -3436, -3668, -3836};
    for (int32_t area : {kPiratesBase, kClanBase}) {
        auto engine = FreshEngine();
        BattleEngine& e = *engine;
        LoadAreaFresh(e);
        RunFrame(e, sweep::kEntryViewY, area, 0);
        for (int i = 0; i < BarTables::kHorizontal; ++i) {
            EXPECT_EQ(e.bars.horizontalX[i], i % 2 == 0 ? 863 : 1263) << "area " << area << " bar " << i;
            EXPECT_EQ(e.bars.horizontalY[i], horizontalY[i]) << "area " << area << " bar " << i;
        }
        for (int j = 0; j < BarTables::kVertical; ++j) {
            EXPECT_EQ(e.bars.verticalX[j], 1224) << "area " << area << " bar " << j;
            EXPECT_EQ(e.bars.verticalY[j], verticalY[j]) << "area " << area << " bar " << j;
        }
    }
    // No other area touches them.
    auto engine = FreshEngine();
    LoadAreaFresh(*engine);
    for (int32_t area = 2; area <= 28; ++area) {
        if (area == kPiratesBase || area == kClanBase) continue;
        RunFrame(*engine, -600, area, 40);
    }
    EXPECT_EQ(engine->bars.horizontalX[0], -100000);
    EXPECT_EQ(engine->bars.verticalX[9], -100000);
}

TEST(WaveFrame, AreaParametersAsEachBlockSetsThem) {
    struct Row {
        int32_t area;
        AreaEnemyParams params;
    };
    constexpr AreaEnemyParams kUnset{-1, -1, -1, -1};
    const Row rows[] = {
        {2, kUnset},           {3, kUnset},           {4, kUnset},           {5, kUnset},
        {6, kUnset},           {7, kUnset},           {8, kUnset},           {9, kUnset},
        {10, kUnset},          {11, kUnset},          {12, kUnset},          {13, kUnset},
        {14, kUnset},          {15, kUnset},          {16, kUnset},          {17, kUnset},
        {18, {7, 111, 19, -1}}, {19, {8, 121, 20, 12}}, {20, {8, 131, 21, 12}}, {21, {8, 111, 19, -1}},
        {22, kUnset},          {23, {9, 151, 23, 15}}, {24, {9, 161, 24, 15}}, {25, {9, 171, 25, 15}},
        {26, kUnset},          {27, {10, 250, 25, 15}}, {28, {10, 270, 25, 15}},
    };
    for (const Row& row : rows) {
        auto engine = FreshEngine();
        BattleEngine& e = *engine;
        LoadAreaFresh(e);
        e.waveFired[1] = 1;  // keeps area 26's escort from coming
        e.areaEnemyParams = kUnset;
        RunFrame(e, -5500, row.area, 0);
        EXPECT_EQ(e.areaEnemyParams.shotDamage, row.params.shotDamage) << "area " << row.area;
        EXPECT_EQ(e.areaEnemyParams.armorBase, row.params.armorBase) << "area " << row.area;
        EXPECT_EQ(e.areaEnemyParams.killReward, row.params.killReward) << "area " << row.area;
        EXPECT_EQ(e.areaEnemyParams.artRow, row.params.artRow) << "area " << row.area;
    }
}

TEST(WaveFrame, AreasWithoutABlockOnlyPop) {
    for (int32_t area : {1, 17, 22, 29, -3, 1000}) {
        auto engine = FreshEngine();
        BattleEngine& e = *engine;
        LoadAreaFresh(e);
        // Records waiting from this visit: a flag is set.
        e.waveFired[0] = 1;
        e.spawnList.x[0] = 111;
        e.spawnList.x[1] = 222;
        e.spawnList.pendingCount = 2;
        for (uint32_t seconds : {0u, 100u}) RunFrame(e, -600, area, seconds);
        EXPECT_EQ(ActiveCount(e), 2) << "area " << area;
        EXPECT_EQ(e.enemy.x[0], 222) << "area " << area;
        EXPECT_EQ(e.enemy.x[1], 111) << "area " << area;
        for (int w = 1; w < kWaveFlagCount; ++w) EXPECT_EQ(e.waveFired[w], 0) << "area " << area;
    }
}

TEST(WaveFrame, PendingCountBeyondTheListNeverReadsPastIt) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    LoadAreaFresh(e);
    e.waveFired[0] = 1;
    e.spawnList.pendingCount = 1000;
    RunFrame(e, -600, kHub, 0);
    EXPECT_EQ(ActiveCount(e), SpawnList::kSlots);
    EXPECT_EQ(e.spawnList.pendingCount, 0);
}

}  // namespace
