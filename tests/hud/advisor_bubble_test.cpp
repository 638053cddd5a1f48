// The advisor: its bob and slide keep to their bands, each scene's entry
// places it and its frame moves it with the scene's steppers, the hint
// rules of the ship and quests pages, and what Draw shows for each state.
#include <gtest/gtest.h>

#include "hud/advisor_bubble.h"
#include "hud/advisor_scenes.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/sprite_sheet.h"
#include "screen_test_support.h"

namespace {

TEST(AdvisorMotion, BobAndSlideTurnAtTheirBounds) {
    struct Bob {
        int32_t y;
        uint8_t down;
        uint32_t up, downStep;
        int32_t minY, maxY, wantY;
        uint8_t wantDown;
    };
    const Bob bobs[] = {
        {420, 1, 20, 40, 140, 440, 440, 0},    // past the bottom: clamped and turned
        {500, 1, 5, 5, 360, 460, 460, 0},      // entered below the band: clamped at once
        {100, 1, 20, 60, 150, 200, 160, 1},    // entered above it while moving down: walks in
        {155, 0, 20, 60, 150, 200, 150, 1},    // past the top: clamped and turned
        {300, 0, 0x105, 0, 140, 440, 295, 0},  // only the low byte of a step counts
    };
    for (const Bob& c : bobs) {
        AdvisorBubble advisor;
        advisor.advisorY = c.y;
        advisor.bobDown = c.down;
        advisor.Bob(c.up, c.downStep, c.minY, c.maxY);
        EXPECT_EQ(advisor.advisorY, c.wantY) << c.y;
        EXPECT_EQ(advisor.bobDown, c.wantDown) << c.y;
    }
    struct Slide {
        int32_t x;
        uint8_t right;
        uint32_t rightStep, leftStep;
        int32_t wantX;
        uint8_t wantRight;
    };
    const Slide slides[] = {{690, 1, 20, 60, 700, 0}, {120, 0, 20, 60, 100, 1}, {400, 1, 0x114, 0, 420, 1}};
    for (const Slide& c : slides) {
        AdvisorBubble advisor;
        advisor.advisorX = c.x;
        advisor.slideRight = c.right;
        advisor.Slide(c.rightStep, c.leftStep);
        EXPECT_EQ(advisor.advisorX, c.wantX) << c.x;
        EXPECT_EQ(advisor.slideRight, c.wantRight) << c.x;
    }
}

TEST(AdvisorMotion, TheFigureStepsOnOnceMoreThan255MsHavePassed) {
    ManualClock clock(1000);
    Clock::Install(&clock);
    AdvisorBubble advisor;
    advisor.animFrame = 3;
    advisor.Animate();  // the timer starts
    clock.Advance(255);
    advisor.Animate();
    EXPECT_EQ(advisor.animFrame, 3);
    clock.Advance(1);
    advisor.Animate();
    EXPECT_EQ(advisor.animFrame, 0) << "wraps after the fourth frame";
    advisor.Animate();  // a new period starts here
    clock.Advance(255);
    advisor.Animate();
    EXPECT_EQ(advisor.animFrame, 0);
    Clock::Install(nullptr);
}

TEST(AdvisorScenes, EntrySetsWhatTheSceneSetsAndLeavesTheRest) {
    AdvisorBubble advisor;
    advisor.advisorX = 333;
    advisor.arrowX = 11;
    advisor.returnHintPending = 1;
    PlaceAdvisor(advisor, AdvisorValuesFor(AdvisorScene::NameEntry));
    EXPECT_EQ(advisor.advisorX, 333) << "the name entry keeps x";
    EXPECT_EQ(advisor.advisorY, 250);
    EXPECT_EQ(advisor.hintIndex, 2u);
    EXPECT_EQ(advisor.arrowX, 245);
    PlaceAdvisor(advisor, AdvisorValuesFor(AdvisorScene::Options));
    EXPECT_EQ(advisor.bubbleStyle, 2);
    EXPECT_EQ(advisor.arrowShown, 0);
    EXPECT_EQ(advisor.arrowX, 245) << "a hidden arrow keeps its place";
    EXPECT_EQ(advisor.returnHintPending, 1);
    PlaceAdvisor(advisor, AdvisorValuesFor(AdvisorScene::EarthSystem));
    EXPECT_EQ(advisor.advisorX, 600) << "the first region starts where the scene before left it";
    EXPECT_EQ(advisor.hintIndex, 3u);
    EXPECT_EQ(advisor.returnHintPending, 0);
}

TEST(AdvisorScenes, EachMotionTakesTheStepOfItsStepper) {
    struct Case {
        AdvisorScene scene;
        uint8_t down, right;
        int32_t wantDx, wantDy;
    };
    const AdvisorSteps steps{7, 3};  // slide, bob
    const Case cases[] = {
        {AdvisorScene::Buildings, 1, 1, 3, 3},     // bob both ways and right with the bob stepper
        {AdvisorScene::Buildings, 0, 0, -7, -3},   // left with the slide stepper
        {AdvisorScene::MakeRobots, 1, 1, 7, 3},    // both slides with the slide stepper
        {AdvisorScene::YourShip, 1, 1, 0, 7},      // down 40 from one stepper,
        {AdvisorScene::YourShip, 0, 1, 0, -3},     // up 20 from the other; no slide
    };
    for (const Case& c : cases) {
        AdvisorBubble advisor;
        const AdvisorSceneValues& values = AdvisorValuesFor(c.scene);
        advisor.advisorX = 400;
        advisor.advisorY = (values.minY + values.maxY) / 2;
        advisor.bobDown = c.down;
        advisor.slideRight = c.right;
        const int32_t y = advisor.advisorY;
        ShowAdvisor(advisor, values, steps, nullptr, nullptr);
        EXPECT_EQ(advisor.advisorX - 400, c.wantDx) << static_cast<int>(c.scene);
        EXPECT_EQ(advisor.advisorY - y, c.wantDy) << static_cast<int>(c.scene);
    }
    AdvisorBubble off;
    off.advisorOn = 0;
    ShowAdvisor(off, AdvisorValuesFor(AdvisorScene::MakeRobots), steps, nullptr, nullptr);
    EXPECT_EQ(off.advisorX, 700);
    EXPECT_EQ(off.advisorY, 420);
}

TEST(AdvisorHints, ShipAndQuestsPagesPointTheWay) {
    struct Ship {
        uint32_t installed, upgrades;
        bool affordable;
        uint8_t wantShown;
    };
    const Ship ships[] = {{2, 1, true, 9}, {3, 1, true, 1}, {3, 1, false, 0}, {2, 2, true, 1}, {2, 2, false, 9}};
    for (const Ship& c : ships) {
        AdvisorBubble advisor;
        advisor.bubbleShown = advisor.arrowShown = 9;  // "kept" shows as 9
        advisor.hintIndex = 5;
        YourShipHint(advisor, c.installed, c.affordable, c.upgrades);
        EXPECT_EQ(advisor.bubbleShown, c.wantShown) << c.installed << c.upgrades << c.affordable;
        EXPECT_EQ(advisor.arrowShown, c.wantShown);
        EXPECT_EQ(advisor.hintIndex, c.wantShown == 1 ? 6u : 5u);
    }
    struct Quests {
        uint8_t questState, allyBought;
        bool selected;
        uint8_t wantOn;
        uint32_t wantHint;
        int32_t wantArrowX;
    };
    const Quests quests[] = {
        {1, 0, false, 1, 16, 80}, {1, 0, true, 1, 17, 530}, {1, 1, false, 1, 18, 30},
        {1, 1, true, 0, 16, 80},  {2, 0, false, 0, 16, 80},
    };
    for (const Quests& c : quests) {
        AdvisorBubble advisor;
        PlaceAdvisor(advisor, AdvisorValuesFor(AdvisorScene::Quests));
        QuestsHint(advisor, c.questState, c.allyBought, c.selected);
        EXPECT_EQ(advisor.advisorOn, c.wantOn) << int(c.questState) << int(c.allyBought) << c.selected;
        EXPECT_EQ(advisor.bubbleShown, c.wantOn);
        EXPECT_EQ(advisor.hintIndex, c.wantHint);
        EXPECT_EQ(advisor.arrowX, c.wantArrowX);
    }
}

class AdvisorDraw : public ScreenTest {
protected:
    // Pixels in rows [top, bottom) of the last frame: lit at all, and in the hint's text colour.
    struct Counts {
        long lit = 0, text = 0;
    };
    Counts CountRows(int top, int bottom) {
        const Image shot = Shot();
        Counts counts;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < shot.width; ++x) {
                const uint32_t p = shot.pixels[static_cast<size_t>(y * shot.width + x)];
                const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
                counts.lit += (p & 0xFFFFFF) != 0;
                counts.text += g > 200 && r > 110 && r < 170 && b > 110 && b < 170;
            }
        }
        return counts;
    }
};

