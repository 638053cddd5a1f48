// Base work around the engine's building table: construction and cancel with
// their cost slots, what each dropped building and each upgrade gives, the
// Robot Factory's top level, the building box and the new robot's view.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "areas/base_placement.h"
#include "areas/building_kinds.h"
#include "areas/construction_order.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {

class BaseWork : public ::testing::Test {
protected:
    void SetUp() override {
        state.NewGame();
        state.location = 1;
        record_exchange::CopyBuildingsToEngine(state, engine);
    }

    // Constructs a building of `kind` and drops it at a free screen point.
    int ConstructAndDrop(int kind, int32_t dropX = 100, int32_t dropY = 100) {
        EXPECT_EQ(OrderConstruction(state, engine, kind), ConstructionOrder::kPlaced);
        return DropCarried(dropX, dropY);
    }
    int DropCarried(int32_t dropX, int32_t dropY) {
        BasePlacement::Drop(state, engine, camX, camY, dropX, dropY);
        const int slot = engine.placedBuildingSlot - 1;
        BasePlacement::ApplyDrop(state, engine, panel);
        return slot;
    }

    GameState state;
    BattleEngine engine;
    ControlPanel panel;
    BasePlacement placement;
    int32_t camX = -400, camY = -1400;  // far from the three start buildings
};

TEST_F(BaseWork, ConstructionPaysRaisesAndHandsTheKindToPlacement) {
    EXPECT_EQ(OrderConstruction(state, engine, kStorage), ConstructionOrder::kPlaced);
    EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 700u);
    EXPECT_EQ(state.placementRefund, 200u);
    EXPECT_EQ(state.constructionCosts[0], 400u);
    EXPECT_EQ(state.constructionSteps[0], 400u);
    EXPECT_EQ(state.buildingCount, 4u);
    EXPECT_EQ(engine.newBuildingPending, 1);
    EXPECT_EQ(engine.newBuildingKind, 1);

    // Ship Repair keeps its cost in slot 3 and its step in slot 2.
    state.resources[GameState::kBuildingMaterial] = 5000;
    OrderConstruction(state, engine, kShipRepair);
    OrderConstruction(state, engine, kShipRepair);
    EXPECT_EQ(state.constructionCosts[3], 800u);
    EXPECT_EQ(state.constructionSteps[2], 600u);
    EXPECT_EQ(state.constructionCosts[2], 200u) << "Robot Repair's cost is untouched";
    EXPECT_EQ(state.constructionSteps[3], 200u);
}

TEST_F(BaseWork, ConstructionRefusals) {
    state.resources[GameState::kBuildingMaterial] = 199;
    EXPECT_EQ(OrderConstruction(state, engine, kGoldLab), ConstructionOrder::kNotEnough);
    state.resources[GameState::kBuildingMaterial] = 200;
    state.bonusBlock.reservedDiscount = 50;
    EXPECT_EQ(DisplayedConstructionCost(state, kGoldLab), 150u);
    state.bonusBlock.reservedDiscount = 0;
    state.location = 2;
    EXPECT_EQ(OrderConstruction(state, engine, kGoldLab), ConstructionOrder::kNotAtBase);
    state.location = 1;
    state.buildingCount = 100;
    EXPECT_EQ(OrderConstruction(state, engine, kGoldLab), ConstructionOrder::kBaseFull);
    EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 200u) << "refusals pay nothing";
    EXPECT_EQ(engine.newBuildingPending, 0);
    state.buildingCount = 3;
    EXPECT_EQ(OrderConstruction(state, engine, kGoldLab), ConstructionOrder::kPlaced) << "an exact cost is affordable";
    EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 0u);
}

// A cancel gives the material back and undoes the raise, Ship Repair's
// two cost slots included, however often it is repeated.
TEST_F(BaseWork, CancelRefundsAndUndoesTheRaise) {
    for (int kind : {kGoldLab, kShipRepair, kShipRepair, kRobotRepair}) {
        OrderConstruction(state, engine, kind);
        placement.cancelHover = 1;
        placement.Cancel(state, engine);
        EXPECT_EQ(engine.newBuildingPending, 0);
        EXPECT_EQ(placement.cancelHover, 0);
        EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 900u);
        EXPECT_EQ(state.buildingCount, 3u);
        for (int slot : {2, 3, 4}) {
            EXPECT_EQ(state.constructionCosts[slot], 200u) << "kind " << kind << ", slot " << slot;
            EXPECT_EQ(state.constructionSteps[slot], 200u) << "kind " << kind << ", slot " << slot;
        }
    }
}

// The bonus block's words (field order) that a building raises, and by how much.
struct Effect {
    int kind;
    std::vector<std::pair<int, uint32_t>> words;
};

