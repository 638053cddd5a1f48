#include <gtest/gtest.h>
#include <sys/resource.h>

#include "platform/game_path.h"
#include "platform/sprite_draw.h"
#include "platform/sprite_sheet.h"
#include "platform/texture.h"
#include "test_support.h"

namespace {

constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr float kHeadingStep = -0.098125f;  // the ship's rotation per heading

// 32 x 32 white with a red 4 x 4 block at the top-left and a blue one at the top-right.
Image MarkedSquare() {
    Image img = SolidImage(32, 32, kWhite);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            img.At(x, y) = kRed;
            img.At(28 + x, y) = kBlue;
        }
    return img;
}

class SpriteTest : public DeviceTest {
protected:
    void SetUp() override {
        DeviceTest::SetUp();
        ASSERT_EQ(sheet_.Init(&graphics_, 4), 1);
        sheet_.SetAlphaTest(1);
        graphics_.Clear(kBlack, 1.0f);
    }
    void TearDown() override {
        sheet_.Release();
        DeviceTest::TearDown();
    }
    SpriteSheet sheet_;
};

}  // namespace

TEST_F(SpriteTest, FrameNumbersRunRowByRowFromTheTopLeft) {
    // 256 wide in 32-pixel frames: 8 per row; frame 9 is column 1 of row 1.
    ASSERT_EQ(sheet_.LoadImagePixels(0, FrameGrid(32, 32, 8, 2), 32, 32, 0, 0), 1);
    EXPECT_EQ(sheet_.framesPerRow[0], 8);
    EXPECT_EQ(sheet_.images[0].Width(), 256);
    ASSERT_EQ(sheet_.Draw(0, 9, 10, 10, kWhite, 1, 1, 0, 0), 1);
    EXPECT_EQ(Pixel(10, 10), FrameColour(9));
    EXPECT_EQ(Pixel(41, 41), FrameColour(9));
    EXPECT_EQ(Pixel(42, 42), kBlack) << "exactly one 32 x 32 frame is drawn";

    // Frame size 0 takes the whole texture as frame 0.
    ASSERT_EQ(sheet_.LoadImagePixels(1, FrameGrid(32, 32, 8, 2), 0, 0, 0, 0), 1);
    EXPECT_EQ(sheet_.framesPerRow[1], 1);
    EXPECT_EQ(sheet_.frameWidth[1], 256);
    EXPECT_EQ(sheet_.frameHeight[1], 64);

    // A 100-wide picture becomes a 128-wide texture: four 32-pixel frames a row.
    ASSERT_EQ(sheet_.LoadImagePixels(2, SolidImage(100, 20, kWhite), 32, 32, 0, 0), 1);
    EXPECT_EQ(sheet_.images[2].Width(), 128);
    EXPECT_EQ(sheet_.images[2].Height(), 32);
    EXPECT_EQ(sheet_.framesPerRow[2], 4);

    // Frames taller than wide: frame 5 is column 1 of row 1, at (16, 32).
    ASSERT_EQ(sheet_.LoadImagePixels(3, FrameGrid(16, 32, 4, 2), 16, 32, 0, 0), 1);
    graphics_.Clear(kBlack, 1.0f);
    ASSERT_EQ(sheet_.Draw(3, 5, 100, 100, kWhite, 1, 1, 0, 0), 1);
    EXPECT_EQ(Pixel(100, 100), FrameColour(5));
    EXPECT_EQ(Pixel(115, 131), FrameColour(5));
    EXPECT_EQ(Pixel(116, 100), kBlack);
    EXPECT_EQ(Pixel(100, 132), kBlack);
}

