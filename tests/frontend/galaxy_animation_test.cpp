#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "frontend/galaxy_animation.h"
#include "platform/key_codes.h"
#include "story_test_support.h"

namespace story_test {
namespace {

// The interlude scene's frame: input, drift (not on the first, untimed
// frame), the end time, the zoom tick, the scene clock.
struct GalaxyVisit {
    GalaxyVisit(ManualClock& c, GalaxyAnimation& g) : clock(c), galaxy(g), startMs(c.Milliseconds()) {
        galaxy.BeginVisit();
    }
    void Frame() {
        player.Poll();
        galaxy.CheckSkip(&player.keyboard, &player.mouse, seconds);
        if (frames++ > 0) galaxy.Scroll(a.Step(), b.Step());
        galaxy.CheckTime(seconds);
        galaxy.Step9(seconds);
        seconds = (clock.Milliseconds() - startMs) / 1000;
        clock.Advance(kFrameMs);
    }
    double Seconds() const { return frames * kFrameMs / 1000.0; }

    ManualClock& clock;
    GalaxyAnimation& galaxy;
    uint32_t startMs;
    Player player;
    Stepper a{13}, b{20};
    uint32_t seconds = 0;
    int frames = 0;
};

class GalaxyAnimationTest : public ::testing::Test {
protected:
    ManualTime time;
};

TEST_F(GalaxyAnimationTest, EndsOnTheSeventhSecondOrEarlierOnAKeyOrAFreshArmedClick) {
    enum Action { kKey, kDown, kUp };
    using Events = std::vector<std::tuple<double, Action, int>>;
    const std::tuple<const char*, Events, double> cases[] = {
        {"no input", {}, 7.0},
        {"Enter", {{0.5, kKey, key::kReturn}}, 0.5},
        {"Backspace", {{1.5, kKey, key::kBack}}, 1.5},
        {"a click within two whole seconds", {{2.5, kDown, 0}, {2.7, kUp, 0}}, 7.0},
        {"a click after them", {{3.5, kDown, 1}}, 3.5},
        {"held from the start, then clicked", {{0, kDown, 0}, {4, kUp, 0}, {5, kDown, 0}}, 5.0},
        {"held throughout", {{0, kDown, 0}}, 7.0},
    };
    for (const auto& [name, events, leavesAt] : cases) {
        SCOPED_TRACE(name);
        GalaxyAnimation galaxy;
        GalaxyVisit visit(time.clock, galaxy);
        for (size_t next = 0; !galaxy.LeaveRequested() && visit.frames < 20 * 60; visit.Frame()) {
            for (; next < events.size() && std::get<0>(events[next]) <= visit.Seconds(); ++next) {
                const auto [at, action, code] = events[next];
                if (action == kKey) visit.player.Press(static_cast<uint8_t>(code));
                if (action == kDown) visit.player.PressButton(code);
                if (action == kUp) visit.player.ReleaseButton(code);
            }
        }
        EXPECT_NEAR(visit.Seconds(), leavesAt, 0.05);
        EXPECT_EQ(galaxy.finished != 0, leavesAt == 7.0);
        EXPECT_EQ(galaxy.skipRequested != 0, leavesAt != 7.0);
    }
}

TEST_F(GalaxyAnimationTest, ZoomRisesToItsLineThenOnlyGrowsAndASecondVisitGoesOn) {
    GalaxyAnimation galaxy;
    GalaxyVisit first(time.clock, galaxy);
    double reachedLine = -1;
    for (int f = 0; f < 12 * 60; ++f) {
        const int32_t x = galaxy.galaxyX, y = galaxy.galaxyY;
        first.Frame();
        EXPECT_EQ(galaxy.galaxyY, galaxy.galaxyX == x ? y : std::max(y - 1, GalaxyAnimation::kGalaxyTopStop));
        if (reachedLine < 0 && galaxy.galaxyY == GalaxyAnimation::kGalaxyTopStop) reachedLine = first.Seconds();
    }
    // A tick every third frame: more than 30 ms, then a fresh start.
    EXPECT_NEAR(reachedLine, (280 - 156) * 3 * kFrameMs / 1000.0, 0.1);
    EXPECT_NEAR(galaxy.galaxyScaleX, 0.67f + 0.008f * (257 - galaxy.galaxyX), 0.001f);
    // Sprite 0 drifts right at 13 px/s, sprite 3 left and down at 20.
    EXPECT_NEAR(galaxy.objX[0] - 500, 13 * first.Seconds(), 3);
    EXPECT_NEAR(galaxy.objY[3] - 450 + 300 - galaxy.objX[3], 40 * first.Seconds(), 6);
    const int32_t x0 = galaxy.objX[0], galaxyX = galaxy.galaxyX;
    GalaxyVisit second(time.clock, galaxy);
    second.player.PressButton(0);  // held over from the scene before; the first visit's arming is gone
    for (int f = 0; f < 60; ++f) second.Frame();
    EXPECT_FALSE(galaxy.LeaveRequested());
    EXPECT_GT(galaxy.objX[0], x0);
    EXPECT_LT(galaxy.galaxyX, galaxyX);
}

// A zoom tick needs more than 30 ms since the time was taken; the call
// that ticks takes no new time, the next one does.
TEST_F(GalaxyAnimationTest, AZoomTickComesOnlyPastThirtyMilliseconds) {
    GalaxyAnimation galaxy;
    const int32_t x = galaxy.galaxyX;
    galaxy.Step9(0);  // the time is taken
    time.clock.Advance(30);
    galaxy.Step9(0);
    EXPECT_EQ(galaxy.galaxyX, x) << "exactly 30 ms is not yet a tick";
    time.clock.Advance(1);
    galaxy.Step9(0);
    EXPECT_EQ(galaxy.galaxyX, x - 1);
    time.clock.Advance(100);
    galaxy.Step9(0);
    EXPECT_EQ(galaxy.galaxyX, x - 1) << "a fresh start after the tick";
}

}  // namespace
}  // namespace story_test
