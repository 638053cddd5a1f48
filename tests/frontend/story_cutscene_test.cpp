#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "frontend/story_cutscene.h"
#include "platform/key_codes.h"
#include "platform/sprite_sheet.h"
#include "story_test_support.h"

namespace story_test {
namespace {

// The story scene's frame as it drives the cutscene: input, motion from
// the frame steppers (not on the first, untimed frame), the ending's tick
// and music cue, then the scene clock.
class StoryVisit {
public:
    StoryVisit(ManualClock& clock, uint8_t stage, uint8_t cue) : musicCue(cue), clock_(clock) {
        cut.stage = stage;
        cut.Setup();
        startMs_ = clock.Milliseconds();
    }
    void Frame() {
        player.Poll();
        cut.CheckSkip(player.Keyboard(), player.Mouse());
        if (timed_) {
            const uint8_t s30 = s30_.Step(kFrameMs), s70 = s70_.Step(kFrameMs), s120 = s120_.Step(kFrameMs),
                          s177 = s177_.Step(kFrameMs), s250 = s250_.Step(kFrameMs);
            if (cut.stage == StoryCutscene::kIntro) cut.Move1(s70);
            else cut.Move2(s30, s70, s120, s177, s250);
        }
        timed_ = true;
        if (cut.stage == StoryCutscene::kEnding) {
            cut.Animate1();
            musicCue = cut.CueMusic(musicCue);
            musicStarts += cut.musicRequest;
            cut.musicRequest = 0;
        }
        // The picture is drawn with the clock of the frame before.
        if (StoryCutscene::WordPictureShown(seconds)) wordSeconds.insert(seconds);
        seconds = (clock_.Milliseconds() - startMs_) / 1000;
        cut.CheckTime(seconds);
        clock_.Advance(kFrameMs);
        ++frames;
    }
    double Seconds() const { return frames * kFrameMs / 1000.0; }

