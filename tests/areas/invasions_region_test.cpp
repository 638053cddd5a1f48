// The second region on the battle-region frame: every area's bounds and
// portals on a fresh and a resumed load, the area clock across screens and
// portals, an engine the region makes itself, the home base's way into
// Pluto, and the way from the Meeting Area to the supply ships.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "areas/area_session.h"
#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "region_test_support.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {

class InvasionsTest : public RegionTest {
protected:
    void SetUp() override {
        regionScene_ = SceneId::Invasions;
        RegionTest::SetUp();
    }

    void Leave(uint8_t hotkey, SceneId screen) {
        Tap(hotkey);
        ASSERT_EQ(App().sceneFrame, screen);
    }
    void ComeBack() {
        Tap(key::kEscape);
        ASSERT_TRUE(driver_.RunUntilScene(SceneId::Invasions, 5));
    }
    // A game set up in the record (the second quest set, a ship armed for
    // it, an offer of allies for the supply convoy's quest) and taken into
    // the engine as the loader takes a saved game.
    void ArmForTheSecondSet() {
        ASSERT_TRUE(driver_.SetField("questSet", "2"));
        ASSERT_TRUE(driver_.SetField("questStates", "2 2 2 1 0*96"));
        ASSERT_TRUE(driver_.SetField("allyFlags", "0*9 1 0*290"));  // quest 16's first offer
        ASSERT_TRUE(driver_.SetField("weaponPositions", "1*5"));
        ASSERT_TRUE(driver_.SetField("weaponDamage", "400*5"));
        ASSERT_TRUE(driver_.SetField("shipArmor", "5000"));
        ASSERT_TRUE(driver_.SetField("shipArmorMax", "5000"));
        record_exchange::SeedEngine(Engine(), State());
    }
    // A click on row n of the portal's menu.
    void ChooseRow(int row) {
        PointAt(400, 22 + 25 * (row - 1));
        driver_.PressButton(0);
        RunFrames(1);
        driver_.ReleaseButton(0);
        RunFrames(1);
    }
};

// Bounds by shape and the portal layouts: the home portal first, then the
// forward ones.
struct ShapeBoundsRow {
    char shape;
    int32_t yMin, xMax;
};
constexpr ShapeBoundsRow kBounds[] = {{'A', -4642, 1760}, {'B', -9760, 224}, {'C', -1056, 2274}};
struct PortalLayout {
    int count;
    int32_t x[4], y[4];
};
constexpr PortalLayout kQuestArea = {1, {1200}, {-4400}};
constexpr PortalLayout kPath = {2, {480, 480}, {-200, -9600}};
constexpr PortalLayout kMeeting = {3, {1400, 100, 2850}, {-200, -500, -500}};
constexpr PortalLayout kHub = {4, {1400, 100, 2850, 1400}, {-200, -500, -500, -700}};

struct AreaRow {
    int32_t area;
    char shape;
    const PortalLayout* portals;
};
constexpr AreaRow kAreas[] = {
    {2, 'A', &kQuestArea},  {3, 'B', &kPath},       {4, 'B', &kPath},       {5, 'A', &kQuestArea},
    {6, 'C', &kMeeting},    {7, 'A', &kQuestArea},  {8, 'B', &kPath},       {9, 'C', &kHub},
    {10, 'B', &kPath},      {11, 'B', &kPath},      {12, 'A', &kQuestArea}, {13, 'A', &kQuestArea},
    {14, 'A', &kQuestArea}, {15, 'C', &kHub},       {16, 'A', &kQuestArea}, {17, 'A', &kQuestArea},
    {18, 'A', &kQuestArea}, {19, 'A', &kQuestArea}, {20, 'A', &kQuestArea},
};

void ExpectLoaded(const BattleEngine& engine, const AreaRow& row) {
    for (const ShapeBoundsRow& bounds : kBounds) {
        if (bounds.shape != row.shape) continue;
        EXPECT_EQ(engine.AreaBounds[kBoundYMin], bounds.yMin);
        EXPECT_EQ(engine.AreaBounds[kBoundXMax], bounds.xMax);
    }
    EXPECT_EQ(engine.AreaBounds[kBoundYMax], -536);
    EXPECT_EQ(engine.AreaBounds[kBoundXMin], -64);
    for (int p = 0; p < PortalTable::kSlots; ++p) {
        const bool placed = p < row.portals->count;
        ASSERT_EQ(engine.portal.exists[p] != 0, placed) << "portal " << p;
        if (!placed) continue;
        EXPECT_EQ(engine.portal.x[p], row.portals->x[p]) << "portal " << p;
        EXPECT_EQ(engine.portal.y[p], row.portals->y[p]) << "portal " << p;
    }
}

