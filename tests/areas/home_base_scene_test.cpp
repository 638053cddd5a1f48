// The home base driven through the real game: a new game arrives there, a
// bought building is placed, the ship flies out through the travel menu and
// back, and the arrival repairs are paid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "areas/area_session.h"
#include "areas/base_placement.h"
#include "areas/building_kinds.h"
#include "areas/home_base_scene.h"
#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "shell/game_state.h"

namespace {

class HomeBaseGame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(driver.Start());
        driver.RunFrames(2);
        driver.TapKey(key::kReturn);
        ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 10));
        driver.TapKey(key::kN);
        ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 50));
        driver.TapKey(key::kReturn);
        ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 50));
        driver.RunFrames(5);
    }
    GameApp& App() { return driver.App(); }
    HomeBaseScene& Home() { return driver.SceneAs<HomeBaseScene>(SceneId::HomeBase); }

    void MoveCursorTo(int32_t x, int32_t y) {
        const MouseCursor& cursor = *App().cursor;
        driver.MoveMouse(x - cursor.x, y - cursor.y);
        driver.RunFrames(1);
    }
    void Click() {
        driver.PressButton(0);
        driver.RunFrames(1);
        driver.ReleaseButton(0);
        driver.RunFrames(2);
    }
    // Steers the ship toward a world point until the main portal reports a touch.
    bool FlyOntoPortal(int32_t worldX, int32_t worldY) {
        // On until well inside, so that a click on the menu does not steer it off.
        int inside = 0;
        for (int frame = 0; frame < 400 && inside < 40; ++frame) {
            if (App().battleEngine->portal.touched[0]) ++inside;
            const AreaBackdrop& view = *App().areaBackdrop;
            const MouseCursor& cursor = *App().cursor;
            // The point on screen, or the screen's edge toward it.
            const int32_t x = std::clamp(worldX - view.viewX, 20, 780);
            const int32_t y = std::clamp(worldY - view.viewY, 20, 580);
            driver.MoveMouse(x - cursor.x, y - cursor.y);
            driver.PressButton(0);
            driver.RunFrames(1);
        }
        driver.ReleaseButton(0);
        driver.RunFrames(1);
        return App().battleEngine->portal.touched[0] != 0;
    }
    // C, a click on the kind's tile of the Construct Buildings page, then
    // Return for Yes: back at the base carrying the building.
    ::testing::AssertionResult Buy(int kind) {
        driver.TapKey(key::kC);
        if (!driver.RunUntilScene(SceneId::Construct, 5)) return ::testing::AssertionFailure() << "no page";
        MoveCursorTo(100 + 200 * (kind % 4), 150 + 180 * (kind / 4));
        Click();
        driver.TapKey(key::kReturn);
        if (!driver.RunUntilScene(SceneId::HomeBase, 5)) return ::testing::AssertionFailure() << "not bought";
        return ::testing::AssertionSuccess();
    }
    void Shot(const std::string& name) { driver.Screenshot(std::string(OutDir()) + "/" + name); }
    static const char* OutDir() {
        const char* out = std::getenv("GAME_TEST_OUT");
        return out ? out : "/tmp";
    }

    GameDriver driver;
};

TEST_F(HomeBaseGame, NewGameArrivesWithItsThreeBuildings) {
    GameApp& app = App();
    ASSERT_NE(app.battleEngine, nullptr);
    EXPECT_EQ(app.battleEngine->building.active[0], 1);
    EXPECT_EQ(app.battleEngine->building.type[2], 11);
    EXPECT_EQ(app.areaBackdrop->areaNumber, 1);
    EXPECT_EQ(app.battleEngine->portal.exists[0], 1);
    ASSERT_NE(app.sharedArt, nullptr);
    EXPECT_GT(app.sharedArt->menuSheet->images[5].Width(), 0);
    EXPECT_EQ(app.sharedArt->menuSheet->images[5].generation, GraphicsDevice::RendererGeneration());
    EXPECT_EQ(app.battleEngine->buildingsSheet->images[0].generation, GraphicsDevice::RendererGeneration());
}

