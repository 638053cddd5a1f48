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
}

// The ship's repair: the discount first, then the material, never below 0;
// the armor is full afterwards whatever was paid.
TEST_F(Arrival, ShipRepairsPaidSavedOrShort) {
    const struct {
        uint32_t armor, discount, material;
        uint32_t cost, saved, materialAfter;
        uint8_t shortOf, showSaved;
    } cases[] = {
        {70, 50, 200, 0, 30, 200, 0, 1},   // covered by the discount
        {40, 10, 200, 50, 10, 150, 0, 1},  // part covered, the rest paid
        {0, 0, 20, 100, 0, 0, 1, 1},       // all the material taken
        {100, 0, 0, 0, 0, 0, 0, 0},        // nothing to repair
    };
    for (const auto& c : cases) {
        state.shipArmor = c.armor;
        state.bonusBlock.shipRepairDiscount = c.discount;
        state.resources[GameState::kShipMaterial] = c.material;
        RepairOnArrival(state, engine, panel);
        SCOPED_TRACE(testing::Message() << "armor " << c.armor << ", discount " << c.discount);
        EXPECT_EQ(panel.shipRepairCost, c.cost);
        EXPECT_EQ(panel.shipRepairSaved, c.saved);
        EXPECT_EQ(panel.shipRepairShort, c.shortOf);
        EXPECT_EQ(panel.showShipSaved, c.showSaved);
        EXPECT_EQ(state.resources[GameState::kShipMaterial], c.materialAfter);
        EXPECT_EQ(state.shipArmor, 100u);
        EXPECT_EQ(engine.shipArmor, 100u);
    }
}

// A robot's repair costs 1, 2, 4 or 7 a point by rank; short of material it
// gains what the discount and the material buy, if the material is above
// its rank's threshold.
TEST_F(Arrival, RobotRepairsByRankPriceAndThreshold) {
    const struct {
        uint32_t rank, discount, material;
        uint8_t operational;
        uint32_t cost, armorAfter, materialAfter;
        uint8_t shortOf, operationalAfter;
    } cases[] = {
        {1, 5, 3, 0, 15, 33, 0, 1, 1},    // 20 less 5; gains 5/2 + 3/2
        {3, 0, 300, 1, 70, 40, 230, 0, 1},
        {3, 0, 6, 0, 70, 30, 6, 1, 0},    // not above 6: a General gets nothing
        {0, 0, 300, 1, 10, 40, 290, 0, 1},
        {2, 0, 300, 1, 40, 40, 260, 0, 1},
        {2, 0, 3, 0, 40, 30, 3, 1, 0},    // not above 3: a Captain gets nothing
    };
    for (const auto& c : cases) {
        DamagedRobot(c.rank, 10, c.operational);
        state.bonusBlock.robotRepairDiscount = c.discount;
        state.resources[GameState::kRobotMaterial] = c.material;
        RepairOnArrival(state, engine, panel);
        SCOPED_TRACE(testing::Message() << "rank " << c.rank << ", material " << c.material);
        EXPECT_EQ(panel.noRobotsDamaged, 0);
        EXPECT_EQ(panel.repairsNotice, 1);
        EXPECT_EQ(panel.robotRepairCost, c.cost);
        EXPECT_EQ(panel.robotRepairShort, c.shortOf);
        EXPECT_EQ(engine.robot.armor[1], c.armorAfter);
        EXPECT_EQ(state.robotArmor[1], c.armorAfter);
        EXPECT_EQ(state.resources[GameState::kRobotMaterial], c.materialAfter);
        EXPECT_EQ(state.robotOperational[1], c.operationalAfter);
        EXPECT_EQ(engine.robot.active[1], c.operationalAfter);
        const int startGrunt = c.rank == 0 ? 1 : 0;  // the new game's robot in slot 0
        EXPECT_EQ(state.operationalByRank[c.rank], c.operationalAfter + startGrunt) << "recounted from the record";
        EXPECT_EQ(panel.robotRepairSaved, c.discount);
        if (c.operationalAfter) {
            EXPECT_EQ(state.robotShields[1], 8u) << "an operational robot's shields are refilled";
        }
    }
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
