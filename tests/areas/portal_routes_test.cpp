// Every forward portal of both regions flown onto and chosen: the area and
// view it leads to, and whether the area clock starts again there.
#include <gtest/gtest.h>

#include <string>

#include "areas/area_session.h"
#include "areas/earth_system_region.h"
#include "areas/invasions_region.h"
#include "areas/region_data.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "region_test_support.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
constexpr int kRight = 1;  // chooses without steering the ship off the portal

struct Route {
    int32_t from;
    int slot;
    int32_t to;
    int32_t viewX, viewY;
    bool clock;
};

constexpr Route kFirstRegion[] = {
    {2, 1, 3, 200, -600, false},   {3, 1, 5, 860, -580, false},   {4, 1, 9, 200, -600, false},
    {4, 2, 11, 200, -570, false},  {4, 3, 6, 200, -600, false},   {6, 1, 7, 200, -570, false},
    {7, 1, 8, 832, -644, true},    {9, 1, 10, 860, -580, true},   {12, 1, 13, 150, -570, false},
    {12, 2, 15, 150, -570, false}, {13, 1, 14, 832, -644, false}, {15, 1, 16, 880, -640, true},
    {17, 1, 18, 830, -600, true},  {17, 2, 19, 150, -570, false}, {19, 1, 20, -50, -530, false},
    {20, 1, 21, 830, -700, true},  {22, 1, 23, 190, -650, false}, {22, 2, 25, 150, -570, false},
    {23, 1, 24, 832, -644, true},  {27, 1, 28, 832, -544, true},
};

// The first region's way back: the home portal of each path area leads to
// the area before it, of each quest area to the home base (area 1).
constexpr Route kFirstRegionBack[] = {
    {3, 0, 2, 910, -4600, false},   {5, 0, 3, 200, -9730, false},   {6, 0, 4, 1120, -1020, false},
    {7, 0, 6, 200, -9730, false},   {9, 0, 4, -64, -800, false},    {13, 0, 12, -64, -850, false},
    {15, 0, 12, 2250, -800, false}, {18, 0, 17, -64, -800, false},  {19, 0, 17, 2270, -800, false},
    {20, 0, 19, 200, -9750, false}, {23, 0, 22, -50, -950, false},  {8, 0, 1, 200, -600, false},
    {14, 0, 1, 200, -600, false},   {26, 0, 1, 200, -600, false},
};

constexpr Route kSecondRegion[] = {
    {3, 1, 4, 180, -600, false},    {4, 1, 5, 888, -1560, true},    {6, 1, 7, 863, -1390, true},
    {9, 1, 10, 180, -650, false},   {10, 1, 11, 180, -650, false},  {11, 1, 12, 863, -1390, true},
    {15, 1, 16, 863, -630, true},   {6, 2, 8, -50, -650, false},    {9, 2, 14, 863, -1390, true},
    {15, 2, 18, 863, -1390, true},  {9, 3, 13, 863, -1390, true},   {15, 3, 17, 863, -1390, true},
};

struct Arrival {
    int32_t area = 0;
    int32_t viewX = 0, viewY = 0;
    uint32_t secondsBefore = 0;
    uint32_t secondsAfter = 0;
};

class PortalRouteTest : public RegionTest {
protected:
    void SetUp() override {
        RegionTest::SetUp();
        // The ship outlasts whatever the areas send at it while it waits.
        ASSERT_TRUE(driver_.SetField("shipArmor", "200000"));
        ASSERT_TRUE(driver_.SetField("shipArmorMax", "200000"));
        record_exchange::SeedEngine(Engine(), State());
    }

    // Arrives a little below portal `slot` of the area, flies onto it, waits
    // `seconds` of the area clock, then chooses the prompt's row.
    Arrival Take(const RegionData& region, const Route& route, uint32_t seconds) {
        const AreaPortals& places = region.portals[route.from];
        EnterArea(route.from, places.x[route.slot] - 300, places.y[route.slot] - 100);
        Arrival arrival;
        EXPECT_TRUE(FlyOntoPortal(route.slot));
        RunSeconds(seconds);
        arrival.secondsBefore = Area().secondsInArea;
        PointAt(400, 50);
        driver_.PressButton(kRight);
        RunFrames(1);
        driver_.ReleaseButton(kRight);
        RunFrames(2);
        arrival.area = Backdrop().areaNumber;
        arrival.viewX = Backdrop().viewX;
        arrival.viewY = Backdrop().viewY;
        arrival.secondsAfter = Area().secondsInArea;
        return arrival;
    }

    void ExpectDestinations(const RegionData& region, const Route* begin, const Route* end) {
        for (const Route* route = begin; route != end; ++route) {
            SCOPED_TRACE("from area " + std::to_string(route->from) + " slot " + std::to_string(route->slot));
            const Arrival arrival = Take(region, *route, 0);
            EXPECT_EQ(arrival.area, route->to);
            EXPECT_EQ(arrival.viewX, route->viewX);
            EXPECT_EQ(arrival.viewY, route->viewY);
        }
    }

    void ExpectClockRestarts(const RegionData& region, const Route* begin, const Route* end) {
        for (const Route* route = begin; route != end; ++route) {
            SCOPED_TRACE("from area " + std::to_string(route->from) + " slot " + std::to_string(route->slot));
            const Arrival arrival = Take(region, *route, 2);
            ASSERT_EQ(arrival.area, route->to);
            ASSERT_GE(arrival.secondsBefore, 2u);
            if (route->clock) EXPECT_EQ(arrival.secondsAfter, 0u);
            else EXPECT_GE(arrival.secondsAfter, arrival.secondsBefore);
        }
    }
};

class SecondRegionRouteTest : public PortalRouteTest {
protected:
    void SetUp() override {
        regionScene_ = SceneId::Invasions;
        PortalRouteTest::SetUp();
        ASSERT_TRUE(driver_.SetField("questSet", "2"));
        record_exchange::SeedEngine(Engine(), State());
    }
};

TEST_F(PortalRouteTest, EachForwardPortalOfTheFirstRegionLeadsToItsAreaAndView) {
    ExpectDestinations(EarthSystemRegion(), std::begin(kFirstRegion), std::end(kFirstRegion));
}

TEST_F(PortalRouteTest, EachHomePortalOfTheFirstRegionLeadsBackToItsAreaAndView) {
    ExpectDestinations(EarthSystemRegion(), std::begin(kFirstRegionBack), std::end(kFirstRegionBack));
}

TEST_F(PortalRouteTest, OnlyTheMarkedForwardPortalsOfTheFirstRegionRestartTheAreaClock) {
    ExpectClockRestarts(EarthSystemRegion(), std::begin(kFirstRegion), std::end(kFirstRegion));
}

TEST_F(SecondRegionRouteTest, EachForwardPortalOfTheSecondRegionLeadsToItsAreaAndView) {
    ExpectDestinations(InvasionsRegion(), std::begin(kSecondRegion), std::end(kSecondRegion));
}

TEST_F(SecondRegionRouteTest, OnlyTheMarkedForwardPortalsOfTheSecondRegionRestartTheAreaClock) {
    ExpectClockRestarts(InvasionsRegion(), std::begin(kSecondRegion), std::end(kSecondRegion));
}
}  // namespace
