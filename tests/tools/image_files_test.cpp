#include <gtest/gtest.h>

#include <fstream>

#include "image.h"
#include "standin_test_util.h"

using namespace standin;

namespace {

Image Pattern(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.Set(x, y, {static_cast<uint8_t>(x * 37), static_cast<uint8_t>(y * 11), static_cast<uint8_t>(x ^ y)});
    return img;
}

void ExpectSame(const Image& a, const Image& b) {
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    EXPECT_EQ(a.Pixels(), b.Pixels());
}

// Widths 1, 3, 5 need row padding; the top row must stay on top.
TEST(StandinImageFiles, BmpAndPngRoundTripExactly) {
    ScratchFolder dir(ScratchFolder::kStayOutside, "tools-roundtrip");
    for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {5, 7}, {64, 16}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        const Image img = Pattern(w, h);
        Image back;
        const std::string bmp = (dir.Path() / "a.bmp").string(), png = (dir.Path() / "a.png").string();
        ASSERT_TRUE(WriteBmp(bmp, img));
        ASSERT_TRUE(ReadBmp(bmp, back));
        ExpectSame(img, back);
        ASSERT_TRUE(WritePng(png, img));
        ASSERT_TRUE(ReadImage(png, back));
        ExpectSame(img, back);
    }
}

TEST(StandinImageFiles, BmpHeaderIsPlain24BitBottomUp) {
    ScratchFolder dir(ScratchFolder::kStayOutside, "tools-header");
    const std::string path = (dir.Path() / "h.bmp").string();
    ASSERT_TRUE(WriteBmp(path, Pattern(3, 2)));
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(d.size(), 54u + 2 * 12);  // 9 bytes a row padded to 12
    auto u32 = [&](int at) { return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (d[at + 3] << 24); };
    EXPECT_EQ(d[0], 'B');
    EXPECT_EQ(d[1], 'M');
    EXPECT_EQ(u32(2), static_cast<int>(d.size()));
    EXPECT_EQ(u32(10), 54);
    EXPECT_EQ(u32(22), 2);  // positive height: bottom-up
    EXPECT_EQ(d[28], 24);
    EXPECT_EQ(u32(30), 0);
    // First stored row is the bottom one, blue first.
    const Image img = Pattern(3, 2);
    EXPECT_EQ(d[54], img.At(0, 1).b);
    EXPECT_EQ(d[56], img.At(0, 1).r);
}

TEST(StandinImageFiles, ReadersRefuseDamagedFiles) {
    ScratchFolder dir(ScratchFolder::kStayOutside, "tools-damaged");
    const std::string path = (dir.Path() / "t.bmp").string();
    ASSERT_TRUE(WriteBmp(path, Pattern(16, 16)));
    std::ifstream in(path, std::ios::binary);
    std::vector<char> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (size_t keep : {size_t{0}, size_t{20}, size_t{54}, d.size() - 1}) {
        std::ofstream(path, std::ios::binary | std::ios::trunc).write(d.data(), static_cast<std::streamsize>(keep));
        Image img;
        EXPECT_FALSE(ReadBmp(path, img)) << "kept " << keep;
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "not a picture at all";
    Image img;
    EXPECT_FALSE(ReadPng(path, img));
    EXPECT_FALSE(ReadImage((dir.Path() / "absent.png").string(), img));
}

TEST(StandinImageFiles, DrawingStaysInsideThePicture) {
    Image img(8, 8, {1, 2, 3});
    img.Fill(-4, -4, 100, 2, {9, 9, 9});
    img.Disc(7.5f, 7.5f, 30.0f, {5, 5, 5});
    img.Line(-50, -50, 50, 50, 3, {7, 7, 7});
    img.Polygon({-10, -10, 20, -10, 20, 20}, {8, 8, 8});
    img.Set(8, 0, {1, 1, 1});
    EXPECT_EQ(img.At(-1, 0), Rgb{});
    EXPECT_EQ(img.At(0, 0), (Rgb{8, 8, 8}));
    EXPECT_EQ(img.Pixels().size(), 8u * 8 * 3);
}

}  // namespace
