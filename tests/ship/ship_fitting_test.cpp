// Fitting the ship by drag and drop, driven by the mouse as the scene does.
#include <gtest/gtest.h>

#include "ship_rig.h"

namespace {

class Fitting : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(PoolConsistent(rig.loadout(), rig.s().heldItem)); }

    void ClickAt(Point p, int button = 0) { rig.Click(p.x, p.y, button); }
    void OpenStorage() { rig.Click(50, 580); }

    ShipRig rig;
};

const Point kArmorPlace1 = Position(PlaceKind::kArmor, 1);
const Point kShieldPlace5 = Position(PlaceKind::kShield, 5);
const Point kEnginePlace = Position(PlaceKind::kEngine, 1);

}  // namespace

TEST_F(Fitting, ACubeGoesFromTheHoldOntoTheHullAndFollowsTheMouse) {
    ClickAt(HoldCell(0));
    EXPECT_EQ(rig.s().heldItem, 3u);
    EXPECT_EQ(rig.loadout().hold[0], 0u);
    EXPECT_EQ(rig.s().pickSound, 1);
    // The item keeps the offset from the pointer it had at the grab point.
    rig.MoveTo(rig.x - 100, rig.y + 40);
    rig.MoveTo(rig.x - 20, rig.y);
    EXPECT_EQ(rig.loadout().pool.x[2], rig.x - 7);
    EXPECT_EQ(rig.loadout().pool.y[2], rig.y - 7);
    EXPECT_TRUE(PoolConsistent(rig.loadout(), 3));

    ClickAt(kArmorPlace1);
    EXPECT_EQ(rig.s().heldItem, 0u);
    EXPECT_EQ(rig.loadout().armorPositions[0], 3u);
    EXPECT_EQ(rig.loadout().itemsInstalled, 3);
    EXPECT_EQ(rig.s().installSound, 1);
    EXPECT_EQ(rig.s().stats.armor, 20u);
    EXPECT_STREQ(rig.s().itemsNowText, "3");
}

// A drop into an empty place ends the drag: the next press picks up again.
TEST_F(Fitting, AnItemDroppedIntoAnEmptyCellStaysThere) {
    ClickAt(HoldCell(1));
    ClickAt(HoldCell(10));
    EXPECT_EQ(rig.s().heldItem, 0u);
    EXPECT_EQ(rig.loadout().hold[10], 4u);
    EXPECT_EQ(rig.s().dropSound, 1);
    ClickAt(HoldCell(10));
    EXPECT_EQ(rig.s().heldItem, 4u);
}

// A sphere on an armor position is refused for its class even at the limit;
// on a shield position at the limit it is refused for the limit.
TEST_F(Fitting, TheClassMessageComesBeforeTheLimit) {
    ClickAt(HoldCell(0));
    ClickAt(kArmorPlace1);  // 3 of 3 installed
    OpenStorage();
    ClickAt(StorageCell(0));
    ASSERT_EQ(rig.s().heldItem, 7u);
    struct Case {
        Point at;
        ShipScreen::Timer shown;
    };
    for (const Case& c : {Case{Position(PlaceKind::kArmor, 2), ShipScreen::kArmorHereTimer},
                          Case{kShieldPlace5, ShipScreen::kLimitTimer},
                          Case{Position(PlaceKind::kWeapon, 1), ShipScreen::kWeaponHereTimer},
                          Case{kEnginePlace, ShipScreen::kEngineHereTimer}}) {
        rig.Wait(2000);
        ClickAt(c.at);
        for (int t = ShipScreen::kArmorHereTimer; t <= ShipScreen::kLimitTimer; ++t) {
            EXPECT_EQ(rig.s().timers[t] != 0, t == c.shown) << "timer " << t;
        }
        EXPECT_EQ(rig.s().heldItem, 7u);
    }
    rig.Wait(1000);
    EXPECT_EQ(rig.s().timers[ShipScreen::kEngineHereTimer], 0);  // gone after 0.8 s
    ClickAt(StorageCell(5));
}