TEST_F(AdvisorDraw, TheSpriteAlwaysTheBubbleAndTextOnlyWhenTheyExist) {
    if (!HasArt()) GTEST_SKIP() << "no stand-in art in the game directory";
    Font font;
    ASSERT_EQ(font.Create(&graphics_, "Arial", 14, 1, 0, 0, 0), 1);
    struct Case {
        uint8_t shown, style;
        uint32_t hint;
        bool wantBubble, wantText;
    };
    const Case cases[] = {
        {1, 1, 0, true, true},  {0, 1, 0, false, false}, {1, 7, 0, false, true}, {1, 1, 25, true, false},
        {1, 2, 0, true, true},  {1, 3, 0, true, true},   {1, 0, 0, false, true}, {1, 4, 0, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.shown) << " " << int(c.style) << " " << c.hint);
        AdvisorBubble advisor;
        advisor.advisorX = 400;
        advisor.advisorY = 300;
        advisor.bubbleShown = c.shown;
        advisor.bubbleStyle = c.style;
        advisor.hintIndex = c.hint;
        Clear();
        graphics_.BeginScene();
        advisor.Draw(art_.menuSheet, &font);
        graphics_.EndScene();
        EXPECT_GT(CountRows(300, 380).lit, 1000) << "the sprite";
        const Counts bubble = CountRows(235, 290);
        EXPECT_EQ(bubble.lit > 3000, c.wantBubble) << bubble.lit;
        EXPECT_EQ(bubble.text > 20, c.wantText) << bubble.text;
    }
    font.Release();
}

}  // namespace
