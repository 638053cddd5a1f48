#include <gtest/gtest.h>

#include "frontend/credits_screen.h"
#include "frontend/hover_sound.h"
#include "frontend_test_support.h"

namespace frontend_test {
namespace {

constexpr At kBack{720, 20};
constexpr At kAway{400, 300};

// The credits as their scene drives them.
struct CreditsVisit {
    void Frame(At at) {
        InputDevice* device = mouse.Poll();
        screen.HitTest(at.x, at.y);
        screen.OnClick(at.x, at.y, device);
        leaves += screen.SettleBack(device);
        hoverSounds += HoverSoundDue(screen.hoverForSound, screen.lastHoverSound);
        screen.ResetHover();
    }
    CreditsScreen screen;
    Mouse mouse;
    int leaves = 0, hoverSounds = 0;
};

TEST(CreditsScreen, BackHeldStaysUntilReleaseOrDraggedOff) {
    CreditsVisit held;
    held.Frame(kAway);
    PressAt(held, kBack);
    for (int i = 0; i < 5; ++i) held.Frame(kBack);
    EXPECT_EQ(held.leaves, 0);
    EXPECT_EQ(held.screen.backFrame, 2);
    ReleaseAt(held, kBack);
    EXPECT_EQ(held.leaves, 1);
    held.Frame(kBack);
    EXPECT_EQ(held.leaves, 1) << "once";
    EXPECT_EQ(held.screen.backFrame, 1);
    EXPECT_EQ(held.hoverSounds, 1) << "resting on Back sounds once";
    held.Frame(kAway);
    held.Frame(kBack);
    EXPECT_EQ(held.hoverSounds, 2);

    CreditsVisit dragged;
    PressAt(dragged, kBack);
    dragged.Frame(kAway);
    EXPECT_EQ(dragged.leaves, 1);

    CreditsVisit missed;
    PressAt(missed, {699, 20});  // just left of Back
    ReleaseAt(missed, {699, 20});
    EXPECT_EQ(missed.leaves, 0);
}

}  // namespace
}  // namespace frontend_test
