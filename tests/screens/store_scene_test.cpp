// The Store driven through the real game: reached from row 2 of the home
// base's travel menu, its stock drawn from the battle engine's seed counter,
// purchases, sales and exchanges reaching the record at once, its keys, a
// device loss with a dialog open, and the way back to the home base. Also
// the scripted visit of tests/harness/store-visit.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "battle/battle_engine.h"
#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "platform/random_range.h"
#include "screens/store_scene.h"
#include "shell/game_state.h"

namespace {

using driven_play::Click;
using driven_play::PointAt;

struct At {
    int32_t x, y;
};
constexpr At kLeave{700, 30}, kYes{330, 350}, kStorageExit{400, 460}, kExchangeYes{450, 460};
At StockSlot(const StoreScreen& s, int slot) { return {s.stock.x[slot] + 10, s.stock.y[slot] + 10}; }
At BarButton(int k) { return {296 + 58 * k, 551}; }  // 4 Sell Items, 5 Sell Gold
At HoldCell(int cell) { return {350 + 60 * (cell % 3), 170 + 60 * (cell / 3)}; }
At StepButton(int row, int column) { return {460 + 24 * (column - 1), StoreScreen::kStepRowY[row - 1] + 10}; }

constexpr int kSellItems = 4, kSellGold = 5;

// Every column of every slot that is on sale, and which slots are.
void ExpectSameStock(const StoreStock& a, const StoreStock& b) {
    for (int s = 0; s < StoreStock::kSlots; ++s) {
        SCOPED_TRACE(s);
        ASSERT_EQ(a.exists[s], b.exists[s]);
        if (!a.exists[s]) continue;
        EXPECT_EQ(a.itemClass[s], b.itemClass[s]);
        EXPECT_EQ(a.subtype[s], b.subtype[s]);
        EXPECT_EQ(a.stat[s], b.stat[s]);
        EXPECT_EQ(a.defence[s], b.defence[s]);
        EXPECT_EQ(a.protection[s], b.protection[s]);
        EXPECT_EQ(a.price[s], b.price[s]);
        EXPECT_EQ(a.currency[s], b.currency[s]);
    }
}

class StoreGame : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver));
        State().restockFlag = 0;  // the shop row must raise it again
        ASSERT_TRUE(driven_play::FlyToTravelRow(driver, 2, SceneId::Store));
        driver.RunFrames(1);
        ASSERT_NE(Scene().Screen(), nullptr);
    }

    GameApp& App() { return driver.App(); }
    GameState& State() { return *driver.App().gameState; }
    BattleEngine& Engine() { return *driver.App().battleEngine; }
    StoreScene& Scene() { return driver.SceneAs<StoreScene>(SceneId::Store); }
    const StoreScreen& Screen() { return *Scene().Screen(); }
    uint32_t Gold() { return State().resources[GameState::kGold]; }
    uint32_t Crystal() { return State().resources[GameState::kCrystal]; }

    void ClickAt(At at) {
        PointAt(driver, at.x, at.y);
        Click(driver);
    }
    // The first armor cube for gold that the purse can pay.
    int AffordableGoldCube() {
        for (int slot = 0; slot < 3; ++slot) {
            if (Screen().stock.exists[slot] && Screen().stock.price[slot] <= Gold()) return slot;
        }
        return -1;
    }

    GameDriver driver;
};

TEST_F(StoreGame, TheShopRowOpensAStockDrawnFromTheEnginesSeed) {
    EXPECT_EQ(State().restockFlag, 1);
    EXPECT_EQ(Screen().seed, static_cast<uint32_t>(Engine().slowCounter)) << "nothing ticks the engine here";
    StoreStock expected;
    RandomRange random;
    expected.Generate(Screen().seed, random);
    ExpectSameStock(Screen().stock, expected);
    EXPECT_GT(std::count(std::begin(Screen().stock.exists), std::end(Screen().stock.exists), 1), 0)
        << "the restock flag gave a stock to compare";
    EXPECT_EQ(Screen().resources[GameState::kGold], 1000u);
    EXPECT_STREQ(Screen().resourceTexts[GameState::kCrystal], "1000");
    // The Store has none of the other screens' shortcut keys.
    for (uint8_t key : {key::kY, key::kB, key::kS, key::kO}) driver.TapKey(key);
    EXPECT_TRUE(App().IsCurrent(SceneId::Store));
    EXPECT_EQ(Scene().ScreensMade(), 1u);
}

