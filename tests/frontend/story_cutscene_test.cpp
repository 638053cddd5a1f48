#include <gtest/gtest.h>

#include <set>

#include "frontend/story_cutscene.h"
#include "platform/key_codes.h"
#include "story_test_support.h"

namespace story_test {
namespace {

// The story scene's frame: input, motion (not on the first, untimed frame),
// the ending's tick and music cue, the word picture's check, the scene clock.
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
        for (; !visit.cut.LeaveRequested() && visit.frames < 30 * 60; visit.Frame()) secondsBefore = visit.seconds;
        EXPECT_EQ(visit.musicStarts, starts);
        EXPECT_EQ(visit.musicCue, cueAfter);
        EXPECT_EQ(visit.cut.finished, 1);
        EXPECT_EQ(secondsBefore, 16u);
        EXPECT_EQ(visit.seconds, 17u);
        EXPECT_EQ(visit.wordSeconds, (std::set<uint32_t>{1, 2, 3}));
    }
}

TEST_F(StoryCutsceneTest, AKeyOrAClickSkipsEitherStageAndIsSpentTheIntroOtherwiseWaits) {
    const std::tuple<int, int, bool> inputs[] = {
        {key::kReturn, -1, true}, {key::kEscape, -1, true}, {key::kBack, -1, true},
        {-1, 0, true},            {-1, 1, true},            {key::kSpace, -1, false}};
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
    StoryVisit intro(time.clock, StoryCutscene::kIntro, 2);
    for (int f = 0; f < 60 * 60; ++f) intro.Frame();
    EXPECT_FALSE(intro.cut.LeaveRequested());
    EXPECT_EQ(intro.musicCue, 2);  // the ending's music is not the intro's business
    StoryVisit slow(time.clock, StoryCutscene::kIntro, 0);
    for (int32_t y : {345, 90, 0, 0}) {  // long frames: large steps, still it stops at the top
        slow.cut.Move1(255);
        EXPECT_EQ(slow.cut.objY[0], y);
    }
}

TEST_F(StoryCutsceneTest, EndingFleetStopsLeadShipComesRoundCometReturnsSevenTimes) {
    StoryVisit visit(time.clock, StoryCutscene::kEnding, 0);
    StoryCutscene& cut = visit.cut;
    double fleetArrived = -1, leadReturned = -1;
    int cometReturns = 0;
    for (int f = 0; f < 120 * 60; ++f) {
        const int32_t lead = cut.shipX[0], comet = cut.objX[9], third = cut.objX[3];
        visit.Frame();
        if (fleetArrived < 0 && cut.fleetX == -200) fleetArrived = visit.Seconds();
        if (leadReturned < 0 && cut.shipX[0] > lead) leadReturned = visit.Seconds();
        EXPECT_TRUE(cut.fleetX <= -200 && (cut.shipX[0] <= lead || cut.shipX[0] == 2400)) << f;
        EXPECT_EQ(cut.shipScale, leadReturned < 0 ? 1.0f : 2.0f);
        cometReturns += cut.objX[9] > comet;
        EXPECT_TRUE(cut.objX[3] == third || cut.objX[2] < 0) << f;  // asteroid 3 waits for 2 to pass x 0
    }
    EXPECT_NEAR(fleetArrived, 800.0 / 70.0, 0.3);
    EXPECT_NEAR(leadReturned, (950.0 - 611.0) / 120.0, 0.2);
    EXPECT_EQ(cometReturns, 7);
    EXPECT_LT(cut.objX[9], -100);  // after its last return it flies on, gone
    EXPECT_GE(std::min(cut.objX[0], cut.objX[1]), -400);  // the first two asteroids come round again
}

}  // namespace
}  // namespace story_test
