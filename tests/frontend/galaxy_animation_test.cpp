#include <gtest/gtest.h>

#include <vector>

#include "frontend/galaxy_animation.h"
#include "platform/key_codes.h"
#include "platform/sprite_sheet.h"
#include "story_test_support.h"

namespace story_test {
namespace {

// The interlude scene's frame as it drives the animation: input, drift from
// the 13 and 20 px/s steppers (not on the first, untimed frame), the end
// time, the zoom tick, then the scene clock.
class GalaxyVisit {
public:
    GalaxyVisit(ManualClock& clock, GalaxyAnimation& galaxy) : galaxy_(galaxy), clock_(clock) {
        galaxy_.BeginVisit();
        startMs_ = clock.Milliseconds();
    }
    void Frame() {
        player.Poll();
        galaxy_.CheckSkip(player.Keyboard(), player.Mouse(), seconds);
        if (timed_) galaxy_.Scroll(a_.Step(kFrameMs), b_.Step(kFrameMs));
        timed_ = true;
        galaxy_.CheckTime(seconds);
        galaxy_.Step9(seconds);
        seconds = (clock_.Milliseconds() - startMs_) / 1000;
        clock_.Advance(kFrameMs);
        ++frames;
    }
    double Seconds() const { return frames * kFrameMs / 1000.0; }