TEST_F(HomeBaseGame, PlaceABoughtBuildingTravelOutAndComeHomeForRepairs) {
    GameApp& app = App();
    GameState& state = *app.gameState;
    Shot("home_arrival.png");

    ASSERT_TRUE(Buy(kGoldLab));
    driver.RunFrames(2);
    EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 700u);
    EXPECT_EQ(state.buildingCount, 4u);
    EXPECT_EQ(app.battleEngine->newBuildingPending, 1);
    EXPECT_EQ(app.areaBackdrop->viewX, 400) << "placement starts with the view over the base";
    MoveCursorTo(100, 100);
    driver.RunFrames(2);
    Shot("home_placing.png");

    Click();
    EXPECT_EQ(app.battleEngine->newBuildingPending, 0) << "dropped on a free spot";
    EXPECT_EQ(state.buildingExists[3], 1);
    EXPECT_EQ(state.buildingKinds[3], 4);
    EXPECT_EQ(state.buildingX[3], 500);
    EXPECT_EQ(state.buildingY[3], -900);
    EXPECT_EQ(state.bonusBlock.goldBonus, 12u);
    driver.RunFrames(5);

    // Select it: the building box shows its rows.
    MoveCursorTo(130, 130);
    Click();
    EXPECT_EQ(app.battleEngine->hoveredBuilding, 4);
    Shot("home_selected.png");

    // Out through the portal's travel menu to the Border Area.
    ASSERT_TRUE(FlyOntoPortal(532, -168));
    driver.RunFrames(2);
    Shot("home_travel_menu.png");
    MoveCursorTo(400, 72);  // row 3 "3. Border Area"
    Click();
    ASSERT_TRUE(driver.RunUntilScene(SceneId::EarthSystem, 5));
    driver.RunFrames(30);
    EXPECT_EQ(app.areaBackdrop->areaNumber, 2);
    Shot("home_region_area2.png");

    // Damaged out there; home again through the Border Area's own menu.
    ASSERT_GE(state.shipArmorMax, 4u);
    state.shipArmor = app.battleEngine->shipArmor = state.shipArmorMax - 4;
    const uint32_t shipMaterial = state.resources[GameState::kShipMaterial];
    ASSERT_TRUE(FlyOntoPortal(532, -168));
    driver.RunFrames(2);
    MoveCursorTo(380, 22);  // row 1 "1. Your Home Base"
    Click();
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 5));
    driver.RunFrames(3);
    EXPECT_EQ(state.shipArmor, state.shipArmorMax) << "repaired on arrival";
    EXPECT_EQ(state.resources[GameState::kShipMaterial], shipMaterial - 4);
    EXPECT_EQ(app.controlPanel->shipRepairCost, 4u);
    EXPECT_EQ(app.controlPanel->repairsNotice, 1);
    EXPECT_EQ(app.controlPanel->travelled, 0);
    EXPECT_EQ(app.battleEngine->building.active[3], 1) << "the new building is still there";
    driver.RunFrames(20);
    Shot("home_back.png");
}

TEST_F(HomeBaseGame, SecondSetMenuLeadsToAGivenQuestsAreaWithItsClockRestarted) {
    GameApp& app = App();
    GameState& state = *app.gameState;
    state.questSet = 2;
    for (uint8_t& quest : state.questStates) quest = 0;
    state.questStates[10] = 1;  // quest 23 given: row 8, Dunmark
    Home().Session().clockRestart = 0;
    Home().Session().clockMark = 55;
    ASSERT_TRUE(FlyOntoPortal(532, -168));
    driver.RunFrames(2);
    Shot("home_travel_menu_set2.png");
    MoveCursorTo(400, 97);  // row 4, not given yet: nothing happens
    Click();
    EXPECT_EQ(app.sceneFrame, SceneId::HomeBase);
    MoveCursorTo(400, 197);  // row 8
    Click();
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Invasions, 5));
    EXPECT_EQ(app.areaBackdrop->areaNumber, 19);
    EXPECT_EQ(app.areaBackdrop->viewX, 1120);
    EXPECT_EQ(app.areaBackdrop->viewY, -620);
    EXPECT_EQ(Home().Session().clockMark, 0u);
    EXPECT_EQ(Home().Session().clockRestart, 1);
}

TEST_F(HomeBaseGame, CancelCornerGivesTheMaterialBackAndBlockedDropsWait) {
    GameApp& app = App();
    GameState& state = *app.gameState;
    ASSERT_TRUE(Buy(kShipRepair));
    EXPECT_EQ(state.constructionCosts[3], 400u);

    // A drop onto the Robot Factory (screen 270, 320 with the view at 400, -1000) is refused.
    MoveCursorTo(280, 330);
    Click();
    EXPECT_EQ(app.battleEngine->newBuildingPending, 1);
    EXPECT_NE(app.battleEngine->blockedTimer, 0);
    Shot("home_blocked.png");

    MoveCursorTo(700, 20);
    EXPECT_EQ(Home().Placement().cancelHover, 1);
    Shot("home_cancel_hover.png");
    Click();
    EXPECT_EQ(app.battleEngine->newBuildingPending, 0);
    EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 900u);
    EXPECT_EQ(state.buildingCount, 3u);
    EXPECT_EQ(state.constructionCosts[3], 200u);
    EXPECT_EQ(state.constructionCosts[2], 200u);
    EXPECT_EQ(state.constructionSteps[2], 200u);
}

