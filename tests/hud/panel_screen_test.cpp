#include <gtest/gtest.h>

#include "hud/area_backdrop.h"
#include "hud/area_scenery.h"
#include "hud/control_panel.h"
#include "hud/control_panel_layout.h"
#include "platform/clock.h"
#include "platform/sprite_sheet.h"
#include "screen_test_support.h"

namespace {

class PanelScreen : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        Clock::Install(&clock_);
        panel_.LoadArt(&graphics_);
    }

    void TearDown() override {
        panel_.ReleaseArt();
        Clock::Install(nullptr);
        ScreenTest::TearDown();
    }

    // A frame of the first region's Border Area with the panel over it.
    Image DrawFrame() {
        Clear();
        graphics_.BeginScene();
        AreaBackdrop backdrop;
        backdrop.areaNumber = 2;
        backdrop.SetupArea(1);
        backdrop.viewX = 100;
        backdrop.viewY = -900;
        DrawAreaScenery(backdrop, {art_.menuSheet, art_.spaceSheet, art_.dustSheet, art_.cloudsSheet}, 1);
        backdrop.DrawRadarWalls(art_.menuSheet, 400, 300, 0, 0, 0, 0);
        panel_.Draw(95, 30, 42, art_.menuSheet, 0, 1, 0, 120, 1, 1, 0, 1, 2);
        graphics_.EndScene();
        return Shot();
    }

    ManualClock clock_{1000};
    ControlPanel panel_;
};

TEST_F(PanelScreen, MessageGiftWindowNoticesAndSkillBar) {
    if (!HasArt()) GTEST_SKIP() << "no stand-in art in the game directory";
    panel_.region = 2;
    panel_.skillBarShown = 1;
    panel_.travelTimer = 1;      // "Going anywhere?"
    panel_.noEnergyTimer = 1;    // "Need More Energy"
    panel_.awardsToChoose = 2;
    panel_.skillsToChoose = 3;
    panel_.questUpdated = 1;
    panel_.repairsNotice = 1;
    panel_.giftQuest = 12;
    panel_.SetQuestGifts(1);
    panel_.questGiftsOpen = 1;
    panel_.HitTest(230, 550);    // over skill cell F3
    EXPECT_EQ(panel_.hoverCode, kCodeFirstSkill + 2);
    EXPECT_TRUE(MatchesReference(DrawFrame(), "panel_gifts_message"));
    EXPECT_EQ(panel_.lowArmorTimer, 1) << "armor 30 of 120 is low";
}

TEST_F(PanelScreen, RepairsReportAndFireModeSelector) {
    if (!HasArt()) GTEST_SKIP() << "no stand-in art in the game directory";
    panel_.repairsOpen = 1;
    panel_.shipRepairCost = 125;
    panel_.noRobotsDamaged = 0;
    panel_.robotRepairCost = 340;
    FormatNumber(panel_.robotRepairCostText, 340);
    panel_.noMaterialTimer = 1;
    FormatNumber(panel_.noMaterialText, 17);
    panel_.HitTest(100, 548);    // fire-mode cell 2
    EXPECT_EQ(panel_.fireModeHover, 2);
    EXPECT_TRUE(MatchesReference(DrawFrame(), "panel_repairs_fire_modes"));
}

TEST_F(PanelScreen, GiftSkillOutsideTwoToTwelveDrawsNoSkillLine) {
    panel_.questGiftsOpen = 1;
    panel_.giftQuest = 3;
    panel_.SetQuestGifts(1);
    auto withSkill = [&](uint8_t skill) {
        panel_.giftSkill = skill;
        return DrawFrame();
    };
    const Image none = withSkill(0);
    EXPECT_EQ(DifferentPixels(none, withSkill(1)), 0);
    EXPECT_EQ(DifferentPixels(none, withSkill(13)), 0);
    EXPECT_GT(DifferentPixels(none, withSkill(2)), 100);
    EXPECT_GT(DifferentPixels(none, withSkill(12)), 100);
}

}  // namespace
