#include "waves/wave_sweep.h"

#include "waves/earth_system_waves.h"

#include <gtest/gtest.h>

#include <string>

namespace sweep {

std::unique_ptr<BattleEngine> FreshEngine() { return std::make_unique<BattleEngine>(); }

void LoadAreaFresh(BattleEngine& e) {
    for (auto& flag : e.waveFired) flag = 0;
    for (auto& active : e.enemy.active) active = 0;
    for (auto& active : e.playerShot.active) active = 0;
    for (auto& active : e.enemyShot.active) active = 0;
    for (auto& active : e.pickup.active) active = 0;
}

void RunFrame(BattleEngine& e, int32_t viewY, int32_t area, uint32_t seconds) {
    RunWavesEarthSystemA(e, 30, viewY, area, seconds);
    RunWavesEarthSystemB(e, 30, viewY, area, seconds);
}

std::vector<LiveEnemy> LiveEnemies(const BattleEngine& e) {
    std::vector<LiveEnemy> out;
    const EnemyTable& t = e.enemy;
    for (int i = 0; i < EnemyTable::kSlots; ++i) {
        if (!t.active[i]) continue;
        out.push_back({i,
                       t.x[i],
                       t.y[i],
                       t.art[i],
                       static_cast<int32_t>(t.shields[i]),
                       static_cast<int32_t>(t.armor[i]),
                       static_cast<int32_t>(t.spawnArmor[i]),
                       t.w[i],
                       t.h[i],
                       static_cast<int32_t>(t.shotDamage[i]),
                       t.shotType[i],
                       t.volley[i],
                       t.reward[i],
                       t.fireGroup[i],
                       t.mobile[i],
                       t.fixedFrame[i],
                       t.dropKind[i],
                       t.questDrop[i],
                       t.drawStyle[i],
                       t.keepOffX[i],
                       t.keepOffY[i],
                       t.sidestepX[i],
                       t.sidestepY[i],
                       t.sidestepChance[i]});
    }
    return out;
}

std::vector<Spawn> SweepArea(int32_t area, Input input, uint8_t cycler) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    LoadAreaFresh(e);
    e.waveSizeCycler = cycler;
    e.ally.y[32] = 0;

    std::vector<Spawn> spawns;
    auto frame = [&](int32_t at, int32_t viewY, uint32_t seconds, int32_t convoy) {
        e.ally.y[32] = convoy;
        RunFrame(e, viewY, area, seconds);
        std::vector<LiveEnemy> live = LiveEnemies(e);
        if (live.empty()) return;
        spawns.push_back({at, live});
        for (auto& active : e.enemy.active) active = 0;
    };
    switch (input) {
        case Input::kView:
            for (int32_t v = -600; v >= -9800; --v) frame(v, v, 0, 0);
            break;
        case Input::kSeconds:
            for (uint32_t s = 0; s <= 60; ++s) frame(static_cast<int32_t>(s), kEntryViewY, s, 0);
            break;
        case Input::kConvoy:
            for (int32_t c = 0; c >= -9000; --c) frame(c, kEntryViewY, 0, c);
            break;
    }
    EXPECT_EQ(e.spawnList.pendingCount, 0) << "records left waiting with every slot free";
    return spawns;
}

void ExpectSpawn(const Spawn& spawn, const std::vector<notation::ExpectedRecord>& records) {
    ASSERT_EQ(spawn.enemies.size(), records.size()) << "enemies spawned at " << spawn.at;
    const int n = static_cast<int>(records.size());
    for (int s = 0; s < n; ++s) {
        const LiveEnemy& got = spawn.enemies[s];
        const notation::ExpectedRecord& want = records[n - 1 - s];
        SCOPED_TRACE("slot " + std::to_string(got.slot) + " = record " + std::to_string(n - 1 - s));
        EXPECT_EQ(got.slot, s);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.art, want.art);
        EXPECT_EQ(got.shields, want.shields);
        EXPECT_EQ(got.armor, want.armor);
        EXPECT_EQ(got.spawnArmor, want.armor);
        EXPECT_EQ(got.width, want.size);
        EXPECT_EQ(got.height, want.size);
        EXPECT_EQ(got.damage, want.damage);
        EXPECT_EQ(got.type, want.type);
        EXPECT_EQ(got.volley, want.volley);
        EXPECT_EQ(got.reward, want.reward);
        // Fire groups above 3 fall back to the first timer.
        EXPECT_EQ(got.fireGroup, want.fireGroup > 3 ? 1 : want.fireGroup);
        EXPECT_EQ(got.mobile, want.mobile);
        EXPECT_EQ(got.fixedFrame, want.altFrames);
        EXPECT_EQ(got.dropKind, want.dropKind);
        EXPECT_EQ(got.questDrop, want.questDrop);
        EXPECT_EQ(got.drawStyle, 0);
        if (want.hasKeepOff) {
            EXPECT_EQ(got.keepOffX, want.keepOffX);
            EXPECT_EQ(got.keepOffY, want.keepOffY);
        }
        if (want.hasSidestep) {
            EXPECT_EQ(got.sidestepX, want.sidestep);
            EXPECT_EQ(got.sidestepY, want.sidestep);
            EXPECT_EQ(got.sidestepChance, want.sidestepChance);
        }
    }
}

void ExpectWaves(int32_t area, Input input, uint8_t cycler, std::string_view defaults,
                 const std::vector<ExpectedWave>& waves, notation::Params params) {
    SCOPED_TRACE("area " + std::to_string(area) + ", cycler " + std::to_string(cycler));
    const std::vector<Spawn> spawns = SweepArea(area, input, cycler);
    ASSERT_EQ(spawns.size(), waves.size()) << "number of waves";
    for (size_t w = 0; w < waves.size(); ++w) {
        SCOPED_TRACE("wave spawned at " + std::to_string(spawns[w].at));
        EXPECT_EQ(spawns[w].at, waves[w].at);
        ExpectSpawn(spawns[w], notation::Parse(defaults, waves[w].records, params));
    }
}

}  // namespace sweep
