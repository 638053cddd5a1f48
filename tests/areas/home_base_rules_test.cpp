// The home base's own rules: arrival repairs, the advisor's hint order, the
// travel menu's rows for both quest sets, and the level-up threshold.
#include <gtest/gtest.h>

#include <cstring>

#include "areas/home_arrival_repairs.h"
#include "areas/home_base_rules.h"
#include "battle/battle_engine.h"
#include "hud/control_panel.h"
#include "shell/game_state.h"

namespace {

class Arrival : public ::testing::Test {
protected:
    void SetUp() override {
        state.NewGame();
        state.shipShieldsMax = 40;
        state.shipShields = 10;
        state.shipArmorMax = 100;
        state.shipArmor = 100;
        for (int i = 0; i < GameState::kRobotSlots; ++i) {
            engine.robot.exists[i] = state.robotExists[i];
            engine.robot.active[i] = state.robotOperational[i];
            engine.robot.armor[i] = state.robotArmor[i];
        }
        engine.robotTypeCounts[0] = 1;
        panel.travelled = 1;
    }
    // A robot of `rank` in slot 1, missing `missing` armor of 40.
    void DamagedRobot(uint32_t rank, uint32_t missing, uint8_t operational) {
        state.robotExists[1] = 1;
        state.robotOperational[1] = operational;
        state.robotRank[1] = rank;
        state.robotArmorMax[1] = 40;
        state.robotArmor[1] = 40 - missing;
        state.robotShieldsMax[1] = 8;
        engine.robot.exists[1] = 1;
        engine.robot.active[1] = operational;
        engine.robot.armor[1] = 40 - missing;
    }

