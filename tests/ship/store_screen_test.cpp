#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "platform/random_range.h"
#include "store_visit.h"

namespace store_test {
namespace {

// Seed 100's stock: slot 0 is an armor cube for 60 gold, slot 3 one for 50
// crystal.
constexpr uint32_t kSeed = 100;
constexpr int kGoldCube = 0, kCrystalCube = 3;

void Resources(GameState& g, uint32_t gold, uint32_t crystal) {
    g.resources[GameState::kGold] = gold;
    g.resources[GameState::kCrystal] = crystal;
}

// Fills every empty hold cell with a new cube.
void FillHold(GameState& g) {
    for (int c = 0; c < kHoldCells; ++c) {
        if (g.shipHold[c] == 0) g.shipHold[c] = g.itemPool.Create(ItemStock{}, HoldCellX(c), HoldCellY(c));
    }
}

TEST(StoreScreen, APressOnAnItemOpensTheDialogOnlyWhenAffordable) {
    const struct Case {
        int slot;
        uint32_t gold, crystal;
        bool dialog, noGold, noCrystal;
    } cases[] = {
        {kGoldCube, 60, 0, true, false, false},     {kGoldCube, 59, 5000, false, true, false},
        {kCrystalCube, 0, 50, true, false, false},  {kCrystalCube, 5000, 49, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << " gold " << c.gold << " crystal " << c.crystal);
        StoreVisit visit(kSeed, [&](GameState& g) { Resources(g, c.gold, c.crystal); });
        StoreScreen& s = visit.s();
        visit.MoveTo(StockItem(s, c.slot));
        visit.Press();  // the dialog or the message shows on the press
        EXPECT_EQ(s.buySelection, c.dialog ? uint32_t(c.slot + 1) : 0u);
        EXPECT_EQ(s.noGoldTimer != 0, c.noGold);
        EXPECT_EQ(s.noCrystalTimer != 0, c.noCrystal);
        visit.Release();
        if (c.dialog) {
            EXPECT_STREQ(s.priceText, c.gold ? "60" : "50");
        }
        visit.Wait(1000);  // messages last six ticks
        EXPECT_EQ(s.noGoldTimer + s.noCrystalTimer, 0);
        EXPECT_EQ(visit.record->resources[GameState::kGold], c.gold);
    }
}

// While a dialog, panel or menu is open the tabs, the bar and the stock do
// not answer; Leave always does.
TEST(StoreScreen, AnythingOpenBlocksTabsBarAndStock) {
    const struct Opener {
        const char* what;
        std::function<void(StoreVisit&)> open;
    } openers[] = {
        {"Buy?", [](StoreVisit& v) { v.Click(StockItem(v.s(), kGoldCube)); }},
        {"Ship's Storage", [](StoreVisit& v) { v.Click(BarButton(4)); }},
        {"exchange", [](StoreVisit& v) { v.Click(BarButton(0)); }},
        {"material menu", [](StoreVisit& v) { v.Click(BarButton(8)); }},
    };
    for (const Opener& o : openers) {
        SCOPED_TRACE(o.what);
        StoreVisit visit(kSeed);
        StoreScreen& s = visit.s();
        o.open(visit);
        ASSERT_TRUE(s.AnythingOpen());
        visit.Click(Tab(kCannon));
        EXPECT_EQ(s.OpenTab(), kCube);
        for (At at : {Tab(kSphere), BarButton(2), StockItem(s, 1)}) {
            visit.MoveTo(at);
            EXPECT_EQ(s.hoverCode, 0);
            EXPECT_EQ(s.hoverSlot, 0u);
        }
        visit.MoveTo(kLeave);
        EXPECT_EQ(s.hoverCode, StoreScreen::kLeaveCode);
        visit.Key(kEsc);
        EXPECT_FALSE(s.AnythingOpen());
        EXPECT_FALSE(visit.left);
        visit.Click(Tab(kCannon));
        EXPECT_EQ(s.OpenTab(), kCannon);
    }
}

// The new game's hold uses cells 0-3 and ids up to 7: purchases fill cells
// 4 and 5 with ids 8 and 9, pay, and leave the stock without those rows.
TEST(StoreScreen, PurchasesFillTheFirstFreeCellsWithTheLowestFreeIds) {
    StoreVisit visit(kSeed);
    StoreScreen& s = visit.s();
    visit.Click(StockItem(s, kGoldCube));
    visit.Click(kYes);
    visit.Click(StockItem(s, kCrystalCube));
    visit.Key(kEnter);
    const GameState& g = *visit.record;
    EXPECT_EQ(g.shipHold[4], 8u);
    EXPECT_EQ(g.shipHold[5], 9u);
    EXPECT_EQ(g.itemPool.x[7], 683);
    EXPECT_EQ(g.itemPool.y[7], 363);
    EXPECT_EQ(g.itemPool.stat[8], s.stock.stat[kCrystalCube]);
    EXPECT_EQ(g.resources[GameState::kGold], 940u);
    EXPECT_EQ(g.resources[GameState::kCrystal], 950u);
    EXPECT_STREQ(s.resourceTexts[GameState::kGold], "940");
    visit.MoveTo(StockItem(s, kGoldCube));
    EXPECT_EQ(s.hoverSlot, 0u);  // sold out for this visit
    visit.Click(StockItem(s, 1));
    visit.Click(kNo);
    EXPECT_EQ(g.shipHold[6], 0u);
    EXPECT_EQ(g.resources[GameState::kGold], 940u);
}

// The first seed whose stock sells `price` in `currency` at one of `slots`.
int SlotPriced(uint32_t& seed, std::initializer_list<int> slots, uint32_t price, uint8_t currency) {
    RandomRange random;
    StoreStock stock;
    for (seed = 0; seed <= 500; ++seed) {
        stock.Generate(seed, random);
        for (int slot : slots) {
            if (stock.price[slot] == price && stock.currency[slot] == currency) return slot;
        }
    }
    return -1;
}

TEST(StoreScreen, ABoughtItemSellsBackForATenth) {
    const struct Case {
        int itemClass;
        std::initializer_list<int> slots;
        uint32_t price, resale;
        uint8_t currency;
    } cases[] = {{kCube, {0, 1, 2}, 90, 9, kGoldCurrency}, {kEngine, {91}, 1000, 100, kCrystalCurrency}};
    for (const Case& c : cases) {
        uint32_t seed = 0;
        const int slot = SlotPriced(seed, c.slots, c.price, c.currency);
        ASSERT_GE(slot, 0);
        SCOPED_TRACE(testing::Message() << "seed " << seed << " slot " << slot);
        StoreVisit visit(seed, [](GameState& g) { Resources(g, 5000, 5000); });
        const uint32_t& purse = visit.record->resources[c.currency == kGoldCurrency ? GameState::kGold
                                                                                    : GameState::kCrystal];
        visit.Click(Tab(c.itemClass));
        visit.Click(StockItem(visit.s(), slot));
        visit.Click(kYes);
        EXPECT_EQ(purse, 5000 - c.price);
        visit.Click(BarButton(4));
        visit.Click(HoldCell(4));
        EXPECT_EQ(visit.s().selectedItem, 8u);
        visit.Click(kYes);
        EXPECT_EQ(purse, 5000 - c.price + c.resale);
        EXPECT_FALSE(visit.record->itemPool.Exists(8));
    }
}

// Cell 9 lies under the "Sell?" dialog's Yes: the press that opens the
// dialog does not answer it. An empty cell opens nothing, and Esc closes the
// dialog without selling, so a later Enter sells nothing either.
TEST(StoreScreen, SellingNeedsAnAnswerAndAnItem) {
    StoreVisit visit(kSeed, [](GameState& g) {
        const ItemId id = g.itemPool.Create(ItemStock{kCube, 0, 0, 5, 0, 0, 0, 500, kGoldCurrency}, HoldCellX(9),
                                            HoldCellY(9));
        g.shipHold[9] = id;
    });
    StoreScreen& s = visit.s();
    const uint32_t gold = visit.record->resources[GameState::kGold];
    visit.Click(BarButton(4));
    visit.Click(HoldCell(7));
    EXPECT_FALSE(s.sellDialog);
    visit.MoveTo(HoldCell(9));
    visit.Press();
    visit.Wait(100);
    visit.Release();
    ASSERT_TRUE(s.sellDialog);
    EXPECT_EQ(visit.record->shipHold[9], 8u);
    visit.Key(kEsc);
    EXPECT_FALSE(s.sellDialog);
    EXPECT_FALSE(s.sellItemsOpen);
    visit.Key(kEnter);
    EXPECT_EQ(visit.record->shipHold[9], 8u);
    EXPECT_EQ(visit.record->resources[GameState::kGold], gold);
    visit.Click(BarButton(4));
    visit.Click(HoldCell(9));
    visit.Key(kEnter);
    EXPECT_EQ(visit.record->shipHold[9], 0u);
    EXPECT_EQ(visit.record->resources[GameState::kGold], gold + 50);
    EXPECT_TRUE(s.sellItemsOpen);
    visit.Click(kStorageExit);
    EXPECT_FALSE(s.AnythingOpen());
}

// A click on Leave leaves at once, also with the "Buy?" dialog open; Esc
// only closes the dialog, a second one leaves.
TEST(StoreScreen, LeaveLeavesAtOnceEscClosesFirst) {
    for (bool byKey : {false, true}) {
        StoreVisit visit(kSeed);
        visit.Click(StockItem(visit.s(), kGoldCube));
        if (byKey) {
            visit.Key(kBackspace);
            EXPECT_FALSE(visit.left);
            visit.Key(kEsc);
        } else {
            visit.MoveTo(kLeave);
            visit.Press();
        }
        EXPECT_TRUE(visit.left);
        EXPECT_EQ(visit.record->shipHold[4], 0u);
        EXPECT_EQ(visit.record->resources[GameState::kGold], 1000u);
    }
}

TEST(StoreScreen, AFullHoldOrPoolBuysNothing) {
    const struct Case {
        const char* what;
        std::function<void(GameState&)> fill;
        bool message;
    } cases[] = {
        {"hold", FillHold, true},
        {"pool", [](GameState& g) { for (uint8_t& e : g.itemPool.exists) e = 1; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StoreVisit visit(kSeed, c.fill);
        StoreScreen& s = visit.s();
        const ItemPool before = visit.record->itemPool;
        visit.Click(StockItem(s, kGoldCube));
        visit.Click(kYes);
        EXPECT_EQ(s.buySelection, 0u);
        EXPECT_EQ(visit.record->resources[GameState::kGold], 1000u);
        EXPECT_EQ(s.stock.exists[kGoldCube], 1);
        EXPECT_EQ(s.noRoomTimer != 0, c.message);
        EXPECT_EQ(std::memcmp(&before, &visit.record->itemPool, sizeof before), 0);
    }
}

// The open tab's own caption makes no hover sound; a coded click sounds on
// release, a click on a stock item does not.
TEST(StoreScreen, HoverAndClickSounds) {
    StoreVisit visit(kSeed);
    for (int tab : {kCube, kSphere, kCube, kSphere}) visit.MoveTo(Tab(tab));
    EXPECT_EQ(visit.snaps, 1);
    visit.Click(Tab(kSphere));
    visit.Click(StockItem(visit.s(), 40));
    EXPECT_EQ(visit.stamps, 1);
}

}  // namespace
}  // namespace store_test
