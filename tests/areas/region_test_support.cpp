#include "region_test_support.h"

#include <algorithm>
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
    app.SwitchScene(regionScene_);
    driver_.RunFrames(1);
}

bool RegionTest::FlyOntoPortal(int slot) {
    const BattleEngine& engine = Engine();
    // On until well inside, so that a click on the prompt does not steer it off.
    int inside = 0;
    for (int frame = 0; frame < 1500 && inside < 20; ++frame) {
        if (engine.portal.touched[slot]) ++inside;
        const AreaBackdrop& view = Backdrop();
        const MouseCursor& cursor = *App().cursor;
        // The portal's middle on screen, or the screen's edge toward it.
        const int32_t x = std::clamp(engine.portal.x[slot] + 32 - view.viewX, 20, 780);
        const int32_t y = std::clamp(engine.portal.y[slot] + 32 - view.viewY, 20, 500);
        driver_.MoveMouse(x - cursor.x, y - cursor.y);
        driver_.PressButton(0);
        driver_.RunFrames(1);
    }
    driver_.ReleaseButton(0);
    driver_.RunFrames(1);
    return engine.portal.touched[slot] != 0;
}

void RegionTest::ChoosePrompt() {
    PointAt(400, 50);
    driver_.PressButton(0);
    RunFrames(1);
    driver_.ReleaseButton(0);
    RunFrames(1);
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
RegionScene& RegionTest::Region() { return driver_.SceneAs<RegionScene>(regionScene_); }
AreaSession& RegionTest::Area() { return Region().Session(); }
