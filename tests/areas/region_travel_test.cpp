// Portals, the hub travel menu and the area clock across travels.
#include <gtest/gtest.h>

#include "areas/area_session.h"

#include "areas/earth_system_region.h"
#include "areas/region_scene.h"
#include "areas/region_travel.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "region_test_support.h"
#include "shell/game_state.h"

namespace {
class TravelTest : public RegionTest {
protected:
    // Keeps portal `slot` touched (as the engine's test would report it) for
    // the next frames by parking the ship on it.
    void StandOnPortal(int slot) {
        BattleEngine& engine = Engine();
        Backdrop().viewX = engine.portal.x[slot] - engine.shipX;
        Backdrop().viewY = engine.portal.y[slot] - engine.shipY;
        RunFrames(1);
        ASSERT_EQ(engine.portal.touched[slot], 1);
    }
    // Presses over row `pressRow` and releases over row `releaseRow`, with
    // the right button so that the ship does not fly off the portal.
    void PressAndRelease(int pressRow, int releaseRow) {
        PointAt(400, 15 + 25 * (pressRow - 1) + 10);
        driver_.PressButton(1);
        RunFrames(1);
        PointAt(400, 15 + 25 * (releaseRow - 1) + 10);
        driver_.ReleaseButton(1);
        RunFrames(1);
    }
};
}  // namespace

TEST_F(TravelTest, BeforeQuestOneTheBorderHubOffersOnlyItsFirstThreeRows) {
    EnterArea(2, 200, -600);
    const RegionData& region = EarthSystemRegion();
    EXPECT_TRUE(ViewTravelRow(App(), region, 2, 1).active);
    EXPECT_TRUE(ViewTravelRow(App(), region, 2, 3).current);
    for (int row = 4; row <= 9; ++row) EXPECT_FALSE(ViewTravelRow(App(), region, 2, row).active) << row;
    EXPECT_STREQ(ViewTravelRow(App(), region, 2, 5).text, "5.  -- Inactive");
    EXPECT_TRUE(ViewTravelRow(App(), region, 12, 4).active) << "row 4 is always open in the later hubs";
    EXPECT_TRUE(ViewTravelRow(App(), region, 4, 4).current) << "the hub the ship is in, quest 1 or not";
    EXPECT_STREQ(ViewTravelRow(App(), region, 4, 9).text, "9.  -- Inactive");
    State().questStates[10] = 2;
    EXPECT_STREQ(ViewTravelRow(App(), region, 4, 9).text, "9. Ninja Shadow Clan Path");
    EXPECT_STREQ(ViewTravelRow(App(), region, 2, 9).text, "9. Ninja Shadow Clan");

    // Clicking an inactive row or the current one does nothing.
    StandOnPortal(0);
    PressAndRelease(5, 5);
    PressAndRelease(3, 3);
    EXPECT_EQ(Backdrop().areaNumber, 2);
    EXPECT_EQ(App().sceneFrame, SceneId::EarthSystem);
}

TEST_F(TravelTest, TheMenuActsOnReleaseOverThePressedRowOnly) {
    EnterArea(4, 1120, -620);
    State().questStates[3] = 2;  // quest 4 done: Earth Area open
    State().questStates[5] = 2;  // quest 6 done: Pirates Area open
    StandOnPortal(0);
    PressAndRelease(5, 6);
    EXPECT_EQ(Backdrop().areaNumber, 4) << "pressed on row 5, released on row 6";
    PressAndRelease(5, 5);
    EXPECT_EQ(Backdrop().areaNumber, 12);
    EXPECT_EQ(Region().loadPending, 1) << "the next frame loads the area";
    RunFrames(1);
    EXPECT_EQ(Region().loadPending, 0);
    EXPECT_EQ(Engine().portal.x[0], 1400);
    EXPECT_EQ(Backdrop().viewX, 1120);
    EXPECT_EQ(Backdrop().viewY, -620);
    EXPECT_NE(Panel().areaTitleTimer, 0);
}

TEST_F(TravelTest, RowsOneAndTwoLeaveForTheHomeBaseAndTheStore) {
    EnterArea(4, 1120, -620);
    StandOnPortal(0);
    PressAndRelease(2, 2);
    EXPECT_EQ(App().sceneFrame, SceneId::Store);
    EXPECT_EQ(State().restockFlag, 1);

    EnterArea(4, 1120, -620);
    StandOnPortal(0);
    PressAndRelease(1, 1);
    EXPECT_EQ(App().sceneFrame, SceneId::HomeBase);
    EXPECT_EQ(Backdrop().areaNumber, 1);
    EXPECT_EQ(Backdrop().viewX, 200);
    EXPECT_EQ(Backdrop().viewY, -600);
    EXPECT_EQ(Panel().travelled, 1);

    // Row 1 of the Border Area's own menu goes home with the view left as it is.
    EnterArea(2, 200, -600);
    StandOnPortal(0);
    const int32_t viewX = Backdrop().viewX, viewY = Backdrop().viewY;
    ASSERT_FALSE(viewX == 200 && viewY == -600) << "the portal's view must differ from the home row's";
    PressAndRelease(1, 1);
    EXPECT_EQ(App().sceneFrame, SceneId::HomeBase);
    EXPECT_EQ(Backdrop().viewX, viewX);
    EXPECT_EQ(Backdrop().viewY, viewY);
}

TEST_F(TravelTest, OnlyTheMarkedPortalsRestartTheAreaClock) {
    EnterArea(6, 200, -9000);
    RunSeconds(3);
    StandOnPortal(1);  // Moon Path II: the clock keeps running
    PressAndRelease(2, 2);
    ASSERT_EQ(Backdrop().areaNumber, 7);
    EXPECT_GE(Area().secondsInArea, 3u);

    StandOnPortal(1);  // Moon Colony: the clock restarts
    PressAndRelease(2, 2);
    ASSERT_EQ(Backdrop().areaNumber, 8);
    EXPECT_EQ(Area().secondsInArea, 0u);
    EXPECT_EQ(Area().clockMark, 0u);
}

TEST_F(TravelTest, TheAreaClockIsCarriedAcrossAVisitToAScreen) {
    EnterArea(8, 832, -644);
    RunSeconds(4);
    Tap(0x10);  // Q: the Quests screen
    RunFrames(2);
    ASSERT_EQ(App().sceneFrame, SceneId::Quests);
    EXPECT_GE(Area().clockMark, 4u);
    driver_.TheClock().Advance(10000);  // time spent on the screen does not count
    Tap(0x01);  // Esc: back
    RunFrames(2);
    ASSERT_EQ(App().sceneFrame, SceneId::EarthSystem);
    EXPECT_GE(Area().secondsInArea, 4u);
    EXPECT_LT(Area().secondsInArea, 6u);
}
