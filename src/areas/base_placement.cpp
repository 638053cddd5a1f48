#include "areas/base_placement.h"

#include <algorithm>

#include "areas/building_kinds.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/number_text.h"
#include "platform/point_in_rect.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {

// The Cancel corner of placement mode.
constexpr int32_t kCancelX = 550, kCancelY = -200, kCancelW = 400, kCancelH = 250;

// Rows of the building box.
constexpr int32_t kBoxRowX = 610, kBoxRowW = 500, kBoxRowH = 25;
constexpr int32_t kMoveRowY = 30, kUpgradeRowY = 55, kThirdRowY = 80;

// A new robot appears this far into its factory's picture.
constexpr int32_t kRobotOffsetX = 30, kRobotOffsetY = 20;
constexpr int32_t kHalfScreenW = 400, kHalfScreenH = 300;

constexpr uint8_t kUpgradeGlowStart = 40;

bool ValidSlot(int slot) { return slot >= 0 && slot < GameState::kBuildingSlots; }

void DropStorage(GameState& state) {
    if (state.storageCount >= static_cast<uint32_t>(GameState::kStorageCount)) return;
    state.storageBuildings[state.storageCount] = state.buildingCount;
    ++state.storageCount;
}

void DropFactory(GameState& state, ControlPanel& panel) {
    state.factoryBuilt = 1;
    const int count = state.maxRobotCount + kFactoryRobotRaise;
    if (count >= kMaxRobotCount) {
        state.maxRobotCount = kMaxRobotCount;
        panel.robotLimitTimer = 1;
    } else {
        state.maxRobotCount = static_cast<uint8_t>(count);
    }
}

void UpgradeFactory(GameState& state, BattleEngine& engine, int slot) {
    if (state.maxRobotQuality < 255) ++state.maxRobotQuality;
    if (engine.building.level[slot] >= engine.topFactoryLevel) {
        // The record keeps the top level in a byte: it stops at 255.
        const int32_t top = std::min<int32_t>(engine.topFactoryLevel + 1, 255);
        engine.topFactoryLevel = top;
        state.topFactoryLevel = static_cast<uint8_t>(top);
        engine.factoryX = state.factoryX = engine.building.x[slot];
        engine.factoryY = state.factoryY = engine.building.y[slot];
    }
    AddFactoryStatGains(state);
}

}  // namespace

bool BasePlacement::PlacingOrMoving(const BattleEngine& engine) {
    return engine.newBuildingPending != 0 || engine.movingBuilding != 0;
}

bool BasePlacement::InAnyMode(const BattleEngine& engine) {
    return PlacingOrMoving(engine) || engine.newRobotPending != 0;
}

void BasePlacement::UpdateCancelHover(const BattleEngine& engine, int32_t mouseX, int32_t mouseY) {
    if (engine.newBuildingPending != 1) return;
    cancelHover = PointInRect(kCancelX, kCancelY, kCancelW, kCancelH, mouseX, mouseY) ? 1 : 0;
}

void BasePlacement::UpdateBoxHovers(BattleEngine& engine, int32_t mouseX, int32_t mouseY) {
    if (InAnyMode(engine) || engine.hoveredBuilding == 0 || engine.hoveredBuilding > kBuildingSlots) return;
    engine.moveHover = engine.upgradeHover = engine.storageHover = engine.makeRobotsHover = 0;
    auto onRow = [&](int32_t y) { return PointInRect(kBoxRowX, y, kBoxRowW, kBoxRowH, mouseX, mouseY) != 0; };
    if (onRow(kMoveRowY)) engine.moveHover = 1;
    if (onRow(kUpgradeRowY)) {
        engine.upgradeHover = 1;
        engine.upgradeTarget = engine.hoveredBuilding;
    }
    if (onRow(kThirdRowY)) {
        const uint8_t kind = engine.building.type[engine.hoveredBuilding - 1];
        if (kind == kStorage) engine.storageHover = 1;
        if (kind == kRobotFactory) engine.makeRobotsHover = 1;
    }
}

void BasePlacement::Cancel(GameState& state, BattleEngine& engine) {
    engine.newBuildingPending = 0;
    cancelHover = 0;
    state.resources[GameState::kBuildingMaterial] += state.placementRefund;
    if (state.buildingCount > 0) --state.buildingCount;
    UndoConstructionCost(state.constructionCosts, state.constructionSteps, engine.newBuildingKind - 1);
}

void BasePlacement::Drop(GameState& state, BattleEngine& engine, int32_t camX, int32_t camY, int32_t& cursorX,
                         int32_t& cursorY) {
    if (engine.newBuildingPending) {
        record_exchange::CopyTopFactoryLevelToEngine(state, engine);
        engine.newBuildingReady = 1;
    } else if (engine.movingBuilding != 2) {
        return;
    }
    engine.PlaceBuilding(camX, camY, cursorX, cursorY);
    if (engine.factoryMoved) {
        engine.factoryMoved = 0;
        record_exchange::TakeFactoryPositionFromEngine(engine, state);
    }
}

