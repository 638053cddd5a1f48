#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "battle/battle_engine.h"

// Drives a region's pair of wave scripts as its area scene does (both, every
// frame) while one input moves through an area's range, and notes which
// enemies each call spawned.
namespace sweep {

enum class Region { kEarthSystem, kInvasions };
enum class Input { kView, kSeconds, kConvoy };

constexpr int32_t kEntryViewY = -620;  // where the view opens in an area

// A copy of one live enemy slot.
struct LiveEnemy {
    int slot;
    int32_t x, y;
    int32_t art, shields, armor, spawnArmor, size;
    int32_t damage, type, volley, reward, fireGroup;
    int32_t mobile, fixedFrame, dropKind, questDrop, drawStyle;
    int32_t keepOffX, keepOffY, sidestepX, sidestepY, sidestepChance;
};

struct Spawn {
    int32_t at;                      // the input's value in the call that spawned
    std::vector<LiveEnemy> enemies;  // by slot
};

// An engine as a fresh area load leaves it: wave flags and enemies clear.
std::unique_ptr<BattleEngine> FreshEngine();
void LoadAreaFresh(BattleEngine& engine);

void RunFrame(BattleEngine& engine, int32_t viewY, int32_t area, uint32_t seconds,
              Region region = Region::kEarthSystem);

std::vector<LiveEnemy> LiveEnemies(const BattleEngine& engine);
int ActiveCount(const BattleEngine& engine);

// Enters the area fresh and moves the input through its range one unit per
// call: the view from -600 up to -9800, the seconds from 0 to 70, the convoy
// from 0 to -9000 (the view held at the entry). After each call that spawned
// anything the spawned enemies are noted and killed, so every wave spawns in
// full.
std::vector<Spawn> SweepArea(Region region, int32_t area, Input input, uint8_t cycler = 0);

}  // namespace sweep
