// The home base driven through the real game: a bought building placed and
// upgraded, the screen buttons and the portal's travel menu under the mouse,
// the advisor, the arrival title, the escape, and the arrival repairs.
#include <gtest/gtest.h>

#include <algorithm>

#include "areas/area_session.h"
#include "areas/area_sounds.h"
#include "areas/base_placement.h"
#include "areas/building_kinds.h"
#include "areas/home_base_scene.h"
#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/advisor_bubble.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/image_codec.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/game_state.h"

namespace {

constexpr int32_t kPortalX = 532, kPortalY = -168;  // inside the main portal
constexpr int32_t kMenuX = 400;
int32_t MenuRowY(int row) { return 15 + 25 * (row - 1) + 8; }

class HomeBaseGame : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(driver.NewGameToHomeBase()); }
    GameApp& App() { return driver.App(); }
    GameState& State() { return *driver.App().gameState; }
    BattleEngine& Engine() { return *driver.App().battleEngine; }
    HomeBaseScene& Home() { return driver.SceneAs<HomeBaseScene>(SceneId::HomeBase); }

    void Click(int button = 0) {
        driver.PressButton(button);
        driver.RunFrames(1);
        driver.ReleaseButton(button);
        driver.RunFrames(2);
    }
    // C, a click on the kind's tile of the Construct Buildings page, then
    // Return for Yes: back at the base carrying the building.
    ::testing::AssertionResult Buy(int kind) {
        driver.TapKey(key::kC);
        if (!driver.RunUntilScene(SceneId::Construct, 5)) return ::testing::AssertionFailure() << "no page";
        driver.PointAt(100 + 200 * (kind % 4), 150 + 180 * (kind / 4));
        Click();
        driver.TapKey(key::kReturn);
        if (!driver.RunUntilScene(SceneId::HomeBase, 5)) return ::testing::AssertionFailure() << "not bought";
        return ::testing::AssertionSuccess();
    }
    // Steers the ship onto the main portal and on until well inside it,
    // pointing above the control bar.
    bool FlyOntoPortal() {
        int inside = 0;
        for (int frame = 0; frame < 400 && inside < 40; ++frame) {
            if (Engine().portal.touched[0]) ++inside;
            const AreaBackdrop& view = *App().areaBackdrop;
            const MouseCursor& cursor = *App().cursor;
            driver.MoveMouse(std::clamp(kPortalX - view.viewX, 20, 780) - cursor.x,
                             std::clamp(kPortalY - view.viewY, 20, 480) - cursor.y);
            driver.PressButton(0);
            driver.RunFrames(1);
        }
        driver.ReleaseButton(0);
        driver.RunFrames(1);
        return Engine().portal.touched[0] != 0;
    }
    // Leaves the home base's fresh game for a saved one.
    bool LoadRecord(const GameState& record) {
        if (!driver.WriteSaveSlot(2, record)) return false;
        driver.TapKey(key::kEscape);
        driver.TapKey(key::kY);
        return driver.RunUntilScene(SceneId::MainMenu, 10) && driver.LoadSlot(2);
    }

    GameDriver driver;
};

// Pixels of a band of the screen (x0..x1, y0..y1) that, in any channel,
// lie more than `tolerance` from the colour or from the other picture.
struct Band {
    int x0, y0, x1, y1;
};
template <class Differs>
int CountPixels(const Image& picture, Band band, Differs differs) {
    int count = 0;
    for (int y = band.y0; y < band.y1; ++y) {
        for (int x = band.x0; x < band.x1; ++x) count += differs(picture.pixels[static_cast<size_t>(y * picture.width + x)], x, y);
    }
    return count;
}
bool Apart(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF)) > tolerance) return true;
    }
    return false;
}