    StoryCutscene cut;
    Player player;
    uint8_t musicCue;
    int musicStarts = 0;
    std::set<uint32_t> wordSeconds;
    uint32_t seconds = 0;
    int frames = 0;

private:
    ManualClock& clock_;
    uint32_t startMs_ = 0;
    bool timed_ = false;
    Stepper s30_{30}, s70_{70}, s120_{120}, s177_{177}, s250_{250};
};

class StoryCutsceneTest : public ::testing::Test {
protected:
    ManualTime time;
};

TEST_F(StoryCutsceneTest, EndingCuesItsMusicOnceShowsTheWordEarlyAndEndsOnSecondSeventeen) {
    struct Case {
        uint8_t cueIn, cueAfter;
        int starts;
    };
    // Only the cue the battle scenes leave starts the music; a later cue
    // (already playing) or none leaves it alone.
    for (const Case& c : {Case{2, 5, 1}, Case{0, 0, 0}, Case{5, 5, 0}}) {
        SCOPED_TRACE(c.cueIn);
        StoryVisit visit(time.clock, StoryCutscene::kEnding, c.cueIn);
        uint32_t secondsBefore = 0;
        while (!visit.cut.LeaveRequested() && visit.frames < 30 * 60) {
            secondsBefore = visit.seconds;
            visit.Frame();
        }
        EXPECT_EQ(visit.musicStarts, c.starts);
        EXPECT_EQ(visit.musicCue, c.cueAfter);
        EXPECT_EQ(visit.cut.finished, 1);
        EXPECT_EQ(visit.cut.skipRequested, 0);
        EXPECT_EQ(visit.seconds, 17u);
        EXPECT_EQ(secondsBefore, 16u);
        EXPECT_EQ(visit.wordSeconds, (std::set<uint32_t>{1, 2, 3}));
    }
}

TEST_F(StoryCutsceneTest, IntroPictureRisesForAboutNineSecondsThenWaitsWithoutEnding) {
    StoryVisit visit(time.clock, StoryCutscene::kIntro, 2);
    double arrived = -1;
    for (int f = 0; f < 60 * 60; ++f) {
        const int32_t before = visit.cut.objY[0];
        visit.Frame();
        EXPECT_LE(visit.cut.objY[0], before);
        if (arrived < 0 && visit.cut.objY[0] == 0) arrived = visit.Seconds();
    }
    EXPECT_NEAR(arrived, 600.0 / 70.0, 0.3);
    // After a long frame the steps are large: the picture still stops at the top.
    StoryVisit slow(time.clock, StoryCutscene::kIntro, 0);
    for (int32_t y : {345, 90, 0, 0}) {
        slow.cut.Move1(255);
        EXPECT_EQ(slow.cut.objY[0], y);
    }
    EXPECT_EQ(visit.cut.objY[0], 0);
    EXPECT_EQ(visit.cut.objX[0], 110);
    EXPECT_FALSE(visit.cut.LeaveRequested());
    EXPECT_EQ(visit.musicCue, 2);  // the intro never touches the ending's music
    EXPECT_EQ(visit.musicStarts, 0);
}

TEST_F(StoryCutsceneTest, AKeyOrAClickSkipsEitherStageOnceAndIsLatched) {
    struct Input {
        int key;     // -1: a mouse button instead
        int button;  // -1: none
        bool skips;
    };
    const Input inputs[] = {{key::kReturn, -1, true}, {key::kEscape, -1, true}, {key::kBack, -1, true},
                            {-1, 0, true},           {-1, 1, true},           {key::kSpace, -1, false},
                            {key::kY, -1, false}};
    for (uint8_t stage : {StoryCutscene::kIntro, StoryCutscene::kEnding}) {
        for (const Input& in : inputs) {
            SCOPED_TRACE(::testing::Message() << "stage " << int(stage) << " key " << in.key << " button "
                                              << in.button);
            StoryVisit visit(time.clock, stage, 0);
            visit.Frame();
            if (in.key >= 0) visit.player.Press(static_cast<uint8_t>(in.key));
            if (in.button >= 0) visit.player.PressButton(in.button);
            visit.Frame();
            EXPECT_EQ(visit.cut.LeaveRequested(), in.skips);
            if (!in.skips) continue;
            // Held down, the press is spent: the next scene does not see it again.
            visit.player.Poll();
            if (in.key >= 0) {
                EXPECT_EQ(visit.player.Keyboard()->KeyPressed(in.key), 0);
            }
            for (int b = 0; b < 2; ++b) EXPECT_EQ(visit.player.Mouse()->ButtonPressed(b), 0);
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
        int asteroid, watched;
        int32_t line;
        bool started;
    };
    Waiter waiters[] = {{3, 2, 0, false}, {7, 3, 300, false}};
    for (int f = 0; f < 120 * 60; ++f) {
        const int32_t leadBefore = cut.shipX[0], cometBefore = cut.objX[9];
        const int32_t startX[2] = {cut.objX[3], cut.objX[7]};
        visit.Frame();
        EXPECT_LE(cut.fleetX, -200);
        if (fleetArrived < 0 && cut.fleetX == -200) fleetArrived = visit.Seconds();
        if (cut.shipX[0] > leadBefore) {
            EXPECT_EQ(cut.shipX[0], 2400);
            if (leadReturned < 0) leadReturned = visit.Seconds();
        }
        EXPECT_EQ(cut.shipScale, leadReturned < 0 ? 1.0f : 2.0f);
        if (cut.objX[9] > cometBefore) ++cometReturns;
        for (int w = 0; w < 2; ++w) {
            Waiter& waiter = waiters[w];
            const bool moved = cut.objX[waiter.asteroid] != startX[w];
            const bool open = cut.objX[waiter.watched] < waiter.line;
            if (!waiter.started) {
                EXPECT_EQ(moved, open) << "asteroid " << waiter.asteroid << " frame " << f;
            }
            waiter.started = waiter.started || moved;
        }
    }
    EXPECT_NEAR(fleetArrived, 800.0 / 70.0, 0.3);
    EXPECT_NEAR(leadReturned, (950.0 - 611.0) / 120.0, 0.2);
    EXPECT_EQ(cometReturns, StoryCutscene::kCometReentries);
    EXPECT_EQ(cut.cometStep, StoryCutscene::kCometReentries);
    EXPECT_LT(cut.objX[9], -100);  // after the last return it flies on, gone
    for (const Waiter& waiter : waiters) EXPECT_TRUE(waiter.started) << waiter.asteroid;
    // The first two asteroids come round again and stay in play.
    for (int a = 0; a < 2; ++a) EXPECT_GE(cut.objX[a], -400) << a;
}

TEST_F(StoryCutsceneTest, AsteroidFramesTurnEveryHundredMillisecondsBothWays) {
    StoryVisit visit(time.clock, StoryCutscene::kEnding, 0);
    std::vector<int> tickFrames;
    uint8_t up = visit.cut.frameUp;
    while (tickFrames.size() < 17) {
        visit.Frame();
        if (visit.cut.frameUp == up) continue;
        tickFrames.push_back(visit.frames);
        EXPECT_EQ(visit.cut.frameUp, (up + 1) % 16);
        EXPECT_EQ((visit.cut.frameUp + visit.cut.frameDown) % 16, 0);
        up = visit.cut.frameUp;
    }
    EXPECT_EQ(visit.cut.frameUp, 1);  // wrapped from 15 to 0 on the way
    // Exactly 100 ms is not yet enough.
    StoryCutscene cut;
    cut.stage = StoryCutscene::kEnding;
    cut.Setup();
    cut.Animate1();
    time.clock.Advance(100);
    cut.Animate1();
    EXPECT_EQ(cut.frameUp, 0);
    time.clock.Advance(1);
    cut.Animate1();
    EXPECT_EQ(cut.frameUp, 1);
    for (size_t i = 1; i < tickFrames.size(); ++i) {
        const uint32_t gap = (tickFrames[i] - tickFrames[i - 1]) * kFrameMs;
        EXPECT_GT(gap, 100u);
        EXPECT_LE(gap, 100u + 2 * kFrameMs);
    }
}

class StoryCutsceneDrawing : public Canvas {
protected:
    ManualTime time;
};

TEST_F(StoryCutsceneDrawing, EndingShowsTheFleetArrivingAndTheWordOnlyInItsSeconds) {
    StoryVisit visit(time.clock, StoryCutscene::kEnding, 0);
    visit.cut.LoadArt(&graphics_);
    visit.cut.DrawStage();
    const Image start = Shot("story_ending_start");
    for (int f = 0; f < 12 * 60; ++f) visit.Frame();
    Clear();
    visit.cut.DrawStage();
    visit.cut.DrawWordPicture(5);
    const Image late = Shot("story_ending_12s");
    Clear();
    visit.cut.DrawStage();
    visit.cut.DrawWordPicture(2);
    const Image word = Shot("story_ending_word");
    // The capital ship has come in from the left: its body fills what was sky.
    EXPECT_LT(LitPixels(start, 0, 150, 400, 300), 20000);
    EXPECT_GT(LitPixels(late, 0, 150, 400, 300), 80000);
    // The word picture is the only difference, and only within its place.
    const int wordW = 282, wordH = 36;
    EXPECT_GT(ChangedPixels(late, word, 266, 20, wordW, wordH), 500);
    EXPECT_EQ(ChangedPixels(late, word, 0, 0, 800, 600), ChangedPixels(late, word, 266, 20, wordW, wordH));
}

TEST_F(StoryCutsceneDrawing, IntroPictureStartsBelowTheScreenAndStandsAtTheTop) {
    StoryVisit visit(time.clock, StoryCutscene::kIntro, 0);
    visit.cut.LoadArt(&graphics_);
    visit.cut.DrawMain();
    const Image start = Shot("story_intro_start");
    for (int f = 0; f < 10 * 60; ++f) visit.Frame();
    Clear();
    visit.cut.DrawMain();
    const Image risen = Shot("story_intro_risen");
    EXPECT_EQ(LitPixels(start, 0, 0, 800, 600), 0);
    // 512 px at 1.2 from (110, 0): stars inside, nothing beside it.
    EXPECT_GT(LitPixels(risen, 110, 0, 614, 600), 500);
    EXPECT_EQ(LitPixels(risen, 0, 0, 110, 600), 0);
    EXPECT_EQ(LitPixels(risen, 725, 0, 75, 600), 0);
}

}  // namespace
}  // namespace story_test
