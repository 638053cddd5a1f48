// The Buildings and Construct Buildings pages driven through the real game:
// a building bought, paid at once and placed at the base, the question's
// answers, the refusals, the cost slots through a cancel, upgrades with
// their prices and effects reaching the record, the page limits, the way
// from one page to the other, a device loss with the question open, and
// what both pages look like.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "areas/building_kinds.h"
#include "battle/battle_engine.h"
#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "hud/advisor_bubble.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "screens/buildings_scene.h"
#include "screens/construct_scene.h"
#include "shell/game_state.h"

namespace {

using driven_play::Click;
using driven_play::PointAt;

class BuildingsGame : public ::testing::Test {
public:
    void SetUp() override { ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver)); }

    GameApp& App() { return driver.App(); }
    GameState& State() { return *driver.App().gameState; }
    uint32_t& Material() { return State().resources[GameState::kBuildingMaterial]; }
    const ConstructScreen& Construct() { return *driver.SceneAs<ConstructScene>(SceneId::Construct).Screen(); }
    const BuildingsScreen& Buildings() { return *driver.SceneAs<BuildingsScene>(SceneId::Buildings).Screen(); }

    void Open(uint8_t key, SceneId page) {
        driver.TapKey(key);
        ASSERT_TRUE(App().IsCurrent(page));
    }
    // C and a left click on the kind's tile: the question opens if it can.
    void ChooseOnConstructPage(int kind) {
        Open(key::kC, SceneId::Construct);
        PointAt(driver, 100 + 200 * (kind % 4), 150 + 180 * (kind / 4));
        Click(driver);
    }
    // Chosen, Y for yes, and dropped at the screen point (100, 100) of the base.
    void BuyAndPlace(int kind) {
        ChooseOnConstructPage(kind);
        driver.TapKey(key::kY);
        ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
        PointAt(driver, 100, 100);
        Click(driver);
        ASSERT_EQ(App().battleEngine->newBuildingPending, 0);
    }
    void ClickUpgradeOfRow(int row) {
        PointAt(driver, 200, 85 + 70 * row);
        Click(driver);
    }

    GameDriver driver;
};

TEST_F(BuildingsGame, TheFirstStorageIsPaidAtOnceAndPlacedAtTheBase) {
    ChooseOnConstructPage(kStorage);
    EXPECT_EQ(Construct().chosen, 1);
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "construct_question"));
    driver.TapKey(key::kY);
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    const GameState& state = State();
    EXPECT_EQ(Material(), 700u);
    EXPECT_EQ(state.placementRefund, 200u);
    EXPECT_EQ(state.constructionCosts[kStorage], 400u);
    EXPECT_EQ(state.constructionSteps[kStorage], 400u);
    EXPECT_EQ(state.buildingCount, 4u) << "counted before it is placed";
    EXPECT_EQ(App().battleEngine->newBuildingKind, kStorage + 1);
    EXPECT_EQ(driver.SceneAs<ConstructScene>(SceneId::Construct).Sounds().own, 1u);
    PointAt(driver, 100, 100);
    Click(driver);
    EXPECT_EQ(state.buildingExists[3], 1);
    EXPECT_EQ(state.buildingKinds[3], kStorage);
    EXPECT_EQ(state.storageCount, 2u);
}

TEST_F(BuildingsGame, ACostEqualToTheMaterialIsAffordable) {
    struct Case {
        uint32_t material;
        bool bought;
    };
    for (const Case c : {Case{199, false}, Case{200, true}}) {
        Material() = c.material;
        ChooseOnConstructPage(kGoldLab);
        EXPECT_EQ(Construct().chosen != 0, c.bought);
        EXPECT_EQ(Construct().notEnoughTimer != 0, !c.bought);
        driver.TapKey(key::kReturn);
        EXPECT_EQ(App().IsCurrent(SceneId::HomeBase), c.bought);
        EXPECT_EQ(Material(), c.bought ? 0u : c.material);
        if (!c.bought) driver.TapKey(key::kEscape);
    }
}

// Esc, Backspace and N answer No and keep the page; only then Esc leaves.
TEST_F(BuildingsGame, TheQuestionTakesEscBackspaceAndNAsNo) {
    for (uint8_t no : {key::kEscape, key::kBack, key::kN}) {
        ChooseOnConstructPage(kCrystalLab);
        ASSERT_EQ(Construct().chosen, kCrystalLab + 1);
        driver.TapKey(no);
        ASSERT_TRUE(App().IsCurrent(SceneId::Construct));
        EXPECT_EQ(Construct().chosen, 0);
        driver.TapKey(key::kEscape);
        EXPECT_TRUE(App().IsCurrent(SceneId::HomeBase));
    }
    EXPECT_EQ(Material(), 900u);
    EXPECT_EQ(State().buildingCount, 3u);
}

