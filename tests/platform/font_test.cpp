#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/font.h"
#include "platform/font_face.h"
#include "platform/text_layout.h"
#include "test_support.h"

namespace {

// Bounding box of pixels brighter than the background.
struct Box {
    int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1;
    bool Empty() const { return maxX < 0; }
};

Box InkBox(const Image& img) {
    Box b;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if ((img.At(x, y) & 0xFFFFFF) != 0) {
                b.minX = std::min(b.minX, x);
                b.maxX = std::max(b.maxX, x);
                b.minY = std::min(b.minY, y);
                b.maxY = std::max(b.maxY, y);
            }
    return b;
}

class FontTest : public DeviceTest {
protected:
    void SetUp() override {
        DeviceTest::SetUp();
        ASSERT_EQ(font_.Create(&graphics_, "Arial", 14, 1, 0, 0, 0), 1);
        graphics_.Clear(0xFF000000, 1.0f);
    }
    void TearDown() override {
        font_.Release();
        DeviceTest::TearDown();
    }
    Box Draw(const char* text, int x, int y, int w, int h, uint32_t format) {
        graphics_.Clear(0xFF000000, 1.0f);
        EXPECT_EQ(font_.DrawText(text, x, y, w, h, 0xFFFFFFFF, format), 1);
        return InkBox(Shot());
    }
    Font font_;
};

int CharWidths(const std::string& s) { return static_cast<int>(s.size()) * 10; }

}  // namespace

TEST(TextLayout, LinesBreakAtNewlinesAndBetweenWords) {
    std::vector<std::string> lines;
    LayoutTextLines("one two three four", DT_WORDBREAK, 100, CharWidths, lines);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "one two");
    EXPECT_EQ(lines[1], "three four");
    LayoutTextLines("first\r\nsecond", 0, 0, CharWidths, lines);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "second");
    LayoutTextLines("first\nsecond", DT_SINGLELINE | DT_WORDBREAK, 10, CharWidths, lines);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "first second");
    LayoutTextLines("incomprehensibilities x", DT_WORDBREAK, 50, CharWidths, lines);
    ASSERT_EQ(lines.size(), 2u) << "a long word keeps its own line";
    EXPECT_EQ(AlignTextX(DT_CENTER, 0, 100, 40), 30);
    EXPECT_EQ(AlignTextX(DT_RIGHT, 0, 100, 40), 60);
    EXPECT_EQ(AlignTextY(DT_VCENTER, 0, 100, 20), 0) << "only single lines centre vertically";
    EXPECT_EQ(AlignTextY(DT_VCENTER | DT_SINGLELINE, 0, 100, 20), 40);
    EXPECT_EQ(AlignTextY(DT_BOTTOM | DT_SINGLELINE, 0, 100, 20), 80);
}

TEST(FontFace, ArialIsLiberationSans) {
    EXPECT_NE(FontFileForFace("Arial", true, false).find("LiberationSans-Bold.ttf"), std::string::npos);
    EXPECT_NE(FontFileForFace("arial", false, false).find("LiberationSans-Regular.ttf"), std::string::npos);
    EXPECT_NE(FontFileForFace("Unknown Face", false, true).find("LiberationSans-Italic.ttf"), std::string::npos);
}

TEST_F(FontTest, AlignmentFlagsPlaceTheText) {
    Box left = Draw("Hello", 20, 20, 200, 40, DT_LEFT);
    ASSERT_FALSE(left.Empty());
    EXPECT_NEAR(left.minX, 20, 2);
    EXPECT_GE(left.minY, 20);
    EXPECT_LE(left.maxY, 20 + 17) << "a 14-pixel font stays within its line";
    const int inkWidth = left.maxX - left.minX;

    Box right = Draw("Hello", 20, 20, 200, 40, DT_RIGHT);
    EXPECT_NEAR(right.maxX, 219, 2);
    Box centre = Draw("Hello", 20, 20, 200, 40, DT_CENTER);
    EXPECT_NEAR((centre.minX + centre.maxX) / 2, 120, 2);
    EXPECT_NEAR(centre.maxX - centre.minX, inkWidth, 1);

    Box middle = Draw("Hello", 20, 20, 200, 100, DT_VCENTER | DT_SINGLELINE);
    EXPECT_NEAR((middle.minY + middle.maxY) / 2, 70, 4);
    Box bottom = Draw("Hello", 20, 20, 200, 100, DT_BOTTOM | DT_SINGLELINE);
    EXPECT_NEAR(bottom.maxY, 119, 5);
    EXPECT_GT(bottom.minY, 100);
}