void ExpectBlock(const BonusBlock& block, const Effect& e, const char* what) {
    BonusBlock expected;
    for (const auto& [word, amount] : e.words) expected.Word(word) = amount;
    for (int w = 0; w < BonusBlock::kWordCount; ++w) {
        EXPECT_EQ(block.Word(w), expected.Word(w)) << what << " of kind " << e.kind << ", word " << w;
    }
}

TEST_F(BaseWork, EachKindsDropEffect) {
    const Effect drops[] = {
        {kStorage, {}},           {kGeneralRepair, {}},     {kShipRepair, {{6, 20}}},
        {kRobotRepair, {{10, 5}}}, {kGoldLab, {{0, 12}}},   {kCrystalLab, {{1, 12}}},
        {kWealthCenter, {{0, 2}, {1, 2}, {3, 2}, {4, 2}, {7, 2}, {11, 2}}},
        {kFavorsOffice, {{3, 12}}}, {kShipResearch, {{5, 100}}}, {kRobotResearch, {{8, 100}}},
        {kBuildingResearch, {{11, 12}}}, {kRobotFactory, {}},
    };
    for (const Effect& e : drops) {
        SetUp();
        const uint8_t maxRobots = state.maxRobotCount;
        const uint32_t storages = state.storageCount;
        const int slot = ConstructAndDrop(e.kind);
        ASSERT_EQ(slot, 3) << "the first free slot after the three start buildings";
        ExpectBlock(state.bonusBlock, e, "drop");
        EXPECT_EQ(state.buildingKinds[slot], e.kind);
        EXPECT_EQ(state.buildingX[slot], 100 + camX) << "positions copied back on the drop";
        EXPECT_EQ(engine.goldBonus, state.bonusBlock.goldBonus) << "the block reaches the engine";
        EXPECT_EQ(engine.placedBuildingSlot, 0);
        EXPECT_EQ(state.maxRobotCount, e.kind == kRobotFactory ? maxRobots + 3 : maxRobots);
        EXPECT_EQ(state.storageCount, e.kind == kStorage ? storages + 1 : storages);
        if (e.kind == kStorage) {
            EXPECT_EQ(state.storageBuildings[storages], 4u) << "its building number";
        }
    }
}

TEST_F(BaseWork, RobotLimitStopsAtOneHundredWithItsMessage) {
    state.resources[GameState::kBuildingMaterial] = 100000;
    state.maxRobotCount = 95;
    ConstructAndDrop(kRobotFactory, 100, 100);
    EXPECT_EQ(state.maxRobotCount, 98);
    EXPECT_EQ(panel.robotLimitTimer, 0);
    ConstructAndDrop(kRobotFactory, 200, 100);
    EXPECT_EQ(state.maxRobotCount, 100);
    EXPECT_EQ(panel.robotLimitTimer, 1);
    panel.robotLimitTimer = 0;
    ConstructAndDrop(kRobotFactory, 300, 100);
    EXPECT_EQ(state.maxRobotCount, 100);
    EXPECT_EQ(panel.robotLimitTimer, 1);
    EXPECT_EQ(state.factoryBuilt, 1);
}

// Each upgrade of each kind (from a fresh record with enough material).
TEST_F(BaseWork, EachKindsUpgradeEffect) {
    const Effect upgrades[] = {
        {kGeneralRepair, {{6, 3}, {10, 1}}}, {kShipRepair, {{6, 10}}},  {kRobotRepair, {{10, 3}}},
        {kGoldLab, {{0, 6}}},                {kCrystalLab, {{1, 6}}},   {kFavorsOffice, {{3, 6}}},
        {kWealthCenter, {{0, 1}, {1, 1}, {3, 1}, {4, 1}, {7, 1}, {11, 1}}},
        {kBuildingResearch, {{11, 6}}},      {kShipResearch, {{5, 50}}}, {kRobotResearch, {{9, 50}}},
    };
    for (const Effect& e : upgrades) {
        SetUp();
        state.buildingKinds[1] = static_cast<uint8_t>(e.kind);
        engine.building.type[1] = static_cast<uint8_t>(e.kind);
        EXPECT_EQ(placement.UpgradeBuilding(state, engine, panel, 1), BasePlacement::Upgrade::kDone);
        ExpectBlock(state.bonusBlock, e, "upgrade");
        EXPECT_EQ(engine.building.level[1], 1);
        EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 800u);
        EXPECT_EQ(state.upgradeCosts[1], 200u);
        EXPECT_EQ(engine.upgradeGlow[1], 40);
        EXPECT_EQ(placement.upgradeSound, 1);
        EXPECT_EQ(engine.crystalBonus, state.bonusBlock.crystalBonus);
    }
}

