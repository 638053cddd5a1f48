#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "platform/image_codec.h"
#include "test_support.h"

namespace {

// A picture with distinct corners, to catch flipped rows or swapped channels.
Image Corners(int w, int h) {
    Image img = SolidImage(w, h, 0xFF808080);
    img.At(0, 0) = 0xFFFF0000;
    img.At(w - 1, 0) = 0xFF00FF00;
    img.At(0, h - 1) = 0xFF0000FF;
    img.At(w - 1, h - 1) = 0xFFFFFFFF;
    return img;
}

void ExpectCorners(const Image& img, int w, int h, int tolerance) {
    ASSERT_EQ(img.width, w);
    ASSERT_EQ(img.height, h);
    EXPECT_PRED3(Near, img.At(0, 0), 0xFFFF0000u, tolerance);
    EXPECT_PRED3(Near, img.At(w - 1, 0), 0xFF00FF00u, tolerance);
    EXPECT_PRED3(Near, img.At(0, h - 1), 0xFF0000FFu, tolerance);
    EXPECT_PRED3(Near, img.At(w - 1, h - 1), 0xFFFFFFFFu, tolerance);
    EXPECT_PRED3(Near, img.At(w / 2, h / 2), 0xFF808080u, tolerance + 8);
}

bool Decode(const std::vector<uint8_t>& bytes, Image& out) { return DecodeImage(bytes.data(), bytes.size(), out); }

}  // namespace

TEST(ImageCodec, DecodesEveryBmpDepthTheArtUses) {
    Image out;
    // Odd widths exercise the row padding.
    ASSERT_TRUE(Decode(MakeBmp24(Corners(7, 5)), out));
    ExpectCorners(out, 7, 5, 0);
    ASSERT_TRUE(Decode(MakeBmp32(Corners(5, 3)), out));
    ExpectCorners(out, 5, 3, 0);
    EXPECT_EQ(out.At(0, 0) >> 24, 0xFFu) << "plain 32-bit bitmaps are opaque";
    ASSERT_TRUE(Decode(MakeBmp16(Corners(3, 4)), out));
    ExpectCorners(out, 3, 4, 8);

    Image indexed = SolidImage(5, 2, 1);
    indexed.At(0, 0) = 0;
    indexed.At(4, 1) = 2;
    ASSERT_TRUE(Decode(MakeBmp8(indexed, {0xFF0000, 0x00FF00, 0x0000FF}), out));
    EXPECT_EQ(out.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(out.At(1, 0), 0xFF00FF00u);
    EXPECT_EQ(out.At(4, 1), 0xFF0000FFu);

    // Two and sixteen colours pack several pixels a byte, leftmost in the high bits.
    Image nibbles = SolidImage(11, 3, 0);
    for (int x = 0; x < 11; ++x) nibbles.At(x, 1) = static_cast<uint32_t>(x);
    std::vector<uint32_t> sixteen;
    for (uint32_t i = 0; i < 16; ++i) sixteen.push_back(i * 0x101010u);
    ASSERT_TRUE(Decode(MakeBmpIndexed(nibbles, sixteen, 4), out));
    ASSERT_EQ(out.width, 11);
    for (int x = 0; x < 11; ++x) EXPECT_EQ(out.At(x, 1), 0xFF000000u | sixteen[x]) << x;
    EXPECT_EQ(out.At(10, 0), 0xFF000000u);

    Image bits = SolidImage(13, 2, 0);
    for (int x : {0, 3, 7, 8, 12}) bits.At(x, 0) = 1;
    ASSERT_TRUE(Decode(MakeBmpIndexed(bits, {0x000080, 0xFFFF00}, 1), out));
    ASSERT_EQ(out.width, 13);
    for (int x = 0; x < 13; ++x) EXPECT_EQ(out.At(x, 0), bits.At(x, 0) ? 0xFFFFFF00u : 0xFF000080u) << x;
    EXPECT_EQ(out.At(12, 1), 0xFF000080u);
}

TEST(ImageCodec, BmpTopDownRowsAndPaletteOverrun) {
    std::vector<uint8_t> bmp = MakeBmp24(Corners(4, 4));
    // A negative height means rows run top to bottom.
    int32_t minus = -4;
    std::memcpy(&bmp[22], &minus, 4);
    Image out;
    ASSERT_TRUE(Decode(bmp, out));
    EXPECT_EQ(out.At(0, 3), 0xFFFF0000u);

    // Index 200 in a two-entry palette reads black instead of past the table.
    Image indexed = SolidImage(2, 1, 200);
    ASSERT_TRUE(Decode(MakeBmp8(indexed, {0xFFFFFF, 0x00FF00}), out));
    EXPECT_EQ(out.At(0, 0), 0xFF000000u);
}

TEST(ImageCodec, PngKeepsAlphaAndJpegDecodes) {
    Image src = Corners(9, 6);
    src.At(3, 3) = 0x40123456;
    Image out;
    ASSERT_TRUE(Decode(MakePng(src), out));
    ExpectCorners(out, 9, 6, 0);
    EXPECT_EQ(out.At(3, 3), 0x40123456u);

    Image block = SolidImage(16, 16, 0xFF2060A0);
    ASSERT_TRUE(Decode(MakeJpeg(block, 95), out));
    ASSERT_EQ(out.width, 16);
    EXPECT_PRED3(Near, out.At(8, 8), 0xFF2060A0u, 6);
}

TEST(ImageCodec, TruncatedFilesOfEveryKindAreRejected) {
    const std::vector<std::vector<uint8_t>> files = {MakeBmp24(Corners(8, 8)), MakeBmp8(SolidImage(8, 8, 0), {0}),
                                                     MakePng(Corners(8, 8)), MakeJpeg(SolidImage(32, 32, 0xFF336699), 90)};
    for (const auto& full : files) {
        for (size_t keep : {size_t{0}, size_t{3}, size_t{20}, full.size() / 2, full.size() - 1}) {
            std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<long>(keep));
            Image out;
            EXPECT_FALSE(DecodeImage(cut.data(), cut.size(), out)) << "kept " << keep << " of " << full.size();
            EXPECT_TRUE(out.pixels.empty());
        }
    }
}