    Player player;
    uint32_t seconds = 0;
    int frames = 0;

private:
    GalaxyAnimation& galaxy_;
    ManualClock& clock_;
    uint32_t startMs_ = 0;
    bool timed_ = false;
    Stepper a_{13}, b_{20};
};

class GalaxyAnimationTest : public ::testing::Test {
protected:
    ManualTime time;
};

TEST_F(GalaxyAnimationTest, EndsOnTheSeventhSecondOrEarlierOnAKeyOrAFreshArmedClick) {
    enum Action { kKeyDown, kButtonDown, kButtonUp };
    struct Event {
        double at;
        Action action;
        int code;
    };
    struct Case {
        const char* name;
        std::vector<Event> events;
        double leavesAt;
        bool skipped;
    };
    const Case cases[] = {
        {"no input", {}, 7.0, false},
        {"Enter", {{0.5, kKeyDown, key::kReturn}}, 0.5, true},
        {"Backspace", {{1.5, kKeyDown, key::kBack}}, 1.5, true},
        {"a click within the first two whole seconds does nothing",
         {{2.5, kButtonDown, 0}, {2.7, kButtonUp, 0}},
         7.0,
         false},
        {"a click after two seconds", {{3.5, kButtonDown, 1}}, 3.5, true},
        {"a button held from the start, released and pressed again",
         {{0.0, kButtonDown, 0}, {4.0, kButtonUp, 0}, {5.0, kButtonDown, 0}},
         5.0,
         true},
        {"a button held throughout", {{0.0, kButtonDown, 0}}, 7.0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GalaxyAnimation galaxy;
        GalaxyVisit visit(time.clock, galaxy);
        size_t next = 0;
        while (!galaxy.LeaveRequested() && visit.frames < 20 * 60) {
            for (; next < c.events.size() && c.events[next].at <= visit.Seconds(); ++next) {
                const Event& e = c.events[next];
                if (e.action == kKeyDown) visit.player.Press(static_cast<uint8_t>(e.code));
                if (e.action == kButtonDown) visit.player.PressButton(e.code);
                if (e.action == kButtonUp) visit.player.ReleaseButton(e.code);
            }
            visit.Frame();
        }
        EXPECT_NEAR(visit.Seconds(), c.leavesAt, 0.05);
        EXPECT_EQ(galaxy.skipRequested != 0, c.skipped);
        EXPECT_EQ(galaxy.finished != 0, !c.skipped);
    }
}

TEST_F(GalaxyAnimationTest, ZoomRisesToItsLineThenOnlyGrows) {
    GalaxyAnimation galaxy;
    GalaxyVisit visit(time.clock, galaxy);
    const int32_t startX = galaxy.galaxyX, startY = galaxy.galaxyY;
    int lastTickFrame = 0;
    double reachedLine = -1;
    for (int f = 0; f < 12 * 60; ++f) {
        const int32_t x = galaxy.galaxyX, y = galaxy.galaxyY;
        visit.Frame();
        if (galaxy.galaxyX == x) continue;
        ASSERT_EQ(galaxy.galaxyX, x - 1);
        EXPECT_GT((visit.frames - lastTickFrame) * kFrameMs, 30u);
        lastTickFrame = visit.frames;
        EXPECT_EQ(galaxy.galaxyY, y > GalaxyAnimation::kGalaxyTopStop ? y - 1 : y);
        if (reachedLine < 0 && galaxy.galaxyY == GalaxyAnimation::kGalaxyTopStop) reachedLine = visit.Seconds();
    }
    const int ticks = startX - galaxy.galaxyX;
    EXPECT_EQ(galaxy.galaxyY, GalaxyAnimation::kGalaxyTopStop);
    EXPECT_GT(ticks, startY - GalaxyAnimation::kGalaxyTopStop);
    // About one tick every three frames: the line is reached near the end of a
    // whole interlude.
    EXPECT_NEAR(reachedLine, (startY - GalaxyAnimation::kGalaxyTopStop) * 3 * kFrameMs / 1000.0, 0.2);
    EXPECT_NEAR(galaxy.galaxyScaleX, 0.67f + 0.008f * ticks, 0.001f);
    EXPECT_EQ(galaxy.galaxyScaleY, galaxy.galaxyScaleX);
}

TEST_F(GalaxyAnimationTest, SecondInterludeGoesOnFromWhereTheFirstStopped) {
    GalaxyAnimation galaxy;
    {
        GalaxyVisit first(time.clock, galaxy);
        while (!galaxy.LeaveRequested()) first.Frame();
        // The drift follows the two steppers: sprite 0 right at 13 px/s,
        // sprite 3 left and down at 20 px/s.
        EXPECT_NEAR(galaxy.objX[0] - 500, 13 * first.Seconds(), 3);
        EXPECT_NEAR(300 - galaxy.objX[3], 20 * first.Seconds(), 3);
        EXPECT_NEAR(galaxy.objY[3] - 450, 20 * first.Seconds(), 3);
    }
    const int32_t x0 = galaxy.objX[0], galaxyX = galaxy.galaxyX;
    const float scale = galaxy.galaxyScaleX;
    GalaxyVisit second(time.clock, galaxy);
    second.Frame();
    EXPECT_FALSE(galaxy.LeaveRequested());
    EXPECT_EQ(galaxy.objX[0], x0);  // the untimed first frame does not move it
    for (int f = 0; f < 60; ++f) second.Frame();
    EXPECT_GT(galaxy.objX[0], x0);
    EXPECT_LT(galaxy.galaxyX, galaxyX);
    EXPECT_GT(galaxy.galaxyScaleX, scale);
}

class GalaxyDrawing : public Canvas {
protected:
    ManualTime time;
};

TEST_F(GalaxyDrawing, BackgroundSpritesAndZoomingGalaxy) {
    GalaxyAnimation galaxy;
    galaxy.LoadArt(&graphics_);
    galaxy.DrawBackground(art_.spaceSheet, art_.dustSheet, art_.cloudsSheet);
    const Image background = Shot("galaxy_background");
    galaxy.Draw();
    const Image start = Shot("galaxy_start");
    const auto coreLit = [](const Image& shot, const GalaxyAnimation& g) {
        const int cx = g.galaxyX + static_cast<int>(256 * g.galaxyScaleX);
        const int cy = g.galaxyY + static_cast<int>(128 * g.galaxyScaleY);
        return LitPixels(shot, cx - 8, cy - 8, 16, 16);
    };
    const int startCore = coreLit(start, galaxy);
    GalaxyVisit visit(time.clock, galaxy);
    while (!galaxy.LeaveRequested()) visit.Frame();
    Clear();
    galaxy.DrawBackground(art_.spaceSheet, art_.dustSheet, art_.cloudsSheet);
    galaxy.Draw();
    const Image end = Shot("galaxy_end");
    EXPECT_GT(LitPixels(background, 0, 0, 800, 600), 800 * 600 / 2);
    // The galaxy picture, 512 x 256 at 0.67 from (257, 280) at the start,
    // shows over the background in its place...
    EXPECT_GT(ChangedPixels(background, start, 257, 280, 343, 171), 343 * 171 / 10);
    // ...and its bright core, at the picture's centre, follows the zoom.
    EXPECT_GT(startCore, 16 * 16 * 9 / 10);
    EXPECT_GT(coreLit(end, galaxy), 16 * 16 * 9 / 10);
    EXPECT_LT(galaxy.galaxyY, 280);
    EXPECT_GT(ChangedPixels(start, end, 400, 340, 200, 60), 200 * 60 / 4);
    // The word picture stays where it was.
    EXPECT_EQ(ChangedPixels(start, end, 320, 75, 200, 20), 0);
}

}  // namespace
}  // namespace story_test
