#include <gtest/gtest.h>

#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "hud/control_panel_layout.h"
#include "platform/input_device.h"
#include "platform/mouse_cursor.h"

namespace {

constexpr int kLeft = 0;
constexpr int kRight = 1;

// A mouse whose button bytes the test sets directly, as a poll would.
class PanelMouseTest : public ::testing::Test {
protected:
    void SetUp() override { mouse.type = InputDevice::kMouse; }
    void Hold(int button) { mouse.state[InputDevice::kMouseButtonOffset + button] = 0x80; }
    void Release(int button) {
        mouse.state[InputDevice::kMouseButtonOffset + button] = 0;
        mouse.latch[button] = 0;  // a poll clears the latch of a button seen up
    }
    // One frame of the scene: hit test, click on a fresh press, then the
    // screen button that is due.
    uint8_t Frame(int32_t x, int32_t y) {
        panel.HitTest(x, y);
        if (panel.Click(x, y, &mouse, &fireMode)) panel.clickTaken = 1;
        return panel.TakeScreenClick(&mouse);
    }

    InputDevice mouse;
    ControlPanel panel;
    uint8_t fireMode = 1;
};

TEST_F(PanelMouseTest, ClickNeedsAFreshPressOfEitherButton) {
    panel.HitTest(10, 525);
    EXPECT_EQ(panel.Click(10, 525, &mouse, &fireMode), 0u);
    Hold(kRight);
    EXPECT_EQ(panel.Click(10, 525, &mouse, &fireMode), 1u);
    EXPECT_EQ(panel.rightPressed, 1);
    EXPECT_EQ(panel.autoFire, 1);
    mouse.SetLatch(kRight, 1);
    EXPECT_EQ(panel.Click(10, 525, &mouse, &fireMode), 0u) << "a latched button is no new press";
    EXPECT_EQ(panel.Click(10, 525, nullptr, &fireMode), 0u);
}

TEST_F(PanelMouseTest, ScreenButtonActsOnReleaseWhileThePointerStaysOnIt) {
    Hold(kLeft);
    EXPECT_EQ(Frame(150, 580), 0) << "pressed on Your Ship: waits for the release";
    mouse.SetLatch(kLeft, 1);     // the held button, already seen
    EXPECT_EQ(panel.clickedCode, 1);
    Release(kLeft);
    EXPECT_EQ(Frame(150, 580), 1);
    EXPECT_EQ(panel.clickedCode, 0);
    EXPECT_EQ(panel.clickTaken, 0);
    EXPECT_EQ(Frame(150, 580), 0) << "acts once";
}

TEST_F(PanelMouseTest, ScreenButtonActsAtOnceWhenThePointerLeavesIt) {
    Hold(kLeft);
    EXPECT_EQ(Frame(600, 590), 0);  // Notes
    mouse.SetLatch(kLeft, 1);
    EXPECT_EQ(Frame(400, 300), 8) << "still held, but the pointer has left the button";
}

TEST_F(PanelMouseTest, PanelsOwnButtonsAreNotHandedToTheScene) {
    panel.questGifts = 1;
    Hold(kLeft);
    EXPECT_EQ(Frame(610, 445), 0);
    EXPECT_EQ(panel.questGiftsOpen, 1) << "acted on the press";
    Release(kLeft);
    EXPECT_EQ(Frame(400, 300), 0);
    EXPECT_TRUE(ControlPanel::OpensScreen(kCodeOptions));
    EXPECT_TRUE(ControlPanel::OpensScreen(kCodeSkillsToggle));
    EXPECT_TRUE(ControlPanel::OpensScreen(kCodeQuestUpdated));
    EXPECT_FALSE(ControlPanel::OpensScreen(kCodeAutoFire));
    EXPECT_FALSE(ControlPanel::OpensScreen(kCodeFirstSkill));
    EXPECT_FALSE(ControlPanel::OpensScreen(kCodeGiftsExit));
}

TEST(AreaBackdropMouse, EdgeScrollingFollowsTheCursor) {
    AreaBackdrop backdrop;
    MouseCursor cursor;
    cursor.x = 10;
    cursor.y = 590;
    backdrop.viewX = 0;
    backdrop.viewY = -700;
    backdrop.ScrollByMouse(cursor, 6, -600);
    EXPECT_EQ(backdrop.viewX, -6);
    EXPECT_EQ(backdrop.viewY, -694);
}

}  // namespace
