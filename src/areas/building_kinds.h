#pragma once
#include <cstdint>

struct BonusBlock;
class GameState;

// The twelve kinds of base building, as the building table stores them.
enum BuildingKind : uint8_t {
    kStorage = 0,
    kGeneralRepair = 1,
    kShipRepair = 2,
    kRobotRepair = 3,
    kGoldLab = 4,
    kCrystalLab = 5,
    kWealthCenter = 6,
    kFavorsOffice = 7,
    kShipResearch = 8,
    kRobotResearch = 9,
    kBuildingResearch = 10,
    kRobotFactory = 11,
};
inline constexpr int kBuildingKindCount = 12;
inline constexpr uint32_t kConstructionStepRise = 200;  // each construction raises the kind's step by this
inline constexpr uint32_t kUpgradeCostRise = 100;       // each upgrade raises the building's upgrade cost
inline constexpr uint8_t kMaxBuildingLevel = 255;       // a level is one byte in the record
inline constexpr uint8_t kMaxRobotCount = 100;          // the robot table's size
inline constexpr uint8_t kFactoryRobotRaise = 3;        // each factory lets three more robots be made

// A kind's name on the construction tiles ("Building Research").
const char* BuildingKindName(int kind);
// A kind's name in the base's building box ("Build Research", "Rob. Research").
const char* BuildingBoxName(int kind);

// Where a kind keeps its construction cost. Ship Repair and Robot Repair
// swap cost slots (the record has always stored them so); their steps stay
// in their own slots. Construction, display and cancel all go through here.
int ConstructionCostSlot(int kind);
inline int ConstructionStepSlot(int kind) { return kind; }

// A construction of the kind: its cost rises by its step, then the step by
// 200. A cancelled placement takes that back: the step first, then the cost.
void GrowConstructionCost(uint32_t (&costs)[kBuildingKindCount], uint32_t (&steps)[kBuildingKindCount], int kind);
void UndoConstructionCost(uint32_t (&costs)[kBuildingKindCount], uint32_t (&steps)[kBuildingKindCount], int kind);

// What one upgrade of a building costs: its upgrade cost less the building
// upgrade discount, never below 0. Building Research always pays in full.
uint32_t BuildingUpgradePrice(int kind, uint32_t upgradeCost, uint32_t discount);

// One raise of a bonus-block word (word index in field order).
struct BonusRaise {
    int8_t word;  // -1 ends the list
    uint8_t amount;
};
inline constexpr int kMaxBonusRaises = 6;

// What constructing one building of the kind adds to the bonus block, and
// what each upgrade adds. The Storage and Robot Factory effects outside the
// block belong to the placement rules.
const BonusRaise* DropBonuses(int kind);     // kMaxBonusRaises entries
const BonusRaise* UpgradeBonuses(int kind);  // kMaxBonusRaises entries
void ApplyBonusRaises(BonusBlock& block, const BonusRaise* raises);

// A Robot Factory upgrade: each of the five stat gains of every rank rises,
// by 1 for a Grunt, 2 for a Sarge, 4 for a Captain and 7 for a General.
void AddFactoryStatGains(GameState& state);
