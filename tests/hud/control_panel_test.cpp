#include <gtest/gtest.h>

#include "hud/control_panel.h"
#include "hud/control_panel_layout.h"
#include "platform/clock.h"

namespace {

class ControlPanelTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::Install(&clock); }
    void TearDown() override { Clock::Install(nullptr); }

    // One 100 ms step: the first call notes the time, the second (after more
    // than 100 ms) runs the step.
    void Step(int times = 1) {
        for (int i = 0; i < times; ++i) {
            panel.Tick(&energy, &energyMax, &shields, &shieldsMax, rechargeLevel, rechargeOn);
            clock.Advance(101);
            panel.Tick(&energy, &energyMax, &shields, &shieldsMax, rechargeLevel, rechargeOn);
        }
    }
    uint8_t StateOf(uint8_t code) const { return panel.buttonState[ControlPanel::ButtonIndex(code)]; }

    ManualClock clock{5000};
    ControlPanel panel;
    int32_t energy = 50, energyMax = 50, shields = 100, shieldsMax = 100;
    uint32_t rechargeLevel = 0, rechargeOn = 0;
};

TEST_F(ControlPanelTest, TickStepsOnlyAfterMoreThanAHundredMilliseconds) {
    shields = 95;
    rechargeOn = 1;
    rechargeLevel = 10;
    panel.Tick(&energy, &energyMax, &shields, &shieldsMax, rechargeLevel, rechargeOn);
    clock.Advance(100);
    panel.Tick(&energy, &energyMax, &shields, &shieldsMax, rechargeLevel, rechargeOn);
    EXPECT_EQ(shields, 95) << "exactly 100 ms is not yet a step";
    clock.Advance(1);
    panel.Tick(&energy, &energyMax, &shields, &shieldsMax, rechargeLevel, rechargeOn);
    EXPECT_EQ(shields, 96);
    EXPECT_EQ(panel.tickState, 1);
}

TEST_F(ControlPanelTest, ShieldRechargeWithAndWithoutTheEffect) {
    // 95 of 100 with the effect on at level 10: 20 twentieths, one point a step.
    shields = 95;
    rechargeOn = 1;
    rechargeLevel = 10;
    Step();
    EXPECT_EQ(shields, 96);
    EXPECT_EQ(panel.shieldAccumulator, 0u);
    Step(2);
    EXPECT_EQ(shields, 98);

    // Without the effect a point comes every second step; the level is ignored.
    rechargeOn = 0;
    Step();
    EXPECT_EQ(shields, 98);
    EXPECT_EQ(panel.shieldAccumulator, 10u);
    Step();
    EXPECT_EQ(shields, 99);
    EXPECT_EQ(panel.shieldAccumulator, 0u);
}

TEST_F(ControlPanelTest, ShieldsAreCappedAfterTheStepsGainAndFullShieldsStayIdle) {
    shields = 99;
    rechargeOn = 1;
    rechargeLevel = 100;  // 110 twentieths: five points and 10 over
    Step();
    EXPECT_EQ(shields, 100);
    EXPECT_EQ(panel.shieldAccumulator, 10u);
    Step(3);
    EXPECT_EQ(shields, 100);
    EXPECT_EQ(panel.shieldAccumulator, 10u) << "nothing accumulates at full shields";

    // A recharge level large enough to overflow a 32-bit sum still caps cleanly.
    shields = 1;
    shieldsMax = 2147483647;
    rechargeLevel = 4000000000u;
    Step();
    EXPECT_GT(shields, 1);
    EXPECT_LE(shields, shieldsMax);
}

TEST_F(ControlPanelTest, EnergyGainsOnePointEveryFourthStepAndNeverPassesItsMaximum) {
    energy = 48;
    energyMax = 50;
    Step(3);
    EXPECT_EQ(energy, 48);
    EXPECT_EQ(panel.energyTicks, 3);
    Step();
    EXPECT_EQ(energy, 49);
    EXPECT_EQ(panel.energyTicks, 0);
    Step(4);
    EXPECT_EQ(energy, 50);
    Step(20);
    EXPECT_EQ(energy, 50);
    EXPECT_EQ(panel.energyTicks, 0);
}

TEST_F(ControlPanelTest, TimersRunToTheirLimitsAndLowArmorHolds) {
    panel.noEnergyTimer = 1;
    panel.robotLimitTimer = 1;
    panel.lowArmorTimer = 1;
    Step(6);
    EXPECT_EQ(panel.noEnergyTimer, 7);
    EXPECT_EQ(panel.lowArmorTimer, 7);
    Step();
    EXPECT_EQ(panel.noEnergyTimer, 0) << "a message of limit 7 shows for 7 steps";
    EXPECT_EQ(panel.robotLimitTimer, 8);
    Step(10);
    EXPECT_EQ(panel.lowArmorTimer, 7);
    EXPECT_EQ(panel.areaTitleTimer, 0) << "the title banner of construction has run out after 15 steps";
    EXPECT_EQ(panel.cycle7, 17u % 7u);
    Step(20);
    EXPECT_EQ(panel.robotLimitTimer, 0);
    EXPECT_EQ(panel.noSkillTimer, 0) << "a timer at zero stays at zero";
}

