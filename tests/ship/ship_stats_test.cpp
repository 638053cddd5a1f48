// The ship's values from hull and items, and the upgrade.
#include <gtest/gtest.h>

#include <vector>

#include "ship_rig.h"

namespace {

std::vector<uint32_t> Attacks(const ShipStats& stats) { return {stats.attack, stats.attack + 5}; }
std::vector<uint32_t> Protections(const ShipStats& stats) { return {stats.protection, stats.protection + 3}; }

void Install(ShipRig& rig, Point from, Point to) {
    rig.Click(from.x, from.y);
    rig.Click(to.x, to.y);
}

}  // namespace

TEST(ShipUpgrade, OneUpgradeAtTheBaseThenShortOfMaterial) {
    ShipRig rig;
    const ShipScreen& s = rig.s();
    EXPECT_EQ(s.canAfford, 1);
    EXPECT_EQ((std::vector<uint32_t>{s.stats.shields, s.stats.armor, s.stats.defence, s.speed}),
              (std::vector<uint32_t>{5, 10, 8, 3}));
    EXPECT_EQ(Attacks(s.stats), (std::vector<uint32_t>{0, 0, 7, 0, 0}));

    rig.Click(110, 360);
    EXPECT_EQ((std::vector<uint32_t>{s.account.material, s.account.upgrades, s.account.cost, s.loadout.itemsMax,
                                     s.stats.shields, s.stats.armor, s.stats.defence}),
              (std::vector<uint32_t>{0, 2, 400, 6, 6, 12, 9}));
    EXPECT_EQ(Protections(s.stats), (std::vector<uint32_t>{1, 1, 1}));
    EXPECT_STREQ(s.upgradesText, "2");
    EXPECT_EQ(s.upgradePanelOpen + s.upgradeSound, 2);
    EXPECT_EQ(s.canAfford, 0);
    rig.Wait(3000);
    EXPECT_EQ(s.flashDirection, 0);  // the flash has risen and faded

    rig.Click(400, 450);
    rig.Click(110, 360);
    EXPECT_NE(s.timers[ShipScreen::kShortMaterialTimer], 0);
    EXPECT_STREQ(s.costText, "400");
    EXPECT_EQ(s.account.upgrades, 2u);
}

TEST(ShipUpgrade, AwayFromTheBaseNothingIsPaid) {
    ShipRig rig(3);
    rig.Click(110, 360);
    EXPECT_EQ(rig.s().awayMessage, ShipScreen::kAwayUpgrade);
    EXPECT_EQ(rig.s().account.material, 200u);
    EXPECT_EQ(rig.s().account.upgrades, 1u);
}

TEST(ShipUpgrade, ADiscountAboveTheCostMakesItFree) {
    ShipRig rig(1, [](GameState& r) {
        r.bonusBlock.shipUpgradeDiscount = 250;
        r.resources[GameState::kShipMaterial] = 0;
    });
    EXPECT_EQ(rig.s().effectiveCost, 0u);
    rig.Click(110, 360);
    EXPECT_EQ(rig.s().account.upgrades, 2u);
    EXPECT_EQ(rig.s().account.material, 0u);
    EXPECT_EQ(rig.s().effectiveCost, 150u);
}

// The limit grows by 3 an upgrade up to 51, one past the 50 positions,
// and stays there instead of wrapping round as a byte.
TEST(ShipUpgrade, TheItemsLimitStopsAtFiftyOne) {
    ShipUpgradeAccount account{1, 200, 0, 1u << 30};
    ShipHull hull;
    uint8_t itemsMax = 3;
    std::vector<int> limits;
    for (int u = 0; u < 90; ++u) {
        ASSERT_TRUE(ApplyShipUpgrade(account, hull, itemsMax));
        limits.push_back(itemsMax);
    }
    EXPECT_EQ(limits[0], 6);
    EXPECT_EQ(limits[14], 48);
    EXPECT_EQ(limits[15], 51);
    EXPECT_EQ(limits[16], 51);
    EXPECT_EQ(limits[89], 51);
    EXPECT_EQ(hull.armor, 180u);
    EXPECT_EQ(account.cost, 200u + 90 * 200);
    uint8_t fromOldSave = 60;  // a limit past the top is kept, not lowered
    ApplyShipUpgrade(account, hull, fromOldSave);
    EXPECT_EQ(fromOldSave, 60);
    uint8_t odd = 49;  // never reached by upgrades; stops at the top too
    ApplyShipUpgrade(account, hull, odd);
    EXPECT_EQ(odd, 51);
}

// The sixteenth upgrade takes the limit from 48 to 51, shown as "All Slots!".
TEST(ShipUpgrade, TheLastUpgradeShowsAllSlots) {
    ShipRig rig(1, [](GameState& r) {
        r.itemsMax = 48;
        r.resources[GameState::kShipMaterial] = 100000;
    });
    EXPECT_STREQ(rig.s().ItemsMaxShown(), "48");
    rig.Click(110, 360);
    EXPECT_EQ(rig.loadout().itemsMax, 51);
    EXPECT_STREQ(rig.s().ItemsMaxShown(), "All Slots!");
    rig.Click(400, 450);
    rig.Click(110, 360);
    EXPECT_EQ(rig.loadout().itemsMax, 51);
    EXPECT_EQ(rig.s().account.upgrades, 3u);
}