TEST_F(BaseWork, UpgradeCostDiscountAndBuildingResearchFullCost) {
    state.bonusBlock.buildingUpgradeDiscount = 30;
    EXPECT_EQ(BasePlacement::RefreshUpgradeCost(state, 1), 70u);
    EXPECT_EQ(state.upgradeCostsAfterDiscount[1], 70u);
    state.bonusBlock.buildingUpgradeDiscount = 500;
    EXPECT_EQ(BasePlacement::RefreshUpgradeCost(state, 1), 0u) << "never below 0";

    state.buildingKinds[1] = kBuildingResearch;
    EXPECT_EQ(BasePlacement::RefreshUpgradeCost(state, 1), 100u);
    placement.UpgradeBuilding(state, engine, panel, 1);
    EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 800u) << "Building Research pays in full";
}

TEST_F(BaseWork, UpgradeRefusals) {
    state.resources[GameState::kBuildingMaterial] = 99;
    EXPECT_EQ(placement.UpgradeBuilding(state, engine, panel, 1), BasePlacement::Upgrade::kNoMaterial);
    EXPECT_EQ(panel.noMaterialTimer, 1);
    EXPECT_STREQ(panel.noMaterialText, "99");
    EXPECT_EQ(state.buildingLevels[1], 0);

    state.resources[GameState::kBuildingMaterial] = 1000;
    EXPECT_EQ(placement.UpgradeBuilding(state, engine, panel, 0), BasePlacement::Upgrade::kNotUpgradable);
    EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 1000u) << "a Storage spends nothing";
    EXPECT_EQ(state.buildingLevels[0], 0);
    EXPECT_EQ(placement.upgradeSound, 0);

    // A level is a byte: it stops at 255 instead of wrapping to 0.
    state.buildingLevels[1] = 254;
    EXPECT_EQ(placement.UpgradeBuilding(state, engine, panel, 1), BasePlacement::Upgrade::kDone);
    EXPECT_EQ(state.buildingLevels[1], 255);
    const uint32_t material = state.resources[GameState::kBuildingMaterial];
    EXPECT_EQ(placement.UpgradeBuilding(state, engine, panel, 1), BasePlacement::Upgrade::kNotUpgradable);
    EXPECT_EQ(state.buildingLevels[1], 255);
    EXPECT_EQ(engine.building.level[1], 255);
    EXPECT_EQ(state.resources[GameState::kBuildingMaterial], material);
}

TEST_F(BaseWork, FactoryTopLevelSequence) {
    state.resources[GameState::kBuildingMaterial] = 100000;
    // The start factory in slot 2, a second one dropped into slot 3.
    const int second = ConstructAndDrop(kRobotFactory);
    ASSERT_EQ(second, 3);
    EXPECT_EQ(state.factoryX, 100 + camX) << "a new factory at the top level 0 becomes the spawn point";
    engine.topFactoryLevel = state.topFactoryLevel;

    placement.UpgradeBuilding(state, engine, panel, 2);
    EXPECT_EQ(state.buildingLevels[2], 1);
    EXPECT_EQ(state.topFactoryLevel, 1);
    EXPECT_EQ(engine.topFactoryLevel, 1);
    EXPECT_EQ(state.factoryX, 670);
    EXPECT_EQ(state.factoryY, -680);
    EXPECT_EQ(engine.factoryX, 670);
    EXPECT_EQ(state.maxRobotQuality, 2);
    EXPECT_EQ(state.robotStatGains[0][1], 21u);
    EXPECT_EQ(state.robotStatGains[1][3], 12u) << "Sarge gains 2";
    EXPECT_EQ(state.robotStatGains[2][0], 8u);
    EXPECT_EQ(state.robotStatGains[3][4], 57u);

    placement.UpgradeBuilding(state, engine, panel, second);
    EXPECT_EQ(state.topFactoryLevel, 2) << "level 1 is at least the top level 1";
    EXPECT_EQ(state.factoryX, 100 + camX);
    EXPECT_EQ(state.factoryY, 100 + camY);
    EXPECT_EQ(state.maxRobotQuality, 3);

    placement.UpgradeBuilding(state, engine, panel, 2);
    EXPECT_EQ(state.buildingLevels[2], 2);
    EXPECT_EQ(state.topFactoryLevel, 3);
    EXPECT_EQ(state.factoryX, 670);
}

