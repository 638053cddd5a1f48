#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "ship_rig.h"

namespace {

ItemStock Stock(uint8_t itemClass, uint32_t price, uint8_t currency) {
    ItemStock stock;
    stock.itemClass = itemClass;
    stock.stat = 4;
    stock.price = price;
    stock.currency = currency;
    return stock;
}

}  // namespace

// The new game's kit lies in its places; the sphere is reachable only
// through storage 1.
TEST(ItemPool, NewGameKitLiesInItsPlaces) {
    ShipRig rig;
    const ShipLoadout& l = rig.loadout();
    EXPECT_TRUE(PoolConsistent(l));
    EXPECT_EQ(l.weaponPositions[2], 1u);
    EXPECT_EQ(l.enginePosition, 2u);
    EXPECT_EQ(std::vector<uint32_t>(l.hold, l.hold + 5), (std::vector<uint32_t>{3, 4, 5, 6, 0}));
    EXPECT_EQ(l.storages[0][0], 7u);
    EXPECT_EQ(l.pool.FirstFree(), 8u);
}

// A purchase fills the lowest empty hold cell with the lowest free id; a
// sale frees the id for the next purchase and pays a tenth of the price.
TEST(ItemPool, PurchasesReuseTheLowestIdAndSalesPayBack) {
    ShipRig rig;
    ShipLoadout l = rig.loadout();
    uint32_t gold = 0, crystal = 0;
    EXPECT_EQ(l.pool.SellFromHold(l.hold, 0, gold, crystal), 100u);  // the armor cube of 10 sold for crystal
    EXPECT_EQ(crystal, 100u);
    EXPECT_EQ(l.pool.SellFromHold(l.hold, 2, gold, crystal), 70u);
    EXPECT_EQ(l.pool.SellFromHold(l.hold, 2, gold, crystal), 0u);  // nothing left in that cell

    const ItemPool::Purchase first = l.pool.BuyIntoHold(l.hold, Stock(kCube, 45, kGoldCurrency));
    EXPECT_EQ(first.result, ItemPool::BuyResult::kBought);
    EXPECT_EQ(first.id, 3u);
    EXPECT_EQ(first.cell, 0);
    EXPECT_EQ(l.pool.x[2], 623);
    const ItemPool::Purchase second = l.pool.BuyIntoHold(l.hold, Stock(kSphere, 5, kCrystalCurrency));
    EXPECT_EQ(second.id, 5u);
    EXPECT_EQ(second.cell, 2);
    EXPECT_EQ(l.pool.x[4], 743);
    EXPECT_EQ(l.pool.y[4], 303);
    EXPECT_TRUE(PoolConsistent(l));

    EXPECT_EQ(l.pool.SellFromHold(l.hold, 0, gold, crystal), 4u);  // bought for 45 gold
    EXPECT_EQ(gold, 4u);
    EXPECT_EQ(l.pool.SellFromHold(l.hold, 2, gold, crystal), 0u);  // bought for 5
    EXPECT_EQ(crystal, 170u);
}

TEST(ItemPool, AFullHoldOrPoolMakesNothing) {
    ShipRig rig;
    ShipLoadout l = rig.loadout();
    int bought = 0;
    while (l.pool.BuyIntoHold(l.hold, Stock(kCannon, 10, kGoldCurrency)).result == ItemPool::BuyResult::kBought) ++bought;
    EXPECT_EQ(bought, 11);
    EXPECT_EQ(l.pool.BuyIntoHold(l.hold, Stock(kCannon, 10, kGoldCurrency)).result, ItemPool::BuyResult::kHoldFull);
    EXPECT_EQ(l.pool.FirstFree(), 19u);

    uint32_t gold = 0, crystal = 0;
    l.pool.SellFromHold(l.hold, 14, gold, crystal);
    for (int k = 0; k < ItemPool::kItemCount; ++k) l.pool.exists[k] = 1;  // as if the storages were full
    const ItemPool::Purchase full = l.pool.BuyIntoHold(l.hold, Stock(kCannon, 10, kGoldCurrency));
    EXPECT_EQ(full.result, ItemPool::BuyResult::kPoolFull);
    EXPECT_EQ(l.hold[14], 0u);
}