TEST_F(InvasionsTest, EveryAreaLoadsItsBoundsAndPortalsFreshAndAgainOnAReturn) {
    for (const AreaRow& row : kAreas) {
        SCOPED_TRACE("area " + std::to_string(row.area));
        EnterArea(row.area, 30, -620);
        RunFrames(3);
        ASSERT_EQ(App().sceneFrame, SceneId::Invasions);
        EXPECT_EQ(Backdrop().areaNumber, row.area);
        ExpectLoaded(Engine(), row);

        // A visit to a screen resumes the area as it was.
        const std::vector<uint8_t> live(Engine().enemy.active, Engine().enemy.active + EnemyTable::kSlots);
        const std::vector<uint8_t> fired(std::begin(Engine().waveFired), std::end(Engine().waveFired));
        Leave(key::kW, SceneId::Wealth);
        ComeBack();
        ExpectLoaded(Engine(), row);
        EXPECT_EQ(std::vector<uint8_t>(Engine().enemy.active, Engine().enemy.active + EnemyTable::kSlots), live);
        EXPECT_EQ(std::vector<uint8_t>(std::begin(Engine().waveFired), std::end(Engine().waveFired)), fired);
        EXPECT_EQ(State().returnedFromScreen, 0);
    }
    EXPECT_EQ(State().location, 3u);
    EXPECT_EQ(State().questSet, 2u);
    EXPECT_EQ(Panel().region, 3);
}

// A screen carries the area clock without counting the time spent there;
// the paths keep it running and the quest areas start it again.
TEST_F(InvasionsTest, AreaClockIsCarriedAcrossAScreenAndRestartedOnlyIntoQuestAreas) {
    struct Travel {
        int slot;
        int32_t area;
        bool restarts;
        int32_t viewX;  // the ship starts near the portal
    };
    for (const Travel& travel : {Travel{1, 10, false, -64}, Travel{3, 13, true, 1050}}) {
        SCOPED_TRACE("to area " + std::to_string(travel.area));
        EnterArea(9, travel.viewX, -620);
        RunSeconds(2);
        const uint32_t left = Area().secondsInArea;
        Leave(key::kW, SceneId::Wealth);
        RunFrames(130);  // two seconds away
        ComeBack();
        EXPECT_GE(Area().secondsInArea, left);
        EXPECT_LE(Area().secondsInArea, left + 1) << "the time on the screen is not counted";

        ASSERT_TRUE(FlyOntoPortal(travel.slot));
        const uint32_t before = Area().secondsInArea;
        ChoosePrompt();
        RunFrames(1);
        ASSERT_EQ(Backdrop().areaNumber, travel.area);
        if (travel.restarts) EXPECT_EQ(Area().secondsInArea, 0u);
        else EXPECT_GE(Area().secondsInArea, before);
    }
}

// The home base's menu leads into the second region, which hides the
// base's Repairs notice: in Pluto the ship fights the first wave.
TEST_F(InvasionsTest, TheHomeBasesMenuLeadsToPlutoWhereTheShipFightsTheFirstWave) {
    ArmForTheSecondSet();
    ASSERT_TRUE(driver_.SetField("shipArmor", "4000"));  // repaired on arrival
    driver_.SwitchToScene(SceneId::HomeBase);
    ASSERT_TRUE(driver_.RunUntilScene(SceneId::HomeBase, 5));
    RunFrames(5);
    ASSERT_EQ(Panel().repairsNotice, 1);
    ASSERT_TRUE(FlyOntoPortal(0));
    ChooseRow(3);  // "3. Pluto Area"
    ASSERT_TRUE(driver_.RunUntilScene(SceneId::Invasions, 5));
    ASSERT_EQ(Backdrop().areaNumber, 2);
    EXPECT_EQ(Panel().repairsNotice, 0);
    RunFrames(3);
    EXPECT_GT(LiveEnemies(Engine()), 0) << "Pluto's first wave";
    EXPECT_TRUE(driver_.Screenshot(OutPath("invasions_pluto_wave.png")));
    const uint32_t experience = State().experience;
    EXPECT_GE(Fight(2), 2);
    ASSERT_EQ(App().sceneFrame, SceneId::Invasions);
    EXPECT_GT(State().experience, experience) << "kills credit experience";
    EXPECT_TRUE(driver_.Screenshot(OutPath("invasions_pluto_fight.png")));
}