TEST_F(HomeBaseGame, BackspaceClosesTheRepairsWindowBeforeItOffersToSave) {
    GameApp& app = App();
    app.controlPanel->repairsOpen = 1;
    driver.TapKey(key::kBack);
    EXPECT_EQ(app.controlPanel->repairsOpen, 0);
    EXPECT_EQ(app.sceneFrame, SceneId::HomeBase);
    driver.TapKey(key::kBack);
    EXPECT_EQ(app.sceneFrame, SceneId::SaveQuit);
    EXPECT_EQ(app.gameState->location, 1u);
}

TEST_F(HomeBaseGame, EmergencyEscapeTurnsRoundAndLandsInTheMiddle) {
    GameApp& app = App();
    BattleEngine& engine = *app.battleEngine;
    driver.TapKey(key::kF1);
    EXPECT_EQ(engine.emergencyEscape, 1);
    bool turned = false;
    uint8_t headingOut = 0;
    for (int frame = 0; frame < 600 && engine.emergencyEscape != 0; ++frame) {
        const uint8_t before = engine.heading;
        driver.RunFrames(1);
        if (engine.escapeReturn && !turned) {
            turned = true;
            headingOut = before;
            EXPECT_EQ(engine.heading, (headingOut + 32) % 64) << "half a turn";
            EXPECT_NE(app.controlPanel->travelTimer, 0) << "\"Going anywhere?\"";
            EXPECT_EQ(app.gameState->shipDestroyed, 1);
        }
    }
    EXPECT_TRUE(turned) << "the ship turned back at the end of the outward flight";
    EXPECT_EQ(engine.emergencyEscape, 0);
    EXPECT_EQ(engine.shipX, 368);
    EXPECT_EQ(engine.shipY, 310);
    EXPECT_EQ(app.gameState->shipDestroyed, 0);
    EXPECT_EQ(app.gameState->energy, app.gameState->energyMax);
}

TEST_F(HomeBaseGame, UpgradeFromTheBuildingBoxAndScrollWhilePlacing) {
    GameApp& app = App();
    GameState& state = *app.gameState;
    // The General Repair of a new base stands at (630, -600); the view is (30, -620).
    MoveCursorTo(630 - app.areaBackdrop->viewX + 20, -600 - app.areaBackdrop->viewY + 20);
    Click();
    ASSERT_EQ(app.battleEngine->hoveredBuilding, 2);
    MoveCursorTo(700, 60);  // the Upgrade row
    driver.RunFrames(1);
    EXPECT_EQ(app.battleEngine->upgradeHover, 1);
    Shot("home_upgrade_hover.png");
    Click();
    EXPECT_EQ(state.buildingLevels[1], 1);
    EXPECT_EQ(state.bonusBlock.shipRepairDiscount, 3u);
    EXPECT_EQ(state.bonusBlock.robotRepairDiscount, 1u);
    EXPECT_EQ(state.resources[GameState::kBuildingMaterial], 800u);
    EXPECT_EQ(app.battleEngine->hoveredBuilding, 2) << "the box stays on the upgraded building";
    driver.RunFrames(3);
    EXPECT_EQ(state.buildingLevels[1], 1) << "one upgrade per press";

    // Placing: the arrow keys scroll the view, held inside the base.
    ASSERT_TRUE(Buy(kStorage));
    driver.RunFrames(2);
    const int32_t viewX = app.areaBackdrop->viewX;
    driver.PressKey(key::kRight);
    driver.RunFrames(30);
    driver.ReleaseKey(key::kRight);
    EXPECT_GT(app.areaBackdrop->viewX, viewX);
    EXPECT_LE(app.areaBackdrop->viewX, 736);
    driver.PressKey(key::kDown);
    driver.RunFrames(200);
    driver.ReleaseKey(key::kDown);
    EXPECT_EQ(app.areaBackdrop->viewY, -536);
    MoveCursorTo(780, 300);
    EXPECT_LE(app.cursor->x, 726) << "the carried building stays where it can be dropped";
}

TEST_F(HomeBaseGame, NewRobotIsShownAtItsFactoryUntilItFliesOut) {
    GameApp& app = App();
    BattleEngine& engine = *app.battleEngine;
    engine.newRobotPending = 1;
    engine.newRobotType = 0;
    engine.newRobotSlot = 1;
    engine.newRobotScale = 0.2f;
    driver.RunFrames(1);
    EXPECT_EQ(engine.newRobotPending, 2);
    EXPECT_EQ(engine.newRobotX, 700);
    EXPECT_EQ(engine.newRobotY, -660);
    EXPECT_EQ(app.areaBackdrop->viewX, 300);
    EXPECT_EQ(app.areaBackdrop->viewY, -960);
    driver.RunFrames(4);
    Shot("home_new_robot.png");
    for (int frame = 0; frame < 300 && engine.newRobotPending; ++frame) driver.RunFrames(1);
    EXPECT_EQ(engine.newRobotPending, 0) << "the robot flew out";
}

}  // namespace
