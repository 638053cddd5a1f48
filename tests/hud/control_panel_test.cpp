#include <gtest/gtest.h>

#include "hud/control_panel.h"
#include "hud/control_panel_layout.h"
#include "platform/clock.h"
#include "platform/input_device.h"

namespace {

class ControlPanelTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::Install(&clock); }
    void TearDown() override { Clock::Install(nullptr); }

    // One 100 ms step: the first call notes the time, the second (after more
    // than 100 ms) runs the step.
    void Step(int times = 1) {
        for (int i = 0; i < times; ++i) {
            Tick();
            clock.Advance(101);
            Tick();
        }
    }
    void Tick() { panel.Tick(&energy, &energyMax, &shields, &shieldsMax, rechargeLevel, rechargeOn); }

    ManualClock clock{5000};
    ControlPanel panel;
    int32_t energy = 50, energyMax = 50, shields = 100, shieldsMax = 100;
    uint32_t rechargeLevel = 0, rechargeOn = 0;
};

TEST_F(ControlPanelTest, ShieldsRechargeByTwentiethsAndEnergyEveryFourthStep) {
    shields = 95;
    rechargeOn = 1;
    rechargeLevel = 10;  // 20 twentieths: one point a step
    Tick();
    clock.Advance(100);
    Tick();
    EXPECT_EQ(shields, 95) << "exactly 100 ms is not yet a step";
    clock.Advance(1);
    Tick();
    EXPECT_EQ(shields, 96);
    Step(2);
    EXPECT_EQ(shields, 98);
    rechargeOn = 0;  // without the effect a point every second step, the level ignored
    Step();
    EXPECT_EQ(shields, 98);
    Step();
    EXPECT_EQ(shields, 99);
    rechargeOn = 1;
    rechargeLevel = 100;  // 110 twentieths: capped, 10 kept over
    Step(3);
    EXPECT_EQ(shields, 100);
    EXPECT_EQ(panel.shieldAccumulator, 10u) << "nothing accumulates at full shields";
    shields = 1;
    shieldsMax = 2147483647;
    rechargeLevel = 4000000000u;  // a sum past 32 bits still caps cleanly
    Step();
    EXPECT_GT(shields, 1);

    energy = 48;
    Step(3);
    EXPECT_EQ(energy, 48);
    Step();
    EXPECT_EQ(energy, 49);
    Step(24);
    EXPECT_EQ(energy, 50) << "never past its maximum";
}

TEST_F(ControlPanelTest, TimersRunToTheirLimitsAndLowArmorHolds) {
    panel.noEnergyTimer = 1;
    panel.robotLimitTimer = 1;
    panel.lowArmorTimer = 1;
    Step(7);
    EXPECT_EQ(panel.noEnergyTimer, 0) << "a message of limit 7 shows for 7 steps";
    EXPECT_EQ(panel.robotLimitTimer, 8);
    Step(10);
    EXPECT_EQ(panel.lowArmorTimer, 7) << "the low-armor warning holds at 7";
    EXPECT_EQ(panel.areaTitleTimer, 0) << "the title banner of construction ran out after 15 steps";
    Step(20);
    EXPECT_EQ(panel.robotLimitTimer, 0);
}

// What the pointer is over: later codes win, hidden notices and windows are
// not hit, highlights last one frame, and the bar counts only below y 500.
TEST_F(ControlPanelTest, HitTestFindsWhatLiesUnderThePointer) {
    panel.questGifts = 1;
    panel.questFailed = 3;
    panel.repairsNotice = 1;
    const struct {
        int32_t x, y;
        uint8_t code, row, overPanel;
    } cases[] = {
        {610, 425, kCodeQuestInfo, 0, 0},  // in both notices: the later code
        {610, 445, kCodeFinishedQuest, 0, 0},
        {510, 45, kCodeShowRepairs, 2, 0},  // a notice and a travel row at once
        {559, 239, 0, 9, 0},
        {560, 100, 0, 0, 0},
        {150, 570, 1, 0, 1},
        {140, 590, 0, 0, 1},  // between buttons, still on the bar
        {10, 525, kCodeAutoFire, 0, 1},
        {10, 510, 0, 0, 0},
        {150, 535, 0, 0, 0},  // a skill cell while the bar is hidden
    };
    for (const auto& c : cases) {
        panel.HitTest(c.x, c.y);
        EXPECT_EQ(panel.hoverCode, c.code) << c.x << "," << c.y;
        EXPECT_EQ(panel.menuRowHover, c.row) << c.x << "," << c.y;
        EXPECT_EQ(panel.pointerOverPanel, c.overPanel) << c.x << "," << c.y;
    }
    EXPECT_EQ(panel.buttonState[ControlPanel::ButtonIndex(1)], 0) << "highlights are cleared every frame";
    panel.skillBarShown = 1;
    panel.HitTest(663, 567);
    EXPECT_EQ(panel.hoverSoundCode, kCodeFirstSkill + 11);
    panel.HitTest(115, 545);
    EXPECT_EQ(panel.hoverSoundCode, 203) << "fire-mode cell 3";
}

