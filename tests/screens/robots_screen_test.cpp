#include <gtest/gtest.h>

#include "screen_test_support.h"
#include "screens/robots_screen.h"

namespace {

// The Robots scene's side of a frame.
class RobotsTest : public ClockedTest {
protected:
    // A robot as the host copies it in; its list row is its slot.
    void Add(int slot, uint32_t rank, uint32_t quality, uint8_t operational = 1) {
        screen.exists[slot] = screen.listed[slot] = 1;
        screen.operational[slot] = operational;
        screen.row[slot] = static_cast<uint8_t>(slot);
        screen.kind[slot] = rank;
        screen.quality[slot] = quality;
        screen.shields[slot] = 5;
        screen.maxShields[slot] = 8;
        screen.armor[slot] = 20;
        screen.maxArmor[slot] = 30;
        screen.protection[slot] = 1;
        screen.attack[slot] = 6;
        screen.defence[slot] = 10;
    }
    void Open(uint32_t material, uint32_t maxQuality = 10, uint32_t discount = 0, uint32_t location = 1) {
        screen.material = material;
        screen.maxQuality = maxQuality;
        screen.upgradeDiscount = discount;
        screen.location = location;
        screen.LayoutRows();
        screen.countsDirty = screen.pageDirty = 1;
        screen.FormatNumbers();
    }
    void Frame(int x, int y) {
        mouse.Poll();
        screen.HitTest(x, y);
        screen.OnClick(x, y, mouse.Device());
        if (MouseButtonsUp(mouse.Device())) {
            screen.Rearm();
            if (screen.makeRobotsRequest) leftForMakeRobots = true;
        }
        if (screen.clickCode && MouseButtonsReleased(mouse.Device())) {
            screen.ScrollByCode(screen.clickCode);
            if (screen.clickCode == RobotsScreen::kCodeYes) screen.yesRequest = 1;
            if (screen.clickCode == RobotsScreen::kCodeNo) screen.confirmAll = 0;
            screen.clickCode = 0;
        }
        if (screen.yesRequest) screen.UpgradeAll();
        if (screen.recomputeRequest) {
            screen.recomputeRequest = 0;
            screen.ComputeUpgradeCosts();
        }
        screen.Animate();
    }
    void Click(int x, int y, int button = kLeft) { ClickThrough(mouse, button, [&] { Frame(x, y); }); }
    // The upgrade arrow of a row of the page.
    void ClickArrow(int pageRow, int button = kLeft) { Click(720, 115 + 50 * pageRow, button); }
    void UpgradeAllConfirmed() {
        Click(600, 20);
        Click(330, 350);
    }

    TestMouse mouse;
    RobotsScreen screen;
    bool leftForMakeRobots = false;
};

TEST_F(RobotsTest, OneStepCostsRankFactorTimesQualityAndAddsTheRanksGain) {
    struct Case {
        uint32_t rank, quality, discount;
        uint32_t cost, gain;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 1},   {0, 5, 0, 50, 1},     {1, 2, 0, 40, 2},   {2, 3, 0, 120, 4},
        {2, 3, 50, 70, 4}, {2, 3, 200, 0, 4},    {3, 4, 0, 280, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "rank " << c.rank << " quality " << c.quality << " discount " << c.discount);
        screen.~RobotsScreen();
        new (&screen) RobotsScreen();
        Add(0, c.rank, c.quality);
        Open(1000, 10, c.discount);
        ClickArrow(0);
        EXPECT_EQ(screen.material, 1000 - c.cost);
        EXPECT_EQ(screen.quality[0], c.quality + 1);
        const uint32_t stats[7] = {screen.shields[0],    screen.maxShields[0], screen.armor[0],  screen.maxArmor[0],
                                   screen.protection[0], screen.attack[0],     screen.defence[0]};
        const uint32_t before[7] = {5, 8, 20, 30, 1, 6, 10};
        for (int i = 0; i < 7; ++i) EXPECT_EQ(stats[i], before[i] + c.gain) << "stat " << i;
    }
}