TEST_F(SpriteTest, ScaleRotationAndMirrorPlaceTheFrame) {
    // The marked square drawn at (100, 100): red marks its top-left, blue its top-right.
    ASSERT_EQ(sheet_.LoadImagePixels(0, MarkedSquare(), 32, 32, 0, 0), 1);
    const struct {
        const char* what;
        float scaleX, scaleY;
        int centre;
        float rotation;
        int probes[4][2];
        uint32_t colours[4];
    } rows[] = {
        {"scaled 2 x 3 from the corner", 2, 3, 0, 0, {{106, 110}, {162, 101}, {162, 194}, {166, 150}},
         {kRed, kBlue, kWhite, kBlack}},
        // Heading 16 points right: the top edge lies along the right side.
        {"heading 16", 1, 1, 16, 16 * kHeadingStep, {{129, 102}, {129, 129}, {102, 102}, {135, 115}},
         {kRed, kBlue, kWhite, kBlack}},
        // The centre counts in scaled pixels: turns about (132, 132).
        {"heading 16 at twice the size", 2, 2, 32, 16 * kHeadingStep, {{160, 104}, {160, 160}, {101, 101}, {166, 132}},
         {kRed, kBlue, kWhite, kBlack}},
        {"heading 48", 1, 1, 16, 48 * kHeadingStep, {{102, 129}, {102, 102}, {129, 129}, {95, 115}},
         {kRed, kBlue, kWhite, kBlack}},
        // Without a centre it turns about its corner: +1.57 extends it up and right.
        {"flame about its corner", 1, 1, 0, 1.5707964f, {{102, 98}, {102, 70}, {120, 80}, {98, 90}},
         {kRed, kBlue, kWhite, kBlack}},
        {"mirrored about its corner", -1, 1, 0, 0, {{97, 101}, {70, 101}, {85, 120}, {101, 101}},
         {kRed, kBlue, kWhite, kBlack}},
        // Upside down: the top row ends at the bottom, just above the corner.
        {"mirrored upwards about its corner", 1, -1, 0, 0, {{101, 97}, {129, 97}, {101, 70}, {101, 101}},
         {kRed, kBlue, kWhite, kBlack}},
    };
    for (const auto& r : rows) {
        graphics_.Clear(kBlack, 1.0f);
        ASSERT_EQ(sheet_.Draw(0, 0, 100, 100, kWhite, r.scaleX, r.scaleY, r.centre, r.rotation), 1);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(Pixel(r.probes[k][0], r.probes[k][1]), r.colours[k]) << r.what << " at " << r.probes[k][0] << ","
                                                                           << r.probes[k][1];
        }
    }
}

TEST_F(SpriteTest, PlacementMatchesTheShipsHitBoxes) {
    // The ship's nose box at heading 0 is (30, 0, 4, 16); at heading 16 the
    // same nose is (48, 30, 16, 4). Draw only the nose and turn the ship.
    Image ship = SolidImage(64, 64, kBlack);
    for (int y = 0; y < 16; ++y)
        for (int x = 30; x < 34; ++x) ship.At(x, y) = kWhite;
    ASSERT_EQ(sheet_.LoadImagePixels(0, ship, 64, 64, kBlack, kFormatA1R5G5B5), 1);
    ASSERT_EQ(sheet_.Draw(0, 0, 50, 50, kWhite, 1, 1, 32, 16 * kHeadingStep), 1);
    Image shot = Shot();
    int minX = 999, maxX = -1, minY = 999, maxY = -1;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x)
            if (((shot.At(x, y) >> 8) & 0xFF) > 128) {
                minX = std::min(minX, x - 50);
                maxX = std::max(maxX, x - 50);
                minY = std::min(minY, y - 50);
                maxY = std::max(maxY, y - 50);
            }
    EXPECT_NEAR(minX, 48, 1);
    EXPECT_NEAR(maxX, 63, 1);
    EXPECT_NEAR(minY, 30, 1);
    EXPECT_NEAR(maxY, 33, 1);

    // The same arithmetic, without pixels.
    SpritePlacement place;
    place.x = 50;
    place.y = 50;
    place.centre = 32;
    place.rotation = 16 * kHeadingStep;
    float sx, sy;
    PlaceSpritePoint(place, 32, 0, sx, sy);  // tip of the nose
    // -1.57 falls just short of a quarter turn: 32 px x 0.0008 rad off.
    EXPECT_NEAR(sx, 50 + 64, 0.05);
    EXPECT_NEAR(sy, 50 + 32, 0.05);
}

TEST_F(SpriteTest, TintsAlphaAndTheAlphaTest) {
    ASSERT_EQ(sheet_.LoadImagePixels(0, SolidImage(32, 32, kWhite), 32, 32, 0, kFormatA1R5G5B5), 1);
    sheet_.Draw(0, 0, 0, 0, 0xFFFF0000, 1, 1, 0, 0);
    EXPECT_EQ(Pixel(5, 5), kRed);
    sheet_.Draw(0, 0, 40, 0, 0x80FFFFFF, 1, 1, 0, 0);
    EXPECT_PRED3(Near, Pixel(45, 5), 0xFF808080u, 2);
    // With the alpha test on (reference 8), alpha 7 draws nothing at all...
    EXPECT_EQ(sheet_.Draw(0, 0, 80, 0, 0x07FFFFFF, 1, 1, 0, 0), 1);
    EXPECT_EQ(Pixel(85, 5), kBlack);
    sheet_.Draw(0, 0, 120, 0, 0x08FFFFFF, 1, 1, 0, 0);
    EXPECT_NE(Pixel(125, 5), kBlack);
    // ...while without it the faint draw still blends in.
    sheet_.SetAlphaTest(0);
    sheet_.Draw(0, 0, 160, 0, 0x07FFFFFF, 1, 1, 0, 0);
    EXPECT_NE(Pixel(165, 5), kBlack);
}

