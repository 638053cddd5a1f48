#include <gtest/gtest.h>

#include "frontend/galaxy_animation.h"
#include "frontend/hall_of_fame_screen.h"
#include "frontend/story_cutscene.h"
#include "manifest_check.h"
#include "platform/game_path.h"
#include "platform/sprite_sheet.h"
#include "story_test_support.h"

namespace story_test {
namespace {

// Each object drawn headless into build/test-out/*.png, checked where a player would see a fault.
class StoryScreensDrawing : public Canvas {
protected:
    void SetUp() override {
        Canvas::SetUp();
        ClearRequestedGamePaths();
    }
    void TearDown() override {
        EXPECT_EQ(standin::NamesMissingFromRepoManifest(RequestedGamePaths()), std::vector<std::string>{});
        Canvas::TearDown();
    }
    ManualTime time;
};

TEST_F(StoryScreensDrawing, EndingFleetArrivesAndTheWordShowsOnlyInItsSeconds) {
    StoryCutscene cut;
    cut.stage = StoryCutscene::kEnding;
    cut.LoadArt(&graphics_);
    cut.Setup();
    // The asteroids turn through 16 frames; the small ships are of 8 kinds.
    EXPECT_EQ(cut.sheet->images[4].Width() * cut.sheet->images[4].Height() / (64 * 64), 16);
    EXPECT_EQ(cut.sheet->images[6].Width() * cut.sheet->images[6].Height() / (32 * 8), 8);
    cut.DrawStage();
    const Image start = Shot("story_ending_start");
    for (int f = 0; f < 700; ++f) cut.Move2(1, 1, 2, 3, 4);  // about 12 s of steps
    const auto draw = [&](uint32_t seconds, const char* name) {
        Clear();
        cut.DrawStage();
        cut.DrawWordPicture(seconds);
        return Shot(name);
    };
    const Image late = draw(5, "story_ending_12s"), word = draw(2, "story_ending_word");
    EXPECT_LT(LitPixels(start, 0, 150, 400, 300), 20000);  // the capital ship comes in over the sky
    EXPECT_GT(LitPixels(late, 0, 150, 400, 300), 80000);
    // The word picture, 256 x 32 at 1.1 from (266, 20), is the only difference.
    EXPECT_GT(ChangedPixels(late, word, 266, 20, 282, 36), 500);
    EXPECT_EQ(ChangedPixels(late, word, 0, 0, 800, 600), ChangedPixels(late, word, 266, 20, 282, 36));
    // Its word is centred in the picture: as much of it left of x 407 as right.
    const int left = ChangedPixels(late, word, 266, 20, 141, 36), right = ChangedPixels(late, word, 407, 20, 141, 36);
    EXPECT_NEAR(left, right, (left + right) / 5) << left << " left, " << right << " right";
}

TEST_F(StoryScreensDrawing, IntroPictureRisesIntoItsColumn) {
    StoryCutscene cut;
    cut.stage = StoryCutscene::kIntro;
    cut.LoadArt(&graphics_);
    cut.Setup();
    cut.DrawMain();
    EXPECT_EQ(LitPixels(Shot("story_intro_start"), 0, 0, 800, 600), 0);
    for (int f = 0; f < 600; ++f) cut.Move1(1);
    Clear();
    cut.DrawMain();
    const Image risen = Shot("story_intro_risen");
    // 512 px at 1.2 from (110, 0): the picture's stars, nothing beside it.
    EXPECT_GT(LitPixels(risen, 110, 0, 614, 600), 500);
    EXPECT_EQ(LitPixels(risen, 0, 0, 110, 600) + LitPixels(risen, 725, 0, 75, 600), 0);
}

TEST_F(StoryScreensDrawing, GalaxyCoreFollowsTheZoomOverTheBackground) {
    GalaxyAnimation galaxy;
    galaxy.LoadArt(&graphics_);
    galaxy.LoadArt(&graphics_);  // again, as after a device reset
    galaxy.DrawBackground(art_.spaceSheet, art_.dustSheet, art_.cloudsSheet);
    EXPECT_GT(LitPixels(Shot("galaxy_background"), 0, 0, 800, 600), 800 * 600 / 2);
    // The galaxy's bright core sits at the picture's centre.
    const auto coreLit = [&galaxy](const Image& shot) {
        const int cx = galaxy.galaxyX + static_cast<int>(256 * galaxy.galaxyScaleX);
        return LitPixels(shot, cx - 8, galaxy.galaxyY + static_cast<int>(128 * galaxy.galaxyScaleY) - 8, 16, 16);
    };
    galaxy.Draw();
    EXPECT_GT(coreLit(Shot("galaxy_start")), 230);
    for (int call = 0; call < 450; ++call, time.clock.Advance(kFrameMs)) galaxy.Step9(0);  // 150 zoom ticks
    Clear();
    galaxy.DrawBackground(art_.spaceSheet, art_.dustSheet, art_.cloudsSheet);
    galaxy.Draw();
    EXPECT_GT(coreLit(Shot("galaxy_zoomed")), 230);
    EXPECT_EQ(galaxy.galaxyY, GalaxyAnimation::kGalaxyTopStop);
}

TEST_F(StoryScreensDrawing, HallOfFameUnusedEntriesDrawNothingUsedOnesNameWithNumberAbove) {
    uint8_t used[5] = {1, 1, 1, 1, 1}, names[5][21] = {};
    int32_t values[5] = {12345, 2048, 300, 47, 7};
    const uint8_t admiral[] = {28, 29, 5, 14, 10, 19, 2, 13, 1}, bob[] = {30, 31, 16, 3, 1};
    for (int k = 0; k < 5; ++k) std::copy_n(k % 2 ? bob : admiral, k % 2 ? 5 : 9, names[k]);
    const auto page = [&](const char* name) {
        HallOfFameScreen screen;
        screen.LoadArt(&graphics_);
        screen.CopyEntries(used, values, names);
        Clear();
        screen.Draw(art_.menuSheet);
        return Shot(name);
    };
    const Image full = page("hall_of_fame_full");
    used[3] = 0;
    const Image without = page("hall_of_fame_without_fourth");
    values[3] = 99999;
    std::fill_n(names[3], 21, 30);
    EXPECT_EQ(ChangedPixels(without, page("hall_of_fame_other_unused"), 0, 0, 800, 600), 0);
    // Entry 4: its name row (64 px glyphs at 0.7 from y 399) and its number just above.
    const int nameRow = ChangedPixels(full, without, 0, 399, 800, 45);
    const int number = ChangedPixels(full, without, 350, 366, 100, 25);
    EXPECT_GT(nameRow, 100);
    EXPECT_GT(number, 50);
    EXPECT_EQ(ChangedPixels(full, without, 0, 0, 800, 600), nameRow + number);
}

}  // namespace
}  // namespace story_test