TEST_F(FontTest, WordBreakWrapsAndClippingCuts) {
    Box one = Draw("alpha beta gamma delta", 10, 10, 0, 0, 0);
    Box wrapped = Draw("alpha beta gamma delta", 10, 10, 70, 200, DT_WORDBREAK);
    EXPECT_GT(wrapped.maxY - wrapped.minY, 2 * (one.maxY - one.minY)) << "several lines";
    EXPECT_LE(wrapped.maxX, 10 + 70);

    Box clipped = Draw("alpha beta gamma delta", 10, 10, 40, 8, 0);
    EXPECT_LE(clipped.maxX, 49);
    EXPECT_LE(clipped.maxY, 17);
    Box free = Draw("alpha beta gamma delta", 10, 10, 40, 8, DT_NOCLIP);
    EXPECT_GT(free.maxX, 49);
}

TEST_F(FontTest, SameTextInAnotherLayoutIsNotTakenFromTheCache) {
    const Box lines = Draw("Score\nLevel", 10, 10, 200, 100, 0);
    const Box single = Draw("Score\nLevel", 10, 10, 200, 100, DT_SINGLELINE);
    ASSERT_FALSE(lines.Empty());
    EXPECT_GT(lines.maxY - lines.minY, single.maxY - single.minY + 8) << "two lines, then one";
    EXPECT_GT(single.maxX - single.minX, lines.maxX - lines.minX);
}

TEST_F(FontTest, TintAndCacheOfUnchangedText) {
    graphics_.Clear(0xFF000000, 1.0f);
    const int before = font_.RenderedStrings();
    for (int frame = 0; frame < 5; ++frame) {
        font_.DrawText("Score", 10, 10, 0, 0, 0xFFFF0000, 0);
        font_.DrawText("Level", 10, 40, 0, 0, 0xFF00FF00, 0);
    }
    EXPECT_EQ(font_.RenderedStrings() - before, 2) << "each string is rasterised once";
    Image shot = Shot();
    bool red = false, green = false;
    for (uint32_t p : shot.pixels) {
        red |= p == 0xFFFF0000u;
        green |= p == 0xFF00FF00u;
    }
    EXPECT_TRUE(red);
    EXPECT_TRUE(green);
    EXPECT_EQ(font_.DrawText("", 0, 0, 0, 0, 0xFFFFFFFF, 0), 1);
    EXPECT_EQ(font_.DrawText(nullptr, 0, 0, 0, 0, 0xFFFFFFFF, 0), 0);
}

TEST_F(FontTest, FailsCleanlyWithoutFontFilesOrDevice) {
    Font missing;
    setenv("GAME_FONT_DIR", "/nonexistent-fonts", 1);
    EXPECT_EQ(missing.Create(&graphics_, "Arial", 14, 1, 0, 0, 0), 0);
    unsetenv("GAME_FONT_DIR");
    EXPECT_EQ(missing.DrawText("x", 0, 0, 0, 0, 0xFFFFFFFF, 0), 0);
    EXPECT_EQ(missing.Begin(), 0);
    EXPECT_EQ(missing.Create(nullptr, "Arial", 14, 0, 0, 0, 0), 0);
    EXPECT_EQ(missing.Create(&graphics_, nullptr, 14, 0, 0, 0, 0), 0);

    // A font kept across a device reset redraws instead of using dead textures.
    font_.DrawText("kept", 0, 0, 0, 0, 0xFFFFFFFF, 0);
    ASSERT_EQ(graphics_.Reset(), 1);
    EXPECT_FALSE(Draw("kept", 0, 0, 0, 0, 0).Empty()) << "the text shows on the new device";
}
