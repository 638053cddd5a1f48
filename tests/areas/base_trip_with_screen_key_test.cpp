// A region row of the home base's travel menu chosen in the very frame a
// screen's shortcut key goes down: the screen opens, and when it is closed
// the ship arrives in the chosen area as it would have without the key.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "areas/area_session.h"
#include "areas/area_sounds.h"
#include "areas/home_base_scene.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/game_state.h"

namespace {
constexpr int32_t kPortalX = 532, kPortalY = -168;  // inside the main portal
constexpr int kRight = 1;  // chooses without steering the ship off the portal
constexpr uint8_t kNoKey = 0;
constexpr uint32_t kCarriedSeconds = 55;

struct HomeTripCase {
    const char* name;
    uint32_t questSet;
    int row;
    uint8_t key;
    SceneId screen;  // what the key opens
    SceneId region;
    uint32_t location;
    int32_t area, viewX, viewY;
    bool restartsClock;
};

std::string CaseName(const ::testing::TestParamInfo<HomeTripCase>& info) { return info.param.name; }
void PrintTo(const HomeTripCase& c, std::ostream* os) { *os << c.name; }

class BaseTripWithScreenKeyTest : public ::testing::TestWithParam<HomeTripCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(driver_.NewGameToHomeBase());
        if (GetParam().questSet == 2) {
            ASSERT_TRUE(LoadSecondSet());
        }
        Home().Session().clockMark = kCarriedSeconds;
    }

    GameApp& App() { return driver_.App(); }
    GameState& State() { return *driver_.App().gameState; }
    BattleEngine& Engine() { return *driver_.App().battleEngine; }
    AreaBackdrop& Backdrop() { return *driver_.App().areaBackdrop; }
    HomeBaseScene& Home() { return driver_.SceneAs<HomeBaseScene>(SceneId::HomeBase); }
    RegionScene& Region() { return driver_.SceneAs<RegionScene>(GetParam().region); }
    uint32_t Arrivals() { return Home().Session().soundsPlayed[static_cast<int>(AreaSound::Arrival)]; }

    // The second set with every area row open, through a saved game.
    bool LoadSecondSet() {
        GameState record = State();
        record.questSet = 2;
        std::fill(std::begin(record.questStates), std::end(record.questStates), uint8_t{1});
        if (!driver_.WriteSaveSlot(2, record)) return false;
        driver_.TapKey(key::kEscape);
        driver_.TapKey(key::kY);
        return driver_.RunUntilScene(SceneId::MainMenu, 10) && driver_.LoadSlot(2);
    }

    bool FlyOntoPortal() {
        int inside = 0;
        for (int frame = 0; frame < 400 && inside < 40; ++frame) {
            if (Engine().portal.touched[0]) ++inside;
            const MouseCursor& cursor = *App().cursor;
            driver_.MoveMouse(std::clamp(kPortalX - Backdrop().viewX, 20, 780) - cursor.x,
                              std::clamp(kPortalY - Backdrop().viewY, 20, 480) - cursor.y);
            driver_.PressButton(0);
            driver_.RunFrames(1);
        }
        driver_.ReleaseButton(0);
        driver_.RunFrames(1);
        return Engine().portal.touched[0] != 0;
    }

    // Presses on the row and lets go with the case's key going down in the
    // same frame; with a key, its screen opens and Esc closes it.
    void ChooseRow() {
        const HomeTripCase& c = GetParam();
        driver_.PointAt(400, 15 + 25 * (c.row - 1) + 8);
        driver_.PressButton(kRight);
        driver_.RunFrames(1);
        if (c.key != kNoKey) driver_.PressKey(c.key);
        driver_.ReleaseButton(kRight);
        driver_.RunFrames(1);
        if (c.key == kNoKey) {
            driver_.RunFrames(1);  // the region's first frame
            return;
        }
        driver_.ReleaseKey(c.key);
        driver_.RunFrames(1);
        ASSERT_EQ(App().sceneFrame, c.screen) << "the key's screen opens over the trip";
        driver_.TapKey(key::kEscape);
        driver_.RunFrames(1);
    }

    GameDriver driver_;
};

TEST_P(BaseTripWithScreenKeyTest, TheShipArrivesInTheChosenAreaAsAFreshTrip) {
    const HomeTripCase& c = GetParam();
    ASSERT_TRUE(FlyOntoPortal());
    ASSERT_EQ(App().sceneFrame, SceneId::HomeBase);
    const uint32_t arrivalsBefore = Arrivals();
    ChooseRow();
    ASSERT_EQ(App().sceneFrame, c.region) << "the trip goes on once the screen is closed";
    EXPECT_EQ(State().location, c.location);
    EXPECT_EQ(Backdrop().areaNumber, c.area);
    EXPECT_EQ(State().currentArea, static_cast<uint32_t>(c.area));
    EXPECT_EQ(Region().loadPending, 0) << "the area is loaded";
    EXPECT_EQ(Backdrop().viewX, c.viewX);
    EXPECT_EQ(Backdrop().viewY, c.viewY);
    EXPECT_EQ(Arrivals(), arrivalsBefore + 1) << "an arrival, not a return from the screen";
    if (c.restartsClock) EXPECT_LT(Home().Session().secondsInArea, kCarriedSeconds) << "the area clock started again";
    else EXPECT_GE(Home().Session().secondsInArea, kCarriedSeconds) << "the area clock carried on";
}

constexpr SceneId kFirst = SceneId::EarthSystem;
constexpr SceneId kSecond = SceneId::Invasions;

// The first set's Border Area row; the second set's Pluto Area row, whose
// clock starts again, and its Venus Area row.
const HomeTripCase kTrips[] = {
    {"BorderAlone", 1, 3, kNoKey, kFirst, kFirst, 2, 2, 210, -600, false},
    {"BorderWithWealth", 1, 3, key::kW, SceneId::Wealth, kFirst, 2, 2, 210, -600, false},
    {"BorderWithQuests", 1, 3, key::kQ, SceneId::Quests, kFirst, 2, 2, 210, -600, false},
    {"PlutoAlone", 2, 3, kNoKey, kSecond, kSecond, 3, 2, 830, -2000, true},
    {"PlutoWithWealth", 2, 3, key::kW, SceneId::Wealth, kSecond, 3, 2, 830, -2000, true},
    {"VenusWithNotes", 2, 6, key::kN, SceneId::Notes, kSecond, 3, 9, 1120, -620, false},
};
INSTANTIATE_TEST_SUITE_P(Cases, BaseTripWithScreenKeyTest, ::testing::ValuesIn(kTrips), CaseName);
}  // namespace