// The panel's own effects act on the press; screen codes are handed over.
TEST_F(ControlPanelTest, PressesActOnWhatIsHovered) {
    uint8_t fireMode = 1;
    auto press = [&](int32_t x, int32_t y) {
        panel.HitTest(x, y);
        return panel.Press(1, 0, &fireMode);
    };
    panel.HitTest(10, 525);
    EXPECT_EQ(panel.Press(0, 0, &fireMode), 0u);
    EXPECT_EQ(panel.Press(0, 1, &fireMode), 1u);
    EXPECT_EQ(panel.autoFire, 1);
    EXPECT_EQ(panel.rightPressed, 1);
    EXPECT_EQ(panel.buttonState[ControlPanel::ButtonIndex(kCodeAutoFire)], 2);
    panel.autoFireAllowed = 0;
    press(10, 525);
    EXPECT_EQ(panel.autoFire, 1) << "auto fire toggles only while allowed";
    press(95, 550);
    EXPECT_EQ(fireMode, 2);
    EXPECT_EQ(panel.clickedCode, 0);

    panel.questGifts = 1;
    press(610, 445);
    EXPECT_EQ(panel.questGiftsOpen, 1);
    panel.questFailed = 5;
    press(610, 415);
    EXPECT_EQ(panel.questFailedOpen, 1);
    press(360, 370);
    EXPECT_EQ(panel.questGiftsOpen + panel.questFailedOpen, 0) << "one Exit closes both";
    panel.repairsNotice = 1;
    press(570, 70);
    EXPECT_EQ(panel.repairsOpen, 1);
    EXPECT_EQ(panel.repairsNotice, 0);
    press(400, 340);
    EXPECT_EQ(panel.repairsOpen, 0);
    EXPECT_FALSE(ControlPanel::OpensScreen(panel.clickedCode));
}

// A held button is no new press: it never clicks again until both are up.
TEST_F(ControlPanelTest, AHeldButtonPressesOnce) {
    InputDevice mouse;
    mouse.type = InputDevice::kMouse;
    uint8_t fireMode = 1;
    uint8_t& left = mouse.state[InputDevice::kMouseButtonOffset];
    left = 0x80;
    panel.HitTest(150, 580);
    EXPECT_EQ(panel.Click(150, 580, &mouse, &fireMode), 1u);
    panel.HitTest(600, 590);
    EXPECT_EQ(panel.Click(600, 590, &mouse, &fireMode), 0u);
    EXPECT_EQ(panel.TakeScreenClick(&mouse), 1) << "Your Ship, left while held";
    panel.HitTest(150, 580);
    EXPECT_EQ(panel.Click(150, 580, &mouse, &fireMode), 0u);
    EXPECT_EQ(panel.TakeScreenClick(&mouse), 0);
    left = 0;
    EXPECT_EQ(panel.TakeScreenClick(&mouse), 0);
    left = 0x80;
    EXPECT_EQ(panel.Click(150, 580, &mouse, &fireMode), 1u) << "a new press after the release";
}

TEST_F(ControlPanelTest, QuestGiftsOfBothSetsAndQuestsOutsideTheTables) {
    panel.giftQuest = 12;
    panel.SetQuestGifts(1);
    EXPECT_EQ(panel.giftSkill, 4);
    EXPECT_EQ(panel.giftExperience, 2000u);
    EXPECT_STREQ(panel.giftQuestText, "12");
    EXPECT_STREQ(panel.giftTexts[0], "200");
    panel.SetQuestGifts(2);
    EXPECT_EQ(panel.giftSkill, 12);
    EXPECT_STREQ(panel.giftTexts[6], "3000");

    panel.giftExperience = 77;
    for (uint32_t quest : {13u, 0u}) {
        panel.giftQuest = quest;
        panel.SetQuestGifts(1);
        EXPECT_EQ(panel.giftSkill, 12) << "quest " << quest << " changes no gift";
    }
    panel.giftQuest = 13;
    panel.SetQuestGifts(1);
    EXPECT_STREQ(panel.giftTexts[6], "77") << "the texts are written from the fields";
}

// Draw without art still keeps the low-armor warning and the region's label colour.
TEST(ControlPanelDraw, ArmorAtExactlyAThirdIsLow) {
    ControlPanel panel;
    auto draw = [&](int32_t armor) { panel.Draw(10, armor, 10, nullptr, 0, 0, 0, 122, 0, 0, 0, 0, 1); };
    draw(41);  // 122 / 3 is 40
    EXPECT_EQ(panel.lowArmorTimer, 0);
    draw(40);
    EXPECT_EQ(panel.lowArmorTimer, 1);
    panel.lowArmorTimer = 5;
    draw(40);
    EXPECT_EQ(panel.lowArmorTimer, 5) << "a running warning is not restarted";
    EXPECT_EQ(panel.textRed, 30);
    panel.region = 3;
    draw(41);
    EXPECT_EQ(panel.lowArmorTimer, 0);
    EXPECT_EQ(panel.textBlue, 0xE6);
}

}  // namespace
