#include <gtest/gtest.h>

#include <memory>

#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"
#include "test_support.h"

namespace {

class ScreenArtTest : public DeviceTest {};

}  // namespace

// A table puts each image in its own slot, cut into its frames; the answer is
// the last load's, and a missing file empties only its own slot.
TEST_F(ScreenArtTest, TableImagesGoToTheirSlotsAndTheLastLoadAnswers) {
    ScratchFolder dir;
    dir.Write("Art/Grid.bmp", MakeBmp24(FrameGrid(16, 16, 2, 2)));
    ScopedChdir inside(dir.Path());
    constexpr ScreenImage kMissingLast[] = {{3, "Art\\Grid.bmp", 16, 16, kKeyRed}, {1, "Art\\Gone.bmp", 8, 8, kNoKey}};
    constexpr ScreenImage kMissingFirst[] = {kMissingLast[1], kMissingLast[0]};

    std::unique_ptr<SpriteSheet> sheet;
    EXPECT_EQ(LoadScreenSheet(sheet, &graphics_, 5, kMissingLast), 0);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->imageCount, 5);
    EXPECT_NE(sheet->images[3].texture, nullptr);
    EXPECT_EQ(sheet->framesPerRow[3], 2);
    EXPECT_EQ(sheet->images[1].texture, nullptr);
    EXPECT_EQ(graphics_.AlphaTestEnabled(), 1);

    // Again over the live sheet (the art-reload frame): its images are
    // replaced, not leaked (the sanitizer build checks).
    EXPECT_EQ(LoadScreenSheet(sheet, &graphics_, 5, kMissingFirst), 1);
    EXPECT_NE(sheet->images[3].texture, nullptr);
    EXPECT_EQ(LoadScreenSheet(sheet, nullptr, 5, kMissingFirst), 0) << "no device: nothing loads";
    EXPECT_EQ(sheet->imageCount, 0) << "and the earlier images are gone";
}
