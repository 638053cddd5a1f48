#include <gtest/gtest.h>

#include <set>

#include "frontend/story_cutscene.h"
#include "platform/key_codes.h"
#include "story_test_support.h"

namespace story_test {
namespace {

// The story scene's frame: input, motion (not on the first, untimed frame),
// the ending's tick and music cue, drawing's clock check, the scene clock.
struct StoryVisit {
    StoryVisit(ManualClock& c, uint8_t stage, uint8_t cue) : clock(c), startMs(c.Milliseconds()), musicCue(cue) {
        cut.stage = stage;
        cut.Setup();
    }
    void Frame() {
        player.Poll();
        cut.CheckSkip(&player.keyboard, &player.mouse);
        if (frames > 0 && cut.stage == StoryCutscene::kIntro) cut.Move1(s[1].Step());
        if (frames > 0 && cut.stage == StoryCutscene::kEnding) {
            const uint8_t s30 = s[0].Step(), s70 = s[1].Step(), s120 = s[2].Step(), s177 = s[3].Step();
            cut.Move2(s30, s70, s120, s177, s[4].Step());
        }
        if (cut.stage == StoryCutscene::kEnding) {
            cut.Animate1();
            musicCue = cut.CueMusic(musicCue);
            musicStarts += cut.musicRequest;
            cut.musicRequest = 0;
        }
        if (StoryCutscene::WordPictureShown(seconds)) wordSeconds.insert(seconds);
        seconds = (clock.Milliseconds() - startMs) / 1000;
        cut.CheckTime(seconds);
        clock.Advance(kFrameMs);
        ++frames;
    }
    double Seconds() const { return frames * kFrameMs / 1000.0; }