TEST_F(RobotsTest, QualityStopsAtTheMaximumAndWithinAByte) {
    Add(0, 0, 2);
    Add(1, 1, 255);
    Open(10000, 3);
    ClickArrow(0);
    EXPECT_EQ(screen.quality[0], 3u);
    EXPECT_EQ(screen.upgradable[0], 0) << "its arrow is gone";
    ClickArrow(0);
    EXPECT_EQ(screen.quality[0], 3u);
    EXPECT_EQ(screen.reachedMax, 1);

    screen.~RobotsScreen();
    new (&screen) RobotsScreen();
    Add(0, 1, 255);
    Open(100000, 300);
    ClickArrow(0);
    EXPECT_EQ(screen.quality[0], 255u);
    EXPECT_EQ(screen.reachedMax, 1);
    UpgradeAllConfirmed();
    EXPECT_EQ(screen.quality[0], 255u);
    EXPECT_EQ(screen.allAtMax, 1);
    EXPECT_EQ(screen.material, 100000u);
}

TEST_F(RobotsTest, UpgradeAllTakesEveryOperationalRobotBelowTheMaximum) {
    Add(0, 0, 1);
    Add(1, 1, 2, /*operational=*/0);
    Add(2, 2, 3);
    Add(3, 3, 5);  // at the maximum
    Open(130, 5);  // 10 + 120
    Frame(600, 20);
    EXPECT_STREQ(screen.totalText, "130");
    UpgradeAllConfirmed();
    EXPECT_EQ(screen.material, 0u);
    EXPECT_EQ(screen.upgradedAll, 1);
    const uint32_t quality[4] = {2, 2, 4, 5};
    for (int slot = 0; slot < 4; ++slot) EXPECT_EQ(screen.quality[slot], quality[slot]) << slot;
    EXPECT_EQ(screen.attack[2], 10u);
    EXPECT_EQ(screen.attack[1], 6u) << "broken robots are never upgraded";

    Open(20);
    UpgradeAllConfirmed();
    EXPECT_EQ(screen.shortMaterialAll, 1) << "the next step costs 20 + 160";
    EXPECT_EQ(screen.quality[0], 2u);
    EXPECT_EQ(screen.material, 20u);
}

TEST_F(RobotsTest, TheMaterialCheckComesBeforeTheBaseCheck) {
    Add(0, 2, 3);
    Open(100, 10, 0, /*location=*/2);
    ClickArrow(0);
    EXPECT_EQ(screen.shortMaterial, 1);
    EXPECT_EQ(screen.neededMaterial, 120u);
    EXPECT_EQ(screen.notAtBase, 0);
    Open(1000, 10, 0, 2);
    ClickArrow(0);
    EXPECT_EQ(screen.notAtBase, 1);
    EXPECT_EQ(screen.quality[0], 3u);
    Click(600, 20);
    EXPECT_EQ(screen.confirmAll, 0) << "nor upgrade all away from base";
}

TEST_F(RobotsTest, PagesHoldNineRows) {
    Add(8, 0, 1);
    Add(9, 0, 1);
    Open(1000);
    ClickArrow(8);
    Click(145, 565);  // one page down
    ClickArrow(0);
    EXPECT_EQ(screen.quality[8], 2u);
    EXPECT_EQ(screen.quality[9], 2u);
    Click(25, 565);  // ten pages up, from page 1
    EXPECT_EQ(screen.page, 0);
    for (int press = 0; press < 11; ++press) Click(50, 565);
    EXPECT_EQ(screen.page, 99);
    EXPECT_STREQ(screen.pageText, "99");
}

TEST_F(RobotsTest, RightClicksShowHelpWhileHeldAndUpgradeNothing) {
    Add(0, 0, 3);
    Open(1000);
    Frame(720, 115);
    mouse.Press(kRight);
    for (int frame = 0; frame < 3; ++frame) {
        Frame(720, 115);
        EXPECT_EQ(screen.helpPeek[RobotsScreen::kStatsHelp], 1) << frame;
    }
    mouse.Release(kRight);
    Frame(720, 115);
    EXPECT_EQ(screen.helpPeek[RobotsScreen::kStatsHelp], 0);
    EXPECT_EQ(screen.quality[0], 3u);
    EXPECT_EQ(screen.material, 1000u);
}

TEST_F(RobotsTest, MakeRobotsLeavesOnlyOnceTheButtonsAreUp) {
    Open(0);
    Frame(650, 570);
    mouse.Press(kLeft);
    Frame(650, 570);
    Frame(300, 300);
    EXPECT_FALSE(leftForMakeRobots);
    mouse.Release(kLeft);
    Frame(300, 300);
    EXPECT_TRUE(leftForMakeRobots);
}

}  // namespace