// Below the limit a cube on a shield position is refused for its class alone.
TEST_F(Fitting, ACubeOnAShieldPositionIsRefusedForItsClass) {
    ClickAt(HoldCell(0));
    ASSERT_EQ(rig.s().heldItem, 3u);
    ClickAt(kShieldPlace5);
    for (int t = ShipScreen::kArmorHereTimer; t <= ShipScreen::kLimitTimer; ++t) {
        EXPECT_EQ(rig.s().timers[t] != 0, t == ShipScreen::kShieldsHereTimer) << "timer " << t;
    }
    EXPECT_EQ(rig.s().heldItem, 3u);
    EXPECT_EQ(rig.loadout().shieldPositions[4], 0u);
    ClickAt(HoldCell(0));
}

// At the limit even an exchange is refused; after an upgrade it goes
// through and the count stays.
TEST_F(Fitting, TheLimitRefusesEvenASwapUntilAnUpgrade) {
    ClickAt(HoldCell(0));
    ClickAt(kArmorPlace1);
    ClickAt(HoldCell(1));
    ClickAt(kArmorPlace1);
    EXPECT_NE(rig.s().timers[ShipScreen::kLimitTimer], 0);
    EXPECT_EQ(rig.loadout().armorPositions[0], 3u);
    EXPECT_EQ(rig.s().heldItem, 4u);
    ClickAt(HoldCell(1));

    rig.Click(110, 360);  // the upgrade arrow
    rig.Click(400, 450);  // the upgrade panel's Exit
    ASSERT_EQ(rig.loadout().itemsMax, 6);
    ClickAt(HoldCell(1));
    ClickAt(kArmorPlace1);
    EXPECT_EQ(rig.loadout().armorPositions[0], 4u);
    EXPECT_EQ(rig.s().heldItem, 3u);
    EXPECT_EQ(rig.loadout().itemsInstalled, 3);
    ClickAt(HoldCell(1));
}

TEST_F(Fitting, TheEngineCountsOutAndBackAtOnce) {
    ClickAt(kEnginePlace);
    EXPECT_EQ(rig.loadout().itemsInstalled, 1);
    EXPECT_EQ(rig.s().speed, 0u);
    ClickAt(kEnginePlace);
    EXPECT_EQ(rig.loadout().itemsInstalled, 2);
    EXPECT_EQ(rig.s().speed, 3u);
}

// Right-holding a storage cell inspects that cell's item, not the hold's.
TEST_F(Fitting, InspectShowsTheItemUnderTheRightButton) {
    OpenStorage();
    rig.MoveTo(StorageCell(0).x, StorageCell(0).y);
    rig.Press(1);
    rig.Frame();
    EXPECT_EQ(rig.s().inspectItem, 7u);
    rig.MoveTo(HoldCell(0).x, HoldCell(0).y);
    EXPECT_EQ(rig.s().inspectItem, 3u);
    rig.Release(1);
    EXPECT_EQ(rig.s().inspectItem, 0u);
    EXPECT_EQ(rig.s().heldItem, 0u);
}

// Away from the base only the hold changes.
TEST(FittingAway, OnlyTheHoldChangesAwayFromTheBase) {
    ShipRig rig(2);
    const Point cannon = Position(PlaceKind::kWeapon, 3);
    rig.Click(cannon.x, cannon.y);
    EXPECT_EQ(rig.s().heldItem, 0u);
    EXPECT_EQ(rig.s().awayMessage, ShipScreen::kAwayChangeShip);
    EXPECT_NE(rig.s().timers[ShipScreen::kAwayTimer], 0);
    rig.Click(cannon.x, cannon.y, 1);
    EXPECT_EQ(rig.s().awayMessage, ShipScreen::kAwayInspect);

    rig.Click(HoldCell(0).x, HoldCell(0).y);
    EXPECT_EQ(rig.s().timers[ShipScreen::kAwayTimer], 0);
    rig.Click(HoldCell(1).x, HoldCell(1).y);  // exchange in the hold
    EXPECT_EQ(rig.s().heldItem, 4u);
    EXPECT_EQ(rig.s().dropSound, 1);
    rig.Click(HoldCell(0).x, HoldCell(0).y);
    EXPECT_EQ(rig.loadout().hold[0], 4u);
    EXPECT_EQ(rig.loadout().hold[1], 3u);
    EXPECT_EQ(rig.loadout().itemsInstalled, 2);
    rig.Click(50, 580);  // storage cannot be opened away from the base
    EXPECT_EQ(rig.s().storageOpen, 0);
    EXPECT_EQ(rig.s().awayMessage, ShipScreen::kAwayOpenStorage);
    EXPECT_TRUE(PoolConsistent(rig.loadout()));
}
