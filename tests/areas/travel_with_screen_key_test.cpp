// A travel chosen in the very frame a screen's shortcut key goes down: the
// screen opens, and when it is closed the ship is where the travel sent it,
// as if no screen had come between: a new area starts empty with its own
// waves, a trip home lands at the home base.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "areas/area_session.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "platform/key_codes.h"
#include "region_test_support.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
constexpr int kRight = 1;  // chooses without steering the ship off the portal
constexpr uint8_t kNoKey = 0;

struct TravelCase {
    const char* name;
    SceneId region;
    int32_t area, viewX, viewY;
    int slot;  // the portal flown onto
    int row;   // the row of its prompt or travel menu chosen
    uint8_t key;
    SceneId screen;  // what the key opens
    int32_t to;      // the area travelled to, 1 for the home base
    int32_t toViewX, toViewY;
};

std::string CaseName(const ::testing::TestParamInfo<TravelCase>& info) { return info.param.name; }
void PrintTo(const TravelCase& c, std::ostream* os) { *os << c.name; }

int WavesFired(const BattleEngine& engine) {
    int n = 0;
    for (uint8_t fired : engine.waveFired) n += fired != 0;
    return n;
}

class TravelWithScreenKeyTest : public RegionTest, public ::testing::WithParamInterface<TravelCase> {
protected:
    void SetUp() override {
        regionScene_ = GetParam().region;
        RegionTest::SetUp();
        if (regionScene_ == SceneId::Invasions) {
            ASSERT_TRUE(driver_.SetField("questSet", "2"));
        }
        ASSERT_TRUE(driver_.SetField("shipArmor", "200000"));
        ASSERT_TRUE(driver_.SetField("shipArmorMax", "200000"));
        record_exchange::SeedEngine(Engine(), State());
    }

    // Flies onto the portal with the old area's enemies about.
    void ReachPortal() {
        const TravelCase& c = GetParam();
        EnterArea(c.area, c.viewX, c.viewY);
        ASSERT_TRUE(FlyOntoPortal(c.slot));
        ASSERT_EQ(Backdrop().areaNumber, c.area);
    }

    // Presses on the row and lets go with the case's key going down in the
    // same frame; with a key, its screen opens and Esc closes it.
    void ChooseRow() {
        const TravelCase& c = GetParam();
        PointAt(400, 15 + 25 * (c.row - 1) + 10);
        driver_.PressButton(kRight);
        RunFrames(1);
        if (c.key != kNoKey) driver_.PressKey(c.key);
        driver_.ReleaseButton(kRight);
        RunFrames(1);
        if (c.key == kNoKey) {
            RunFrames(1);  // the frame that takes the ship there
            return;
        }
        driver_.ReleaseKey(c.key);
        RunFrames(1);
        ASSERT_EQ(App().sceneFrame, c.screen) << "the key's screen opens over the travel";
        Tap(key::kEscape);
        RunFrames(1);
    }

    // Some seconds of flight up the area: its first wave comes by the clock
    // or by the view.
    void FlyUpTheArea(uint32_t frames) {
        int32_t x = 0, y = 0;
        driver_.ShipCentre(x, y);
        driver_.SteerToward(x, y - 4000, frames);
        driver_.PressButton(0);
        RunFrames(frames);
        driver_.ReleaseButton(0);
    }
};

class ForwardTravelWithScreenKeyTest : public TravelWithScreenKeyTest {};
class HomeTravelWithScreenKeyTest : public TravelWithScreenKeyTest {};

