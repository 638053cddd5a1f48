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
        if (frames > 0) galaxy.Scroll(a.Step(), b.Step());
        galaxy.CheckTime(seconds);
        galaxy.Step9(seconds);
        seconds = (clock.Milliseconds() - startMs) / 1000;
        clock.Advance(kFrameMs);
        ++frames;
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
    const std::tuple<const char*, Events, double, bool> cases[] = {
        {"no input", {}, 7.0, false},
        {"Enter", {{0.5, kKey, key::kReturn}}, 0.5, true},
        {"Backspace", {{1.5, kKey, key::kBack}}, 1.5, true},
        {"a click within two whole seconds", {{2.5, kDown, 0}, {2.7, kUp, 0}}, 7.0, false},
        {"a click after them", {{3.5, kDown, 1}}, 3.5, true},
        {"held from the start, then clicked", {{0, kDown, 0}, {4, kUp, 0}, {5, kDown, 0}}, 5.0, true},
        {"held throughout", {{0, kDown, 0}}, 7.0, false},
    };
    for (const auto& [name, events, leavesAt, skipped] : cases) {
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
        EXPECT_EQ(galaxy.skipRequested != 0, skipped);
        EXPECT_EQ(galaxy.finished != 0, !skipped);
    }
}

TEST_F(GalaxyAnimationTest, ZoomRisesToItsLineThenOnlyGrowsAndASecondVisitGoesOn) {
    GalaxyAnimation galaxy;
    double reachedLine = -1;
    {
        GalaxyVisit visit(time.clock, galaxy);
        for (int f = 0; f < 12 * 60; ++f) {
            const int32_t x = galaxy.galaxyX, y = galaxy.galaxyY;
            visit.Frame();
            if (galaxy.galaxyX == x) continue;
            ASSERT_EQ(galaxy.galaxyX, x - 1);
            EXPECT_EQ(galaxy.galaxyY, std::max(y - 1, GalaxyAnimation::kGalaxyTopStop));
            if (reachedLine < 0 && galaxy.galaxyY == GalaxyAnimation::kGalaxyTopStop) reachedLine = visit.Seconds();
        }
        // A tick every third frame (more than 30 ms, then a fresh start).
        EXPECT_NEAR(reachedLine, (280 - 156) * 3 * kFrameMs / 1000.0, 0.1);
        EXPECT_NEAR(galaxy.galaxyScaleX, 0.67f + 0.008f * (257 - galaxy.galaxyX), 0.001f);
        // The drift follows the steppers: sprite 0 right at 13 px/s, sprite 3 left and down at 20.
        EXPECT_NEAR(galaxy.objX[0] - 500, 13 * visit.Seconds(), 3);
        EXPECT_NEAR(galaxy.objY[3] - 450, 20 * visit.Seconds(), 3);
        EXPECT_NEAR(300 - galaxy.objX[3], 20 * visit.Seconds(), 3);
    }
    const int32_t x0 = galaxy.objX[0], galaxyX = galaxy.galaxyX;
    GalaxyVisit second(time.clock, galaxy);
    second.player.PressButton(0);  // held over from the scene before: the first visit's arming is gone
    second.Frame();
    EXPECT_FALSE(galaxy.LeaveRequested());
    EXPECT_EQ(galaxy.objX[0], x0);
    for (int f = 0; f < 60; ++f) second.Frame();
    EXPECT_GT(galaxy.objX[0], x0);
    EXPECT_LT(galaxy.galaxyX, galaxyX);
}

class GalaxyDrawing : public Canvas {
protected:
    ManualTime time;
};

TEST_F(GalaxyDrawing, BackgroundSpritesAndZoomingGalaxy) {
    GalaxyAnimation galaxy;
    galaxy.LoadArt(&graphics_);
    galaxy.LoadArt(&graphics_);  // again, as after a device reset
    galaxy.DrawBackground(art_.spaceSheet, art_.dustSheet, art_.cloudsSheet);
    const Image background = Shot("galaxy_background");
    galaxy.Draw();
    const Image start = Shot("galaxy_start");
    // The galaxy's bright core sits at the picture's centre and follows the zoom.
    const auto coreLit = [&galaxy](const Image& shot) {
        const int cx = galaxy.galaxyX + static_cast<int>(256 * galaxy.galaxyScaleX);
        const int cy = galaxy.galaxyY + static_cast<int>(128 * galaxy.galaxyScaleY);
        return LitPixels(shot, cx - 8, cy - 8, 16, 16);
    };
    EXPECT_GT(coreLit(start), 230);
    GalaxyVisit visit(time.clock, galaxy);
    while (!galaxy.LeaveRequested()) visit.Frame();
    Clear();
    galaxy.DrawBackground(art_.spaceSheet, art_.dustSheet, art_.cloudsSheet);
    galaxy.Draw();
    const Image end = Shot("galaxy_end");
    EXPECT_GT(LitPixels(background, 0, 0, 800, 600), 800 * 600 / 2);
    EXPECT_GT(ChangedPixels(background, start, 257, 280, 343, 171), 343 * 171 / 10);
    EXPECT_GT(coreLit(end), 230);
    EXPECT_EQ(ChangedPixels(start, end, 320, 75, 200, 20), 0);  // the word picture stays
}

}  // namespace
}  // namespace story_test
