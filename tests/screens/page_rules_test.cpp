// Rules of the Store, Your Ship and Quests pages in the real game: how long
// their refusal messages stay up, that a press which closed a Quests panel
// does not reach the boxes beneath until it is let go, and that the Store
// stocks up only when the record asks for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>

#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "platform/key_codes.h"
#include "screens/quests_scene.h"
#include "screens/store_scene.h"
#include "screens/your_ship_scene.h"
#include "shell/game_state.h"
#include "ship/ship_places.h"

namespace {

using driven_play::Click;
using driven_play::PointAt;

struct At {
    int32_t x, y;
};
void ClickAt(GameDriver& driver, At at) {
    PointAt(driver, at.x, at.y);
    Click(driver);
}

// Quests page points.
At FavorButton(int box) { return {60 + 200 * ((box - 1) % 4), 80 + 165 * ((box - 1) / 4)}; }
At Agree(int ally) { return {520, 270 + 87 * (ally - 1)}; }
constexpr At kTopStrip{400, 20};
constexpr At kBriefingExit{395, 415};  // over box 10
constexpr At kNoteExit{410, 320};      // over box 7
constexpr At kAllyExit{380, 495};      // over box 10

// Store points.
constexpr At kStoreYes{330, 350};
At StockSlot(const StoreScreen& s, int slot) { return {s.stock.x[slot] + 10, s.stock.y[slot] + 10}; }

// Your Ship points.
At Middle(const PlaceRect& r) { return {r.x + r.w / 2, r.y + r.h / 2}; }

QuestsScene& Quests(GameDriver& driver) { return driver.SceneAs<QuestsScene>(SceneId::Quests); }
StoreScene& Store(GameDriver& driver) { return driver.SceneAs<StoreScene>(SceneId::Store); }
YourShipScene& Ship(GameDriver& driver) { return driver.SceneAs<YourShipScene>(SceneId::YourShip); }

// Fills the empty cells of the hold with new cubes, as purchases would.
void FillHold(GameState& state) {
    ItemStock cube;
    cube.stat = 1;
    for (int cell = 0; cell < kHoldCells; ++cell) {
        if (state.shipHold[cell] == 0) state.shipHold[cell] = state.itemPool.Create(cube, HoldCellX(cell), HoldCellY(cell));
    }
}

struct MessageCase {
    const char* message;
    // From the home base of a new game: opens the page and makes it refuse.
    std::function<void(GameDriver&)> provoke;
    std::function<uint8_t(GameDriver&)> timer;
    int ticks;
};

// Each message counts its 100 ms ticks from 1 and goes when it passes its
// limit, so the highest count it shows is the number of ticks it lasts.
TEST(PageMessages, EachRefusalStaysUpForItsTicks) {
    const MessageCase cases[] = {
        {"No more room in Ship's Storage",
         [](GameDriver& driver) {
             FillHold(*driver.App().gameState);
             ASSERT_TRUE(driven_play::FlyToTravelRow(driver, 2, SceneId::Store));
             driver.RunFrames(1);
             const StoreScreen& s = *Store(driver).Screen();
             int slot = 0;
             while (slot < 3 && !(s.stock.exists[slot] && s.stock.price[slot] <= s.resources[GameState::kGold])) ++slot;
             ASSERT_LT(slot, 3) << "an armor cube the purse can pay";
             ClickAt(driver, StockSlot(s, slot));
             ClickAt(driver, kStoreYes);
         },
         [](GameDriver& driver) { return Store(driver).Screen()->noRoomTimer; }, 13},
        {"Max amount of items on ship reached",
         [](GameDriver& driver) {
             driver.TapKey(key::kY);
             ASSERT_TRUE(driver.App().IsCurrent(SceneId::YourShip));
             const At armor = Middle(RectOf(PlaceKind::kArmor, 1));
             ClickAt(driver, Middle(HoldCellRect(0)));
             ClickAt(driver, armor);  // the third of three
             ClickAt(driver, Middle(HoldCellRect(1)));
             ClickAt(driver, armor);  // at the limit even a swap is refused
         },
         [](GameDriver& driver) { return Ship(driver).Screen()->timers[ShipScreen::kLimitTimer]; }, 9},
        {"Not enough favors",
         [](GameDriver& driver) {
             driver.TapKey(key::kQ);
             ASSERT_TRUE(driver.App().IsCurrent(SceneId::Quests));
             ClickAt(driver, FavorButton(1));
             ASSERT_EQ(Quests(driver).Screen()->selectedQuest, 1);
             ClickAt(driver, Agree(2));  // 100 favors of the 80 there are
         },
         [](GameDriver& driver) { return Quests(driver).Screen()->notEnoughBlink; }, 13},
    };
    for (const MessageCase& c : cases) {
        SCOPED_TRACE(c.message);
        GameDriver driver;
        ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver));
        c.provoke(driver);
        if (HasFatalFailure()) return;
        ASSERT_NE(c.timer(driver), 0) << "the message is up";
        int highest = 0;
        for (int frame = 0; frame < 600 && c.timer(driver) != 0; ++frame) {
            highest = std::max(highest, static_cast<int>(c.timer(driver)));
            driver.RunFrames(1);
        }
        EXPECT_EQ(c.timer(driver), 0) << "gone by itself";
        EXPECT_EQ(highest, c.ticks);
    }
}