TEST_F(ControlPanelTest, OverlappingNoticesLaterCodeWins) {
    panel.questGifts = 1;
    panel.questFailed = 3;
    // (610, 425) lies in both "Gifts" (600, 420) and "Info" (600, 410).
    panel.HitTest(610, 425);
    EXPECT_EQ(panel.hoverCode, kCodeQuestInfo);
    panel.HitTest(610, 445);
    EXPECT_EQ(panel.hoverCode, kCodeFinishedQuest);
    panel.questFailed = 0;
    panel.HitTest(610, 425);
    EXPECT_EQ(panel.hoverCode, kCodeFinishedQuest);
    panel.questGifts = 0;
    panel.HitTest(610, 425);
    EXPECT_EQ(panel.hoverCode, 0) << "hidden notices are not hit";
}

TEST_F(ControlPanelTest, RepairsNoticeAndTravelRowAreReportedTogether) {
    panel.repairsNotice = 1;
    panel.HitTest(510, 45);
    EXPECT_EQ(panel.hoverCode, kCodeShowRepairs);
    EXPECT_EQ(panel.menuRowHover, 2);
    EXPECT_EQ(panel.pointerOverPanel, 0) << "above y 500 the pointer is never on the bar";
    panel.HitTest(559, 239);
    EXPECT_EQ(panel.menuRowHover, 9);
    panel.HitTest(560, 100);
    EXPECT_EQ(panel.menuRowHover, 0) << "rows end at x 559";
}

TEST_F(ControlPanelTest, SkillCellsOnlyWhileTheBarIsShownAndFireModeCells) {
    panel.HitTest(150, 535);
    EXPECT_EQ(panel.hoverCode, 0);
    panel.skillBarShown = 1;
    panel.HitTest(150, 535);
    EXPECT_EQ(panel.hoverCode, kCodeFirstSkill);
    panel.HitTest(663, 567);
    EXPECT_EQ(panel.hoverCode, kCodeFirstSkill + 11);
    EXPECT_EQ(panel.hoverSoundCode, kCodeFirstSkill + 11);

    panel.HitTest(115, 545);
    EXPECT_EQ(panel.fireModeHover, 3);
    EXPECT_EQ(panel.hoverCode, 0);
    EXPECT_EQ(panel.pointerOverPanel, 1);
    EXPECT_EQ(panel.hoverSoundCode, 203);
}

TEST_F(ControlPanelTest, ScreenButtonsHighlightAndTheBarCountsBelow567) {
    panel.HitTest(150, 570);
    EXPECT_EQ(panel.hoverCode, 1);
    EXPECT_EQ(StateOf(1), 1);
    panel.HitTest(600, 590);
    EXPECT_EQ(panel.hoverCode, 8);
    EXPECT_EQ(StateOf(1), 0) << "highlights are cleared every frame";
    EXPECT_EQ(StateOf(8), 1);
    panel.HitTest(140, 590);  // between the base buttons and the screen buttons
    EXPECT_EQ(panel.hoverCode, 0);
    EXPECT_EQ(panel.pointerOverPanel, 1);
    panel.HitTest(10, 525);
    EXPECT_EQ(panel.hoverCode, kCodeAutoFire);
    EXPECT_EQ(panel.pointerOverPanel, 1);
    panel.HitTest(10, 510);
    EXPECT_EQ(panel.pointerOverPanel, 0);
}

TEST_F(ControlPanelTest, ClickActsOnlyOnAFreshPress) {
    uint8_t fireMode = 1;
    panel.HitTest(10, 525);
    EXPECT_EQ(panel.Press(0, 0, &fireMode), 0u);
    EXPECT_EQ(panel.autoFire, 0);
    EXPECT_EQ(panel.clickedCode, 0);

    EXPECT_EQ(panel.Press(0, 1, &fireMode), 1u);
    EXPECT_EQ(panel.autoFire, 1);
    EXPECT_EQ(panel.rightPressed, 1);
    EXPECT_EQ(panel.leftPressed, 0);
    EXPECT_EQ(panel.clickedCode, kCodeAutoFire);
    EXPECT_EQ(panel.lastClickedCode, kCodeAutoFire);
    EXPECT_EQ(StateOf(kCodeAutoFire), 2);
}

TEST_F(ControlPanelTest, AutoFireTogglesOnlyWhileAllowed) {
    uint8_t fireMode = 1;
    panel.HitTest(10, 525);
    panel.Press(1, 0, &fireMode);
    EXPECT_EQ(panel.autoFire, 1);
    panel.Press(1, 0, &fireMode);
    EXPECT_EQ(panel.autoFire, 0);
    panel.autoFireAllowed = 0;
    panel.Press(1, 0, &fireMode);
    EXPECT_EQ(panel.autoFire, 0);
    EXPECT_EQ(panel.clickedCode, kCodeAutoFire) << "the press is still reported";
}