TEST_F(SpriteTest, ColourKeyedPixelsAreNotDrawn) {
    Image img = SolidImage(16, 16, kWhite);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) img.At(x, y) = kWhite - 0x00000001;  // not the key
    img.At(0, 0) = kWhite;
    ASSERT_EQ(sheet_.LoadImagePixels(0, img, 16, 16, kWhite, kFormatA1R5G5B5), 1);
    sheet_.Draw(0, 0, 10, 10, kWhite, 1, 1, 0, 0);
    EXPECT_EQ(Pixel(10, 10), kBlack) << "white is the key here";
    EXPECT_NE(Pixel(17, 17), kBlack);
}

TEST_F(SpriteTest, EmptyOrBadSlotsDrawNothingAndReportZero) {
    EXPECT_EQ(sheet_.Draw(0, 0, 0, 0, kWhite, 1, 1, 0, 0), 0) << "never loaded";
    EXPECT_EQ(sheet_.Draw(9, 0, 0, 0, kWhite, 1, 1, 0, 0), 0) << "no such slot";
    EXPECT_EQ(sheet_.Draw(-1, 0, 0, 0, kWhite, 1, 1, 0, 0), 0);
    EXPECT_EQ(sheet_.LoadImagePixels(7, MarkedSquare(), 32, 32, 0, 0), 0);

    // A frame wider than the picture: the slot stays empty.
    EXPECT_EQ(sheet_.LoadImagePixels(1, MarkedSquare(), 64, 32, 0, 0), 0);
    EXPECT_EQ(sheet_.framesPerRow[1], 0);
    EXPECT_EQ(sheet_.images[1].texture, nullptr);
    EXPECT_EQ(sheet_.Draw(1, 0, 0, 0, kWhite, 1, 1, 0, 0), 0);

    ASSERT_EQ(sheet_.LoadImagePixels(2, MarkedSquare(), 16, 16, 0, 0), 1);
    EXPECT_EQ(sheet_.Draw(2, -1, 0, 0, kWhite, 1, 1, 0, 0), 0);
    EXPECT_EQ(sheet_.Draw(2, 4, 0, 0, kWhite, 1, 1, 0, 0), 0) << "past the last row";
    EXPECT_EQ(sheet_.Draw(2, 2147483647, 0, 0, kWhite, 1, 1, 0, 0), 0);
    Image shot = Shot();
    for (uint32_t p : shot.pixels) ASSERT_EQ(p, kBlack);

    // Missing and corrupt files leave their slots empty.
    ScratchFolder dir;
    std::vector<uint8_t> bmp = MakeBmp24(MarkedSquare());
    bmp.resize(bmp.size() / 2);
    dir.Write("Art/Bad.bmp", bmp);
    ScopedChdir in(dir.Path());
    EXPECT_EQ(sheet_.LoadImage(3, "Art\\Missing.bmp", 16, 16, 0, kFormatA1R5G5B5), 0);
    EXPECT_EQ(sheet_.LoadImage(3, "Art\\bad.BMP", 16, 16, 0, kFormatA1R5G5B5), 0);
    EXPECT_EQ(sheet_.Draw(3, 0, 0, 0, kWhite, 1, 1, 0, 0), 0);

    SpriteSheet never;
    EXPECT_EQ(never.Draw(0, 0, 0, 0, kWhite, 1, 1, 0, 0), 0);
    EXPECT_EQ(never.LoadImage(0, "x.bmp", 0, 0, 0, 0), 0);
    EXPECT_EQ(never.Init(nullptr, 3), 0);
    EXPECT_EQ(never.Init(&graphics_, 0), 0);
}