void BasePlacement::ApplyDrop(GameState& state, BattleEngine& engine, ControlPanel& panel) {
    const int slot = engine.placedBuildingSlot - 1;
    if (ValidSlot(slot)) {
        const uint8_t kind = engine.building.type[slot];
        state.buildingIds[slot] = 1;
        state.buildingExists[slot] = 1;
        state.buildingIndex[slot] = static_cast<uint8_t>(slot);
        state.buildingFrames[slot] = 0;
        state.buildingKinds[slot] = kind;
        state.buildingLevels[slot] = 0;
        ApplyBonusRaises(state.bonusBlock, DropBonuses(kind));
        if (kind == kStorage) DropStorage(state);
        if (kind == kRobotFactory) DropFactory(state, panel);
        record_exchange::CopyBonusesToEngine(state, engine);
    }
    engine.placedBuildingSlot = 0;
    if (engine.baseChanged) {
        engine.baseChanged = 0;
        record_exchange::CopyBuildingPositionsBack(engine, state);
    }
}

uint32_t BasePlacement::RefreshUpgradeCost(GameState& state, int slot) {
    if (!ValidSlot(slot)) return 0;
    state.upgradeCostsAfterDiscount[slot] = BuildingUpgradePrice(state.buildingKinds[slot], state.upgradeCosts[slot],
                                                                 state.bonusBlock.buildingUpgradeDiscount);
    return state.upgradeCostsAfterDiscount[slot];
}

bool BasePlacement::CanUpgrade(const GameState& state, int slot) {
    return ValidSlot(slot) && state.buildingKinds[slot] != kStorage && state.buildingLevels[slot] < kMaxBuildingLevel;
}

BasePlacement::Upgrade BasePlacement::UpgradeBuilding(GameState& state, BattleEngine& engine, ControlPanel& panel,
                                                      int slot) {
    if (!ValidSlot(slot)) return Upgrade::kNotUpgradable;
    engine.upgradeHover = 0;
    engine.hoveredBuilding = static_cast<uint8_t>(slot + 1);
    const uint32_t cost = RefreshUpgradeCost(state, slot);
    uint32_t& material = state.resources[GameState::kBuildingMaterial];
    if (cost > material) {
        panel.noMaterialTimer = 1;
        FormatNumber(panel.noMaterialText, sizeof panel.noMaterialText, material);
        return Upgrade::kNoMaterial;
    }
    // A level is one byte: at 255 the building takes no further upgrade.
    if (!CanUpgrade(state, slot)) return Upgrade::kNotUpgradable;

    const uint8_t kind = state.buildingKinds[slot];
    ++state.buildingLevels[slot];
    record_exchange::CopyBuildingLevelToEngine(state, engine, slot);
    material -= cost;
    state.upgradeCosts[slot] += kUpgradeCostRise;
    engine.buttonsReleased = 0;
    engine.upgradeGlow[slot] = kUpgradeGlowStart;
    engine.upgradeGlowFalling[slot] = 0;
    ApplyBonusRaises(state.bonusBlock, UpgradeBonuses(kind));
    if (kind == kRobotFactory) UpgradeFactory(state, engine, slot);
    record_exchange::CopyBonusesToEngine(state, engine);
    upgradeSound = 1;
    return Upgrade::kDone;
}

void BasePlacement::RequestStorage(GameState& state, BattleEngine& engine) {
    engine.storageHover = 0;
    engine.storageOpenRequest = 1;
    const uint32_t used = std::min<uint32_t>(state.storageCount, GameState::kBuildingSlots);
    for (uint32_t i = 0; i < used; ++i) {
        if (state.storageBuildings[i] == engine.pickedBuilding) state.storageToOpen = i + 1;
    }
}

void BasePlacement::CentreOnNewRobot(BattleEngine& engine, AreaBackdrop& backdrop) {
    if (engine.newRobotPending != 1) return;
    engine.newRobotPending = 2;
    for (int i = 0; i < kBuildingSlots; ++i) {
        if (!engine.building.active[i] || engine.building.type[i] != kRobotFactory) continue;
        engine.newRobotX = engine.building.x[i] + kRobotOffsetX;
        engine.newRobotY = engine.building.y[i] + kRobotOffsetY;
        backdrop.viewX = std::clamp(engine.newRobotX - kHalfScreenW, kViewMinX, kViewMaxX);
        backdrop.viewY = std::clamp(engine.newRobotY - kHalfScreenH, kViewMinY, kViewMaxY);
    }
}
