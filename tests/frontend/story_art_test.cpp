#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/galaxy_animation.h"
#include "frontend/hall_of_fame_screen.h"
#include "frontend/story_cutscene.h"
#include "manifest_check.h"
#include "platform/game_path.h"
#include "platform/sprite_sheet.h"
#include "story_test_support.h"

namespace story_test {
namespace {

int LoadedImages(const SpriteSheet* sheet) {
    int loaded = 0;
    for (int i = 0; sheet && i < sheet->imageCount; ++i) loaded += sheet->images[i].texture != nullptr;
    return loaded;
}

using ArtCanvas = Canvas;

// Each object finds every picture it names among the stand-ins, so a
// misspelt name or a grid the file cannot hold shows here.
TEST_F(ArtCanvas, EveryPictureTheObjectsNameLoadsFromTheStandIns) {
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
    EXPECT_EQ(LoadedImages(intro.sheet), 1);
    EXPECT_EQ(LoadedImages(ending.sheet), 8);
    EXPECT_EQ(LoadedImages(galaxy.sheet), GalaxyAnimation::kImageCount);
    EXPECT_EQ(LoadedImages(hall.sheet), HallOfFameScreen::kImageCount);
    EXPECT_EQ(RequestedGamePaths().size(), 1u + 8u + 13u + 3u);
    EXPECT_EQ(standin::NamesMissingFromRepoManifest(RequestedGamePaths()), std::vector<std::string>{});
    // The asteroids turn through sixteen frames and the fleet uses eight ships.
    const SpriteSheet& sheet = *ending.sheet;
    EXPECT_GE(sheet.framesPerRow[4] * (sheet.images[4].Height() / sheet.frameHeight[4]), 16);
    EXPECT_GE(sheet.framesPerRow[6] * (sheet.images[6].Height() / sheet.frameHeight[6]), 8);
    // A reload after a device reset replaces the sheet (the sanitizer build
    // reports the old one if it leaks).
    galaxy.LoadArt(&graphics_);
    EXPECT_EQ(LoadedImages(galaxy.sheet), GalaxyAnimation::kImageCount);
}

}  // namespace
}  // namespace story_test