TEST_F(ControlPanelTest, FireModeCellSetsTheEnginesMode) {
    uint8_t fireMode = 1;
    panel.HitTest(95, 550);
    panel.Press(1, 0, &fireMode);
    EXPECT_EQ(fireMode, 2);
    EXPECT_EQ(panel.fireModeClicked, 2);
    EXPECT_EQ(panel.clickedCode, 0);
}

TEST_F(ControlPanelTest, GiftsAndFailedWindowsOpenAndCloseTogether) {
    uint8_t fireMode = 1;
    panel.questGifts = 1;
    panel.HitTest(610, 445);
    panel.Press(1, 0, &fireMode);
    EXPECT_EQ(panel.questGifts, 0);
    EXPECT_EQ(panel.questGiftsOpen, 1);

    panel.questFailed = 5;
    panel.HitTest(610, 415);
    panel.Press(1, 0, &fireMode);
    EXPECT_EQ(panel.questFailedOpen, 1);

    panel.HitTest(360, 370);
    EXPECT_EQ(panel.hoverCode, kCodeGiftsExit);
    panel.Press(1, 0, &fireMode);
    EXPECT_EQ(panel.questGiftsOpen, 0);
    EXPECT_EQ(panel.questFailedOpen, 0);
    panel.HitTest(360, 370);
    EXPECT_EQ(panel.hoverCode, 0) << "Exit is gone with its window";
}

TEST_F(ControlPanelTest, RepairsReportOpensAndCloses) {
    uint8_t fireMode = 1;
    panel.repairsNotice = 1;
    panel.HitTest(570, 70);
    panel.Press(1, 0, &fireMode);
    EXPECT_EQ(panel.repairsOpen, 1);
    EXPECT_EQ(panel.repairsNotice, 0);
    panel.HitTest(400, 340);
    EXPECT_EQ(panel.hoverCode, kCodeRepairsExit);
    panel.Press(1, 0, &fireMode);
    EXPECT_EQ(panel.repairsOpen, 0);
}

TEST_F(ControlPanelTest, QuestGiftsOfBothSets) {
    panel.giftQuest = 12;
    panel.SetQuestGifts(1);
    EXPECT_EQ(panel.giftSkill, 4);
    EXPECT_EQ(panel.giftExperience, 2000u);
    for (uint32_t amount : panel.giftResources) EXPECT_EQ(amount, 200u);
    EXPECT_STREQ(panel.giftQuestText, "12");
    EXPECT_STREQ(panel.giftTexts[0], "200");
    EXPECT_STREQ(panel.giftTexts[6], "2000");

    panel.SetQuestGifts(2);
    EXPECT_EQ(panel.giftSkill, 12);
    EXPECT_EQ(panel.giftExperience, 3000u);
    EXPECT_STREQ(panel.giftTexts[6], "3000");

    panel.giftQuest = 1;
    panel.SetQuestGifts(1);
    EXPECT_EQ(panel.giftSkill, 2);
    EXPECT_EQ(panel.giftResources[5], 100u);
    EXPECT_EQ(panel.giftExperience, 300u);
}

TEST_F(ControlPanelTest, QuestGiftsForQuestZeroOrOutsideTheTablesChangeNothingButTexts) {
    panel.giftSkill = 9;
    panel.giftExperience = 77;
    panel.SetQuestGifts(1);
    EXPECT_EQ(panel.giftSkill, 9);
    EXPECT_EQ(panel.giftExperience, 77u);
    EXPECT_STREQ(panel.giftTexts[6], "") << "quest 0 writes no texts either";
    EXPECT_STREQ(panel.giftQuestText, "");

    // A scene that raised the amounts rewrites the texts from the fields.
    panel.giftQuest = 13;
    panel.SetQuestGifts(1);
    EXPECT_EQ(panel.giftSkill, 9);
    EXPECT_STREQ(panel.giftQuestText, "13");
    EXPECT_STREQ(panel.giftTexts[6], "77");
    panel.giftQuest = 3;
    panel.SetQuestGifts(3);
    EXPECT_EQ(panel.giftSkill, 9);
}

}  // namespace

namespace {

// Draw without art still keeps the low-armor warning and the region's label colour.
TEST(ControlPanelDraw, ArmorAtExactlyAThirdIsLow) {
    ControlPanel panel;
    auto draw = [&](int32_t armor, int32_t armorMax) {
        panel.Draw(10, armor, 10, nullptr, 0, 0, 0, armorMax, 0, 0, 0, 0, 1);
    };
    draw(41, 122);  // 122 / 3 is 40
    EXPECT_EQ(panel.lowArmorTimer, 0);
    draw(40, 122);
    EXPECT_EQ(panel.lowArmorTimer, 1);
    panel.lowArmorTimer = 5;
    draw(40, 122);
    EXPECT_EQ(panel.lowArmorTimer, 5) << "a running warning is not restarted";
    draw(41, 122);
    EXPECT_EQ(panel.lowArmorTimer, 0);
    EXPECT_EQ(panel.textRed, 30);
    panel.region = 3;
    draw(41, 122);
    EXPECT_EQ(panel.textBlue, 0xE6);
    EXPECT_STREQ(panel.armorText, "41");
}

}  // namespace
