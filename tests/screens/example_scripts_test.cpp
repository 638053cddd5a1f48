// The example scripts of the building and robot pages, run as a reader of
// the README would run them: each must end where its comment says, with the
// record it describes, and its pages must look as they should on the way.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "shell/game_state.h"

namespace {

// The script's actions without its screenshots: the test takes its own.
std::vector<DriverAction> ScriptActions(const std::string& name) {
    std::vector<DriverAction> actions = HarnessScript(name);
    std::erase_if(actions, [](const DriverAction& a) { return a.kind == DriverAction::Kind::Screenshot; });
    return actions;
}

class ExampleScript : public ::testing::Test {
protected:
    bool Start(const std::string& name) {
        driver.AddActions(ScriptActions(name));
        return driver.Start();
    }
    // Runs up to the given frame of the script.
    void RunTo(uint32_t frame) {
        driver.RunFrames(frame - ran_);
        ran_ = frame;
    }
    const GameState& State() { return *driver.App().gameState; }

    GameDriver driver;

private:
    uint32_t ran_ = 0;
};

// A Gold Lab bought for 200, placed, and upgraded for 100 to level 1.
TEST_F(ExampleScript, BuyPlaceUpgradeEndsAtTheBaseWithTheGoldLabAtLevelOne) {
    ASSERT_TRUE(Start("example-buy-place-upgrade.txt"));
    RunTo(115);
    ASSERT_TRUE(driver.App().IsCurrent(SceneId::Construct)) << "the question is open";
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "script_construct_gold_lab"));
    RunTo(200);
    ASSERT_TRUE(driver.App().IsCurrent(SceneId::Buildings));
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "script_buildings_upgraded"));
    RunTo(240);
    EXPECT_TRUE(driver.App().IsCurrent(SceneId::HomeBase));
    const GameState& state = State();
    constexpr int kGoldLab = 4, kNewSlot = 3;
    EXPECT_EQ(state.buildingCount, 4u);
    EXPECT_EQ(state.buildingKinds[kNewSlot], kGoldLab);
    EXPECT_EQ(state.buildingLevels[kNewSlot], 1);
    EXPECT_EQ(state.constructionCosts[kGoldLab], 400u);
    EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 900u - 200 - 100);
}

// A Grunt made, the factory upgraded, then the new robot upgraded to 2.
TEST_F(ExampleScript, MakeRobotEndsAtTheBaseWithTheNewGruntUpgraded) {
    ASSERT_TRUE(Start("example-make-robot.txt"));
    RunTo(172);
    ASSERT_TRUE(driver.App().IsCurrent(SceneId::MakeRobots)) << "the question is open";
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "script_make_grunt"));
    RunTo(240);
    EXPECT_TRUE(driver.App().IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(State().robotCount, 2);
    RunTo(416);
    ASSERT_TRUE(driver.App().IsCurrent(SceneId::Robots));
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "script_robots_upgraded"));
    RunTo(460);
    EXPECT_TRUE(driver.App().IsCurrent(SceneId::HomeBase));
    const GameState& state = State();
    constexpr int kStartingFactory = 2;
    EXPECT_EQ(state.buildingLevels[kStartingFactory], 1);
    EXPECT_EQ(state.maxRobotQuality, 2);
    EXPECT_EQ(state.robotQuality[1], 2);
    EXPECT_EQ(state.robotArmorMax[1], 21u);
    EXPECT_EQ(state.robotMakeCosts[0], 200u);
    // 300 less the Grunt (100) and its upgrade from quality 1 (10).
    EXPECT_EQ(state.resources[GameState::kRobotMaterial], 190u);
}

}  // namespace
