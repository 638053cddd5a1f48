#include <gtest/gtest.h>

#include "platform/random_range.h"
#include "ship/store_screen.h"

namespace {

constexpr uint8_t kG = kGoldCurrency, kC = kCrystalCurrency;

struct Golden {
    int slot;
    uint32_t stat, defence, protection, price;
    uint8_t currency;
};

// Seed 100, the engine's first seed: worked out apart from the code, from the
// generator (state x 214013 + 2531011, bits 16-30) and the order of draws
// (each row's stats, then its defences, then its protections).
constexpr Golden kSeed100[] = {
    {0, 6, 0, 0, 60, kG}, {1, 7, 0, 0, 70, kG}, {2, 6, 0, 0, 60, kG}, {3, 5, 0, 0, 50, kC},
    {4, 5, 0, 0, 50, kC}, {5, 5, 0, 0, 50, kC}, {6, 9, 1, 0, 1050, kG}, {7, 3, 6, 0, 700, kG},
    {8, 10, 5, 0, 1350, kC}, {9, 10, 4, 0, 1300, kC}, {12, 10, 9, 10, 2550, kG}, {13, 7, 2, 12, 2100, kC},
    {16, 7, 1, 16, 2450, kG}, {17, 2, 1, 18, 2150, kC}, {20, 17, 2, 9, 2800, kG}, {21, 10, 2, 13, 2500, kC},
    {25, 16, 4, 19, 9500, kG}, {26, 29, 8, 3, 6200, kC}, {40, 6, 0, 0, 60, kG}, {41, 5, 0, 0, 50, kG},
    {42, 7, 0, 0, 70, kG}, {43, 1, 0, 0, 10, kC}, {44, 5, 0, 0, 50, kC}, {45, 2, 0, 0, 20, kC},
    {46, 10, 4, 0, 1300, kG}, {47, 6, 10, 0, 1200, kG}, {48, 5, 3, 0, 750, kC}, {49, 6, 2, 0, 800, kC},
    {50, 14, 5, 6, 2350, kG}, {51, 8, 1, 19, 2850, kC}, {52, 14, 3, 16, 3250, kG}, {53, 18, 2, 1, 2100, kC},
    {54, 18, 10, 8, 3200, kG}, {55, 2, 4, 14, 1900, kC}, {56, 21, 2, 15, 8700, kG}, {57, 13, 5, 16, 8350, kC},
    {70, 3, 0, 0, 60, kG}, {71, 7, 0, 0, 140, kG}, {72, 2, 0, 0, 40, kC}, {73, 5, 0, 0, 100, kC},
    {74, 14, 0, 0, 2400, kG}, {75, 10, 0, 0, 2000, kC}, {76, 27, 0, 0, 4700, kG}, {77, 24, 0, 0, 4400, kC},
    {78, 37, 0, 0, 7700, kG}, {79, 31, 0, 0, 7100, kC}, {80, 42, 0, 0, 14200, kG}, {81, 48, 0, 0, 14800, kC},
    {90, 3, 0, 0, 3000, kG}, {91, 4, 0, 0, 4000, kC}, {92, 6, 0, 0, 6000, kG}, {93, 7, 0, 0, 7000, kC},
    {94, 8, 0, 0, 8000, kG}, {95, 9, 0, 0, 9000, kC}, {96, 15, 0, 0, 15000, kG}, {97, 12, 0, 0, 12000, kC},
};

TEST(StoreStock, SeedHundredGivesTheWorkedOutStockEveryTime) {
    RandomRange random;
    for (int visit = 0; visit < 2; ++visit) {
        SCOPED_TRACE(visit);
        StoreStock stock;
        stock.Generate(100, random);
        int onSale = 0;
        for (int s = 0; s < StoreStock::kSlots; ++s) onSale += stock.exists[s];
        EXPECT_EQ(onSale, 56);
        for (const Golden& g : kSeed100) {
            SCOPED_TRACE(g.slot);
            ASSERT_EQ(stock.exists[g.slot], 1);
            EXPECT_EQ(stock.stat[g.slot], g.stat);
            EXPECT_EQ(stock.defence[g.slot], g.defence);
            EXPECT_EQ(stock.protection[g.slot], g.protection);
            EXPECT_EQ(stock.price[g.slot], g.price);
            EXPECT_EQ(stock.currency[g.slot], g.currency);
            EXPECT_EQ(stock.icon[g.slot], stock.subtype[g.slot]);
        }
        // Other draws in between do not matter: the generator is seeded afresh.
        random.SetRange(0, 1000);
        random.Next();
    }
}

// Seed 500, the counter's last value, worked out the same way: slot, armor or
// other primary stat, defence, protection, price.
constexpr uint32_t kSeed500[][5] = {
    {0, 2, 0, 0, 20}, {1, 1, 0, 0, 10}, {2, 1, 0, 0, 10}, {3, 8, 0, 0, 80}, {4, 7, 0, 0, 70}, {5, 3, 0, 0, 30},
    {6, 6, 5, 0, 950}, {7, 1, 7, 0, 550}, {8, 10, 5, 0, 1350}, {9, 3, 9, 0, 850}, {12, 7, 10, 13, 2600},
    {13, 7, 10, 4, 1700}, {16, 17, 8, 2, 2400}, {17, 5, 10, 10, 2100}, {20, 8, 1, 19, 2850}, {21, 16, 6, 7, 2700},
    {25, 21, 10, 11, 7900}, {26, 10, 2, 11, 6400}, {40, 5, 0, 0, 50}, {41, 8, 0, 0, 80}, {42, 5, 0, 0, 50},
    {43, 1, 0, 0, 10}, {44, 7, 0, 0, 70}, {45, 10, 0, 0, 100}, {46, 5, 2, 0, 700}, {47, 3, 8, 0, 800},
    {48, 3, 2, 0, 500}, {49, 8, 9, 0, 1350}, {50, 4, 6, 9, 1700}, {51, 5, 1, 17, 2350}, {52, 7, 4, 18, 2800},
    {53, 5, 5, 4, 1250}, {54, 6, 1, 1, 850}, {55, 2, 8, 17, 2400}, {56, 28, 6, 1, 5400}, {57, 14, 1, 1, 3750},
    {70, 2, 0, 0, 40}, {71, 6, 0, 0, 120}, {72, 4, 0, 0, 80}, {73, 5, 0, 0, 100}, {74, 17, 0, 0, 2700},
    {75, 19, 0, 0, 2900}, {76, 21, 0, 0, 4100}, {77, 27, 0, 0, 4700}, {78, 30, 0, 0, 7000}, {79, 35, 0, 0, 7500},
    {80, 48, 0, 0, 14800}, {81, 44, 0, 0, 14400}, {90, 1, 0, 0, 1000}, {91, 4, 0, 0, 4000}, {92, 6, 0, 0, 6000},
    {93, 5, 0, 0, 5000}, {94, 10, 0, 0, 10000}, {95, 10, 0, 0, 10000}, {96, 15, 0, 0, 15000}, {97, 13, 0, 0, 13000}
};

TEST(StoreStock, SeedFiveHundredGivesItsWorkedOutStock) {
    RandomRange random;
    StoreStock stock;
    stock.Generate(500, random);
    for (const auto& g : kSeed500) {
        const int s = static_cast<int>(g[0]);
        SCOPED_TRACE(s);
        ASSERT_EQ(stock.exists[s], 1);
        EXPECT_EQ(stock.stat[s], g[1]);
        EXPECT_EQ(stock.defence[s], g[2]);
        EXPECT_EQ(stock.protection[s], g[3]);
        EXPECT_EQ(stock.price[s], g[4]);
    }
}

// Every seed the engine's counter can hold keeps each row's prices in the
// ranges its values allow.
TEST(StoreStock, PricesStayInTheirRowsRangesForEverySeed) {
    struct Row {
        int first, count;
        uint32_t low, high;
    } rows[] = {
        {0, 6, 10, 100},      {40, 6, 10, 100},      {6, 4, 250, 1600},     {46, 4, 250, 1600},
        {12, 2, 350, 4600},   {16, 2, 350, 4600},    {20, 2, 350, 4600},    {50, 6, 350, 4600},
        {25, 2, 3350, 11500}, {56, 2, 3350, 11500},  {70, 4, 40, 180},      {74, 2, 2000, 2900},
        {76, 2, 4000, 4900},  {78, 2, 7000, 7900},   {80, 2, 14000, 14900}, {90, 2, 1000, 4000},
        {92, 2, 5000, 7000},  {94, 2, 8000, 10000},  {96, 2, 11000, 16000},
    };
    RandomRange random;
    StoreStock stock;
    for (uint32_t seed = 0; seed <= 500; ++seed) {
        stock.Generate(seed, random);
        for (const Row& row : rows) {
            for (int s = row.first; s < row.first + row.count; ++s) {
                ASSERT_GE(stock.price[s], row.low) << "seed " << seed << " slot " << s;
                ASSERT_LE(stock.price[s], row.high) << "seed " << seed << " slot " << s;
                if (stock.itemClass[s] >= kCannon) {
                    ASSERT_EQ(stock.defence[s] + stock.protection[s], 0u) << s;
                }
            }
        }
    }
}

// Without the restock flag the screen's stock is empty, also after a visit
// that had one.
TEST(StoreStock, NoRestockNoStock) {
    StoreScreen screen;
    screen.seed = 250;
    screen.restock = 1;
    screen.GenerateStock();
    int onSale = 0;
    for (int s = 0; s < StoreStock::kSlots; ++s) onSale += screen.stock.exists[s];
    ASSERT_GT(onSale, 0) << "the visit with the flag has a stock";
    screen.restock = 0;
    screen.GenerateStock();
    for (int s = 0; s < StoreStock::kSlots; ++s) {
        const StoreStock& k = screen.stock;
        ASSERT_EQ(k.exists[s] + k.price[s] + k.defence[s] + k.protection[s], 0u) << s;
    }
}

}  // namespace
