#include <gtest/gtest.h>

#include "screen_test_support.h"
#include "screens/wealth_screen.h"

namespace {

class WealthTest : public ClockedTest {
protected:
    void Frame(int x, int y) {
        mouse.Poll();
        screen.HitTest(x, y);
        screen.OnClick(x, y, mouse.Device());
        if (MouseButtonsUp(mouse.Device())) screen.Rearm();
        sounds.Add(TakeInterfaceSounds(screen.clickSound, screen.rowArmed, screen.boxSound, screen.hoverSound,
                                       screen.lastHoverSound));
    }

    TestMouse mouse;
    WealthScreen screen;
    PlayedSounds sounds;
};

TEST(WealthAmounts, StandFurtherLeftPerDigitUpToEight) {
    const struct {
        uint32_t amount;
        int x;
    } cases[] = {{0, 650}, {9, 650}, {10, 645}, {999, 640}, {10000000, 615}, {99999999, 615}, {4294967295u, 615}};
    for (const auto& c : cases) EXPECT_EQ(WealthScreen::AmountX(c.amount), c.x) << c.amount;
}

TEST_F(WealthTest, ARightHeldRowShowsItsPopupUntilRelease) {
    Frame(400, 450);
    mouse.Press(kRight);
    for (int frame = 0; frame < 3; ++frame) {
        Frame(400, 450);
        EXPECT_EQ(screen.popupHeld[4], 1) << "robot material is the fifth row; frame " << frame;
    }
    mouse.Release(kRight);
    Frame(400, 450);
    EXPECT_EQ(screen.popupHeld[4], 0);
    EXPECT_FALSE(screen.AnyPopupOpen());
}

TEST_F(WealthTest, AnOpenPopupTakesTheMouseUntilItsExit) {
    Frame(400, 100);
    mouse.Press(kLeft);
    Frame(400, 100);
    mouse.Release(kLeft);
    Frame(400, 100);
    ASSERT_EQ(screen.popupOpen[1], 1);
    EXPECT_EQ(sounds.boxes, 1);
    for (int y : {30, 200, 300, 550}) {
        Frame(400, y);
        EXPECT_EQ(screen.hoverCode, 0) << "rows rest while a pop-up is open, y " << y;
    }
    Frame(380, 340);
    EXPECT_EQ(screen.hoverCode, WealthScreen::kCodeExit);
    mouse.Press(kLeft);
    Frame(380, 340);
    mouse.Release(kLeft);
    Frame(380, 340);
    EXPECT_FALSE(screen.AnyPopupOpen());
    EXPECT_EQ(sounds.stamps, 1);
    Frame(400, 550);
    EXPECT_EQ(screen.hoverCode, 6);
}

}  // namespace