// Frames outside the grid are counted, whichever sheet draws them; frames
// inside it are not, up to the grid's last one.
TEST_F(SpriteTest, DrawsOfFramesPastTheGridAreCounted) {
    // 32 x 48 in 16 x 16 frames: two a row, three whole rows; 16 x 20 frames
    // have two whole rows and a part of a third, which still draws cut.
    ASSERT_EQ(sheet_.LoadImagePixels(0, FrameGrid(16, 16, 2, 4), 16, 16, 0, 0), 1);
    ASSERT_EQ(sheet_.images[0].Height(), 64);
    ASSERT_EQ(sheet_.LoadImagePixels(1, FrameGrid(16, 16, 2, 4), 16, 20, 0, 0), 1);
    SpriteSheet other;
    ASSERT_EQ(other.Init(&graphics_, 1), 1);
    ASSERT_EQ(other.LoadImagePixels(0, FrameGrid(16, 16, 4, 1), 16, 16, 0, 0), 1);

    const int64_t before = SpriteSheet::DrawsPastGrid();
    for (int frame = 0; frame < 8; ++frame) EXPECT_EQ(sheet_.Draw(0, frame, 0, 0, kWhite, 1, 1, 0, 0), 1);
    for (int frame = 0; frame < 6; ++frame) EXPECT_EQ(sheet_.Draw(1, frame, 0, 0, kWhite, 1, 1, 0, 0), 1);
    for (int frame = 0; frame < 4; ++frame) EXPECT_EQ(other.Draw(0, frame, 0, 0, kWhite, 1, 1, 0, 0), 1);
    EXPECT_EQ(sheet_.Draw(2, 0, 0, 0, kWhite, 1, 1, 0, 0), 0) << "an empty slot is missing art, not a bad frame";
    EXPECT_EQ(SpriteSheet::DrawsPastGrid(), before) << "every frame inside its grid";

    const struct {
        SpriteSheet* sheet;
        int image, frame;
        int drawn;
    } past[] = {{&sheet_, 0, 8, 0}, {&sheet_, 1, 6, 1}, {&sheet_, 1, 7, 1}, {&sheet_, 0, -1, 0},
                {&other, 0, 4, 0},   {&sheet_, 0, 2147483647, 0}};
    int64_t counted = before;
    for (const auto& c : past) {
        EXPECT_EQ(c.sheet->Draw(c.image, c.frame, 0, 0, kWhite, 1, 1, 0, 0), c.drawn) << "frame " << c.frame;
        EXPECT_EQ(SpriteSheet::DrawsPastGrid(), ++counted) << "frame " << c.frame;
        EXPECT_EQ(SpriteSheet::LastDrawPastGrid().frame, c.frame);
        EXPECT_EQ(SpriteSheet::LastDrawPastGrid().image, c.image);
    }
    const SpriteSheet::PastGridDraw& last = SpriteSheet::LastDrawPastGrid();
    EXPECT_EQ(last.frameWidth, 16);
    EXPECT_EQ(last.frameHeight, 16);
    EXPECT_EQ(last.width, 32);
    EXPECT_EQ(last.height, 64);
    other.Release();
}

TEST_F(SpriteTest, LoadsFilesByTheGamesSpelling) {
    ScratchFolder dir;
    dir.Write("Art/Menu/Numbers2.bmp", MakeBmp24(FrameGrid(16, 16, 4, 1)));
    dir.Write("Art/Space/256/Dust1.png", MakePng(FrameGrid(16, 16, 2, 2)));
    ScopedChdir in(dir.Path());
    ClearRequestedGamePaths();
    EXPECT_EQ(sheet_.LoadImage(0, "Art//Menu//Numbers2.bmp", 16, 16, 0, kFormatA1R5G5B5), 1);
    EXPECT_EQ(sheet_.LoadImage(1, "Art\\Space\\256\\Dust1.PNG", 16, 16, kBlack, kFormatA1R5G5B5), 1);
    EXPECT_EQ(sheet_.framesPerRow[0], 4);
    ASSERT_EQ(RequestedGamePaths().size(), 2u);
    EXPECT_EQ(RequestedGamePaths()[1], "Art\\Space\\256\\Dust1.PNG");
}

