#include "region_test_support.h"

#include <cstdlib>

#include "areas/area_session.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

void RegionTest::SetUp() {
    ASSERT_TRUE(driver_.Start());
    driver_.RunFrames(2);
    driver_.TapKey(key::kReturn);
    ASSERT_TRUE(driver_.RunUntilScene(SceneId::MainMenu, 10));
    // A new game seeds the engine the main menu made, as the story scene does.
    State().NewGame();
    ASSERT_NE(App().battleEngine, nullptr);
    record_exchange::SeedNewAreaEngine(*App().battleEngine, State());
}

void RegionTest::EnterArea(int32_t area, int32_t viewX, int32_t viewY) {
    GameApp& app = App();
    if (!app.areaBackdrop) app.areaBackdrop = std::make_unique<AreaBackdrop>();
    app.areaBackdrop->areaNumber = area;
    app.areaBackdrop->viewX = viewX;
    app.areaBackdrop->viewY = viewY;
    State().currentArea = static_cast<uint32_t>(area);
    app.SwitchScene(SceneId::EarthSystem);
    driver_.RunFrames(1);
}

void RegionTest::RunSeconds(uint32_t seconds) {
    const SceneId scene = App().sceneFrame;
    for (int guard = 0; guard < 100000 && Area().secondsInArea < seconds && App().sceneFrame == scene; ++guard) {
        driver_.RunFrames(1);
    }
}

void RegionTest::PointAt(int32_t x, int32_t y) {
    MouseCursor& cursor = *App().cursor;
    driver_.MoveMouse(x - cursor.x, y - cursor.y);
    driver_.RunFrames(1);
}

std::string RegionTest::OutPath(const std::string& name) const {
    const char* out = std::getenv("GAME_TEST_OUT");
    return std::string(out ? out : "/tmp") + "/" + name;
}

GameState& RegionTest::State() { return *driver_.App().gameState; }
BattleEngine& RegionTest::Engine() { return *driver_.App().battleEngine; }
ControlPanel& RegionTest::Panel() { return *driver_.App().controlPanel; }
AreaBackdrop& RegionTest::Backdrop() { return *driver_.App().areaBackdrop; }
RegionScene& RegionTest::Region() { return driver_.SceneAs<RegionScene>(SceneId::EarthSystem); }
AreaSession& RegionTest::Area() { return Region().Session(); }