TEST(ImageCodec, AbsurdHeaderSizesAreRejectedBeforeAllocating) {
    Image out;
    std::vector<uint8_t> bmp = MakeBmp24(Corners(4, 4));
    int32_t huge = 1 << 30;
    std::memcpy(&bmp[18], &huge, 4);
    EXPECT_FALSE(Decode(bmp, out));

    bmp = MakeBmp24(Corners(4, 4));
    uint16_t oddBits = 7;
    std::memcpy(&bmp[28], &oddBits, 2);
    EXPECT_FALSE(Decode(bmp, out));

    bmp = MakeBmp24(Corners(4, 4));
    uint32_t rle = 1;  // compressed bitmaps are not art the game uses
    std::memcpy(&bmp[30], &rle, 4);
    EXPECT_FALSE(Decode(bmp, out));

    bmp = MakeBmp24(Corners(4, 4));
    uint32_t farOffset = 0x7FFFFFF0;
    std::memcpy(&bmp[10], &farOffset, 4);
    EXPECT_FALSE(Decode(bmp, out));

    // PNG width lives big-endian at byte 16; the chunk CRC no longer matches either.
    std::vector<uint8_t> png = MakePng(Corners(4, 4));
    png[16] = 0x7F;
    EXPECT_FALSE(Decode(png, out));
    EXPECT_TRUE(out.pixels.empty());
}

TEST(ImageCodec, RandomAndMissingInputNeverDecode) {
    std::mt19937 rng(7);
    Image out;
    for (int i = 0; i < 200; ++i) {
        std::vector<uint8_t> junk(static_cast<size_t>(rng() % 300));
        for (uint8_t& b : junk) b = static_cast<uint8_t>(rng());
        // Valid signatures followed by noise reach each decoder's body.
        static const uint8_t kSigs[3][8] = {{'B', 'M'}, {0x89, 'P', 'N', 'G', 13, 10, 26, 10}, {0xFF, 0xD8, 0xFF}};
        if (junk.size() >= 8) std::memcpy(junk.data(), kSigs[i % 3], 8);
        // Must not crash or overread; whatever decodes is whole.
        if (DecodeImage(junk.data(), junk.size(), out)) {
            EXPECT_EQ(out.pixels.size(), static_cast<size_t>(out.width) * out.height);
        }
    }
    EXPECT_FALSE(DecodeImage(nullptr, 0, out));
    std::string why;
    EXPECT_FALSE(LoadImageFile("/nonexistent/picture.bmp", out, &why));
    EXPECT_EQ(why, "No such file or directory");
    // A folder where a picture should be says so, not that it is too large.
    EXPECT_FALSE(LoadImageFile("/tmp", out, &why));
    EXPECT_EQ(why, "it is a folder, not a file");
}

TEST(ImageCodec, CorruptedBytesInsideValidFilesAreSafe) {
    std::mt19937 rng(11);
    const std::vector<std::vector<uint8_t>> files = {MakeBmp8(SolidImage(16, 16, 1), {0, 0xFFFFFF}),
                                                     MakePng(Corners(16, 16)), MakeJpeg(Corners(16, 16), 80)};
    for (const auto& file : files) {
        for (int i = 0; i < 100; ++i) {
            std::vector<uint8_t> bad = file;
            for (int k = 0; k < 4; ++k) bad[2 + rng() % (bad.size() - 2)] = static_cast<uint8_t>(rng());
            Image out;
            if (DecodeImage(bad.data(), bad.size(), out)) {
                EXPECT_EQ(out.pixels.size(), static_cast<size_t>(out.width) * out.height);
            }
        }
    }
}
