// The second region's portal prompts against the mouse, an entry from a
// record naming no area of the region, and auto fire during an escape.
#include <gtest/gtest.h>

#include "areas/area_session.h"
#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "region_test_support.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
constexpr int kRight = 1;  // the right button chooses too, and does not steer

class InvasionsPromptTest : public SturdyInvasionsTest {
protected:
    // Down on the prompt's row, off it with the button held, up there, and
    // back over the row with the buttons up.
    void PressDragOffReleaseAndComeBack() {
        PointAt(400, 50);
        driver_.PressButton(kRight);
        RunFrames(1);
        PointAt(400, 300);
        driver_.ReleaseButton(kRight);
        RunFrames(1);
        EXPECT_EQ(App().sceneFrame, SceneId::Invasions);
        PointAt(400, 50);
        RunFrames(1);
    }
};

TEST_F(InvasionsPromptTest, AForwardPromptKeepsItsRowWhenThePointerIsDraggedOffAndBack) {
    EnterArea(6, -50, -650);
    ASSERT_TRUE(FlyOntoPortal(1));
    const int32_t areaBefore = Backdrop().areaNumber;
    ASSERT_EQ(areaBefore, 6);
    PressDragOffReleaseAndComeBack();
    EXPECT_EQ(Backdrop().areaNumber, 7) << "Enemy Fleet";
    EXPECT_EQ(Backdrop().viewX, 863);
    EXPECT_EQ(Backdrop().viewY, -1390);
}

TEST_F(InvasionsPromptTest, TheHomePromptFollowsThePointerWhileHeldSoDraggingOffDisarmsIt) {
    EnterArea(3, 180, -650);
    ASSERT_TRUE(FlyOntoPortal(0));
    PressDragOffReleaseAndComeBack();
    RunFrames(2);
    EXPECT_EQ(App().sceneFrame, SceneId::Invasions) << "no travel after a drag off the row";
    EXPECT_EQ(Backdrop().areaNumber, 3);
    PointAt(400, 50);
    driver_.PressButton(kRight);
    RunFrames(1);
    driver_.ReleaseButton(kRight);
    RunFrames(1);
    EXPECT_EQ(App().sceneFrame, SceneId::HomeBase) << "a plain click goes home";
    EXPECT_EQ(Backdrop().areaNumber, 1);
}

// Choosing "Far Colony Path II" makes the area 4 at once; the area-4 row,
// "Far Colony", must not be taken in the same frame by the same release.
TEST_F(InvasionsPromptTest, AChoiceNeverChainsIntoTheNextAreasPromptInTheSameFrame) {
    EnterArea(3, 180, -9750);
    ASSERT_TRUE(FlyOntoPortal(1));
    ChoosePrompt();
    EXPECT_EQ(Backdrop().areaNumber, 4);
    RunFrames(3);
    EXPECT_EQ(Backdrop().areaNumber, 4);
    EXPECT_EQ(Backdrop().viewY, -600) << "area 4's arrival view, not area 5's";
    EXPECT_EQ(Engine().portal.y[1], -9600) << "area 4 loaded with its own portals";
}

TEST_F(InvasionsPromptTest, TheConvoyAreasForwardPortalShowsNoPrompt) {
    EnterArea(8, 180, -9750);
    ASSERT_TRUE(FlyOntoPortal(1));
    ChoosePrompt();
    RunFrames(2);
    EXPECT_EQ(Backdrop().areaNumber, 8);
    EXPECT_EQ(App().sceneFrame, SceneId::Invasions);
}

// F pressed while an escape runs: the escape's clear comes first, so the
// key turns auto fire on for that frame; the next frame's clear turns it off.
TEST_F(InvasionsPromptTest, AutoFireTurnedOnDuringAnEscapeLastsTheFrameOfThePress) {
    EnterArea(3, 180, -650);
    RunFrames(5);
    Tap(key::kF1);
    ASSERT_NE(Engine().emergencyEscape, 0);
    ASSERT_EQ(Panel().autoFire, 0);
    driver_.PressKey(key::kF);
    RunFrames(1);
    EXPECT_EQ(Panel().autoFire, 1);
    driver_.ReleaseKey(key::kF);
    RunFrames(1);
    ASSERT_NE(Engine().emergencyEscape, 0);
    EXPECT_EQ(Panel().autoFire, 0);
}

// A record naming an area of the region enters it; one naming none (the
// home base here) enters the Enemy Fleet at its far side.
TEST(InvasionsEntry, ARecordNamingNoAreaOfTheRegionEntersTheEnemyFleet) {
    for (const char* area : {"12", "1"}) {
        GameDriver driver;
        ASSERT_TRUE(driver.Start());
        driver.RunFrames(2);
        ASSERT_EQ(driver.App().areaBackdrop, nullptr);
        ASSERT_TRUE(driver.SetField("questSet", "2"));
        ASSERT_TRUE(driver.SetField("currentArea", area));
        driver.SwitchToScene(SceneId::Invasions);
        driver.RunFrames(3);
        ASSERT_EQ(driver.App().sceneFrame, SceneId::Invasions);
        const AreaBackdrop& backdrop = *driver.App().areaBackdrop;
        if (std::string(area) == "12") {
            EXPECT_EQ(backdrop.areaNumber, 12);
            continue;
        }
        EXPECT_EQ(backdrop.areaNumber, 7);
        EXPECT_EQ(backdrop.viewX, 300);
        EXPECT_EQ(backdrop.viewY, -2035);
        EXPECT_EQ(driver.App().gameState->currentArea, 7u);
        EXPECT_EQ(driver.App().battleEngine->portal.y[0], -4400) << "Enemy Fleet's portal";
    }
}
}  // namespace
