// Base work around the engine's building table: the cancel of a construction
// with its cost slots, what each dropped building and each upgrade gives, the
// Robot Factory's top level, the building box and the new robot's view.
#include <gtest/gtest.h>

#include <memory>

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

    // What a Yes on the Construct Buildings page does, with no discount.
    void Construct(int kind) {
        const uint32_t price = state.constructionCosts[ConstructionCostSlot(kind)];
        GrowConstructionCost(state.constructionCosts, state.constructionSteps, kind);
        PayAndStartPlacement(state, engine, kind, price);
    }
    // Constructs a building of `kind` and drops it at a free screen point.
    int ConstructAndDrop(int kind, int32_t dropX = 100, int32_t dropY = 100) {
        Construct(kind);
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

TEST_F(BaseWork, CancelRefundsAndUndoesTheRaise) {
    Construct(kGoldLab);
    EXPECT_EQ(state.constructionCosts[4], 400u);
    placement.cancelHover = 1;
    placement.Cancel(state, engine);
    EXPECT_EQ(engine.newBuildingPending, 0);
    EXPECT_EQ(placement.cancelHover, 0);
    EXPECT_EQ(state.constructionSteps[4], 200u);
    EXPECT_EQ(state.constructionCosts[4], 200u);
    EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 900u);
    EXPECT_EQ(state.buildingCount, 3u);
}

TEST_F(BaseWork, CancellingShipRepairTwiceRestoresBothCostSlots) {
    for (int round = 0; round < 2; ++round) {
        Construct(kShipRepair);
        placement.Cancel(state, engine);
        EXPECT_EQ(state.constructionCosts[3], 200u) << "Ship Repair's own cost slot, round " << round;
        EXPECT_EQ(state.constructionCosts[2], 200u) << "Robot Repair's cost slot, round " << round;
        EXPECT_EQ(state.constructionSteps[2], 200u);
        EXPECT_EQ(state.constructionSteps[3], 200u);
    }
    EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 900u);
    Construct(kRobotRepair);
    placement.Cancel(state, engine);
    EXPECT_EQ(state.constructionCosts[2], 200u);
    EXPECT_EQ(state.constructionCosts[3], 200u);
}

TEST_F(BaseWork, CancelHoverOnlyInPlacementMode) {
    placement.UpdateCancelHover(engine, 600, 20);
    EXPECT_EQ(placement.cancelHover, 0);
    engine.newBuildingPending = 1;
    placement.UpdateCancelHover(engine, 600, 20);
    EXPECT_EQ(placement.cancelHover, 1);
    placement.UpdateCancelHover(engine, 549, 20);
    EXPECT_EQ(placement.cancelHover, 0);
    placement.UpdateCancelHover(engine, 790, 49);
    EXPECT_EQ(placement.cancelHover, 1);
    placement.UpdateCancelHover(engine, 790, 50);
    EXPECT_EQ(placement.cancelHover, 0);
}