TEST_F(BaseWork, OpenStorageOpensTheLastMatchingStorage) {
    state.resources[GameState::kBuildingMaterial] = 100000;
    ConstructAndDrop(kStorage, 100, 100);  // building 4 in slot 3
    ConstructAndDrop(kGoldLab, 200, 100);
    ConstructAndDrop(kStorage, 300, 100);  // building 6 in slot 5
    ASSERT_EQ(state.storageCount, 3u);
    EXPECT_EQ(state.storageBuildings[2], 6u);

    engine.pickedBuilding = 6;
    BasePlacement::RequestStorage(state, engine);
    EXPECT_EQ(engine.storageOpenRequest, 1);
    EXPECT_EQ(state.storageToOpen, 3u);
    engine.pickedBuilding = 1;
    BasePlacement::RequestStorage(state, engine);
    EXPECT_EQ(state.storageToOpen, 1u);
    engine.pickedBuilding = 5;  // the Gold Lab: no storage matches
    BasePlacement::RequestStorage(state, engine);
    EXPECT_EQ(state.storageToOpen, 1u) << "unchanged when none matches";
}

// The box's third row belongs to the Storage (open it) and the Robot
// Factory (make robots); no box work goes on while a building is placed.
TEST_F(BaseWork, BoxRowsFollowTheSelectedKind) {
    const struct {
        uint8_t selected;
        int32_t y;
        uint8_t storage, makeRobots, upgrade, move;
    } cases[] = {{1, 85, 1, 0, 0, 0}, {1, 60, 0, 0, 1, 0}, {1, 30, 0, 0, 0, 1}, {3, 104, 0, 1, 0, 0}, {2, 90, 0, 0, 0, 0}};
    for (const auto& c : cases) {
        engine.hoveredBuilding = c.selected;
        BasePlacement::UpdateBoxHovers(engine, 700, c.y);
        EXPECT_EQ(engine.storageHover, c.storage) << int(c.selected) << " at " << c.y;
        EXPECT_EQ(engine.makeRobotsHover, c.makeRobots) << int(c.selected) << " at " << c.y;
        EXPECT_EQ(engine.upgradeHover, c.upgrade) << int(c.selected) << " at " << c.y;
        EXPECT_EQ(engine.moveHover, c.move) << int(c.selected) << " at " << c.y;
    }
    engine.moveHover = 1;
    engine.newBuildingPending = 1;
    BasePlacement::UpdateBoxHovers(engine, 0, 0);
    EXPECT_EQ(engine.moveHover, 1);
}

TEST_F(BaseWork, NewRobotIsShownAtTheHigherFactoryWithTheViewClamped) {
    AreaBackdrop backdrop;
    state.resources[GameState::kBuildingMaterial] = 100000;
    ConstructAndDrop(kRobotFactory, 100, 100);  // slot 3 at (-300, -1300)
    engine.newRobotPending = 1;
    BasePlacement::CentreOnNewRobot(engine, backdrop);
    EXPECT_EQ(engine.newRobotPending, 2);
    EXPECT_EQ(engine.newRobotX, -270);
    EXPECT_EQ(engine.newRobotY, -1280);
    EXPECT_EQ(backdrop.viewX, -64) << "clamped to the base's view";
    EXPECT_EQ(backdrop.viewY, -1568);

    engine.building.active[3] = 0;
    engine.newRobotPending = 1;
    BasePlacement::CentreOnNewRobot(engine, backdrop);
    EXPECT_EQ(engine.newRobotX, 700);
    EXPECT_EQ(engine.newRobotY, -660);
    EXPECT_EQ(backdrop.viewX, 300);
    EXPECT_EQ(backdrop.viewY, -960);

    backdrop.viewX = 0;
    BasePlacement::CentreOnNewRobot(engine, backdrop);
    EXPECT_EQ(backdrop.viewX, 0) << "only once per robot";
}

TEST_F(BaseWork, MovedBuildingPositionReachesTheRecord) {
    engine.building.active[1] = 0;
    engine.movingBuilding = 1;
    engine.movingBuildingSlot = 1;
    int32_t x = 100, y = 100;
    BasePlacement::Drop(state, engine, camX, camY, x, y);
    EXPECT_EQ(engine.building.active[1], 0) << "move mode 1 waits for the buttons to come up";
    engine.movingBuilding = 2;
    BasePlacement::Drop(state, engine, camX, camY, x, y);
    BasePlacement::ApplyDrop(state, engine, panel);
    EXPECT_EQ(state.buildingX[1], 100 + camX);
    EXPECT_EQ(state.buildingY[1], 100 + camY);
    EXPECT_EQ(state.buildingKinds[1], kGeneralRepair) << "a move changes no kind";
    EXPECT_EQ(state.bonusBlock.shipRepairDiscount, 0u);
    EXPECT_EQ(x, 140);
}

}  // namespace
