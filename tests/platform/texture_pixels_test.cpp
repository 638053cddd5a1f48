#include <gtest/gtest.h>

#include "platform/graphics_device.h"
#include "platform/texture_pixels.h"
#include "test_support.h"

TEST(TexturePixels, NonPowerOfTwoPictureIsStretchedToFill) {
    EXPECT_EQ(NextPowerOfTwo(1), 1);
    EXPECT_EQ(NextPowerOfTwo(64), 64);
    EXPECT_EQ(NextPowerOfTwo(65), 128);
    EXPECT_EQ(NextPowerOfTwo(100), 128);

    // Left half red, right half blue, 100 x 50.
    Image pic = SolidImage(100, 50, 0xFFFF0000);
    for (int y = 0; y < 50; ++y)
        for (int x = 50; x < 100; ++x) pic.At(x, y) = 0xFF0000FF;
    Image tex;
    ASSERT_TRUE(PrepareTexturePixels(pic, 0, 0, tex));
    EXPECT_EQ(tex.width, 128);
    EXPECT_EQ(tex.height, 64);
    // The picture fills the whole texture: the split moves to x = 64.
    EXPECT_EQ(tex.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(tex.At(62, 63), 0xFFFF0000u);
    EXPECT_EQ(tex.At(65, 0), 0xFF0000FFu);
    EXPECT_EQ(tex.At(127, 63), 0xFF0000FFu);

    // Already a power of two: pixel for pixel.
    Image exact = FrameGrid(32, 32, 8, 2);
    ASSERT_TRUE(PrepareTexturePixels(exact, 0, 0, tex));
    EXPECT_EQ(tex.pixels, exact.pixels);
}

TEST(TexturePixels, ColourKeysOfAnyValueClearMatchingPixelsOnly) {
    Image pic = SolidImage(4, 4, 0xFF000000);
    pic.At(1, 1) = 0xFFFFFFFF;
    pic.At(2, 2) = 0xFFFF0000;
    pic.At(3, 3) = 0xFF010000;  // near black is not black
    Image tex;
    ASSERT_TRUE(PrepareTexturePixels(pic, 0xFF000000, 0, tex));
    EXPECT_EQ(tex.At(0, 0), 0u);
    EXPECT_EQ(tex.At(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(tex.At(3, 3), 0xFF010000u);

    ASSERT_TRUE(PrepareTexturePixels(pic, 0xFFFFFFFF, 0, tex));  // white is a key too
    EXPECT_EQ(tex.At(1, 1), 0u);
    EXPECT_EQ(tex.At(0, 0), 0xFF000000u);

    ASSERT_TRUE(PrepareTexturePixels(pic, 0xFFFF0000, 0, tex));
    EXPECT_EQ(tex.At(2, 2), 0u);

    ASSERT_TRUE(PrepareTexturePixels(pic, 0, 0, tex));  // 0: no key
    EXPECT_EQ(tex.At(0, 0), 0xFF000000u);
}

TEST(TexturePixels, A1R5G5B5HasOneAlphaBitAndFiveBitColours) {
    Image pic = SolidImage(2, 2, 0x80FF8040);
    pic.At(1, 0) = 0x7FFFFFFF;  // below half: transparent
    pic.At(0, 1) = 0xFF000000;
    Image tex;
    ASSERT_TRUE(PrepareTexturePixels(pic, 0xFF000000, kFormatA1R5G5B5, tex));
    EXPECT_EQ(tex.At(0, 0) >> 24, 0xFFu);
    // 0x80 -> 16 of 31 -> 132; 0x40 -> 8 of 31 -> 66.
    EXPECT_EQ(tex.At(0, 0), 0xFFFF8442u);
    EXPECT_EQ(tex.At(1, 0), 0u);
    EXPECT_EQ(tex.At(0, 1), 0u);

    // Format 0 keeps the file's eight alpha bits.
    ASSERT_TRUE(PrepareTexturePixels(pic, 0, 0, tex));
    EXPECT_EQ(tex.At(0, 0), 0x80FF8040u);
}

TEST(TexturePixels, KeyedEdgesDoNotDarkenWhenStretched) {
    // White shape on a keyed black background, stretched 6 -> 8: the edge
    // columns and rows of the texture are partly covered by the shape.
    Image pic = SolidImage(6, 6, 0xFF000000);
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 5; ++x) pic.At(x, y) = 0xFFFFFFFF;
    Image tex;
    ASSERT_TRUE(PrepareTexturePixels(pic, 0xFF000000, 0, tex));
    ASSERT_EQ(tex.width, 8);
    int partial = 0;
    for (uint32_t p : tex.pixels) {
        if (p >> 24 == 0) continue;
        EXPECT_EQ(p & 0xFFFFFF, 0xFFFFFFu) << Hex(p);
        partial += p >> 24 < 0xFF;
    }
    EXPECT_GT(partial, 0) << "the edges are blended, not cut";

    // With one alpha bit an edge is in or out, and white when in.
    ASSERT_TRUE(PrepareTexturePixels(pic, 0xFF000000, kFormatA1R5G5B5, tex));
    int white = 0;
    for (uint32_t p : tex.pixels) {
        EXPECT_TRUE(p == 0 || p == 0xFFFFFFFFu) << Hex(p);
        white += p == 0xFFFFFFFFu;
    }
    EXPECT_GT(white, 16) << "more than the shape's fully covered middle";
}

TEST(TexturePixels, RejectsEmptyOrOversizedPictures) {
    Image tex;
    EXPECT_FALSE(PrepareTexturePixels(Image{}, 0, 0, tex));
    Image bad;
    bad.width = kMaxImageSide + 1;
    bad.height = 1;
    EXPECT_FALSE(PrepareTexturePixels(bad, 0, 0, tex));
}
