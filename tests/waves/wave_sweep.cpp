#include "waves/wave_sweep.h"

#include <gtest/gtest.h>

#include "waves/earth_system_waves.h"
#include "waves/invasions_waves.h"

namespace sweep {

std::unique_ptr<BattleEngine> FreshEngine() {
    auto engine = std::make_unique<BattleEngine>();
    LoadAreaFresh(*engine);
    return engine;
}

void LoadAreaFresh(BattleEngine& e) {
    for (auto& flag : e.waveFired) flag = 0;
    for (auto& active : e.enemy.active) active = 0;
}

void RunFrame(BattleEngine& e, int32_t viewY, int32_t area, uint32_t seconds, Region region) {
    if (region == Region::kInvasions) {
        RunWavesInvasionsA(e, 30, viewY, area, seconds);
        RunWavesInvasionsB(e, 30, viewY, area, seconds);
        return;
    }
    RunWavesEarthSystemA(e, 30, viewY, area, seconds);
    RunWavesEarthSystemB(e, 30, viewY, area, seconds);
}

std::vector<LiveEnemy> LiveEnemies(const BattleEngine& e) {
    std::vector<LiveEnemy> out;
    const EnemyTable& t = e.enemy;
    for (int i = 0; i < EnemyTable::kSlots; ++i) {
        if (!t.active[i]) continue;
        EXPECT_EQ(t.w[i], t.h[i]) << "slot " << i;
        out.push_back({i, t.x[i], t.y[i], t.art[i], static_cast<int32_t>(t.shields[i]),
                       static_cast<int32_t>(t.armor[i]), static_cast<int32_t>(t.spawnArmor[i]), t.w[i],
                       static_cast<int32_t>(t.shotDamage[i]), t.shotType[i], t.volley[i], t.reward[i],
                       t.fireGroup[i], t.mobile[i], t.fixedFrame[i], t.dropKind[i], t.questDrop[i], t.drawStyle[i],
                       t.keepOffX[i], t.keepOffY[i], t.sidestepX[i], t.sidestepY[i], t.sidestepChance[i]});
    }
    return out;
}

int ActiveCount(const BattleEngine& e) {
    int n = 0;
    for (uint8_t a : e.enemy.active) n += a;
    return n;
}

std::vector<Spawn> SweepArea(Region region, int32_t area, Input input, uint8_t cycler) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    e.waveSizeCycler = cycler;

    std::vector<Spawn> spawns;
    auto frame = [&](int32_t at, int32_t viewY, uint32_t seconds, int32_t convoy) {
        e.ally.y[32] = convoy;
        RunFrame(e, viewY, area, seconds, region);
        if (region == Region::kInvasions) {
            EXPECT_EQ(e.spawnList.pendingCount, 0) << "after the call at " << at;
        }
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
            for (uint32_t s = 0; s <= 70; ++s) frame(static_cast<int32_t>(s), kEntryViewY, s, 0);
            break;
        case Input::kConvoy:
            for (int32_t c = 0; c >= -9000; --c) frame(c, kEntryViewY, 0, c);
            break;
    }
    EXPECT_EQ(e.spawnList.pendingCount, 0) << "records left waiting with every slot free";
    return spawns;
}

}  // namespace sweep