TEST_F(HomeBaseGame, PlaceABoughtBuildingTravelOutAndComeHomeForRepairs) {
    ASSERT_TRUE(Buy(kGoldLab));
    driver.RunFrames(2);
    EXPECT_EQ(State().resources[GameState::kBuildingMaterial], 700u);
    EXPECT_EQ(Engine().newBuildingPending, 1);
    EXPECT_EQ(App().areaBackdrop->viewX, 400) << "placement starts with the view over the base";
    driver.PointAt(100, 100);
    Click();
    EXPECT_EQ(Engine().newBuildingPending, 0) << "dropped on a free spot";
    EXPECT_EQ(State().buildingKinds[3], 4);
    EXPECT_EQ(State().buildingX[3], 500);
    EXPECT_EQ(State().buildingY[3], -900);
    EXPECT_EQ(State().bonusBlock.goldBonus, 12u);
    driver.RunFrames(5);
    driver.PointAt(130, 130);
    Click();
    EXPECT_EQ(Engine().hoveredBuilding, 4) << "selected: the building box shows its rows";

    // Out through the portal's travel menu to the Border Area.
    ASSERT_TRUE(FlyOntoPortal());
    driver.PointAt(kMenuX, MenuRowY(3));
    Click(1);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::EarthSystem, 5));
    driver.RunFrames(30);
    EXPECT_EQ(App().areaBackdrop->areaNumber, 2);

    // Damaged out there; home again through the Border Area's own menu.
    State().shipArmor = Engine().shipArmor = State().shipArmorMax - 4;
    const uint32_t shipMaterial = State().resources[GameState::kShipMaterial];
    ASSERT_TRUE(FlyOntoPortal());
    driver.PointAt(kMenuX, MenuRowY(1));
    Click(1);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 5));
    driver.RunFrames(3);
    EXPECT_EQ(State().shipArmor, State().shipArmorMax) << "repaired on arrival";
    EXPECT_EQ(State().resources[GameState::kShipMaterial], shipMaterial - 4);
    EXPECT_EQ(App().controlPanel->repairsNotice, 1);
    EXPECT_EQ(Engine().building.active[3], 1) << "the new building is still there";

    // The report opens from its notice; Backspace closes it before it offers to save.
    driver.PointAt(520, 50);
    Click();
    ASSERT_EQ(App().controlPanel->repairsOpen, 1);
    driver.TapKey(key::kBack);
    EXPECT_EQ(App().controlPanel->repairsOpen, 0);
    EXPECT_TRUE(App().IsCurrent(SceneId::HomeBase));
    driver.TapKey(key::kBack);
    EXPECT_TRUE(App().IsCurrent(SceneId::SaveQuit));
}

// A screen button acts at once when the pointer leaves it still held, on
// the release when it stays on it, and never for a press begun elsewhere.
TEST_F(HomeBaseGame, ScreenButtonsActWhenLeftOrReleasedAfterAPressOnThem) {
    constexpr int32_t kBuildingsX = 300, kBarY = 585;
    const uint32_t* played = Home().Session().soundsPlayed;
    const uint32_t stamps = played[static_cast<size_t>(AreaSound::StampAtBase)];
    driver.PointAt(kBuildingsX, kBarY);
    driver.PressButton(0);
    driver.RunFrames(3);
    EXPECT_TRUE(App().IsCurrent(SceneId::HomeBase)) << "held on the button, it waits";
    driver.PointAt(400, 300);
    EXPECT_TRUE(App().IsCurrent(SceneId::Buildings)) << "dragged off, it acts";
    EXPECT_EQ(played[static_cast<size_t>(AreaSound::StampAtBase)], stamps + 1) << "with the base's own stamp";
    driver.ReleaseButton(0);
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 5));

    driver.PointAt(kBuildingsX, kBarY);
    Click();
    EXPECT_TRUE(App().IsCurrent(SceneId::Buildings));
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 5));

    driver.PointAt(400, 300);
    driver.PressButton(0);
    driver.RunFrames(1);
    driver.PointAt(kBuildingsX, kBarY);
    driver.ReleaseButton(0);
    driver.RunFrames(2);
    EXPECT_TRUE(App().IsCurrent(SceneId::HomeBase)) << "a press begun elsewhere";
}

// The travel menu takes its row as the button goes down and acts only on a
// release over it; locked rows look like the others and light up too.
TEST_F(HomeBaseGame, TheTravelMenuActsOnAReleaseOverThePressedRowOnly) {
    ASSERT_TRUE(FlyOntoPortal());
    driver.PointAt(kMenuX, MenuRowY(9));
    driver.RunFrames(2);
    EXPECT_TRUE(driver.MatchesReference("areas", "home_travel_menu"));
    Image row9Lit, row8Lit;
    ASSERT_TRUE(App().graphics.ReadBackBuffer(row9Lit));
    const int rowTextPixels = CountPixels(row9Lit, {310, 90, 570, 112},
                                          [](uint32_t p, int, int) { return !Apart(p, 0xE6E6E6, 12); });
    EXPECT_GT(rowTextPixels, 60) << "locked row 4 in the rows' colour";
    driver.PointAt(kMenuX, MenuRowY(8));
    ASSERT_TRUE(App().graphics.ReadBackBuffer(row8Lit));
    const int changed = CountPixels(row9Lit, {260, 218, 390, 240}, [&row8Lit](uint32_t p, int x, int y) {
        return Apart(p, row8Lit.pixels[static_cast<size_t>(y * row8Lit.width + x)], 30);
    });
    EXPECT_GT(changed, 1500) << "locked row 9 lit while hovered";

    driver.PointAt(kMenuX, MenuRowY(2));
    driver.PressButton(1);
    driver.RunFrames(1);
    driver.PointAt(kMenuX, MenuRowY(3));
    driver.ReleaseButton(1);
    driver.RunFrames(2);
    EXPECT_TRUE(App().IsCurrent(SceneId::HomeBase)) << "pressed on the Shop, released on the Border Area";
    driver.PointAt(kMenuX, MenuRowY(4));
    Click(1);
    EXPECT_TRUE(App().IsCurrent(SceneId::HomeBase)) << "a locked row never acts";
    driver.PointAt(kMenuX, MenuRowY(3));
    Click(1);
    EXPECT_TRUE(driver.RunUntilScene(SceneId::EarthSystem, 5));
}

