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

int Frames(const SpriteSheet* sheet, int image) {
    if (!sheet || !sheet->images[image].texture) return 0;
    return sheet->framesPerRow[image] * (sheet->images[image].Height() / sheet->frameHeight[image]);
}

using StoryArt = Canvas;

// Every picture the objects name is a stand-in that holds the frames they draw.
TEST_F(StoryArt, EveryPictureLoadsWithTheFramesItIsDrawnWith) {
    ClearRequestedGamePaths();
    StoryCutscene intro, ending;
    intro.stage = StoryCutscene::kIntro;
    ending.stage = StoryCutscene::kEnding;
    intro.LoadArt(&graphics_);
    ending.LoadArt(&graphics_);
    GalaxyAnimation galaxy;
    galaxy.LoadArt(&graphics_);
    HallOfFameScreen hall;
    hall.LoadArt(&graphics_);
    EXPECT_EQ(RequestedGamePaths().size(), 1u + 8u + 13u + 3u);
    EXPECT_EQ(standin::NamesMissingFromRepoManifest(RequestedGamePaths()), std::vector<std::string>{});
    EXPECT_GE(Frames(intro.sheet, 0), 1);
    const int endingFrames[8] = {1, 1, 1, 1, 16, 1, 8, 1};  // asteroids turn, eight kinds of ship
    for (int i = 0; i < 8; ++i) EXPECT_GE(Frames(ending.sheet, i), endingFrames[i]) << i;
    for (int i = 0; i < GalaxyAnimation::kImageCount; ++i) EXPECT_GE(Frames(galaxy.sheet, i), 1) << i;
    const int hallFrames[3] = {1, 10, 3};  // picture, digits, Back's three looks
    for (int i = 0; i < 3; ++i) EXPECT_GE(Frames(hall.sheet, i), hallFrames[i]) << i;
}

}  // namespace
}  // namespace story_test
