#include "region_test_support.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "areas/area_session.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
int NearestEnemy(const BattleEngine& engine, const AreaBackdrop& backdrop) {
    const int64_t shipX = engine.shipX + backdrop.viewX;
    const int64_t shipY = engine.shipY + backdrop.viewY;
    int best = -1;
    int64_t bestDistance = 0;
    for (int e = 0; e < EnemyTable::kSlots; ++e) {
        if (!engine.enemy.active[e]) continue;
        const int64_t dx = engine.enemy.x[e] - shipX;
        const int64_t dy = engine.enemy.y[e] - shipY;
        if (best < 0 || dx * dx + dy * dy < bestDistance) {
            best = e;
            bestDistance = dx * dx + dy * dy;
        }
    }
    return best;
}
}  // namespace

int LiveEnemies(const BattleEngine& engine) {
    int n = 0;
    for (int e = 0; e < EnemyTable::kSlots; ++e) n += engine.enemy.active[e];
    return n;
}

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

int RegionTest::Fight(int kills) {
    const BattleEngine& engine = Engine();
    Tap(key::k3);  // the wide spread
    if (!Panel().autoFire) Tap(key::kF);
    driver_.PressKey(key::kD);
    int destroyed = 0;
    for (int step = 0; step < 300 && destroyed < kills && App().sceneFrame == regionScene_; ++step) {
        const int target = NearestEnemy(engine, Backdrop());
        if (target < 0) break;
        const std::vector<uint8_t> before(engine.enemy.active, engine.enemy.active + EnemyTable::kSlots);
        driver_.ReleaseButton(0);
        PointAt(std::clamp(engine.enemy.x[target] - Backdrop().viewX + 16, 5, 795),
                std::clamp(engine.enemy.y[target] - Backdrop().viewY + 16, 5, 500));
        driver_.PressButton(0);
        RunFrames(9);
        for (int e = 0; e < EnemyTable::kSlots; ++e) destroyed += before[e] && !engine.enemy.active[e];
    }
    driver_.ReleaseButton(0);
    driver_.ReleaseKey(key::kD);
    RunFrames(1);
    return destroyed;
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

void SturdyInvasionsTest::SetUp() {
    regionScene_ = SceneId::Invasions;
    RegionTest::SetUp();
    ASSERT_TRUE(driver_.SetField("questSet", "2"));
    ASSERT_TRUE(driver_.SetField("shipArmor", "200000"));
    ASSERT_TRUE(driver_.SetField("shipArmorMax", "200000"));
    record_exchange::SeedEngine(Engine(), State());
}