TEST_F(HomeBaseGame, SecondSetMenuLeadsToAGivenQuestsAreaWithItsClockRestarted) {
    GameState record = State();
    record.questSet = 2;
    for (uint8_t& quest : record.questStates) quest = 0;
    record.questStates[10] = 1;  // quest 23 given: row 8, Dunmark
    ASSERT_TRUE(LoadRecord(record));
    Home().Session().clockMark = 55;
    ASSERT_TRUE(FlyOntoPortal());
    driver.PointAt(kMenuX, MenuRowY(8));
    Click(1);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Invasions, 5));
    EXPECT_EQ(App().areaBackdrop->areaNumber, 19);
    EXPECT_EQ(App().areaBackdrop->viewX, 1120);
    EXPECT_EQ(App().areaBackdrop->viewY, -620);
    EXPECT_EQ(Home().Session().clockMark, 0u);
    EXPECT_EQ(Home().Session().secondsInArea, 0u) << "the clock started again, without the 55 carried";
}

// With no hint rule holding the advisor keeps its bubble, without an arrow.
TEST_F(HomeBaseGame, TheAdvisorKeepsItsBubbleWhenNoHintApplies) {
    GameState record = State();
    record.shipUpgradeCost = 1000;
    record.resources[GameState::kBuildingMaterial] = 100;
    record.resources[GameState::kRobotMaterial] = 299;
    record.buildingLevels[2] = 1;
    record.questStates[0] = 2;
    ASSERT_TRUE(LoadRecord(record));
    driver.RunFrames(3);
    const AdvisorBubble& advisor = *App().advisor;
    EXPECT_EQ(advisor.bubbleShown, 1);
    EXPECT_EQ(advisor.hintIndex, 4u);
    EXPECT_EQ(advisor.arrowShown, 0);
}

TEST_F(HomeBaseGame, CancelCornerGivesTheMaterialBackAndBlockedDropsWait) {
    ASSERT_TRUE(Buy(kShipRepair));
    EXPECT_EQ(State().constructionCosts[3], 400u);

    // A drop onto the Robot Factory (screen 270, 320 with the view at 400, -1000) is refused.
    driver.PointAt(280, 330);
    const uint8_t heading = Engine().heading;
    const int32_t viewX = App().areaBackdrop->viewX, viewY = App().areaBackdrop->viewY;
    driver.PressButton(0);
    driver.RunFrames(10);
    driver.ReleaseButton(0);
    driver.RunFrames(2);
    EXPECT_EQ(Engine().heading, heading) << "the ship stays put while a building is carried";
    EXPECT_EQ(App().areaBackdrop->viewX, viewX);
    EXPECT_EQ(App().areaBackdrop->viewY, viewY);
    EXPECT_EQ(Engine().newBuildingPending, 1);
    EXPECT_NE(Engine().blockedTimer, 0);
    driver.PointAt(700, 20);
    EXPECT_EQ(Home().Placement().cancelHover, 1);
    Click();
    EXPECT_EQ(Engine().newBuildingPending, 0);
    EXPECT_EQ(State().resources[GameState::kBuildingMaterial], 900u);
    EXPECT_EQ(State().buildingCount, 3u);
    EXPECT_EQ(State().constructionCosts[3], 200u);
    EXPECT_EQ(State().constructionCosts[2], 200u);
}

