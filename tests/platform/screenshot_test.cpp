#include <gtest/gtest.h>

#include "platform/font.h"
#include "platform/sprite_sheet.h"
#include "test_support.h"

namespace {

constexpr uint32_t kBlackKey = 0xFF000000;
constexpr uint32_t kWhiteKey = 0xFFFFFFFF;
constexpr float kHeadingStep = -0.098125f;

// An arrow pointing up on a black (keyed) ground, with a red tail.
Image Arrow() {
    Image img = SolidImage(32, 32, 0xFF000000);
    for (int y = 2; y < 30; ++y) {
        int half = y < 14 ? y / 2 : 3;
        for (int x = 16 - half; x < 16 + half; ++x) img.At(x, y) = y >= 26 ? 0xFFFF3030 : 0xFFE8E8E8;
    }
    return img;
}

// Eight 16 x 16 frames (4 x 2) of distinct colours, each with a white
// (keyed) hole in the middle.
Image Tiles() {
    Image img = FrameGrid(16, 16, 4, 2);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (x % 16 >= 6 && x % 16 < 10 && y % 16 >= 6 && y % 16 < 10) img.At(x, y) = 0xFFFFFFFF;
    return img;
}

}  // namespace

class ScreenshotTest : public DeviceTest {
protected:
    void SetUp() override { Open(320, 240); }
};

TEST_F(ScreenshotTest, TestSheetWithKeysTintsScalesAndRotations) {
    SpriteSheet sheet;
    ASSERT_EQ(sheet.Init(&graphics_, 2), 1);
    sheet.SetAlphaTest(1);
    ASSERT_EQ(sheet.LoadImagePixels(0, Arrow(), 32, 32, kBlackKey, kFormatA1R5G5B5), 1);
    ASSERT_EQ(sheet.LoadImagePixels(1, Tiles(), 16, 16, kWhiteKey, kFormatA1R5G5B5), 1);
    Font font;
    ASSERT_EQ(font.Create(&graphics_, "Arial", 14, 1, 0, 0, 0), 1);

    graphics_.Clear(0xFF203040, 1.0f);
    graphics_.BeginScene();
    for (int i = 0; i < 8; ++i) {
        sheet.Draw(0, 0, 8.0f + i * 38, 8, 0xFFFFFFFF, 1, 1, 16, i * 8 * kHeadingStep);  // headings 0, 8 ... 56
        sheet.Draw(1, i, 8.0f + i * 38, 52, 0xFFFFFFFF, 2, 2, 0, 0);
    }
    static constexpr uint32_t kTints[] = {0xFFFF0000, 0xFF00FF00, 0x800000FF, 0x40FFFFFF};
    for (int i = 0; i < 4; ++i) sheet.Draw(1, 0, 8.0f + i * 40, 100, kTints[i], 2, 2, 0, 0);
    sheet.Draw(0, 0, 180, 96, 0xFFFFFFFF, 2.0f, 1.0f, 16, 0.6f);
    sheet.Draw(0, 0, 250, 96, 0xFFFFFF00, -1.5f, 1.5f, 0, 0);
    sheet.Draw(1, 5, 20, 150, 0xFFFFFFFF, 3.0f, 1.5f, 12, -0.4f);
    font.DrawText("Sprites: keys, tints, turns", 0, 200, 320, 20, 0xFFFFFFFF, DT_CENTER | DT_SINGLELINE);
    font.DrawText("clipped", 150, 170, 30, 10, 0xFFFFC000, 0);
    graphics_.EndScene();

    Image shot = Shot();
    EXPECT_TRUE(MatchesReference(shot, "sprite_sheet_scene"));
    font.Release();
    sheet.Release();
}
