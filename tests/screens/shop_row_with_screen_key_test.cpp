// The shop row of a travel menu chosen in the very frame a screen's shortcut
// key goes down: the key's screen opens instead of the Store, and closing it
// resumes the area the ship was in; the Store is left unvisited, and the
// next choice of the row opens it with a freshly drawn stock.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>

#include "areas/area_session.h"
#include "areas/area_sounds.h"
#include "areas/home_base_scene.h"
#include "battle/battle_engine.h"
#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "platform/key_codes.h"
#include "screens/store_scene.h"
#include "shell/game_state.h"

namespace {
using driven_play::PointAt;

constexpr int kRight = 1;  // chooses without steering the ship off the portal
constexpr int kShopRow = 2;
constexpr int32_t kHomePortalX = 532, kHomePortalY = -168;

struct ShopCase {
    const char* name;
    SceneId area;  // where the menu is: the home base or the Border Area
    uint8_t key;
    SceneId screen;  // what the key opens
};

std::string CaseName(const ::testing::TestParamInfo<ShopCase>& info) { return info.param.name; }
void PrintTo(const ShopCase& c, std::ostream* os) { *os << c.name; }

class ShopRowWithScreenKeyTest : public ::testing::TestWithParam<ShopCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver_));
        if (GetParam().area == SceneId::EarthSystem) {
            ASSERT_TRUE(driven_play::FlyToBorderArea(driver_));
            driver_.RunFrames(2);
        }
        ASSERT_TRUE(FlyOntoPortal());
    }

    GameApp& App() { return driver_.App(); }
    GameState& State() { return *driver_.App().gameState; }
    BattleEngine& Engine() { return *driver_.App().battleEngine; }
    AreaBackdrop& Backdrop() { return *driver_.App().areaBackdrop; }
    StoreScene& Store() { return driver_.SceneAs<StoreScene>(SceneId::Store); }
    uint32_t Arrivals() {
        const AreaSession& area = driver_.SceneAs<HomeBaseScene>(SceneId::HomeBase).Session();
        return area.soundsPlayed[static_cast<int>(AreaSound::Arrival)];
    }

    // Onto the portal with the travel menu, on until well inside it.
    bool FlyOntoPortal() {
        const BattleEngine& engine = Engine();
        const bool home = GetParam().area == SceneId::HomeBase;
        int inside = 0;
        for (int frame = 0; frame < 600 && inside < 30; ++frame) {
            if (engine.portal.touched[0]) ++inside;
            const int32_t x = home ? kHomePortalX : engine.portal.x[0] + 32;
            const int32_t y = home ? kHomePortalY : engine.portal.y[0] + 32;
            PointAt(driver_, std::clamp(x - Backdrop().viewX, 20, 780), std::clamp(y - Backdrop().viewY, 20, 480));
            driver_.PressButton(0);
        }
        driver_.ReleaseButton(0);
        driver_.RunFrames(2);
        return engine.portal.touched[0] != 0;
    }

    // Presses on the shop row and lets go, with `key` going down in the
    // frame of the release when it is not 0.
    void ChooseShop(uint8_t key) {
        PointAt(driver_, 400, 15 + 25 * (kShopRow - 1) + 8);
        driver_.PressButton(kRight);
        driver_.RunFrames(1);
        if (key != 0) driver_.PressKey(key);
        driver_.ReleaseButton(kRight);
        driver_.RunFrames(1);
        if (key != 0) driver_.ReleaseKey(key);
        driver_.RunFrames(1);
    }

    GameDriver driver_;
};

TEST_P(ShopRowWithScreenKeyTest, TheKeysScreenOpensAndClosedResumesTheAreaThenTheRowStillRestocks) {
    const ShopCase& c = GetParam();
    const int32_t area = Backdrop().areaNumber;
    const uint32_t location = State().location;
    const uint32_t arrivals = Arrivals();

    ChooseShop(c.key);
    ASSERT_EQ(App().sceneFrame, c.screen) << "the key, tested after the menu, wins";
    driver_.TapKey(key::kEscape);
    driver_.RunFrames(2);
    ASSERT_EQ(App().sceneFrame, c.area) << "closed, the screen goes back where the menu was";
    EXPECT_EQ(Store().ScreensMade(), 0u) << "the Store was never visited";
    EXPECT_EQ(Backdrop().areaNumber, area);
    EXPECT_EQ(State().currentArea, static_cast<uint32_t>(area));
    EXPECT_EQ(State().location, location);
    EXPECT_EQ(Arrivals(), arrivals) << "resumed, not arrived afresh";
    ASSERT_NE(Engine().portal.touched[0], 0) << "still on the portal";

    ChooseShop(0);
    ASSERT_TRUE(driver_.RunUntilScene(SceneId::Store, 5));
    driver_.RunFrames(1);
    ASSERT_NE(Store().Screen(), nullptr);
    EXPECT_EQ(Store().ScreensMade(), 1u);
    EXPECT_EQ(Store().Screen()->restock, 1);
    const uint8_t* onSale = Store().Screen()->stock.exists;
    EXPECT_GT(std::count(onSale, onSale + StoreStock::kSlots, 1), 0) << "a freshly drawn stock";
}

const ShopCase kShops[] = {
    {"BaseWithWealth", SceneId::HomeBase, key::kW, SceneId::Wealth},
    {"BaseWithQuests", SceneId::HomeBase, key::kQ, SceneId::Quests},
    {"BorderHubWithWealth", SceneId::EarthSystem, key::kW, SceneId::Wealth},
    {"BorderHubWithNotes", SceneId::EarthSystem, key::kN, SceneId::Notes},
};
INSTANTIATE_TEST_SUITE_P(Cases, ShopRowWithScreenKeyTest, ::testing::ValuesIn(kShops), CaseName);
}  // namespace