    GameState state;
    BattleEngine engine;
    ControlPanel panel;
};

TEST_F(Arrival, NothingDamagedOpensNoReportAndSpendsNothing) {
    RepairOnArrival(state, engine, panel);
    EXPECT_EQ(panel.repairsNotice, 0);
    EXPECT_EQ(panel.noRobotsDamaged, 1);
    EXPECT_EQ(state.resources[GameState::kShipMaterial], 200u);
    EXPECT_EQ(state.resources[GameState::kRobotMaterial], 300u);
    EXPECT_EQ(state.shipShields, 40u) << "shields are refilled all the same";
    EXPECT_EQ(engine.shipShields, 40u);
    EXPECT_EQ(panel.travelled, 0);
    EXPECT_STREQ(panel.shipRepairHadText, "200");
    EXPECT_STREQ(panel.shipRepairCostText, "0");
}

TEST_F(Arrival, ShipRepairDiscountCoversTheWholeRepair) {
    state.shipArmor = 70;
    state.bonusBlock.shipRepairDiscount = 50;
    RepairOnArrival(state, engine, panel);
    EXPECT_EQ(panel.repairsNotice, 1);
    EXPECT_EQ(panel.shipRepairSaved, 30u);
    EXPECT_EQ(panel.shipRepairCost, 0u);
    EXPECT_EQ(panel.showShipSaved, 1);
    EXPECT_EQ(state.resources[GameState::kShipMaterial], 200u);
    EXPECT_EQ(state.shipArmor, 100u);
    EXPECT_EQ(engine.shipArmor, 100u);
    EXPECT_STREQ(panel.shipRepairSavedText, "30");
}

TEST_F(Arrival, ShipRepairPaidOrShort) {
    state.shipArmor = 40;
    state.bonusBlock.shipRepairDiscount = 10;
    RepairOnArrival(state, engine, panel);
    EXPECT_EQ(panel.shipRepairCost, 50u);
    EXPECT_EQ(panel.shipRepairShort, 0);
    EXPECT_EQ(state.resources[GameState::kShipMaterial], 150u);

    state.shipArmor = 0;
    state.resources[GameState::kShipMaterial] = 20;
    state.bonusBlock.shipRepairDiscount = 0;
    RepairOnArrival(state, engine, panel);
    EXPECT_EQ(panel.shipRepairShort, 1);
    EXPECT_EQ(state.resources[GameState::kShipMaterial], 0u) << "all of it is taken, never below 0";
    EXPECT_EQ(state.shipArmor, 100u);
    EXPECT_EQ(panel.shipRepairSaved, 0u) << "the earlier arrival's saving is not shown again";

    state.shipArmor = 100;
    RepairOnArrival(state, engine, panel);
    EXPECT_EQ(panel.shipRepairShort, 0);
    EXPECT_EQ(panel.shipRepairCost, 0u);
}

TEST_F(Arrival, SargeShortOfMaterialGainsWhatDiscountAndMaterialBuy) {
    DamagedRobot(1, 10, 0);
    state.bonusBlock.robotRepairDiscount = 5;
    state.resources[GameState::kRobotMaterial] = 3;
    RepairOnArrival(state, engine, panel);
    EXPECT_EQ(panel.noRobotsDamaged, 0);
    EXPECT_EQ(panel.repairsNotice, 1);
    EXPECT_EQ(panel.robotRepairCost, 15u) << "20 less the discount of 5";
    EXPECT_EQ(panel.robotRepairSaved, 5u);
    EXPECT_EQ(panel.robotRepairShort, 1);
    EXPECT_EQ(engine.robot.armor[1], 33u) << "5/2 + 3/2 = 2 + 1";
    EXPECT_EQ(state.robotArmor[1], 33u);
    EXPECT_EQ(state.resources[GameState::kRobotMaterial], 0u);
    EXPECT_EQ(state.robotOperational[1], 1);
    EXPECT_EQ(engine.robot.active[1], 1);
    EXPECT_EQ(state.operationalByRank[1], 1) << "recounted from the record";
    EXPECT_EQ(engine.robotTypeCounts[1], 1);
    EXPECT_EQ(state.robotShields[1], 8u);
    EXPECT_STREQ(panel.robotRepairHadText, "3");
    EXPECT_STREQ(panel.robotRepairCostText, "15");
}

TEST_F(Arrival, RobotRepairsByRankPriceAndThreshold) {
    DamagedRobot(3, 10, 1);  // a General: 7 per point
    RepairOnArrival(state, engine, panel);
    EXPECT_EQ(panel.robotRepairCost, 70u);
    EXPECT_EQ(state.resources[GameState::kRobotMaterial], 230u);
    EXPECT_EQ(engine.robot.armor[1], 40u);
    EXPECT_EQ(panel.robotRepairPartial, 1);
    EXPECT_EQ(panel.robotRepairShort, 0);

    DamagedRobot(3, 10, 0);
    state.resources[GameState::kRobotMaterial] = 6;  // not above 6: a General gets nothing
    RepairOnArrival(state, engine, panel);
    EXPECT_EQ(panel.robotRepairShort, 1);
    EXPECT_EQ(engine.robot.armor[1], 30u);
    EXPECT_EQ(state.resources[GameState::kRobotMaterial], 6u);
    EXPECT_EQ(state.robotOperational[1], 0) << "still broken";
    EXPECT_EQ(panel.robotRepairSaved, 0u);
}

TEST(HomeHints, RulesInTheirOrder) {
    GameState state;
    state.NewGame();
    BattleEngine engine;
    engine.portal.x[0] = 500;
    engine.portal.y[0] = -200;
    state.shipUpgradeCost = 100;  // 200 ship material: rule 1
    EXPECT_EQ(HomeBaseHint(state, engine, 0, -600).hintIndex, 4u);
    EXPECT_EQ(HomeBaseHint(state, engine, 0, -600).arrowX, 162);
    state.shipUpgradeCost = 1000;
    EXPECT_EQ(HomeBaseHint(state, engine, 0, -600).hintIndex, 9u) << "3 buildings and 900 material";
    state.buildingCount = 4;
    EXPECT_EQ(HomeBaseHint(state, engine, 0, -600).hintIndex, 11u) << "one robot and 300 robot material";
    EXPECT_EQ(HomeBaseHint(state, engine, 0, -600).arrowY, 505);
    state.robotCount = 2;
    EXPECT_EQ(HomeBaseHint(state, engine, 0, -600).hintIndex, 13u);
    state.buildingLevels[2] = 1;
    EXPECT_EQ(HomeBaseHint(state, engine, 0, -600).hintIndex, 15u) << "quest 1 active, no ally bought";
    state.allyFlags[0] = 1;
    const HomeHint portal = HomeBaseHint(state, engine, 30, -620);
    EXPECT_EQ(portal.hintIndex, 7u);
    EXPECT_EQ(portal.arrowX, 490);
    EXPECT_EQ(portal.arrowY, 370);
    engine.portal.touched[0] = 1;
    EXPECT_EQ(HomeBaseHint(state, engine, 30, -620).hintIndex, 8u);
    EXPECT_EQ(HomeBaseHint(state, engine, 30, -620).arrowX, 272);
    engine.newBuildingPending = 1;
    EXPECT_EQ(HomeBaseHint(state, engine, 30, -620).hintIndex, 7u) << "not while placing";
    state.questStates[0] = 2;
    EXPECT_FALSE(HomeBaseHint(state, engine, 30, -620).found);
}

TEST(HomeTravel, FirstSetOpensRowsWhenQuestsAreDone) {
    GameState state;
    state.NewGame();
    for (int row = 1; row <= 3; ++row) EXPECT_TRUE(HomeTravelRowOpen(state, row)) << row;
    for (int row = 4; row <= 9; ++row) EXPECT_FALSE(HomeTravelRowOpen(state, row)) << row;
    EXPECT_STREQ(HomeTravelRow(1, 6).inactiveText, "6.  -- Inactive");
    state.questStates[0] = 2;
    EXPECT_TRUE(HomeTravelRowOpen(state, 4));
    state.questStates[3] = 1;
    EXPECT_FALSE(HomeTravelRowOpen(state, 5)) << "an active quest 4 is not done";
    state.questStates[10] = 2;
    EXPECT_TRUE(HomeTravelRowOpen(state, 9));
    EXPECT_EQ(HomeTravelRow(1, 9).area, 27);
    EXPECT_EQ(HomeTravelRow(1, 3).viewX, 210);
}

TEST(HomeTravel, SecondSetOpensRowsAsSoonAsQuestsAreGiven) {
    GameState state;
    state.NewGame();
    state.questSet = 2;
    std::memset(state.questStates, 0, sizeof state.questStates);
    for (int row = 4; row <= 9; ++row) EXPECT_FALSE(HomeTravelRowOpen(state, row)) << row;
    EXPECT_TRUE(HomeTravelRowOpen(state, 3));
    const int questOfRow[] = {14, 15, 17, 20, 23, 24};
    for (int k = 0; k < 6; ++k) {
        state.questStates[questOfRow[k] - 13] = static_cast<uint8_t>(1 + k % 2);  // given: active or done
        EXPECT_TRUE(HomeTravelRowOpen(state, 4 + k)) << "row " << 4 + k;
        if (k < 5) {
            EXPECT_FALSE(HomeTravelRowOpen(state, 5 + k)) << "row " << 5 + k;
        }
    }
    EXPECT_STREQ(HomeTravelRow(2, 3).text, "3. Pluto Area");
    EXPECT_EQ(HomeTravelRow(2, 3).restartsClock, 1);
    EXPECT_EQ(HomeTravelRow(2, 8).restartsClock, 1);
    EXPECT_EQ(HomeTravelRow(2, 5).restartsClock, 0);
    EXPECT_EQ(HomeTravelRow(2, 9).area, 20);
}

TEST(HomeLevel, ThresholdsFromLevelZeroAndLevelFive) {
    GameState state;
    state.NewGame();
    ControlPanel panel;
    state.experience = 0;
    state.nextLevelExperience = 0;
    const uint32_t energyMax = state.energyMax;
    EXPECT_TRUE(HomeLevelUp(state, panel));
    EXPECT_EQ(state.nextLevelExperience, 100u);
    EXPECT_EQ(state.level, 1u);
    EXPECT_EQ(state.skillPoints, 1u);
    EXPECT_EQ(panel.skillsToChoose, 1u);
    EXPECT_EQ(panel.awardsToChoose, state.awardPicks);
    EXPECT_EQ(panel.newLevelTimer, 1);
    EXPECT_EQ(panel.accentTimer, 1);
    EXPECT_EQ(state.energyMax, energyMax + 10);
    EXPECT_FALSE(HomeLevelUp(state, panel));

    state.level = 5;
    state.nextLevelExperience = 400;
    state.experience = 2000;
    EXPECT_TRUE(HomeLevelUp(state, panel));
    EXPECT_EQ(state.nextLevelExperience, 900u);
    EXPECT_EQ(state.level, 6u) << "one level per frame";
}

}  // namespace
