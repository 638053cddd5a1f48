// The Your Ship screen's buttons: hover precedence, help panels, storage
// paging and the checks on leaving.
#include <gtest/gtest.h>

#include "ship_rig.h"

namespace {

enum class Setup { kClosed, kStorage, kHelp, kUpgradePanel, kDialog };

// Brings the screen into a state through the mouse.
void Enter(ShipRig& rig, Setup setup) {
    switch (setup) {
        case Setup::kClosed: break;
        case Setup::kStorage: rig.Click(50, 580); break;
        case Setup::kHelp: rig.Click(50, 100); break;
        case Setup::kUpgradePanel: rig.Click(110, 360); break;
        case Setup::kDialog: {
            const Point cannon = Position(PlaceKind::kWeapon, 3);
            rig.Click(cannon.x, cannon.y);
            rig.Click(HoldCell(8).x, HoldCell(8).y);
            rig.s().CheckLeave();
            break;
        }
    }
}

// A press held for a while.
void Hold(ShipRig& rig, int32_t x, int32_t y) {
    rig.MoveTo(x, y);
    rig.Press();
    rig.Wait(200);
    rig.Release();
}

struct HoverCase {
    Setup setup;
    int32_t x, y;
    uint8_t code;
};

constexpr HoverCase kHoverCases[] = {
    {Setup::kClosed, 50, 580, 1},        {Setup::kClosed, 300, 20, 21},       {Setup::kClosed, 50, 300, 25},
    {Setup::kClosed, 50, 380, 26},       {Setup::kClosed, 110, 360, 50},      {Setup::kClosed, 700, 100, 40},
    {Setup::kClosed, 700, 180, 30},      {Setup::kClosed, 700, 210, 2},       {Setup::kClosed, 700, 270, 4},
    {Setup::kClosed, 190, 580, 1},       {Setup::kClosed, 400, 300, 0},       {Setup::kStorage, 50, 380, 0},
    {Setup::kStorage, 110, 360, 0},      {Setup::kStorage, 700, 180, 0},      {Setup::kStorage, 190, 580, 69},
    {Setup::kStorage, 190, 560, 67},     {Setup::kStorage, 190, 350, 68},     {Setup::kStorage, 130, 345, 5},
    {Setup::kHelp, 400, 320, 99},        {Setup::kHelp, 400, 450, 97},        {Setup::kHelp, 50, 100, 23},
    {Setup::kUpgradePanel, 400, 450, 96}, {Setup::kUpgradePanel, 50, 100, 0}, {Setup::kUpgradePanel, 700, 210, 2},
    {Setup::kDialog, 330, 350, 90},      {Setup::kDialog, 440, 350, 91},      {Setup::kDialog, 300, 20, 0},
    {Setup::kDialog, 50, 580, 1},
};

}  // namespace

TEST(ShipScreenHover, TheLastRectangleThatAnswersWins) {
    for (const HoverCase& c : kHoverCases) {
        ShipRig rig;
        Enter(rig, c.setup);
        EXPECT_EQ(rig.HoverAt(c.x, c.y), c.code) << "setup " << int(c.setup) << " at " << c.x << "," << c.y;
    }
}

TEST(ShipScreenHelp, LeftHelpStaysRightHelpShowsWhileHeld) {
    ShipRig rig;
    rig.Click(50, 100);
    EXPECT_EQ(rig.s().leftHelp, 4);
    rig.Click(50, 210);  // another label does not replace it
    EXPECT_EQ(rig.s().leftHelp, 4);
    rig.MoveTo(300, 20);
    rig.Press(1);
    EXPECT_EQ(rig.s().rightHelp, 2);
    rig.Release(1);
    EXPECT_EQ(rig.s().rightHelp, 0);
    rig.Click(400, 320);  // Exit
    EXPECT_EQ(rig.s().leftHelp, 0);

    struct RightPress {
        int32_t x, y;
        uint8_t topic;
    };
    for (const RightPress& r : {RightPress{50, 580, 9}, RightPress{110, 360, 7}, RightPress{700, 270, 11}}) {
        rig.MoveTo(r.x, r.y);
        rig.Press(1);
        EXPECT_EQ(rig.s().rightHelp, r.topic);
        rig.Release(1);
    }
    EXPECT_EQ(rig.s().fireMode, 1);  // the right button does not change the setting
    rig.Click(700, 270);
    EXPECT_EQ(rig.s().fireMode, 3);
    EXPECT_EQ(rig.s().storageOpen, 0);
    EXPECT_EQ(rig.s().upgradePanelOpen, 0);
}

