#pragma once
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "battle/battle_engine.h"
#include "waves/record_notation.h"

// Drives the first region's scripts as the area scene does (A, then B, every
// frame) while one input moves through an area's range, and notes which
// enemies each call spawned.
namespace sweep {

enum class Input { kView, kSeconds, kConvoy };

constexpr int32_t kEntryViewY = -620;  // where the view opens in an area

// A copy of one live enemy slot.
struct LiveEnemy {
    int slot;
    int32_t x, y;
    int32_t art, shields, armor, spawnArmor, width, height;
    int32_t damage, type, volley, reward, fireGroup;
    int32_t mobile, fixedFrame, dropKind, questDrop, drawStyle;
    int32_t keepOffX, keepOffY, sidestepX, sidestepY, sidestepChance;
};

struct Spawn {
    int32_t at;                      // the input's value in the call that spawned
    std::vector<LiveEnemy> enemies;  // by slot
};

std::unique_ptr<BattleEngine> FreshEngine();

// Clears what a fresh area load clears: wave flags and the live tables.
void LoadAreaFresh(BattleEngine& engine);

void RunFrame(BattleEngine& engine, int32_t viewY, int32_t area, uint32_t seconds);

std::vector<LiveEnemy> LiveEnemies(const BattleEngine& engine);

// Enters the area fresh and moves the input through its range one unit per
// call: the view from -600 up to -9800, the seconds from 0 to 60, the convoy
// from 0 to -9000 (the view held at the entry). After each call that spawned
// anything the spawned enemies are noted and killed, so every wave spawns in
// full.
std::vector<Spawn> SweepArea(int32_t area, Input input, uint8_t cycler = 0);

// What a wave is expected to spawn, in the designers' shorthand.
struct ExpectedWave {
    int32_t at;
    std::string_view records;
};

// Checks one spawn against the records of a wave: the last record written
// takes the lowest free slot.
void ExpectSpawn(const Spawn& spawn, const std::vector<notation::ExpectedRecord>& records);

// Sweeps the area and checks every spawn against the waves, in order.
void ExpectWaves(int32_t area, Input input, uint8_t cycler, std::string_view defaults,
                 const std::vector<ExpectedWave>& waves, notation::Params params = {});

}  // namespace sweep
