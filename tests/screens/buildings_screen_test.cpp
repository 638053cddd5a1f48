#include <gtest/gtest.h>

#include "screen_test_support.h"
#include "screens/buildings_screen.h"

namespace {

// The Buildings scene's side of a frame: hit test, click, re-arm, the
// page arrows on release, the factory upgrade handed to the record.
class BuildingsTest : public ClockedTest {
protected:
    // A new visit: the screen as the host creates it.
    void Restart() {
        screen.~BuildingsScreen();
        new (&screen) BuildingsScreen();
    }
    // A building as the host copies it in: slot, list row, kind, level and cost.
    void Add(int slot, int listRow, uint32_t kind, uint32_t level = 1, uint32_t cost = 300) {
        screen.present[slot] = 1;
        screen.exists[slot] = 1;
        screen.row[slot] = static_cast<uint8_t>(listRow);
        screen.kind[slot] = kind;
        screen.level[slot] = level;
        screen.upgradeCost[slot] = cost;
        ++screen.buildingCount;
    }
    void Open(uint32_t material, uint32_t discount = 0, uint32_t atBase = 1) {
        screen.atBase = atBase;
        screen.material = material;
        screen.buildingUpgradeDiscount = discount;
        screen.Layout();
        screen.countTextDirty = screen.pageTextDirty = 1;
        screen.UpdateTexts();
    }
    void Frame(int x, int y) {
        mouse.Poll();
        screen.HitTest(x, y);
        if (screen.Click(x, y, mouse.Device())) screen.clickedThisFrame = 1;
        if (MouseButtonsUp(mouse.Device())) screen.Rearm();
        if (screen.clickCode && MouseButtonsReleased(mouse.Device())) {
            screen.ScrollByCode(screen.clickCode);
            screen.clickCode = 0;
            screen.clickedThisFrame = 0;
        }
        if (screen.factoryUpgraded) {
            screen.factoryUpgraded = 0;
            ++factoryUpgrades;
        }
        screen.Animate();
    }
    void Click(int x, int y, int button = kLeft) { ClickThrough(mouse, button, [&] { Frame(x, y); }); }
    // The Upgrade button of a row of the page.
    void ClickUpgrade(int pageRow) { Click(200, 85 + 70 * pageRow); }