// The record's location does not matter: leaving always goes to the home
// base, whose banner and arrival repairs the Store's flags start.
TEST_F(StoreGame, EscLeavesForTheHomeBaseWhichRepairsAsOnArrival) {
    State().location = 2;
    Engine().shipShields = 1;
    driver.PressKey(key::kEscape);
    driver.RunFrames(1);
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(Scene().Screen(), nullptr);
    EXPECT_EQ(App().controlPanel->travelled, 1);
    EXPECT_EQ(App().controlPanel->areaTitleTimer, 1);
    EXPECT_EQ(State().returnedFromScreen, 0) << "the home base takes it as an arrival";
    driver.ReleaseKey(key::kEscape);
    driver.RunFrames(2);
    EXPECT_EQ(Engine().shipShields, State().shipShieldsMax);
    EXPECT_EQ(State().location, 1u);
}

TEST_F(StoreGame, EscClosesTheBuyDialogAndLeaveLeavesWithoutBuying) {
    const int slot = AffordableGoldCube();
    ASSERT_GE(slot, 0);
    ClickAt(StockSlot(Screen(), slot));
    ASSERT_EQ(Screen().buySelection, uint32_t(slot + 1));
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::Store));
    EXPECT_EQ(Screen().buySelection, 0u);
    ClickAt(StockSlot(Screen(), slot));
    ASSERT_EQ(Screen().buySelection, uint32_t(slot + 1));
    PointAt(driver, kLeave.x, kLeave.y);
    driver.PressButton(0);
    driver.RunFrames(1);
    EXPECT_TRUE(App().IsCurrent(SceneId::HomeBase)) << "on the press";
    driver.ReleaseButton(0);
    driver.RunFrames(1);
    EXPECT_EQ(State().shipHold[4], 0u);
    EXPECT_FALSE(State().itemPool.Exists(8));
    EXPECT_EQ(Gold(), 1000u);
}

// Selling the item of hold cell 1 frees id 4 and that cell; the next
// purchase takes both, lies where cell 1 shows on Your Ship, and is paid.
// Everything is in the record before the Store is left.
TEST_F(StoreGame, ASaleFreesACellAndAnIdThatTheNextPurchaseTakes) {
    ASSERT_EQ(State().shipHold[1], 4u);
    const uint32_t resale = State().itemPool.price[3];
    const uint8_t resaleCurrency = State().itemPool.currency[3];
    const uint32_t gold = Gold(), crystal = Crystal();
    ClickAt(BarButton(kSellItems));
    ClickAt(HoldCell(1));
    ASSERT_EQ(Screen().sellDialog, 1);
    driver.TapKey(key::kReturn);
    EXPECT_EQ(State().shipHold[1], 0u);
    EXPECT_FALSE(State().itemPool.Exists(4));
    EXPECT_EQ(Gold(), gold + (resaleCurrency == kGoldCurrency ? resale : 0));
    EXPECT_EQ(Crystal(), crystal + (resaleCurrency == kCrystalCurrency ? resale : 0));
    ClickAt(kStorageExit);

    const int slot = AffordableGoldCube();
    ASSERT_GE(slot, 0);
    const uint32_t price = Screen().stock.price[slot];
    const uint32_t before = Gold();
    ClickAt(StockSlot(Screen(), slot));
    ClickAt(kYes);
    ASSERT_TRUE(App().IsCurrent(SceneId::Store));
    EXPECT_EQ(State().shipHold[1], 4u);
    EXPECT_TRUE(State().itemPool.Exists(4));
    EXPECT_FALSE(State().itemPool.Exists(8));
    EXPECT_EQ(State().itemPool.x[3], 683);
    EXPECT_EQ(State().itemPool.y[3], 303);
    EXPECT_EQ(State().itemPool.price[3], price / 10);
    EXPECT_EQ(Gold(), before - price);
    EXPECT_EQ(Screen().stock.exists[slot], 0);
}

// Sell Gold: a thousand gold for a hundred crystal reaches the record on the
// frame Yes is let go, and the panel stays open for the next trade.
TEST_F(StoreGame, AConfirmedExchangeReachesTheRecordAtOnce) {
    ClickAt(BarButton(kSellGold));
    ASSERT_EQ(Screen().exchangeOpen, 1);
    ClickAt(StepButton(1, 1));
    EXPECT_EQ(Gold(), 1000u) << "nothing moves before Yes";
    PointAt(driver, kExchangeYes.x, kExchangeYes.y);
    driver.PressButton(0);
    driver.RunFrames(1);
    driver.ReleaseButton(0);
    driver.RunFrames(1);
    EXPECT_EQ(Gold(), 0u);
    EXPECT_EQ(Crystal(), 1100u);
    EXPECT_EQ(Screen().exchangeOpen, 1);
    EXPECT_EQ(Screen().exchangeAmounts[GameState::kGold], 0u);
    EXPECT_EQ(Scene().Sounds().stamp, 3u) << "one click sound each for the button, the step and Yes";
    driver.TapKey(key::kEscape);
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(Gold(), 0u);
    EXPECT_EQ(Crystal(), 1100u);
}