TEST_P(ForwardTravelWithScreenKeyTest, TheNewAreaStartsEmptyAndRunsItsOwnWaves) {
    const TravelCase& c = GetParam();
    ReachPortal();
    ASSERT_GT(LiveEnemies(Engine()), 0) << "the area left has enemies that must not follow";
    ASSERT_GT(WavesFired(Engine()), 0) << "and waves it has fired";
    ChooseRow();
    ASSERT_EQ(App().sceneFrame, c.region);
    EXPECT_EQ(Backdrop().areaNumber, c.to);
    EXPECT_EQ(State().currentArea, static_cast<uint32_t>(c.to));
    EXPECT_EQ(Region().loadPending, 0) << "the new area is loaded";
    EXPECT_EQ(Backdrop().viewX, c.toViewX);
    EXPECT_EQ(Backdrop().viewY, c.toViewY);
    EXPECT_EQ(LiveEnemies(Engine()), 0) << "none of the old area's enemies";
    EXPECT_EQ(WavesFired(Engine()), 0) << "none of the old area's waves marked";
    FlyUpTheArea(400);
    EXPECT_NE(Engine().waveFired[0], 0) << "the new area's first wave comes";
    EXPECT_GT(LiveEnemies(Engine()), 0);
}

TEST_P(HomeTravelWithScreenKeyTest, TheShipLandsAtTheHomeBase) {
    const TravelCase& c = GetParam();
    ReachPortal();
    ChooseRow();
    RunFrames(1);
    EXPECT_EQ(App().sceneFrame, SceneId::HomeBase);
    EXPECT_EQ(Backdrop().areaNumber, 1);
    EXPECT_EQ(State().currentArea, 1u);
    EXPECT_EQ(State().location, 1u);
    EXPECT_EQ(Backdrop().viewX, c.toViewX);
    EXPECT_EQ(Backdrop().viewY, c.toViewY);
    EXPECT_EQ(LiveEnemies(Engine()), 0);
}

constexpr SceneId kSecond = SceneId::Invasions;
constexpr SceneId kFirst = SceneId::EarthSystem;

// Station Path II's forward prompt into the Military Station, Moon Path II's
// into the Moon Colony, and the Border Area row of the Neutral Area's menu.
const TravelCase kForward[] = {
    {"StationPathAlone", kSecond, 11, 180, -9750, 1, 2, kNoKey, kSecond, 12, 863, -1390},
    {"StationPathWithWealth", kSecond, 11, 180, -9750, 1, 2, key::kW, SceneId::Wealth, 12, 863, -1390},
    {"MoonPathAlone", kFirst, 7, 200, -9750, 1, 2, kNoKey, kFirst, 8, 832, -644},
    {"MoonPathWithQuests", kFirst, 7, 200, -9750, 1, 2, key::kQ, SceneId::Quests, 8, 832, -644},
    {"NeutralMenuAlone", kFirst, 4, 1120, -620, 0, 3, kNoKey, kFirst, 2, 200, -600},
    {"NeutralMenuWithWealth", kFirst, 4, 1120, -620, 0, 3, key::kW, SceneId::Wealth, 2, 200, -600},
};
INSTANTIATE_TEST_SUITE_P(Cases, ForwardTravelWithScreenKeyTest, ::testing::ValuesIn(kForward), CaseName);

// The "Your Home Base" prompt of each region and row 1 of a hub's menu.
const TravelCase kHome[] = {
    {"TrapAlone", kSecond, 2, 850, -4650, 0, 2, kNoKey, kSecond, 1, 200, -600},
    {"TrapWithWealth", kSecond, 2, 850, -4650, 0, 2, key::kW, SceneId::Wealth, 1, 200, -600},
    {"MoonColonyAlone", kFirst, 8, 850, -600, 0, 2, kNoKey, kFirst, 1, 200, -600},
    {"MoonColonyWithQuests", kFirst, 8, 850, -600, 0, 2, key::kQ, SceneId::Quests, 1, 200, -600},
    {"NeutralMenuAlone", kFirst, 4, 1120, -620, 0, 1, kNoKey, kFirst, 1, 200, -600},
    {"NeutralMenuWithWealth", kFirst, 4, 1120, -620, 0, 1, key::kW, SceneId::Wealth, 1, 200, -600},
};
INSTANTIATE_TEST_SUITE_P(Cases, HomeTravelWithScreenKeyTest, ::testing::ValuesIn(kHome), CaseName);
}  // namespace