// Page groups of eight: the next group opens only when a storage in it is
// owned, one step per click however long the button is held.
TEST(ShipScreenStorage, PagingFollowsTheStoragesOwned) {
    struct Case {
        uint32_t owned;
        uint8_t groupAfterTwoClicks;
        uint32_t firstPageOfLastGroup;
    };
    for (const Case& c : {Case{8, 1, 1}, Case{9, 2, 9}, Case{30, 3, 17}}) {
        ShipRig rig(1, [&](GameState& r) { r.storageCount = c.owned; });
        rig.Click(50, 580);
        ASSERT_EQ(rig.s().storageOpen, 1);
        Hold(rig, 190, 585);
        rig.Click(190, 585);
        EXPECT_EQ(rig.s().storageGroup, c.groupAfterTwoClicks) << c.owned;
        rig.Click(190, 375);
        EXPECT_EQ(rig.s().currentStorage, c.firstPageOfLastGroup);
        rig.Click(190, 400);  // the next page is not owned, except in the first group
        EXPECT_EQ(rig.s().currentStorage, c.owned == 9 ? 9u : c.firstPageOfLastGroup + 1);
        EXPECT_STREQ(rig.s().storageText, std::to_string(rig.s().currentStorage).c_str());
        Hold(rig, 190, 350);
        EXPECT_EQ(rig.s().storageGroup, c.groupAfterTwoClicks > 1 ? c.groupAfterTwoClicks - 1 : 1);
        rig.Click(130, 345);
        EXPECT_EQ(rig.s().storageOpen, 0);
    }
}

// A Storage building opens its own storage; items stay in the storage they
// were put in and only the open storage's cells can be reached.
TEST(ShipScreenStorage, ItemsStayInTheirStorage) {
    ShipRig rig(1, [](GameState& r) { r.storageCount = 2; });
    rig.s().OpenStorage(2);
    rig.Click(HoldCell(0).x, HoldCell(0).y);
    rig.Click(StorageCell(0).x, StorageCell(0).y);
    EXPECT_EQ(rig.loadout().storages[1][0], 3u);
    EXPECT_EQ(rig.loadout().pool.storageNumber[2], 2);
    rig.Click(190, 375);  // storage 1 holds the sphere in the same cell
    rig.Click(HoldCell(1).x, HoldCell(1).y);
    rig.Click(StorageCell(0).x, StorageCell(0).y);
    EXPECT_EQ(rig.s().heldItem, 7u);
    EXPECT_EQ(rig.loadout().storages[0][0], 4u);
    EXPECT_TRUE(PoolConsistent(rig.loadout(), 7));
    rig.Click(StorageCell(1).x, StorageCell(1).y);
    EXPECT_TRUE(PoolConsistent(rig.loadout()));
}

// Leaving needs an engine and empty hands; without a weapon the player is asked.
TEST(ShipScreenLeave, LeaveIsRefusedOrQuestioned) {
    ShipRig rig;
    Enter(rig, Setup::kDialog);
    EXPECT_EQ(rig.s().leaveDialog, 1);
    EXPECT_EQ(rig.s().noWeapon, 1);
    EXPECT_EQ(rig.s().leaveRefused, 0);
    rig.Click(440, 350);  // No
    EXPECT_EQ(rig.s().leaveDialog, 0);
    const Point cannon = Position(PlaceKind::kWeapon, 3);
    rig.Click(HoldCell(8).x, HoldCell(8).y);
    rig.Click(cannon.x, cannon.y);

    const Point engine = Position(PlaceKind::kEngine, 1);
    rig.Click(engine.x, engine.y);
    EXPECT_FALSE(rig.s().CheckLeave());
    EXPECT_EQ(rig.s().holding, 1);
    EXPECT_EQ(rig.s().noEngine, 1);
    EXPECT_NE(rig.s().timers[ShipScreen::kLeaveRefusedTimer], 0);
    rig.Click(HoldCell(8).x, HoldCell(8).y);
    EXPECT_FALSE(rig.s().CheckLeave());
    EXPECT_EQ(rig.s().holding, 0);
    EXPECT_EQ(rig.s().noEngine, 1);
    EXPECT_EQ(rig.s().leaveDialog, 0);
    rig.Click(HoldCell(8).x, HoldCell(8).y);
    rig.Click(engine.x, engine.y);
    EXPECT_TRUE(PoolConsistent(rig.loadout()));
    EXPECT_TRUE(rig.s().CheckLeave());

    ShipRig asked;
    Enter(asked, Setup::kDialog);
    asked.MoveTo(330, 350);
    asked.Press();
    EXPECT_EQ(asked.s().leaveConfirmed, 0);  // the answer waits for the release
    asked.Release();
    EXPECT_EQ(asked.s().leaveConfirmed, 1);
}