// The "Buy?" dialog and the stock outlive a device loss, and Yes then buys.
TEST_F(StoreGame, TheDialogSurvivesADeviceLoss) {
    const int slot = AffordableGoldCube();
    ASSERT_GE(slot, 0);
    const StoreStock stock = Screen().stock;
    ClickAt(StockSlot(Screen(), slot));
    ASSERT_EQ(Screen().buySelection, uint32_t(slot + 1));
    const uint32_t loadings = App().loadingScreens;
    driver.LoseDevice();
    driver.RunFrames(3);
    driver.RestoreDevice();
    driver.RunFrames(2);
    ASSERT_TRUE(App().IsCurrent(SceneId::Store));
    EXPECT_EQ(App().loadingScreens, loadings + 1);
    EXPECT_EQ(Scene().ScreensMade(), 1u);
    EXPECT_EQ(Screen().buySelection, uint32_t(slot + 1));
    ExpectSameStock(Screen().stock, stock);
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "store_buy_dialog"));
    ClickAt(kYes);
    EXPECT_EQ(State().shipHold[4], 8u);
    EXPECT_EQ(Gold(), 1000u - stock.price[slot]);
}

// From the first region's Border hub the shop row opens the Store too, and
// leaving it lands at the home base, not back in the region.
TEST(StoreFromRegion, TheBorderHubsShopRowLeadsToTheStoreAndOnToTheHomeBase) {
    GameDriver driver;
    ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver));
    ASSERT_TRUE(driven_play::FlyToBorderArea(driver));
    GameApp& app = driver.App();
    const BattleEngine& engine = *app.battleEngine;
    int inside = 0;
    for (int frame = 0; frame < 600 && inside < 20; ++frame) {
        if (engine.portal.touched[0]) ++inside;
        const AreaBackdrop& view = *app.areaBackdrop;
        PointAt(driver, std::clamp(engine.portal.x[0] - view.viewX, 20, 780),
                std::clamp(engine.portal.y[0] - view.viewY, 20, 580));
        driver.PressButton(0);
    }
    driver.ReleaseButton(0);
    driver.RunFrames(3);
    ASSERT_EQ(engine.portal.touched[0], 1);
    PointAt(driver, 400, 47);
    Click(driver);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Store, 10));
    EXPECT_EQ(app.gameState->location, 2u);
    driver.RunFrames(2);
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 5));
    driver.RunFrames(2);
    EXPECT_EQ(app.gameState->location, 1u);
    EXPECT_EQ(app.areaBackdrop->areaNumber, 1);
}

// The scripted visit: the record after it shows the purchase in cell 4, the
// sale of cell 0's item, and ten gold exchanged for one crystal.
TEST(StoreScript, TheVisitBuysSellsExchangesAndGoesHome) {
    GameDriver driver;
    ASSERT_TRUE(driver.StartScript("store-visit.txt"));
    driver.RunFrames(150);
    GameApp& app = driver.App();
    ASSERT_TRUE(app.IsCurrent(SceneId::Store));
    const StoreScreen& screen = *driver.SceneAs<StoreScene>(SceneId::Store).Screen();
    const uint32_t price = screen.stock.price[0];
    ASSERT_EQ(screen.stock.currency[0], kGoldCurrency);
    const GameState& state = *app.gameState;
    ASSERT_EQ(state.shipHold[0], 3u);
    const uint32_t resale = state.itemPool.price[2];
    const uint8_t resaleCurrency = state.itemPool.currency[2];
    driver.RunFrames(180);
    ASSERT_TRUE(app.IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(state.shipHold[0], 0u);
    EXPECT_EQ(state.shipHold[4], 8u);
    EXPECT_FALSE(state.itemPool.Exists(3));
    EXPECT_TRUE(state.itemPool.Exists(8));
    EXPECT_EQ(state.itemPool.price[7], price / 10);
    EXPECT_EQ(state.resources[GameState::kGold], 1000 - price - 10 + (resaleCurrency == kGoldCurrency ? resale : 0));
    EXPECT_EQ(state.resources[GameState::kCrystal], 1001 + (resaleCurrency == kCrystalCurrency ? resale : 0));
    EXPECT_NE(driver.DumpState().find("shipHold = 0 4 5 6 8 0*10"), std::string::npos);
}

}  // namespace
