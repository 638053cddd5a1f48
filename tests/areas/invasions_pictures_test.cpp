// Exact pictures of second-region frames reached in play: the Far Colony as
// the ship comes in through the path's portal, the arrival banner around a
// ship slid into an area's corner, and the portal prompts.
#include <gtest/gtest.h>

#include "battle/battle_engine.h"
#include "support/golden_image.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/image_codec.h"
#include "region_test_support.h"
#include "shell/game_app.h"

namespace {
// The prompt's box with a margin: about x 250 to 580, y 27 to 75.
constexpr int kStripX = 244, kStripY = 22, kStripW = 344, kStripH = 60;
// On the prompt's row, left of its text, so that the pointer hides none of it.
constexpr int kRowX = 275, kRowY = 45;

class InvasionsPictureTest : public SturdyInvasionsTest {
protected:
    // The strip of the back buffer that holds a prompt, placed at row `row`
    // of `sheet`.
    void CopyPromptStrip(Image& sheet, int row) {
        Image frame;
        ASSERT_TRUE(App().graphics.ReadBackBuffer(frame));
        for (int y = 0; y < kStripH; ++y) {
            for (int x = 0; x < kStripW; ++x) sheet.At(x, row * kStripH + y) = frame.At(kStripX + x, kStripY + y);
        }
    }
};

// The colony's pipes and its green pillars over the area's wash, the banner
// running over them.
TEST_F(InvasionsPictureTest, TheFarColonyAsTheShipComesInThroughThePathsPortal) {
    EnterArea(4, 180, -9750);
    ASSERT_TRUE(FlyOntoPortal(1));
    ChoosePrompt();
    ASSERT_EQ(Backdrop().areaNumber, 5);
    RunFrames(30);
    ASSERT_NE(Panel().areaTitleTimer, 0);
    EXPECT_TRUE(driver_.MatchesReference("areas", "invasions_far_colony"));
}

// The path's forward portal lies past the top of the view's reach, so the
// ship comes out of it into the next path still slid up from its place:
// the squares close in on it there, under the title, with the home portal
// turning below.
TEST_F(InvasionsPictureTest, TheBannerMidStageAroundAShipSlidUpThroughThePortal) {
    EnterArea(3, 180, -9750);
    ASSERT_TRUE(FlyOntoPortal(1));
    ChoosePrompt();
    ASSERT_EQ(Backdrop().areaNumber, 4);
    for (int frame = 0; frame < 60 && Panel().areaTitleTimer < 6; ++frame) RunFrames(1);
    ASSERT_EQ(Panel().areaTitleTimer, 6);
    ASSERT_GT(Engine().offsetUp, 0);
    EXPECT_NE(Engine().frame4, 0) << "the portal shows a frame of its turn";
    EXPECT_TRUE(driver_.MatchesReference("areas", "invasions_banner_slid_ship"));
}

// The home prompt, plain and lit under the pointer, and a forward one lit,
// one strip each.
TEST_F(InvasionsPictureTest, TheHomeAndForwardPromptsPlainAndLit) {
    Image sheet;
    sheet.Resize(kStripW, 3 * kStripH);
    EnterArea(3, 180, -650);
    ASSERT_TRUE(FlyOntoPortal(0));
    PointAt(400, 300);
    CopyPromptStrip(sheet, 0);
    PointAt(kRowX, kRowY);
    CopyPromptStrip(sheet, 1);
    EnterArea(3, 180, -9750);
    ASSERT_TRUE(FlyOntoPortal(1));
    PointAt(kRowX, kRowY);
    CopyPromptStrip(sheet, 2);
    EXPECT_TRUE(MatchesGolden(sheet, "areas", "invasions_prompts"));
}
}  // namespace