// No two places overlap on screen, every position is there once, and the
// kit's stored corners are those of the places it lies in.
TEST(ShipPlaces, PlacesAreDisjointAndComplete) {
    std::vector<PlaceRect> rects;
    int counts[7] = {};
    for (int p = 0; p < kShipPositionCount; ++p) {
        const ShipPosition& position = ShipPositions()[p];
        rects.push_back(position.rect);
        ++counts[static_cast<int>(position.kind)];
        EXPECT_EQ(RectOf(position.kind, position.number).cornerX, position.rect.cornerX);
    }
    EXPECT_EQ(counts[static_cast<int>(PlaceKind::kArmor)], 38);
    EXPECT_EQ(counts[static_cast<int>(PlaceKind::kShield)], 6);
    EXPECT_EQ(counts[static_cast<int>(PlaceKind::kEngine)], 1);
    EXPECT_EQ(counts[static_cast<int>(PlaceKind::kWeapon)], 5);
    for (int c = 0; c < kHoldCells; ++c) rects.push_back(HoldCellRect(c));
    for (int c = 0; c < kStorageCellCount; ++c) rects.push_back(StorageCellRect(c));
    for (size_t a = 0; a < rects.size(); ++a) {
        for (size_t b = a + 1; b < rects.size(); ++b) {
            const PlaceRect &p = rects[a], &q = rects[b];
            const bool overlap = p.x < q.x + q.w && q.x < p.x + p.w && p.y < q.y + q.h && q.y < p.y + p.h;
            EXPECT_FALSE(overlap) << "places " << a << " and " << b;
        }
    }
}

// The checker run after the fitting tests finds each kind of broken rule.
TEST(ShipLoadoutRules, EachBrokenRuleIsFound) {
    struct Case {
        const char* what;
        void (*breakIt)(ShipLoadout&);
        ItemId held;
    };
    const Case cases[] = {
        {"an id in two places", [](ShipLoadout& l) { l.hold[9] = 3; }, 0},
        {"a free id in a place", [](ShipLoadout& l) { l.hold[9] = 40; }, 0},
        {"an item lying nowhere", [](ShipLoadout& l) { l.hold[0] = 0; }, 0},
        {"the held item also in a place", [](ShipLoadout&) {}, 4},
        {"the held item keeps a storage number",
         [](ShipLoadout& l) {
             l.hold[0] = 0;
             l.pool.storageNumber[2] = 1;
         },
         3},
        {"a storage number outside a storage", [](ShipLoadout& l) { l.pool.storageNumber[3] = 2; }, 0},
        {"a corner of another place", [](ShipLoadout& l) { l.pool.x[5] += 60; }, 0},
        {"a cube on a weapon position",
         [](ShipLoadout& l) {
             std::swap(l.weaponPositions[2], l.hold[0]);
             l.pool.Place(3, 383, 66, 0);
             l.pool.Place(1, 623, 303, 0);
         },
         0},
        {"a wrong installed count", [](ShipLoadout& l) { l.itemsInstalled = 3; }, 0},
    };
    ShipRig rig;
    ASSERT_EQ(rig.loadout().FindFault(), "");
    for (const Case& c : cases) {
        ShipLoadout broken = rig.loadout();
        c.breakIt(broken);
        EXPECT_NE(broken.FindFault(c.held), "") << c.what;
    }
}

// The lowest free id comes first, id 1 and id 1000 included; a full pool
// has none.
TEST(ItemPool, TheFirstFreeIdIsTheLowestOne) {
    const struct Case {
        const char* what;
        bool full;                  // every id taken before the frees
        std::vector<ItemId> taken;  // else these
        std::vector<ItemId> freed;
        ItemId first;
    } cases[] = {
        {"an empty pool", false, {}, {}, 1},
        {"a sale of item 1", false, {1, 2, 3, 4}, {1}, 1},
        {"a gap", false, {1, 2, 3, 4}, {3}, 3},
        {"two gaps", false, {1, 2, 3, 4, 5}, {4, 2}, 2},
        {"only the last", true, {}, {ItemPool::kItemCount}, ItemPool::kItemCount},
        {"none", true, {}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto pool = std::make_unique<ItemPool>();
        for (uint8_t& e : pool->exists) e = c.full ? 1 : 0;
        for (ItemId id : c.taken) pool->exists[id - 1] = 1;
        for (ItemId id : c.freed) pool->Free(id);
        EXPECT_EQ(pool->FirstFree(), c.first);
        ItemStock stock;
        stock.stat = 9;
        EXPECT_EQ(pool->Create(stock, 0, 0), c.first);
        if (c.first) {
            EXPECT_EQ(pool->stat[c.first - 1], 9u);
        }
    }
}