TEST_F(BuildingsGame, AFullBaseRefusesYesPaysNothingAndTellsTheControlBar) {
    State().buildingCount = 100;
    ChooseOnConstructPage(kStorage);
    driver.TapKey(key::kY);
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    EXPECT_NE(App().controlPanel->buildingLimitTimer, 0);
    EXPECT_EQ(App().battleEngine->newBuildingPending, 0);
    EXPECT_EQ(Material(), 900u);
    EXPECT_EQ(State().constructionCosts[kStorage], 200u);
    EXPECT_EQ(State().buildingCount, 100u);
}

// The advisor bobs within 515 to 543 and slides between 100 and 700: left
// at 60 pixels a second, back at 20; it turns at each bound, never past it.
TEST_F(BuildingsGame, TheConstructAdvisorStaysWithinItsBandsAndTurnsAtTheirEnds) {
    Open(key::kC, SceneId::Construct);
    const AdvisorBubble& advisor = *App().advisor;
    EXPECT_EQ(advisor.hintIndex, 10u);
    int32_t minX = advisor.advisorX, maxX = minX, minY = advisor.advisorY, maxY = minY;
    int turnsAtLeft = 0;
    uint8_t slideRight = advisor.slideRight;
    for (int frame = 0; frame < 900; ++frame) {
        driver.RunFrames(1);
        minX = std::min(minX, advisor.advisorX);
        maxX = std::max(maxX, advisor.advisorX);
        minY = std::min(minY, advisor.advisorY);
        maxY = std::max(maxY, advisor.advisorY);
        if (advisor.slideRight && !slideRight) {
            ++turnsAtLeft;
            EXPECT_EQ(advisor.advisorX, 100);
        }
        slideRight = advisor.slideRight;
    }
    EXPECT_EQ(turnsAtLeft, 1) << "ten seconds from 700 to 100";
    EXPECT_EQ(std::vector<int32_t>({minX, maxX, minY, maxY}), std::vector<int32_t>({100, 700, 515, 543}));
    EXPECT_LT(advisor.advisorX, 300) << "back at the slower speed";
}

// Ship Repair keeps its cost in slot 3 and its step in slot 2.
TEST_F(BuildingsGame, ShipRepairRaisesItsOwnCostSlotAndItsCancelPutsItBack) {
    const GameState& state = State();
    ChooseOnConstructPage(kShipRepair);
    driver.TapKey(key::kY);
    EXPECT_EQ(state.constructionCosts[3], 400u);
    EXPECT_EQ(state.constructionSteps[2], 400u);
    EXPECT_EQ(state.constructionCosts[2], 200u);
    EXPECT_EQ(state.constructionSteps[3], 200u);
    PointAt(driver, 700, 20);  // the cancel corner
    Click(driver);
    EXPECT_EQ(state.constructionCosts[3], 200u);
    EXPECT_EQ(state.constructionSteps[2], 200u);
    EXPECT_EQ(Material(), 900u);
    EXPECT_EQ(state.buildingCount, 3u);

    BuyAndPlace(kShipRepair);
    Open(key::kC, SceneId::Construct);
    EXPECT_STREQ(Construct().costTexts[ConstructionCostSlot(kShipRepair)], "400");
    EXPECT_STREQ(Construct().costTexts[ConstructionCostSlot(kRobotRepair)], "200");
}

TEST_F(BuildingsGame, ADeviceLossKeepsTheQuestionOpen) {
    ChooseOnConstructPage(kStorage);
    driver.LoseDevice();
    driver.RunFrames(3);
    driver.RestoreDevice();
    driver.RunFrames(4);  // as many frames since the page's entry as the reference had
    ASSERT_TRUE(App().IsCurrent(SceneId::Construct));
    EXPECT_EQ(driver.SceneAs<ConstructScene>(SceneId::Construct).ScreensMade(), 1u);
    EXPECT_EQ(Construct().chosen, 1);
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "construct_question"));
    driver.TapKey(key::kY);
    EXPECT_EQ(Material(), 700u);
}

