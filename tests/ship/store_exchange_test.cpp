#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <utility>
#include <vector>

#include "ship/exchange_rules.h"
#include "store_visit.h"

namespace store_test {
namespace {

using Amounts = std::array<uint32_t, kExchangeResources>;
using Steps = std::vector<std::pair<int, int>>;  // row, column

Amounts StepThrough(int mode, const Amounts& have, const Steps& steps) {
    uint32_t resources[kExchangeResources], amounts[kExchangeResources] = {};
    std::copy(have.begin(), have.end(), resources);
    for (auto [row, column] : steps) ApplyExchangeStep(mode, 5 * (row - 1) + column, resources, amounts);
    Amounts out;
    std::copy(std::begin(amounts), std::end(amounts), out.begin());
    return out;
}

// Resource order: gold, crystal, favors, ship, building, robot material.
TEST(ExchangeRules, StepsOfferTenForOne) {
    const struct Case {
        const char* what;
        int mode;
        Amounts have;
        Steps steps;
        Amounts expected;
    } cases[] = {
        {"all of 1000 crystal, then nothing more", kBuyGold, {0, 1000}, {{1, 1}, {1, 1}}, {100, 1000}},
        {"a short step offers the odd 5 for nothing", kBuyGold, {0, 1005}, {{1, 1}, {1, 1}}, {100, 1005}},
        {"a big take-back", kBuyGold, {0, 1005}, {{1, 1}, {1, 1}, {1, 4}}, {0, 5}},
        {"a small take-back returns the whole offer", kBuyGold, {0, 1005}, {{1, 1}, {1, 1}, {1, 4}, {1, 4}}, {}},
        {"selling 1005 gold", kSellGold, {1005}, {{1, 1}, {1, 1}}, {1005, 100}},
        {"selling keeps the odd units offered", kSellGold, {1005}, {{1, 1}, {1, 1}, {1, 4}, {1, 4}, {1, 5}}, {5, 0}},
        {"column 3 with 9 left", kBuyCrystal, {9}, {{1, 3}}, {}},
        {"column 3 with 10 left", kBuyCrystal, {10}, {{1, 3}, {1, 3}}, {10, 1}},
        {"column 2 in hundreds", kSellCrystal, {0, 250}, {{2, 2}, {2, 2}, {2, 2}, {2, 5}}, {0, 150, 15}},
        {"favors pay for ship material", kBuyShipMaterial, {0, 0, 340}, {{3, 2}, {3, 2}, {3, 3}}, {0, 0, 210, 21}},
        {"robot material pays with building", kBuyRobotMaterial, {0, 0, 0, 0, 1200}, {{5, 1}, {5, 2}},
         {0, 0, 0, 0, 1100, 110}},
        {"building material sold for robot", kSellBuildingMaterial, {0, 0, 0, 0, 150}, {{5, 2}, {5, 3}, {5, 3}},
         {0, 0, 0, 0, 120, 12}},
        {"several rows pay for one purchase", kBuyFavors, {100, 50, 0, 30}, {{1, 2}, {2, 3}, {3, 3}, {2, 5}},
         {100, 0, 11, 10}},
        // Taking back part of one row's odd offer drops its tenth rounded
        // down, and leaves the other row's share of the purchase.
        {"odd offers over two rows, one taken back", kBuyGold, {0, 1015, 25}, {{1, 1}, {1, 1}, {2, 2}, {1, 5}, {1, 4}},
         {2, 0, 25}},
        {"then the other row too", kBuyGold, {0, 1015, 25}, {{1, 1}, {1, 1}, {2, 2}, {1, 5}, {1, 4}, {2, 5}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(StepThrough(c.mode, c.have, c.steps), c.expected);
    }
}

// Thousands of random step sequences in every mode: a trade built from the
// resources as they are always goes through, leaves every resource at or
// above zero and gives at most a tenth of what it takes. Built on resources
// that have shrunk since, it is refused and changes nothing.
TEST(ExchangeRules, RandomTradesNeverOverdrawAndStaleOnesAreRefused) {
    std::mt19937 rng(24);
    int trades = 0, staleRefused = 0;
    for (int trial = 0; trial < 5000; ++trial) {
        uint32_t resources[kExchangeResources], amounts[kExchangeResources] = {};
        for (uint32_t& r : resources) r = rng() % (trial % 2 ? 3000 : 30);
        const int mode = static_cast<int>(rng() % kExchangeModes);
        const int steps = static_cast<int>(rng() % 40);
        for (int i = 0; i < steps; ++i) {
            ApplyExchangeStep(mode, static_cast<int>(rng() % kExchangeSteps) + 1, resources, amounts);
        }
        uint32_t after[kExchangeResources];
        std::copy(std::begin(resources), std::end(resources), after);
        ASSERT_TRUE(ApplyExchangeTrade(mode, after, amounts)) << "trial " << trial;
        int64_t given = 0, got = 0;
        for (int r = 0; r < kExchangeResources; ++r) {
            const int64_t change = static_cast<int64_t>(after[r]) - resources[r];
            const bool offered = IsBuyMode(mode) ? r != OwnResource(mode) : r == OwnResource(mode);
            ASSERT_EQ(change, offered ? -static_cast<int64_t>(amounts[r]) : amounts[r]) << "trial " << trial;
            (change < 0 ? given : got) += change < 0 ? -change : change;
        }
        ASSERT_GE(given, 10 * got) << "trial " << trial;
        trades += got > 0;

        // A purchase between building the offer and confirming it.
        const int offered = IsBuyMode(mode) ? RowResource(mode, 1 + static_cast<int>(rng() % 5)) : OwnResource(mode);
        if (amounts[offered] == 0) continue;
        resources[offered] = amounts[offered] - 1;
        uint32_t stale[kExchangeResources];
        std::copy(std::begin(resources), std::end(resources), stale);
        EXPECT_FALSE(ApplyExchangeTrade(mode, stale, amounts));
        EXPECT_TRUE(std::equal(std::begin(stale), std::end(stale), std::begin(resources)));
        ++staleRefused;
    }
    // Enough of the random sequences build a real trade and a stale one.
    EXPECT_GT(trades, 1000);
    EXPECT_GT(staleRefused, 1000);
}

// Every mode's five rows are the other resources in the order gold,
// crystal, favors, ship material, robot material, building material: the
// row pays (buying) or is paid (selling), and is named so.
TEST(ExchangeRules, EachRowTradesTheResourceItNames) {
    constexpr ExchangeResource G = kExGold, C = kExCrystal, F = kExFavors, S = kExShipMaterial,
                               R = kExRobotMaterial, B = kExBuildingMaterial;
    const struct Case {
        int buyMode;
        ExchangeResource rows[kExchangeRows];
    } cases[] = {
        {kBuyGold, {C, F, S, R, B}},          {kBuyCrystal, {G, F, S, R, B}},
        {kBuyFavors, {G, C, S, R, B}},        {kBuyShipMaterial, {G, C, F, R, B}},
        {kBuyRobotMaterial, {G, C, F, S, B}}, {kBuyBuildingMaterial, {G, C, F, S, R}},
    };
    for (const Case& c : cases) {
        for (int mode : {c.buyMode, c.buyMode + kExchangeModes / 2}) {
            for (int row = 1; row <= kExchangeRows; ++row) {
                SCOPED_TRACE(::testing::Message() << "mode " << mode << " row " << row);
                const ExchangeResource expected = c.rows[row - 1];
                EXPECT_STREQ(ResourceName(RowResource(mode, row)), ResourceName(expected));
                // Ten of the row's resource offered for one, or ten of the
                // mode's own for one of the row's.
                Amounts have;
                have.fill(10);
                const Amounts amounts = StepThrough(mode, have, {{row, 3}});
                Amounts want{};
                const ExchangeResource own = OwnResource(mode);
                want[IsBuyMode(mode) ? expected : own] = 10;
                want[IsBuyMode(mode) ? own : expected] = 1;
                EXPECT_EQ(amounts, want);
            }
        }
    }
}

class StoreExchange : public ::testing::Test {
protected:
    static void SetResources(GameState& g, Amounts values) { std::copy(values.begin(), values.end(), g.resources); }
    static Amounts Resources(const GameState& g) {
        Amounts out;
        std::copy(std::begin(g.resources), std::end(g.resources), out.begin());
        return out;
    }
};

// Sell Gold with 1005 gold: offer all, take back, Yes takes the odd 5 gold
// for nothing; the panel stays open for the next trade.
TEST_F(StoreExchange, YesAppliesTheTradeAndKeepsThePanelOpen) {
    StoreVisit visit(100, [](GameState& g) { SetResources(g, {1005, 7, 80, 200, 900, 300}); });
    StoreScreen& s = visit.s();
    visit.Click(BarButton(5));
    ASSERT_TRUE(s.exchangeOpen);
    for (At step : {StepButton(1, 1), StepButton(1, 1), StepButton(1, 4), StepButton(1, 4)}) visit.Click(step);
    EXPECT_EQ(s.exchangeAmounts[kExGold], 5u);
    visit.Click(kExchangeYes);
    EXPECT_EQ(Resources(*visit.record), (Amounts{1000, 7, 80, 200, 900, 300}));
    EXPECT_TRUE(s.exchangeOpen);
    EXPECT_EQ(s.SetMode(), kSellGold + 1);
    visit.Click(StepButton(2, 3));  // 10 gold for 1 favor
    visit.Click(kExchangeYes);
    EXPECT_EQ(Resources(*visit.record), (Amounts{990, 7, 81, 200, 900, 300}));
    visit.Click(kExchangeYes);  // nothing offered: nothing changes
    EXPECT_EQ(Resources(*visit.record), (Amounts{990, 7, 81, 200, 900, 300}));
    EXPECT_STREQ(s.resourceTexts[kExGold], "990");
}

// A held step button makes one step on release, and none when the pointer
// left it before the release.
TEST_F(StoreExchange, OneClickOneStepOnRelease) {
    StoreVisit visit;
    StoreScreen& s = visit.s();
    visit.Click(BarButton(3));  // Buy Materials
    visit.Click(MaterialChoice(2));
    ASSERT_EQ(s.SetMode(), kBuyBuildingMaterial + 1);
    visit.MoveTo(StepButton(1, 3));
    visit.Press();
    visit.Wait(300);
    visit.Release();
    visit.Press();
    visit.MoveTo(kEmpty);
    visit.Release();
    EXPECT_EQ(s.exchangeAmounts[kExGold], 10u);
    EXPECT_EQ(s.exchangeAmounts[kExBuildingMaterial], 1u);
}

// Exit, No and Esc close the panel and drop the offer with it.
TEST_F(StoreExchange, ClosingThePanelDropsTheOffer) {
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        StoreVisit visit;
        StoreScreen& s = visit.s();
        visit.Click(BarButton(1));  // Buy Crystal
        visit.Click(StepButton(1, 1));
        ASSERT_EQ(s.exchangeAmounts[kExGold], 1000u);
        if (way == 2) visit.Key(kEsc);
        else visit.Click(way == 0 ? kExchangeExit : kExchangeNo);
        EXPECT_FALSE(s.exchangeOpen || s.SetMode() || visit.left);
        visit.Click(BarButton(1));
        EXPECT_EQ(s.exchangeAmounts[kExGold] + s.exchangeAmounts[kExCrystal], 0u);
        EXPECT_STREQ(s.exchangeTexts[kExGold], "0");
        EXPECT_EQ(Resources(*visit.record), (Amounts{1000, 1000, 80, 200, 900, 300}));
    }
}

// Random trades between random purchases: no confirmed trade takes more
// than there is, and none gives more than a tenth of what it takes.
TEST_F(StoreExchange, NoTradeDrivesAResourceBelowZero) {
    std::mt19937 rng(7);
    int trades = 0;
    for (int round = 0; round < 12; ++round) {
        StoreVisit visit(static_cast<uint32_t>(rng() % 501), [&](GameState& g) {
            for (uint32_t& r : g.resources) r = rng() % 3000;
        });
        StoreScreen& s = visit.s();
        for (int action = 0; action < 60; ++action) {
            const uint32_t pick = rng() % 10;
            if (pick == 0) {
                visit.Click(kExchangeExit);
                visit.Click(StockItem(s, static_cast<int>(rng() % 6)));  // an armor cube, if affordable
                visit.Click(kYes);
            } else if (pick == 1) {
                visit.Click(BarButton(static_cast<int>(rng() % 9)));
                if (s.buyMaterialMenu || s.sellMaterialMenu) visit.Click(MaterialChoice(static_cast<int>(rng() % 3)));
                if (s.sellItemsOpen) visit.Click(kStorageExit);
            } else if (pick == 2 && s.exchangeOpen) {
                const Amounts before = Resources(*visit.record);
                const int mode = s.SetMode() - 1;
                visit.Click(kExchangeYes);
                const Amounts after = Resources(*visit.record);
                uint64_t given = 0, got = 0;
                for (int r = 0; r < kExchangeResources; ++r) {
                    ASSERT_LT(after[r], 1u << 31) << "resource " << r << " ran below zero";
                    if (after[r] < before[r]) given += before[r] - after[r];
                    else got += after[r] - before[r];
                    if (IsBuyMode(mode) ? r != OwnResource(mode) : r == OwnResource(mode)) {
                        ASSERT_LE(after[r], before[r]);
                    }
                }
                ASSERT_GE(given, 10 * got);
                trades += got > 0;
            } else {
                visit.Click(StepButton(static_cast<int>(rng() % 5) + 1, static_cast<int>(rng() % 5) + 1));
            }
        }
    }
    EXPECT_GT(trades, 0) << "some confirmed trades moved resources";
}

}  // namespace
}  // namespace store_test
