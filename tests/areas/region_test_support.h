#pragma once
#include <gtest/gtest.h>

#include <string>

#include "harness/game_driver.h"

class AreaBackdrop;
class BattleEngine;
class ControlPanel;
class GameState;
class RegionScene;
struct AreaSession;

int LiveEnemies(const BattleEngine& engine);

// The real game driven headless into a battle region: a new game, then the
// region's scene (the first region unless regionScene says otherwise) in a
// chosen area and view.
class RegionTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Switches to the region in `area` with the view at (x, y) and runs the
    // entry frame.
    void EnterArea(int32_t area, int32_t viewX, int32_t viewY);
    // Steers the ship (left button held) toward portal `slot` until it
    // touches it; false when it did not get there.
    bool FlyOntoPortal(int slot);
    // Presses and releases on the portal prompt's row.
    void ChoosePrompt();
    // Auto fire with the wide spread, the ship held in place (D) and turned
    // toward the nearest enemy until `kills` of them are destroyed or the
    // region is left; the number destroyed.
    int Fight(int kills);
    void RunFrames(uint32_t n) { driver_.RunFrames(n); }
    // Runs until the area clock reads at least `seconds`.
    void RunSeconds(uint32_t seconds);
    void Tap(uint8_t code) { driver_.TapKey(code); }
    // Moves the cursor to (x, y) on the screen.
    void PointAt(int32_t x, int32_t y);
    std::string OutPath(const std::string& name) const;

    GameApp& App() { return driver_.App(); }
    GameState& State();
    BattleEngine& Engine();
    ControlPanel& Panel();
    AreaBackdrop& Backdrop();
    RegionScene& Region();
    AreaSession& Area();

    GameDriver driver_;
    SceneId regionScene_ = SceneId::EarthSystem;
};

// The second region with the second quest set and a ship that no wave can
// destroy, its engine seeded from that record.
class SturdyInvasionsTest : public RegionTest {
protected:
    void SetUp() override;
};