    TestMouse mouse;
    BuildingsScreen screen;
    int factoryUpgrades = 0;
};

TEST_F(BuildingsTest, UpgradePriceTakesTheDiscountExceptForBuildingResearch) {
    struct Case {
        uint32_t kind, cost, discount, material;
        uint32_t materialAfter;
        bool upgraded;
    };
    const Case cases[] = {
        {kGoldLab, 300, 0, 1000, 700, true},
        {kGoldLab, 300, 120, 1000, 820, true},
        {kGoldLab, 300, 500, 10, 10, true},               // never below 0
        {kBuildingResearch, 300, 120, 1000, 700, true},   // the discount does not apply
        {kGoldLab, 300, 0, 300, 0, true},                 // exactly enough
        {kGoldLab, 300, 0, 299, 299, false},
        {kBuildingResearch, 300, 290, 299, 299, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " cost " << c.cost << " discount " << c.discount);
        Restart();
        Add(0, 0, c.kind, 3, c.cost);
        Open(c.material, c.discount);
        Frame(200, 85);
        ASSERT_EQ(screen.hoverCode, BuildingsScreen::kCodeFirstUpgrade);
        const uint32_t shown = screen.UpgradePrice(0);
        ClickUpgrade(0);
        EXPECT_EQ(screen.material, c.materialAfter);
        EXPECT_EQ(screen.level[0], c.upgraded ? 4u : 3u);
        EXPECT_EQ(screen.upgradeCost[0], c.upgraded ? c.cost + 100 : c.cost);
        EXPECT_EQ(screen.upgradeSound, c.upgraded ? 1 : 0);
        EXPECT_EQ(screen.notEnoughTimer != 0, !c.upgraded);
        if (c.upgraded) {
            EXPECT_EQ(c.material - shown, c.materialAfter) << "the Cost: shown is the price taken";
        }
    }
}

TEST_F(BuildingsTest, EachKindRaisesItsOwnBonus) {
    struct Effect {
        uint32_t kind;
        uint32_t BonusBlock::*field[6];
        uint32_t amount[6];
    };
    using B = BonusBlock;
    const Effect effects[] = {
        {1, {&B::shipRepairDiscount, &B::robotRepairDiscount}, {3, 1}},
        {2, {&B::shipRepairDiscount}, {10}},
        {3, {&B::robotRepairDiscount}, {3}},
        {4, {&B::goldBonus}, {6}},
        {5, {&B::crystalBonus}, {6}},
        {6,
         {&B::goldBonus, &B::crystalBonus, &B::favorsBonus, &B::shipMaterialBonus, &B::robotMaterialBonus,
          &B::buildingMaterialBonus},
         {1, 1, 1, 1, 1, 1}},
        {7, {&B::favorsBonus}, {6}},
        {8, {&B::shipUpgradeDiscount}, {50}},
        {9, {&B::robotUpgradeDiscount}, {50}},
        {10, {&B::buildingMaterialBonus}, {6}},
        {11, {}, {}},
    };
    for (const Effect& effect : effects) {
        SCOPED_TRACE(testing::Message() << "kind " << effect.kind);
        Restart();
        Add(0, 0, effect.kind);
        Open(100000);
        screen.robotMaxQuality = 3;
        BonusBlock expected;
        for (int i = 0; i < 6 && effect.field[i]; ++i) expected.*effect.field[i] += effect.amount[i];
        ClickUpgrade(0);
        for (int word = 0; word < BonusBlock::kWordCount; ++word) {
            EXPECT_EQ(screen.bonuses.Word(word), expected.Word(word)) << "word " << word;
        }
        EXPECT_EQ(screen.robotMaxQuality, effect.kind == kRobotFactory ? 4u : 3u);
    }
    EXPECT_EQ(factoryUpgrades, 1);
}

TEST_F(BuildingsTest, StorageHasNoUpgradeButItsRowStillOpensItsHelp) {
    Add(0, 0, 0);
    Open(100000);
    ClickUpgrade(0);
    EXPECT_EQ(screen.level[0], 1u);
    EXPECT_EQ(screen.material, 100000u);
    EXPECT_EQ(screen.boxOpen[BuildingsScreen::kBoxKind], 1);
    EXPECT_EQ(screen.boxKind, 0);
}

TEST_F(BuildingsTest, HoldingTheButtonUpgradesOncePerPress) {
    Add(0, 0, kGoldLab);
    Open(100000);
    Frame(200, 85);
    mouse.Press(kLeft);
    for (int frame = 0; frame < 6; ++frame) Frame(200, 85);
    EXPECT_EQ(screen.level[0], 2u);
    mouse.Release(kLeft);
    Frame(200, 85);
    ClickUpgrade(0);
    EXPECT_EQ(screen.level[0], 3u);
    EXPECT_EQ(screen.bonuses.goldBonus, 12u);
}

TEST_F(BuildingsTest, AwayFromBaseRefusesWithATimedMessage) {
    Add(0, 0, kGoldLab);
    Open(1000, 0, /*atBase=*/2);
    Frame(200, 85);
    mouse.Press(kLeft);
    Frame(200, 85);
    EXPECT_EQ(screen.notAtBaseTimer, 1);
    EXPECT_EQ(screen.upgradeArmed, 0) << "disarmed until the buttons are released";
    mouse.Release(kLeft);
    int shownTicks = 0;
    for (int tick = 0; tick < 30 && screen.notAtBaseTimer; ++tick) {
        clock_.Advance(101);
        Frame(600, 300);
        Frame(600, 300);
        shownTicks += screen.notAtBaseTimer != 0;
    }
    EXPECT_EQ(shownTicks, 10) << "after its start the message stays up for ticks 2 to 11";
    EXPECT_EQ(screen.level[0], 1u);
    EXPECT_EQ(screen.material, 1000u);
}

TEST_F(BuildingsTest, LevelAndMaximumQualityStayWithinAByte) {
    Add(0, 0, kGoldLab, 255);
    Add(1, 1, kRobotFactory, 4);
    Open(100000);
    screen.robotMaxQuality = 255;
    Frame(200, 85);
    EXPECT_NE(screen.hoverCode, BuildingsScreen::kCodeFirstUpgrade) << "a level 255 building has no Upgrade button";
    ClickUpgrade(0);
    EXPECT_EQ(screen.level[0], 255u);
    EXPECT_EQ(screen.material, 100000u);
    Click(380, 350);  // close the help its row opened
    ClickUpgrade(1);
    EXPECT_EQ(screen.level[1], 5u);
    EXPECT_EQ(screen.robotMaxQuality, 255u);
}

TEST_F(BuildingsTest, ArrowsAndKeysScrollWithinTheHundredPages) {
    struct Step {
        int x;  // the arrow pressed, or 0 for a key step
        int keyStep;
        uint8_t page;
    };
    const Step steps[] = {
        {180, 0, 0},  {215, 0, 1},  {108, 0, 11}, {75, 0, 1},  {75, 0, 0},  {0, -1, 0},
        {0, 1, 1},    {108, 0, 11}, {108, 0, 21}, {108, 0, 31}, {108, 0, 41}, {108, 0, 51},
        {108, 0, 61}, {108, 0, 71}, {108, 0, 81}, {108, 0, 91}, {108, 0, 99}, {215, 0, 99},
        {0, 1, 99},   {75, 0, 89},  {108, 0, 99}, {180, 0, 98},
    };
    Open(0);
    for (const Step& step : steps) {
        if (step.x) {
            Click(step.x, 565);
        } else {
            screen.Scroll(step.keyStep);
        }
        EXPECT_EQ(screen.page, step.page);
        EXPECT_EQ(std::to_string(step.page), screen.pageText);
    }
}

TEST_F(BuildingsTest, APageShowsSevenRowsOfTheList) {
    Add(0, 6, kGoldLab);
    Add(1, 7, kGoldLab);
    Open(100000);
    ClickUpgrade(6);
    Click(215, 565);  // one page down
    ClickUpgrade(0);
    EXPECT_EQ(screen.level[0], 2u);
    EXPECT_EQ(screen.level[1], 2u);
    screen.Scroll(98);
    Frame(200, 85);
    EXPECT_EQ(screen.hoverCode, BuildingsScreen::kCodeList) << "page 99 is empty";
}

TEST_F(BuildingsTest, HelpBoxesOpenOnLeftAndShowOnlyWhileTheRightIsHeld) {
    Add(0, 0, kGoldLab);
    Open(100000);
    Frame(600, 20);
    mouse.Press(kRight);
    Frame(600, 20);
    EXPECT_EQ(screen.boxHeld[BuildingsScreen::kBoxTopBar], 1);
    mouse.Release(kRight);
    Frame(600, 20);
    EXPECT_FALSE(screen.boxHeld[BuildingsScreen::kBoxTopBar] || screen.AnyBoxOpen());
    Click(200, 85, kRight);  // a right click on an Upgrade button only shows its kind's help
    Click(600, 300);         // the list's help opens
    ClickUpgrade(0);
    EXPECT_EQ(screen.level[0], 1u) << "no upgrade by a right click, nor while a box is open";
    Click(380, 310);  // its Exit
    ClickUpgrade(0);
    EXPECT_EQ(screen.level[0], 2u);
}

}  // namespace
