#include "areas/building_kinds.h"

#include "shell/bonus_block.h"
#include "shell/game_state.h"

namespace {

constexpr const char* kKindNames[kBuildingKindCount] = {
    "Storage",       "General Repair", "Ship Repair",    "Robot Repair",      "Gold Lab",          "Crystal Lab",
    "Wealth Center", "Favors Office",  "Ship Research", "Robot Research", "Building Research", "Robot Factory",
};

constexpr const char* kBoxNames[kBuildingKindCount] = {
    "Storage",       "General Repair", "Ship Repair",   "Robot Repair",  "Gold Lab",       "Crystal Lab",
    "Wealth Center", "Favors Office",  "Ship Research", "Rob. Research", "Build Research", "Robot Factory",
};

constexpr int kCostSlots[kBuildingKindCount] = {0, 1, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11};

// Words of the bonus block, in field order.
enum Word : int8_t {
    kGold = 0,
    kCrystal = 1,
    kFavors = 3,
    kShipMaterial = 4,
    kShipUpgradeDiscount = 5,
    kShipRepairDiscount = 6,
    kRobotMaterial = 7,
    kRobotMakeDiscount = 8,
    kRobotUpgradeDiscount = 9,
    kRobotRepairDiscount = 10,
    kBuildingMaterial = 11,
    kEnd = -1,
};

using Raises = BonusRaise[kMaxBonusRaises];
constexpr BonusRaise kNone = {kEnd, 0};

constexpr Raises kDropRaises[kBuildingKindCount] = {
    {kNone},                                                 // Storage
    {kNone},                                                 // General Repair
    {{kShipRepairDiscount, 20}, kNone},                      // Ship Repair
    {{kRobotRepairDiscount, 5}, kNone},                      // Robot Repair
    {{kGold, 12}, kNone},                                    // Gold Lab
    {{kCrystal, 12}, kNone},                                 // Crystal Lab
    {{kGold, 2}, {kCrystal, 2}, {kFavors, 2}, {kShipMaterial, 2}, {kRobotMaterial, 2}, {kBuildingMaterial, 2}},
    {{kFavors, 12}, kNone},                                  // Favors Office
    {{kShipUpgradeDiscount, 100}, kNone},                    // Ship Research
    {{kRobotMakeDiscount, 100}, kNone},                      // Robot Research
    {{kBuildingMaterial, 12}, kNone},                        // Building Research
    {kNone},                                                 // Robot Factory
};

constexpr Raises kUpgradeRaises[kBuildingKindCount] = {
    {kNone},                                                 // Storage: not upgradable
    {{kShipRepairDiscount, 3}, {kRobotRepairDiscount, 1}, kNone},
    {{kShipRepairDiscount, 10}, kNone},                      // Ship Repair
    {{kRobotRepairDiscount, 3}, kNone},                      // Robot Repair
    {{kGold, 6}, kNone},                                     // Gold Lab
    {{kCrystal, 6}, kNone},                                  // Crystal Lab
    {{kGold, 1}, {kCrystal, 1}, {kFavors, 1}, {kShipMaterial, 1}, {kRobotMaterial, 1}, {kBuildingMaterial, 1}},
    {{kFavors, 6}, kNone},                                   // Favors Office
    {{kShipUpgradeDiscount, 50}, kNone},                     // Ship Research
    {{kRobotUpgradeDiscount, 50}, kNone},                    // Robot Research
    {{kBuildingMaterial, 6}, kNone},                         // Building Research
    {kNone},                                                 // Robot Factory
};

// Robot stats each factory upgrade adds, by rank.
constexpr uint32_t kFactoryStatGains[GameState::kRobotRanks] = {1, 2, 4, 7};

bool ValidKind(int kind) { return kind >= 0 && kind < kBuildingKindCount; }

uint32_t LessButNotBelowZero(uint32_t value, uint32_t amount) { return value > amount ? value - amount : 0; }

}  // namespace

const char* BuildingKindName(int kind) { return ValidKind(kind) ? kKindNames[kind] : ""; }
const char* BuildingBoxName(int kind) { return ValidKind(kind) ? kBoxNames[kind] : ""; }
int ConstructionCostSlot(int kind) { return ValidKind(kind) ? kCostSlots[kind] : kind; }

void GrowConstructionCost(uint32_t (&costs)[kBuildingKindCount], uint32_t (&steps)[kBuildingKindCount], int kind) {
    if (!ValidKind(kind)) return;
    uint32_t& step = steps[ConstructionStepSlot(kind)];
    costs[ConstructionCostSlot(kind)] += step;
    step += kConstructionStepRise;
}

void UndoConstructionCost(uint32_t (&costs)[kBuildingKindCount], uint32_t (&steps)[kBuildingKindCount], int kind) {
    if (!ValidKind(kind)) return;
    uint32_t& step = steps[ConstructionStepSlot(kind)];
    step = LessButNotBelowZero(step, kConstructionStepRise);
    uint32_t& cost = costs[ConstructionCostSlot(kind)];
    cost = LessButNotBelowZero(cost, step);
}

uint32_t BuildingUpgradePrice(int kind, uint32_t upgradeCost, uint32_t discount) {
    return kind == kBuildingResearch ? upgradeCost : LessButNotBelowZero(upgradeCost, discount);
}

const BonusRaise* DropBonuses(int kind) { return ValidKind(kind) ? kDropRaises[kind] : kDropRaises[kStorage]; }
const BonusRaise* UpgradeBonuses(int kind) {
    return ValidKind(kind) ? kUpgradeRaises[kind] : kUpgradeRaises[kStorage];
}

void ApplyBonusRaises(BonusBlock& block, const BonusRaise* raises) {
    for (int i = 0; i < kMaxBonusRaises && raises[i].word >= 0; ++i) block.Word(raises[i].word) += raises[i].amount;
}

void AddFactoryStatGains(GameState& state) {
    for (int rank = 0; rank < GameState::kRobotRanks; ++rank) {
        for (uint32_t& gain : state.robotStatGains[rank]) gain += kFactoryStatGains[rank];
    }
}