// What a dropped building of each kind adds to the bonus block, as
// (gold, crystal, favors, ship material, robot material, building material,
//  ship repair, robot repair, ship upgrade, robot make discounts).
struct DropExpectation {
    int kind;
    uint32_t gold, crystal, favors, shipMat, robotMat, buildMat, shipRepair, robotRepair, shipUpgrade, robotMake;
};
constexpr DropExpectation kDrops[] = {
    {kStorage, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},        {kGeneralRepair, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {kShipRepair, 0, 0, 0, 0, 0, 0, 20, 0, 0, 0},    {kRobotRepair, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0},
    {kGoldLab, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0},       {kCrystalLab, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0},
    {kWealthCenter, 2, 2, 2, 2, 2, 2, 0, 0, 0, 0},   {kFavorsOffice, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0},
    {kShipResearch, 0, 0, 0, 0, 0, 0, 0, 0, 100, 0}, {kRobotResearch, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100},
    {kBuildingResearch, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0}, {kRobotFactory, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};

void ExpectBlock(const BonusBlock& b, const DropExpectation& e, const char* what) {
    SCOPED_TRACE(testing::Message() << what << " of kind " << e.kind);
    EXPECT_EQ(b.goldBonus, e.gold);
    EXPECT_EQ(b.crystalBonus, e.crystal);
    EXPECT_EQ(b.favorsBonus, e.favors);
    EXPECT_EQ(b.shipMaterialBonus, e.shipMat);
    EXPECT_EQ(b.robotMaterialBonus, e.robotMat);
    EXPECT_EQ(b.buildingMaterialBonus, e.buildMat);
    EXPECT_EQ(b.shipRepairDiscount, e.shipRepair);
    EXPECT_EQ(b.robotRepairDiscount, e.robotRepair);
    EXPECT_EQ(b.shipUpgradeDiscount, e.shipUpgrade);
    EXPECT_EQ(b.robotMakeDiscount, e.robotMake);
    EXPECT_EQ(b.robotUpgradeDiscount, 0u);
    EXPECT_EQ(b.buildingUpgradeDiscount, 0u);
    EXPECT_EQ(b.reservedBonus, 0u);
}

TEST_F(BaseWork, EachKindsDropEffect) {
    for (const DropExpectation& e : kDrops) {
        SetUp();
        const uint8_t maxRobots = state.maxRobotCount;
        const uint32_t storages = state.storageCount;
        const int slot = ConstructAndDrop(e.kind);
        ASSERT_EQ(slot, 3) << "the first free slot after the three start buildings";
        ExpectBlock(state.bonusBlock, e, "drop");
        EXPECT_EQ(state.buildingExists[slot], 1);
        EXPECT_EQ(state.buildingKinds[slot], e.kind);
        EXPECT_EQ(state.buildingLevels[slot], 0);
        EXPECT_EQ(state.buildingIndex[slot], 3);
        EXPECT_EQ(state.buildingX[slot], 100 + camX) << "positions copied back on the drop";
        EXPECT_EQ(engine.goldBonus, e.gold) << "the block reaches the engine";
        EXPECT_EQ(engine.buildingMaterialBonus, e.buildMat);
        EXPECT_EQ(engine.placedBuildingSlot, 0);
        EXPECT_EQ(engine.baseChanged, 0);
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
    constexpr DropExpectation kUpgrades[] = {
        {kGeneralRepair, 0, 0, 0, 0, 0, 0, 3, 1, 0, 0}, {kShipRepair, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0},
        {kRobotRepair, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0},   {kGoldLab, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {kCrystalLab, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0},    {kWealthCenter, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0},
        {kFavorsOffice, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0},  {kBuildingResearch, 0, 0, 0, 0, 0, 6, 0, 0, 0, 0},
    };
    for (const DropExpectation& e : kUpgrades) {
        SetUp();
        state.buildingKinds[1] = static_cast<uint8_t>(e.kind);
        engine.building.type[1] = static_cast<uint8_t>(e.kind);
        EXPECT_EQ(placement.UpgradeBuilding(state, engine, panel, 1), BasePlacement::Upgrade::kDone);
        ExpectBlock(state.bonusBlock, e, "upgrade");
        EXPECT_EQ(state.buildingLevels[1], 1);
        EXPECT_EQ(engine.building.level[1], 1);
        EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 800u);
        EXPECT_EQ(state.upgradeCosts[1], 200u);
        EXPECT_EQ(engine.upgradeGlow[1], 40);
        EXPECT_EQ(engine.hoveredBuilding, 2);
        EXPECT_EQ(placement.upgradeSound, 1);
        EXPECT_EQ(engine.crystalBonus, e.crystal);
    }
    SetUp();
    state.buildingKinds[1] = kShipResearch;
    placement.UpgradeBuilding(state, engine, panel, 1);
    EXPECT_EQ(state.bonusBlock.shipUpgradeDiscount, 50u);
    state.buildingKinds[1] = kRobotResearch;
    placement.UpgradeBuilding(state, engine, panel, 1);
    EXPECT_EQ(state.bonusBlock.robotUpgradeDiscount, 50u);
    EXPECT_EQ(state.bonusBlock.robotMakeDiscount, 0u);
    EXPECT_EQ(state.buildingLevels[1], 2);
    EXPECT_EQ(state.upgradeCosts[1], 300u);
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

TEST_F(BaseWork, BoxRowsFollowTheSelectedKind) {
    engine.hoveredBuilding = 1;  // the Storage
    BasePlacement::UpdateBoxHovers(engine, 700, 85);
    EXPECT_EQ(engine.storageHover, 1);
    EXPECT_EQ(engine.makeRobotsHover, 0);
    BasePlacement::UpdateBoxHovers(engine, 700, 60);
    EXPECT_EQ(engine.storageHover, 0);
    EXPECT_EQ(engine.upgradeHover, 1);
    EXPECT_EQ(engine.upgradeTarget, 1);
    BasePlacement::UpdateBoxHovers(engine, 700, 30);
    EXPECT_EQ(engine.moveHover, 1);
    EXPECT_EQ(engine.upgradeHover, 0);

    engine.hoveredBuilding = 3;  // the Robot Factory
    BasePlacement::UpdateBoxHovers(engine, 700, 104);
    EXPECT_EQ(engine.makeRobotsHover, 1);
    engine.hoveredBuilding = 2;  // General Repair has no third row
    BasePlacement::UpdateBoxHovers(engine, 700, 90);
    EXPECT_EQ(engine.makeRobotsHover + engine.storageHover, 0);

    engine.moveHover = 1;
    engine.newBuildingPending = 1;
    BasePlacement::UpdateBoxHovers(engine, 0, 0);
    EXPECT_EQ(engine.moveHover, 1) << "no box work while placing";
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