TEST_F(BuildingsGame, UpgradesPayTheDiscountedPriceExceptBuildingResearch) {
    BuyAndPlace(kBuildingResearch);  // slot and row 3
    State().bonusBlock.buildingUpgradeDiscount = 60;
    const uint32_t bonusBefore = State().bonusBlock.buildingMaterialBonus;
    Open(key::kB, SceneId::Buildings);
    struct Case {
        int row;
        uint32_t price;
    };
    uint32_t material = 700;
    for (const Case c : {Case{3, 100}, Case{1, 40}}) {
        PointAt(driver, 200, 85 + 70 * c.row);
        EXPECT_EQ(Buildings().shownCost[c.row], c.price) << "the Cost: shown";
        Click(driver);
        material -= c.price;
        EXPECT_EQ(Buildings().material, material);
    }
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "buildings_page"));
    EXPECT_EQ(State().buildingLevels[3], 0) << "the record changes when the page is left";
    driver.TapKey(key::kEscape);
    const GameState& state = State();
    EXPECT_EQ(Material(), material);
    EXPECT_EQ(state.buildingLevels[3], 1);
    EXPECT_EQ(state.upgradeCosts[3], 200u);
    EXPECT_EQ(state.bonusBlock.buildingMaterialBonus, bonusBefore + 6);
    EXPECT_EQ(state.bonusBlock.shipRepairDiscount, 3u);
    EXPECT_EQ(App().battleEngine->buildingMaterialBonus, state.bonusBlock.buildingMaterialBonus);
    EXPECT_EQ(App().battleEngine->building.level[1], 1) << "the base's building box shows the new level";
}

TEST_F(BuildingsGame, TwoFactoryUpgradesRaiseTheGainsAtOnceAndHideTheAdvisor) {
    const GameState& state = State();
    GameState before = state;
    Open(key::kB, SceneId::Buildings);
    EXPECT_EQ(App().advisor->bubbleShown, 1);
    ClickUpgradeOfRow(2);
    EXPECT_EQ(App().advisor->bubbleShown, 0) << "hidden from the first upgrade on";
    ClickUpgradeOfRow(2);
    const uint32_t gainsByRank[GameState::kRobotRanks] = {2, 4, 8, 14};  // twice Grunt 1, Sarge 2, Captain 4, General 7
    for (int rank = 0; rank < GameState::kRobotRanks; ++rank) {
        for (int stat = 0; stat < GameState::kRobotStatCount; ++stat) {
            EXPECT_EQ(state.robotStatGains[rank][stat], before.robotStatGains[rank][stat] + gainsByRank[rank]) << rank;
        }
    }
    EXPECT_EQ(state.maxRobotQuality, 1);
    EXPECT_EQ(App().advisor->bubbleShown, 0);
    EXPECT_EQ(driver.SceneAs<BuildingsScene>(SceneId::Buildings).Sounds().own, 2u) << "TOOMUCH each";
    driver.TapKey(key::kEscape);
    EXPECT_EQ(state.maxRobotQuality, 3);
    EXPECT_EQ(Material(), 900u - 100 - 200);
    Open(key::kB, SceneId::Buildings);
    EXPECT_EQ(App().advisor->bubbleShown, 0) << "hidden on every later visit";
}

TEST_F(BuildingsGame, ThePageStaysWithinItsHundredPages) {
    Open(key::kB, SceneId::Buildings);
    struct Step {
        uint8_t key;       // or 0 for a click
        int32_t x;         // the arrow clicked
        int times;
        uint8_t page;
    };
    const Step steps[] = {
        {key::kUp, 0, 1, 0},  {key::kDown, 0, 2, 2},  {key::kNumpad8, 0, 1, 1}, {0, 113, 10, 99},
        {key::kNumpad2, 0, 1, 99}, {0, 220, 1, 99}, {0, 80, 1, 89}, {0, 187, 1, 88},
    };
    for (const Step& step : steps) {
        for (int n = 0; n < step.times; ++n) {
            if (step.key) {
                driver.TapKey(step.key);
            } else {
                PointAt(driver, step.x, 570);
                Click(driver);
            }
        }
        EXPECT_EQ(Buildings().page, step.page);
        EXPECT_EQ(std::to_string(step.page), Buildings().pageText);
    }
}

// The button writes the upgrade back and opens Construct without the area
// running in between (it would take the return flag).
TEST_F(BuildingsGame, TheConstructButtonWritesBackAndGoesStraightOn) {
    Open(key::kB, SceneId::Buildings);
    ClickUpgradeOfRow(1);
    PointAt(driver, 590, 25);
    Click(driver);
    ASSERT_TRUE(App().IsCurrent(SceneId::Construct));
    EXPECT_EQ(State().returnedFromScreen, 1);
    EXPECT_EQ(State().buildingLevels[1], 1);
    EXPECT_EQ(Construct().material, 800u);
    EXPECT_STREQ(Construct().materialText, "800");
}

}  // namespace