struct HeldCase {
    const char* panel;
    std::function<void(GameDriver&)> open;
    At exit;
};

// A press that closes a panel with its Exit is held on: the box under the
// Exit does not react until the button is let go, and then reacts to a new
// press as usual.
TEST(QuestsHeldPress, TheBoxesWaitForTheReleaseOfThePressThatClosedAPanel) {
    const HeldCase cases[] = {
        {"briefing", [](GameDriver& driver) { ClickAt(driver, kBriefingExit); }, kBriefingExit},
        {"note", [](GameDriver& driver) { ClickAt(driver, kTopStrip); }, kNoteExit},
        {"ally panel", [](GameDriver& driver) { ClickAt(driver, FavorButton(1)); }, kAllyExit},
    };
    for (const HeldCase& c : cases) {
        SCOPED_TRACE(c.panel);
        GameDriver driver;
        ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver));
        driver.TapKey(key::kQ);
        ASSERT_TRUE(driver.App().IsCurrent(SceneId::Quests));
        const QuestsScreen& s = *Quests(driver).Screen();
        c.open(driver);
        ASSERT_NE(s.briefingOpen + s.notesOpen + s.selectedQuest, 0) << "open";

        PointAt(driver, c.exit.x, c.exit.y);
        driver.PressButton(0);
        driver.RunFrames(6);
        EXPECT_EQ(s.briefingOpen + s.notesOpen + s.selectedQuest, 0) << "closed, and nothing else opened while held";
        EXPECT_EQ(s.briefingPeek, 0);
        driver.ReleaseButton(0);
        driver.RunFrames(2);
        EXPECT_EQ(s.briefingOpen + s.notesOpen + s.selectedQuest, 0);

        Click(driver);
        EXPECT_NE(s.briefingOpen, 0) << "a new press on the same spot opens the box's briefing";
    }
}

// The Store makes its stock on entry only when the record's flag asks for
// one (a travel's shop row sets it); without it the shelves stay empty.
TEST(StoreRestock, TheStockComesOnlyWithTheRecordsFlag) {
    for (const char* flag : {"0", "1"}) {
        SCOPED_TRACE(flag);
        GameDriver driver;
        ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver));
        ASSERT_TRUE(driver.SetField("restockFlag", flag));
        driver.SwitchToScene(SceneId::Store);
        ASSERT_TRUE(driver.RunUntilScene(SceneId::Store, 5));
        driver.RunFrames(2);
        const StoreStock& stock = Store(driver).Screen()->stock;
        const auto onSale = std::count(std::begin(stock.exists), std::end(stock.exists), 1);
        if (flag[0] == '1') EXPECT_GT(onSale, 0);
        else EXPECT_EQ(onSale, 0);
    }
}

}  // namespace
