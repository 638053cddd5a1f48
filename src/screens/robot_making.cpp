#include "screens/robot_making.h"

#include <algorithm>
#include <cstdint>

#include "areas/base_placement.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace robot_making {
namespace {

// What each make adds to the next robot's cost of the same rank.
constexpr uint32_t kMakeCostSteps[GameState::kRobotRanks] = {100, 200, 400, 700};
// Where on the factory the new robot appears, and the screen's half size.
constexpr int32_t kShowOffsetX = 30, kShowOffsetY = 27;
constexpr int32_t kHalfScreenW = 400, kHalfScreenH = 300;
constexpr float kShowStartScale = 0.2f;
constexpr uint8_t kShowGrowing = 1;

enum OrderStat { kShields = 0, kArmor, kAttack, kDefence, kProtection };

bool ValidSlot(int slot) { return slot >= 0 && slot < GameState::kRobotSlots; }

// The counts by rank are bytes; a long game must not wrap them to 0.
void CountUp(uint8_t& count) {
    if (count < UINT8_MAX) ++count;
}

void FillEntry(GameState& state, const RobotOrder& order, int slot) {
    state.robotExists[slot] = 1;
    state.robotActive[slot] = 1;
    state.robotOperational[slot] = 1;
    state.robotSlot[slot] = static_cast<uint8_t>(slot);
    state.robotVariant[slot] = order.variant;
    state.robotRank[slot] = order.rank;
    state.robotShields[slot] = state.robotShieldsMax[slot] = order.stats[kShields];
    state.robotArmor[slot] = state.robotArmorMax[slot] = order.stats[kArmor];
    state.robotAttack[slot] = order.stats[kAttack];
    state.robotDefence[slot] = order.stats[kDefence];
    state.robotProtection[slot] = order.stats[kProtection];
    state.robotQuality[slot] = order.quality;
}

}  // namespace

int FreeRobotSlot(const GameState& state) {
    for (int slot = 0; slot < GameState::kRobotSlots; ++slot) {
        if (state.robotExists[slot] == 0) return slot;
    }
    return -1;
}

bool MakeRobot(GameState& state, BattleEngine& engine, const RobotOrder& order, int slot) {
    uint32_t& material = state.resources[GameState::kRobotMaterial];
    if (!ValidSlot(slot) || order.rank >= GameState::kRobotRanks || order.cost > material) return false;
    material -= order.cost;
    ++state.robotCount;
    FillEntry(state, order, slot);
    CountUp(state.robotsByRank[order.rank]);
    CountUp(state.operationalByRank[order.rank]);
    state.robotMakeCosts[order.rank] += kMakeCostSteps[order.rank];
    record_exchange::CopyRobotToEngine(state, engine, slot);
    CountUp(engine.robotTypeCounts[order.rank]);
    return true;
}

void StartNewRobotShow(const GameState& state, BattleEngine& engine, AreaBackdrop* view, int slot) {
    if (!ValidSlot(slot)) return;
    engine.newRobotPending = kShowGrowing;
    engine.newRobotX = state.factoryX + kShowOffsetX;
    engine.newRobotY = state.factoryY + kShowOffsetY;
    engine.newRobotScale = kShowStartScale;
    engine.newRobotFlown = 0;
    engine.newRobotType = static_cast<uint8_t>(state.robotRank[slot]);
    engine.newRobotSlot = static_cast<uint8_t>(slot);
    if (!view) return;
    view->viewX = std::clamp(engine.newRobotX - kHalfScreenW, BasePlacement::kViewMinX, BasePlacement::kViewMaxX);
    view->viewY = std::clamp(engine.newRobotY - kHalfScreenH, BasePlacement::kViewMinY, BasePlacement::kViewMaxY);
}

}  // namespace robot_making