// Armor is hull plus items less the damage; the maximum is hull plus items,
// so taking a cube off never leaves the maximum above what the ship has.
TEST(ShipStatsArmor, MissingArmorStaysWhileItemsChange) {
    struct Case {
        uint32_t missing;
        uint32_t fitted, fittedMax, removed, removedMax;
    };
    for (const Case& c : {Case{0, 20, 20, 10, 10}, Case{4, 16, 20, 6, 10}, Case{12, 8, 20, 0, 10}}) {
        ShipRig rig(1, [&](GameState& r) {
            r.shipArmorMax = 30;  // the engine reports armor `missing` below it
            r.shipArmor = 30 - c.missing;
        });
        const Point armor = Position(PlaceKind::kArmor, 7);
        Install(rig, HoldCell(0), armor);
        EXPECT_EQ(rig.s().stats.armor, c.fitted) << c.missing;
        EXPECT_EQ(rig.s().stats.armorMax, c.fittedMax);
        rig.Click(armor.x, armor.y);
        EXPECT_EQ(rig.s().stats.armor, c.removed);
        EXPECT_EQ(rig.s().stats.armorMax, c.removedMax);
        EXPECT_STREQ(rig.s().armorText, std::to_string(c.removed).c_str());
        EXPECT_TRUE(PoolConsistent(rig.loadout(), rig.s().heldItem));
    }
}

// Protection goes to the sum of its type, type 3 to all three; defence comes
// from cubes, spheres and the engine; the skill bonuses only add to the texts.
TEST(ShipStatsItems, ProtectionAndDefenceFollowTheItems) {
    ShipRig rig(1, [](GameState& r) {
        ItemStock exotic{kCube, 5, 5, 3, 0, 5, kAllProtections, 900, kCrystalCurrency};
        ItemStock chemical{kSphere, 3, 3, 2, 4, 6, kChemical, 500, kGoldCurrency};
        r.itemPool.BuyIntoHold(r.shipHold, exotic);
        r.itemPool.BuyIntoHold(r.shipHold, chemical);
        r.itemsMax = 6;
    });
    rig.s().protectionBonus[0] = rig.s().protectionBonus[1] = rig.s().protectionBonus[2] = 2;
    rig.s().extraArmor = 30;
    Install(rig, HoldCell(4), Position(PlaceKind::kArmor, 38));
    Install(rig, HoldCell(5), Position(PlaceKind::kShield, 2));
    Install(rig, HoldCell(3), Position(PlaceKind::kArmor, 20));  // the defence cube
    const ShipStats& stats = rig.s().stats;
    EXPECT_EQ(Protections(stats), (std::vector<uint32_t>{5, 11, 5}));
    EXPECT_EQ(stats.defence, 8u + 4 + 8);
    EXPECT_EQ(stats.shields, 7u);
    EXPECT_EQ(stats.armor, 15u);
    EXPECT_STREQ(rig.s().protectionTexts[1], "13");
    EXPECT_STREQ(rig.s().armorText, "45");
    EXPECT_TRUE(PoolConsistent(rig.loadout()));
}

// Of the fitted items the engine adds its defence like the cubes and
// spheres do, the cannons never; lifting the engine out takes it away.
TEST(ShipStats, TheEnginesDefenceCountsAndACannonsDoesNot) {
    constexpr uint32_t kCannonDefence = 100, kEngineDefence = 1000;
    ShipRig rig(1, [](GameState& r) {
        for (ItemId id : r.weaponPositions) {
            if (id) r.itemPool.defence[id - 1] = kCannonDefence;
        }
        r.itemPool.defence[r.enginePosition - 1] = kEngineDefence;
    });
    const uint32_t hull = rig.record->shipBaseDefence;
    const Point engine = Position(PlaceKind::kEngine, 1);
    EXPECT_EQ(rig.s().stats.defence, hull + kEngineDefence);
    rig.Click(engine.x, engine.y);
    ASSERT_NE(rig.s().heldItem, 0u);
    EXPECT_EQ(rig.s().stats.defence, hull) << "lifted out";
    rig.Click(engine.x, engine.y);
    EXPECT_EQ(rig.s().stats.defence, hull + kEngineDefence) << "fitted again";
}

// The upgrade arrow's flash: from 40 up by 20 a tick until past 150, then
// down by 10 until below 50, where it ends.
TEST(ShipUpgrade, TheFlashPeaksAtOneSixtyAndFadesOut) {
    ShipRig rig;
    const ShipScreen& s = rig.s();
    rig.Click(110, 360);
    ASSERT_EQ(s.account.upgrades, 2u);
    std::vector<int> seen = {s.flashAlpha};
    for (int frame = 0; frame < 600 && s.flashDirection != 0; ++frame) {
        rig.Frame();
        if (s.flashAlpha != seen.back()) seen.push_back(s.flashAlpha);
    }
    const std::vector<int> expected = {40, 60, 80, 100, 120, 140, 160, 150, 140, 130,
                                       120, 110, 100, 90, 80, 70, 60, 50, 0};
    EXPECT_EQ(seen, expected);
}