// The arrival title's bars close in on the ship; an escape flies without them.
TEST_F(HomeBaseGame, EmergencyEscapeTurnsRoundAndLandsInTheMiddle) {
    for (int frame = 0; frame < 60 && App().controlPanel->areaTitleTimer < 4; ++frame) driver.RunFrames(1);
    EXPECT_TRUE(driver.MatchesReference("areas", "home_arrival_bars"));
    BattleEngine& engine = Engine();
    driver.TapKey(key::kF1);
    ASSERT_EQ(engine.emergencyEscape, 1);
    ASSERT_NE(App().controlPanel->areaTitleTimer, 0);
    EXPECT_TRUE(driver.MatchesReference("areas", "home_escape_title"));
    bool turned = false;
    for (int frame = 0; frame < 600 && engine.emergencyEscape != 0; ++frame) {
        const uint8_t before = engine.heading;
        driver.RunFrames(1);
        if (engine.escapeReturn && !turned) {
            turned = true;
            EXPECT_EQ(engine.heading, (before + 32) % 64) << "half a turn";
            EXPECT_NE(App().controlPanel->travelTimer, 0) << "\"Going anywhere?\"";
            EXPECT_EQ(State().shipDestroyed, 1);
        }
    }
    EXPECT_TRUE(turned);
    EXPECT_EQ(engine.shipX, 368);
    EXPECT_EQ(engine.shipY, 310);
    EXPECT_EQ(State().shipDestroyed, 0);
}

TEST_F(HomeBaseGame, UpgradeFromTheBuildingBoxAndScrollWhilePlacing) {
    // The General Repair of a new base stands at (630, -600); the view is (30, -620).
    driver.PointAt(630 - 30 + 20, -600 + 620 + 20);
    Click();
    ASSERT_EQ(Engine().hoveredBuilding, 2);
    driver.PointAt(700, 60);  // the Upgrade row
    EXPECT_EQ(Engine().upgradeHover, 1);
    Click();
    driver.RunFrames(3);
    EXPECT_EQ(State().buildingLevels[1], 1) << "one upgrade per press";
    EXPECT_EQ(State().bonusBlock.shipRepairDiscount, 3u);
    EXPECT_EQ(State().resources[GameState::kBuildingMaterial], 800u);
    EXPECT_EQ(Engine().hoveredBuilding, 2) << "the box stays on the upgraded building";

    // Placing: the arrow keys scroll the view, held inside the base.
    ASSERT_TRUE(Buy(kStorage));
    driver.RunFrames(2);
    const int32_t viewX = App().areaBackdrop->viewX;
    driver.PressKey(key::kRight);
    driver.RunFrames(30);
    driver.ReleaseKey(key::kRight);
    EXPECT_GT(App().areaBackdrop->viewX, viewX);
    driver.PressKey(key::kDown);
    driver.RunFrames(200);
    driver.ReleaseKey(key::kDown);
    EXPECT_EQ(App().areaBackdrop->viewY, -536);
    driver.PointAt(780, 300);
    EXPECT_LE(App().cursor->x, 726) << "the carried building stays where it can be dropped";
}

}  // namespace

namespace {

// Unlike a region, the home base starts without battle every time it loads,
// also on a return from a screen: no enemy, enemy shot, pickup, ally or
// fired wave is kept, wherever it lay.
TEST_F(HomeBaseGame, EveryLoadClearsTheBattleAlsoOnAReturnFromAScreen) {
    BattleEngine& engine = Engine();
    const struct Thing {
        const char* what;
        uint8_t& (*flag)(BattleEngine&);
    } things[] = {
        {"an enemy", [](BattleEngine& e) -> uint8_t& { return e.enemy.active[7]; }},
        {"a fired wave", [](BattleEngine& e) -> uint8_t& { return e.waveFired[0]; }},
        {"an enemy shot", [](BattleEngine& e) -> uint8_t& { return e.enemyShot.active[3]; }},
        {"a pickup", [](BattleEngine& e) -> uint8_t& { return e.pickup.active[2]; }},
        {"an ally", [](BattleEngine& e) -> uint8_t& { return e.ally.active[4]; }},
    };
    // All far off in a corner of the base, where nothing meets them. (The
    // ship's own shots go as the base is left, before any load.)
    engine.enemy.x[7] = engine.enemyShot.x[3] = engine.pickup.x[2] = engine.ally.x[4] = -60;
    engine.enemy.y[7] = engine.enemyShot.y[3] = engine.pickup.y[2] = engine.ally.y[4] = -1560;
    engine.enemy.armor[7] = 1000;
    for (const Thing& thing : things) thing.flag(engine) = 1;

    driver.TapKey(key::kY);
    ASSERT_TRUE(App().IsCurrent(SceneId::YourShip));
    for (const Thing& thing : things) EXPECT_EQ(thing.flag(engine), 1) << thing.what << " lies there while the page is open";
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 5));
    driver.RunFrames(2);
    for (const Thing& thing : things) EXPECT_EQ(thing.flag(engine), 0) << thing.what;
}

}  // namespace