    ManualClock& clock;
    uint32_t startMs;
    uint8_t musicCue;
    StoryCutscene cut;
    Player player;
    Stepper s[5] = {Stepper(30), Stepper(70), Stepper(120), Stepper(177), Stepper(250)};
    int musicStarts = 0, frames = 0;
    uint32_t seconds = 0;
    std::set<uint32_t> wordSeconds;
};

class StoryCutsceneTest : public ::testing::Test {
protected:
    ManualTime time;
};

TEST_F(StoryCutsceneTest, EndingCuesItsMusicOnceShowsTheWordEarlyAndEndsOnSecondSeventeen) {
    // Only the cue the battle scenes leave starts the music.
    for (auto [cueIn, cueAfter, starts] : {std::tuple{2, 5, 1}, {0, 0, 0}, {5, 5, 0}}) {
        SCOPED_TRACE(cueIn);
        StoryVisit visit(time.clock, StoryCutscene::kEnding, static_cast<uint8_t>(cueIn));
        uint32_t secondsBefore = 0;
        while (!visit.cut.LeaveRequested() && visit.frames < 30 * 60) {
            secondsBefore = visit.seconds;
            visit.Frame();
        }
        EXPECT_EQ(visit.musicStarts, starts);
        EXPECT_EQ(visit.musicCue, cueAfter);
        EXPECT_EQ(visit.cut.finished, 1);
        EXPECT_EQ(secondsBefore, 16u);
        EXPECT_EQ(visit.seconds, 17u);
        EXPECT_EQ(visit.wordSeconds, (std::set<uint32_t>{1, 2, 3}));
    }
}

TEST_F(StoryCutsceneTest, IntroPictureRisesForAboutNineSecondsThenWaitsForThePlayer) {
    StoryVisit visit(time.clock, StoryCutscene::kIntro, 2);
    double arrived = -1;
    for (int f = 0; f < 60 * 60; ++f) {
        visit.Frame();
        if (arrived < 0 && visit.cut.objY[0] == 0) arrived = visit.Seconds();
    }
    EXPECT_NEAR(arrived, 600.0 / 70.0, 0.3);
    EXPECT_EQ(visit.cut.objY[0], 0);
    EXPECT_FALSE(visit.cut.LeaveRequested());
    EXPECT_EQ(visit.musicCue, 2);  // the ending's music is not the intro's business
    // After a long frame the steps are large: the picture still stops at the top.
    StoryVisit slow(time.clock, StoryCutscene::kIntro, 0);
    for (int32_t y : {345, 90, 0, 0}) {
        slow.cut.Move1(255);
        EXPECT_EQ(slow.cut.objY[0], y);
    }
}

TEST_F(StoryCutsceneTest, AKeyOrAClickSkipsEitherStageAndIsSpent) {
    // key, or -1 and a mouse button
    const std::tuple<int, int, bool> inputs[] = {{key::kReturn, -1, true}, {key::kEscape, -1, true},
                                                 {key::kBack, -1, true},   {-1, 0, true},
                                                 {-1, 1, true},            {key::kSpace, -1, false}};
    for (uint8_t stage : {StoryCutscene::kIntro, StoryCutscene::kEnding}) {
        for (auto [key, button, skips] : inputs) {
            SCOPED_TRACE(::testing::Message() << "stage " << int(stage) << " key " << key << " button " << button);
            StoryVisit visit(time.clock, stage, 0);
            visit.Frame();
            if (key >= 0) visit.player.Press(static_cast<uint8_t>(key));
            if (button >= 0) visit.player.PressButton(button);
            visit.Frame();
            EXPECT_EQ(visit.cut.LeaveRequested(), skips);
            visit.player.Poll();  // still held: the next scene must not see the press again
            const int stillPressed = (key >= 0 ? visit.player.keyboard.KeyPressed(key) : 0) +
                                     visit.player.mouse.ButtonPressed(0) + visit.player.mouse.ButtonPressed(1);
            EXPECT_EQ(stillPressed, skips ? 0 : 1);
        }
    }
}

TEST_F(StoryCutsceneTest, EndingFleetShipsCometsAndAsteroidsFollowTheirCues) {
    StoryVisit visit(time.clock, StoryCutscene::kEnding, 0);
    StoryCutscene& cut = visit.cut;
    double fleetArrived = -1, leadReturned = -1;
    int cometReturns = 0;
    // Asteroid 3 waits for asteroid 2 to pass x 0, asteroid 7 for asteroid 3 to pass x 300.
    struct Waiter {
        int asteroid, watched, line;
        bool started;
    } waiters[] = {{3, 2, 0, false}, {7, 3, 300, false}};
    for (int f = 0; f < 120 * 60; ++f) {
        const int32_t lead = cut.shipX[0], comet = cut.objX[9], waiting[2] = {cut.objX[3], cut.objX[7]};
        visit.Frame();
        EXPECT_LE(cut.fleetX, -200);
        if (fleetArrived < 0 && cut.fleetX == -200) fleetArrived = visit.Seconds();
        if (cut.shipX[0] > lead && leadReturned < 0) leadReturned = visit.Seconds();
        EXPECT_TRUE(cut.shipX[0] <= lead || cut.shipX[0] == 2400);
        EXPECT_EQ(cut.shipScale, leadReturned < 0 ? 1.0f : 2.0f);
        cometReturns += cut.objX[9] > comet;
        for (int w = 0; w < 2; ++w) {
            const bool moved = cut.objX[waiters[w].asteroid] != waiting[w];
            const bool open = cut.objX[waiters[w].watched] < waiters[w].line;
            EXPECT_TRUE(waiters[w].started || moved == open) << f;
            waiters[w].started |= moved;
        }
    }
    EXPECT_NEAR(fleetArrived, 800.0 / 70.0, 0.3);
    EXPECT_NEAR(leadReturned, (950.0 - 611.0) / 120.0, 0.2);
    EXPECT_EQ(cometReturns, 7);
    EXPECT_LT(cut.objX[9], -100);  // after its last return it flies on, gone
    EXPECT_TRUE(waiters[0].started && waiters[1].started);
    EXPECT_GE(std::min(cut.objX[0], cut.objX[1]), -400);  // the first two come round again
}

TEST_F(StoryCutsceneTest, AsteroidFramesTurnBothWaysAfterMoreThanAHundredMilliseconds) {
    StoryCutscene cut;
    cut.stage = StoryCutscene::kEnding;
    cut.Setup();
    cut.Animate1();
    time.clock.Advance(100);
    cut.Animate1();
    EXPECT_EQ(cut.frameUp, 0);
    for (int tick = 1; tick <= 17; ++tick) {
        time.clock.Advance(1);
        cut.Animate1();
        EXPECT_EQ(cut.frameUp, tick % 16);
        EXPECT_EQ(cut.frameDown, (16 - tick % 16) % 16);
        cut.Animate1();  // the next interval starts on the following call
        time.clock.Advance(100);
    }
}

class StoryCutsceneDrawing : public Canvas {
protected:
    ManualTime time;
};

TEST_F(StoryCutsceneDrawing, FleetArrivesTheWordShowsInItsSecondsTheIntroRises) {
    StoryVisit ending(time.clock, StoryCutscene::kEnding, 0);
    ending.cut.LoadArt(&graphics_);
    ending.cut.DrawStage();
    const Image start = Shot("story_ending_start");
    for (int f = 0; f < 12 * 60; ++f) ending.Frame();
    const auto draw = [&](uint32_t seconds, const char* name) {
        Clear();
        ending.cut.DrawStage();
        ending.cut.DrawWordPicture(seconds);
        return Shot(name);
    };
    const Image late = draw(5, "story_ending_12s"), word = draw(2, "story_ending_word");
    // The capital ship has come in from the left over what was sky.
    EXPECT_LT(LitPixels(start, 0, 150, 400, 300), 20000);
    EXPECT_GT(LitPixels(late, 0, 150, 400, 300), 80000);
    // The word picture, 256 x 32 at 1.1 from (266, 20), is the only difference.
    EXPECT_GT(ChangedPixels(late, word, 266, 20, 282, 36), 500);
    EXPECT_EQ(ChangedPixels(late, word, 0, 0, 800, 600), ChangedPixels(late, word, 266, 20, 282, 36));

    StoryVisit intro(time.clock, StoryCutscene::kIntro, 0);
    intro.cut.LoadArt(&graphics_);
    Clear();
    intro.cut.DrawMain();
    EXPECT_EQ(LitPixels(Shot("story_intro_start"), 0, 0, 800, 600), 0);
    for (int f = 0; f < 10 * 60; ++f) intro.Frame();
    Clear();
    intro.cut.DrawMain();
    const Image risen = Shot("story_intro_risen");
    // 512 px at 1.2 from (110, 0): the picture's stars, nothing beside it.
    EXPECT_GT(LitPixels(risen, 110, 0, 614, 600), 500);
    EXPECT_EQ(LitPixels(risen, 0, 0, 110, 600) + LitPixels(risen, 725, 0, 75, 600), 0);
}

}  // namespace
}  // namespace story_test