TEST_F(SpriteTest, AnUnreadablePictureIsNamedOnceOnStderrAndLeftEmpty) {
    ScratchFolder dir;
    std::vector<uint8_t> cut = MakePng(FrameGrid(16, 16, 2, 2));
    cut.resize(cut.size() / 2);
    dir.Write("Art/Ship/Cut.png", cut);
    dir.Write("Art/Ship/Odd.bmp", {'G', 'I', 'F', '8', '9', 'a', 0, 0});
    dir.Write("Art/Ship/Good.bmp", MakeBmp24(FrameGrid(16, 16, 2, 1)));
    ScopedChdir in(dir.Path());
    const struct {
        const char* name;
        const char* told;  // what stderr says, empty for nothing
    } rows[] = {{"Art\\Ship\\Cut.png", "cannot read Art/Ship/Cut.png: a damaged or unsupported PNG picture\n"},
                {"Art\\Ship\\Odd.bmp", "cannot read Art/Ship/Odd.bmp: it is not a BMP, PNG or JPEG picture\n"},
                {"Art\\Ship\\Gone.bmp", "cannot read Art/Ship/Gone.bmp: No such file or directory\n"},
                {"Art\\Ship\\Good.bmp", ""}};
    for (const auto& r : rows) {
        for (int time = 0; time < 2; ++time) {
            testing::internal::CaptureStderr();
            const int loaded = sheet_.LoadImage(0, r.name, 16, 16, 0, kFormatA1R5G5B5);
            const std::string said = testing::internal::GetCapturedStderr();
            EXPECT_EQ(loaded, *r.told ? 0 : 1) << r.name;
            EXPECT_EQ(said, time == 0 && *r.told ? std::string("game: ") + r.told : "") << r.name << " " << time;
        }
    }
    EXPECT_EQ(sheet_.Draw(0, 0, 0, 0, kWhite, 1, 1, 0, 0), 1) << "the game runs on";
}

TEST_F(SpriteTest, TextureDrawsWholeWithZeroSourceSizeAndDiesWithItsRenderer) {
    Texture texture;
    ASSERT_EQ(texture.LoadPixels(&graphics_, MarkedSquare(), 0, 0), 1);
    EXPECT_EQ(texture.Width(), 32);
    ASSERT_EQ(texture.Draw(10, 10, 0, 0, 0, 0, 1, 1, kWhite, 0, 0), 1);
    EXPECT_EQ(Pixel(11, 11), kRed);
    EXPECT_EQ(Pixel(39, 11), kBlue);
    EXPECT_EQ(Pixel(41, 41), kWhite);

    // After a reset the old texture is gone with its renderer: drawing it
    // does nothing and releasing it is safe.
    ASSERT_EQ(graphics_.Reset(), 1);
    EXPECT_EQ(texture.Draw(10, 10, 0, 0, 0, 0, 1, 1, kWhite, 0, 0), 0);
    EXPECT_EQ(texture.Release(), 1);
    EXPECT_EQ(texture.Width(), 0);
    EXPECT_EQ(texture.Load(nullptr, "x.bmp", 0, 0), 0);
    EXPECT_EQ(texture.Load(&graphics_, nullptr, 0, 0), 0);
}

TEST_F(SpriteTest, ScalesPastTheScreenDrawOnlyWhatShowsAndStayCheap) {
    // 256 x 256 view: past 1024 px a draw is cut to the view, keeping where
    // each source pixel lands (probed at source pixel centres).
    ASSERT_EQ(sheet_.LoadImagePixels(0, MarkedSquare(), 32, 32, 0, 0), 1);
    ASSERT_EQ(sheet_.LoadImagePixels(1, SolidImage(4, 4, kRed), 4, 4, 0, 0), 1);
    const struct {
        int image;
        float x, y, scaleX, scaleY;
        int probeX, probeY;
        uint32_t colour;
    } rows[] = {
        {0, -1100, -100, 40, 40, 80, 40, kBlue},  {0, -1100, -100, 40, 40, 0, 40, kWhite},
        {0, -1100, -100, 40, 40, 80, 120, kWhite}, {0, 1200, -100, -40, 40, 20, 40, kBlue},
        {0, 1200, -100, -40, 40, 140, 40, kWhite}, {1, 10, 10, 1, 7e7f, 11, 200, kRed},
        {1, 10, 10, 1, 7e7f, 11, 5, kBlack},       {1, 10, 10, 1, 7e7f, 20, 200, kBlack},
    };
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    for (const auto& r : rows) {
        graphics_.Clear(kBlack, 1.0f);
        ASSERT_EQ(sheet_.Draw(r.image, 0, r.x, r.y, kWhite, r.scaleX, r.scaleY, 0, 0.0f), 1);
        EXPECT_TRUE(Near(Pixel(r.probeX, r.probeY), r.colour))
            << Hex(Pixel(r.probeX, r.probeY)) << " from " << r.x << " x " << r.scaleX << " at " << r.probeX;
    }
    // Turned, it is shrunk about its pivot instead.
    ASSERT_EQ(sheet_.Draw(1, 0, 100, 10, kWhite, 7e7f, 7e7f, 2, 0.5f), 1);
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "kilobytes more at the peak";
}
