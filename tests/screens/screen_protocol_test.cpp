#include <gtest/gtest.h>

#include <vector>

#include "screen_test_support.h"
#include "screens/awards_screen.h"
#include "screens/buildings_screen.h"

namespace {

// The Buildings page as the vehicle for what every screen shares.
class ProtocolTest : public ClockedTest {
protected:
    void Frame(int x, int y) {
        mouse.Poll();
        buildings.HitTest(x, y);
        buildings.Click(x, y, mouse.Device());
        if (MouseButtonsUp(mouse.Device())) buildings.Rearm();
        if (buildings.clickCode && MouseButtonsReleased(mouse.Device())) buildings.clickCode = 0;
        sounds.Add(TakeInterfaceSounds(buildings.clickSound, buildings.clickSoundArmed, buildings.boxSound,
                                       buildings.hoverSound, buildings.lastHoverSound));
    }

    TestMouse mouse;
    BuildingsScreen buildings;
    PlayedSounds sounds;
};

TEST_F(ProtocolTest, TheHoverSoundPlaysOnceForEachButtonEntered) {
    const struct {
        int x, y;
        int hovers;  // played so far
    } path[] = {
        // The list keeps the last button's sound; the bare top bar clears it.
        {180, 565, 1}, {182, 567, 1}, {215, 565, 2}, {215, 565, 2}, {600, 300, 2}, {215, 565, 2},
        {300, 30, 2},  {215, 565, 3}, {520, 20, 4},
    };
    for (const auto& point : path) {
        Frame(point.x, point.y);
        EXPECT_EQ(sounds.hovers, point.hovers) << point.x << "," << point.y;
    }
}

TEST_F(ProtocolTest, AHeldClickStampsOnceAndAHeldHelpSoundsOnce) {
    Frame(215, 565);
    mouse.Press(kLeft);
    for (int frame = 0; frame < 4; ++frame) Frame(215, 565);
    mouse.Release(kLeft);
    Frame(215, 565);
    Frame(215, 565);
    EXPECT_EQ(sounds.stamps, 1);
    mouse.Press(kLeft);
    Frame(215, 565);
    EXPECT_EQ(sounds.stamps, 2) << "a new press stamps again";
    mouse.Release(kLeft);
    Frame(400, 20);
    Frame(400, 20);
    mouse.Press(kRight);
    for (int frame = 0; frame < 4; ++frame) Frame(400, 20);
    EXPECT_EQ(sounds.boxes, 1);
    mouse.Release(kRight);
    Frame(400, 20);
}

TEST_F(ProtocolTest, TheFlashBrightensThenFadesByTenATick) {
    buildings.present[0] = buildings.exists[0] = 1;
    buildings.kind[0] = 4;
    buildings.atBase = 1;
    buildings.material = 1000;
    buildings.Layout();
    Frame(200, 85);
    mouse.Press(kLeft);
    Frame(200, 85);
    mouse.Release(kLeft);
    ASSERT_EQ(buildings.fade[0], 50);
    std::vector<int> fades;
    buildings.Animate();  // takes the time
    while (buildings.fade[0] != 0 && fades.size() < 40) {
        clock_.Advance(101);
        buildings.Animate();
        buildings.Animate();
        fades.push_back(buildings.fade[0]);
    }
    ASSERT_GE(fades.size(), 3u);
    EXPECT_EQ(fades.back(), 0);
    size_t peak = 0;
    for (size_t i = 1; i < fades.size(); ++i) {
        if (fades[i] > fades[peak]) peak = i;
    }
    EXPECT_EQ(fades[peak], 170);
    for (size_t i = 0; i < peak; ++i) EXPECT_EQ(fades[i], 70 + 20 * static_cast<int>(i));
    for (size_t i = peak + 1; i + 1 < fades.size(); ++i) EXPECT_EQ(fades[i], fades[i - 1] - 10) << i;
}

TEST_F(ProtocolTest, TicksComeOnlyOncePastTheirLength) {
    AwardsScreen awards;
    awards.picks = 1;
    awards.Rearm();
    mouse.Press(kLeft);
    mouse.Poll();
    awards.HitTest(260, 50);
    awards.Click(260, 50, mouse.Device());
    ASSERT_EQ(awards.fade[0], 20);
    awards.Animate();
    clock_.Advance(35);
    awards.Animate();
    EXPECT_EQ(awards.fade[0], 20) << "35 ms is not past the Awards tick";
    clock_.Advance(1);
    awards.Animate();
    EXPECT_EQ(awards.fade[0], 40);
}

}  // namespace