// The Meeting Area's second forward portal leads to the supply ships: their
// convoy keeps its column and flies up the area, the squad bought for the
// convoy's quest comes to the ship, and the first wave is fought.
TEST_F(InvasionsTest, TheMeetingAreasPortalLeadsToTheSupplyShipsAndTheirConvoy) {
    ArmForTheSecondSet();
    EnterArea(6, 2400, -620);
    ASSERT_TRUE(FlyOntoPortal(2));
    EXPECT_TRUE(driver_.Screenshot(OutPath("invasions_meeting_prompt.png")));
    ChoosePrompt();
    RunFrames(2);
    ASSERT_EQ(Backdrop().areaNumber, 8);

    const BattleEngine& engine = Engine();
    for (int a = 30; a <= 32; ++a) EXPECT_EQ(engine.ally.x[a], 480) << "convoy ship " << a;
    EXPECT_EQ(engine.ally.exists[0], 1);
    EXPECT_NEAR(engine.ally.x[0], Backdrop().viewX + engine.ally.offsetX[0] + 400, 10);
    const int32_t convoyY = engine.ally.y[32];
    RunFrames(60);
    EXPECT_LT(engine.ally.y[32], convoyY - 50) << "about 70 pixels a second";
    EXPECT_GT(LiveEnemies(engine), 0) << "the supply area's first wave";
    EXPECT_GE(Fight(1), 1);
    EXPECT_EQ(App().sceneFrame, SceneId::Invasions);
    EXPECT_TRUE(driver_.Screenshot(OutPath("invasions_supply_fight.png")));
}

// With no battle engine yet (a run set up on the title), the region makes
// one from the record, robots included, so its write-back keeps them.
TEST(InvasionsEngine, AnEngineTheRegionMakesCarriesTheRecordsRobots) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    driver.RunFrames(2);
    ASSERT_EQ(driver.App().battleEngine, nullptr);
    std::vector<DriverAction> actions;
    std::string error;
    ASSERT_TRUE(ParseDriverScript("3 set robotActive 1 1 0*98\n"
                                  "3 set robotOperational 1 1 0*98\n"
                                  "3 set robotShields 7 8 0*98\n"
                                  "3 set robotShieldsMax 7 8 0*98\n"
                                  "3 set robotArmor 90 80 0*98\n"
                                  "3 set currentArea 6\n"
                                  "3 scene Invasions\n"
                                  "40 key W down\n"
                                  "41 key W up\n",
                                  actions, error))
        << error;
    driver.AddActions(actions);
    driver.RunFrames(45);
    ASSERT_NE(driver.App().battleEngine, nullptr);
    EXPECT_EQ(driver.App().battleEngine->robot.exists[1], 1);
    const GameState& state = *driver.App().gameState;
    ASSERT_EQ(driver.App().sceneFrame, SceneId::Wealth) << "the region was left and wrote back";
    EXPECT_EQ(state.robotOperational[0], 1);
    EXPECT_EQ(state.robotOperational[1], 1);
    EXPECT_EQ(state.robotArmor[0], 90u);
    EXPECT_EQ(state.robotArmor[1], 80u);
    EXPECT_EQ(state.robotShields[1], 8u);
}

// The README's script: a new game, then into area 8 by the record alone.
TEST(InvasionsScript, TheExampleEntersAreaEightWithTheNewGamesShip) {
    GameDriver driver;
    ASSERT_TRUE(driver.StartScript("example-second-region.txt"));
    driver.RunFrames(150);
    GameApp& app = driver.App();
    ASSERT_EQ(app.sceneFrame, SceneId::Invasions);
    EXPECT_EQ(app.areaBackdrop->areaNumber, 8);
    EXPECT_EQ(app.gameState->location, 3u);
    EXPECT_EQ(app.gameState->questStates[2], 1);
    EXPECT_EQ(app.battleEngine->portal.y[1], -9600);
    EXPECT_EQ(app.battleEngine->barrelPresent[2], 1) << "the new game's gun";
}

}  // namespace
