#include <gtest/gtest.h>

#include <algorithm>

#include "platform/game_path.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "test_support.h"

namespace {

int LoadedSlots(const SpriteSheet* sheet) {
    int n = 0;
    for (int i = 0; sheet && i < sheet->imageCount; ++i) n += sheet->images[i].texture ? 1 : 0;
    return n;
}

int LoadedSlots(const SharedArt& art) {
    return LoadedSlots(art.menuSheet) + LoadedSlots(art.spaceSheet) + LoadedSlots(art.dustSheet) +
           LoadedSlots(art.cloudsSheet);
}

// Writes a 256 x 256 picture (big enough for every frame size) for each name
// the game asked for, in the format its extension names.
void WriteRequested(const ScratchFolder& dir) {
    for (const std::string& name : RequestedGamePaths()) {
        std::string path = name;
        std::replace(path.begin(), path.end(), '\\', '/');
        Image img = FrameGrid(16, 16, 16, 16);
        bool png = path.size() > 4 && (path.substr(path.size() - 4) == ".PNG" || path.substr(path.size() - 4) == ".png");
        dir.Write(path, png ? MakePng(img) : MakeBmp24(img));
    }
}

class SharedArtTest : public DeviceTest {
protected:
    void SetUp() override {
        DeviceTest::SetUp();
        chdir_ = std::make_unique<ScopedChdir>(dir_.Path());
        ClearRequestedGamePaths();
    }
    void TearDown() override {
        art_.ReleaseArt();
        chdir_.reset();
        DeviceTest::TearDown();
    }
    ScratchFolder dir_;
    std::unique_ptr<ScopedChdir> chdir_;
    SharedArt art_;
};

}  // namespace

TEST_F(SharedArtTest, TwoStepsLoadEighteenThenSixtyFiveImages) {
    EXPECT_EQ(art_.morePending, 1);
    // First pass with no files: every slot stays empty, but the names are recorded.
    EXPECT_EQ(art_.LoadArt(&graphics_), 0);
    ASSERT_NE(art_.menuSheet, nullptr);
    EXPECT_EQ(art_.menuSheet->imageCount, 44);
    EXPECT_EQ(art_.spaceSheet->imageCount, 20);
    EXPECT_EQ(art_.dustSheet->imageCount, 30);
    EXPECT_EQ(art_.cloudsSheet->imageCount, 3);
    EXPECT_EQ(LoadedSlots(art_), 0);
    EXPECT_EQ(RequestedGamePaths().size(), 18u);
    WriteRequested(dir_);
    ASSERT_EQ(art_.LoadArt(&graphics_), 1);
    EXPECT_EQ(LoadedSlots(art_), 18);
    EXPECT_EQ(art_.menuSheet->framesPerRow[42], 2) << "the advisor is 128 x 128 frames";
    EXPECT_EQ(art_.cloudsSheet->framesPerRow[2], 32) << "rocks are 8 x 16 frames";

    ClearRequestedGamePaths();
    EXPECT_EQ(art_.LoadMoreArt(&graphics_), 0);
    EXPECT_EQ(art_.morePending, 0);
    EXPECT_EQ(RequestedGamePaths().size(), 65u);
    const auto& names = RequestedGamePaths();
    EXPECT_NE(std::find(names.begin(), names.end(), "Art\\Controls\\Numbers1.bmp"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Art\\Earth\\9.bmp"), names.end());
    WriteRequested(dir_);
    ASSERT_EQ(art_.LoadMoreArt(&graphics_), 1);
    EXPECT_EQ(LoadedSlots(art_), 83);
    // Digits are 16 x 16 frames; a row holds texture width / 16 of them.
    EXPECT_EQ(art_.menuSheet->framesPerRow[24], art_.menuSheet->images[24].Width() / 16);
    EXPECT_EQ(art_.menuSheet->framesPerRow[24], 16);
    EXPECT_EQ(LoadedSlots(art_.spaceSheet), 7) << "space images 7 to 19 are never loaded";
    EXPECT_EQ(art_.dustSheet->images[29].texture, nullptr);
    EXPECT_EQ(graphics_.AlphaTestEnabled(), 1) << "every shared sheet turns the alpha test on";
}

TEST_F(SharedArtTest, ReleaseClearsEverySheetAndCanRunTwice) {
    art_.LoadArt(&graphics_);
    art_.LoadMoreArt(&graphics_);
    art_.ReleaseArt();
    EXPECT_EQ(art_.menuSheet, nullptr);
    EXPECT_EQ(art_.spaceSheet, nullptr);
    EXPECT_EQ(art_.dustSheet, nullptr);
    EXPECT_EQ(art_.cloudsSheet, nullptr);
    art_.ReleaseArt();
    EXPECT_EQ(art_.menuSheet, nullptr);
    // Loading again after a release (the art-reload frame) works the same.
    WriteRequested(dir_);
    EXPECT_EQ(art_.LoadArt(&graphics_), 1);
    EXPECT_EQ(art_.LoadMoreArt(&graphics_), 1);
    EXPECT_EQ(LoadedSlots(art_), 83);
    // Loading over live sheets replaces them without leaking (the sanitizer build checks).
    EXPECT_EQ(art_.LoadArt(&graphics_), 1);
    EXPECT_EQ(LoadedSlots(art_), 18);
}

TEST_F(SharedArtTest, MissingAndCorruptFilesLeaveOnlyTheirSlotsEmpty) {
    art_.LoadArt(&graphics_);
    art_.LoadMoreArt(&graphics_);
    WriteRequested(dir_);
    dir_.Write("Art/Menu/Back1.bmp", {'B', 'M', 1, 2, 3});
    dir_.Write("Art/Space/256/1.PNG", {0x89, 'P', 'N', 'G'});
    art_.ReleaseArt();
    art_.LoadArt(&graphics_);
    art_.LoadMoreArt(&graphics_);
    EXPECT_EQ(LoadedSlots(art_), 81);
    EXPECT_EQ(art_.menuSheet->Draw(5, 0, 0, 0, 0xFFFFFFFF, 1, 1, 0, 0), 0);
    EXPECT_EQ(art_.spaceSheet->Draw(3, 0, 0, 0, 0xFFFFFFFF, 1, 1, 0, 0), 0);
    EXPECT_EQ(art_.menuSheet->Draw(14, 0, 0, 0, 0xFFFFFFFF, 1, 1, 0, 0), 1);
}
