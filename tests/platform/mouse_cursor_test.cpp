#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/image_codec.h"
#include "platform/input_system.h"
#include "platform/mouse_cursor.h"
#include "platform/sprite_sheet.h"
#include "test_support.h"

namespace {

class CursorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(system.Create(nullptr, nullptr), 1);
        ASSERT_EQ(cursor.mouse.Create(&system, InputDevice::kMouse, 0), 1);
    }

    // One frame of the game: poll, move, draw.
    void Move(int32_t dx, int32_t dy) {
        system.Raw().mouseDx += dx;
        system.Raw().mouseDy += dy;
        cursor.mouse.Poll();
        cursor.Update();
        cursor.Draw();
    }

    InputSystem system;
    MouseCursor cursor;
};

}  // namespace

TEST_F(CursorTest, StartsAtFiftyFifty) {
    MouseCursor fresh;
    EXPECT_EQ(fresh.x, 50);
    EXPECT_EQ(fresh.y, 50);
    EXPECT_EQ(fresh.drawX, 50);
    EXPECT_EQ(fresh.drawY, 50);
    EXPECT_EQ(fresh.clampX, 0);
    EXPECT_EQ(fresh.clampY, 0);
    EXPECT_EQ(fresh.sheet, nullptr);
    fresh.Draw();  // without art it only holds the position
    EXPECT_EQ(fresh.drawX, 50);
}

TEST_F(CursorTest, NeverReachesTheLeftOrRightBorder) {
    Move(-49, 0);  // to x = 1, still allowed
    EXPECT_EQ(cursor.drawX, 1);
    Move(-1, 0);  // x = 0 is undone
    EXPECT_EQ(cursor.x, 1);
    EXPECT_EQ(cursor.drawX, 1);
    Move(-500, 0);
    EXPECT_EQ(cursor.drawX, 1);
    // A big jump from the middle stays at the last drawn x.
    Move(400, 0);
    EXPECT_EQ(cursor.drawX, 401);
    Move(-1000, 0);
    EXPECT_EQ(cursor.x, 401);
    EXPECT_EQ(cursor.drawX, 401);
    Move(396, 0);
    EXPECT_EQ(cursor.drawX, 797);  // 797 is the rightmost position
    Move(1, 0);
    EXPECT_EQ(cursor.drawX, 797);  // 798 is refused
    EXPECT_EQ(cursor.x, 797);
}

TEST_F(CursorTest, EachAxisIsHeldOnItsOwn) {
    Move(0, 549);  // y = 599, the lowest allowed
    EXPECT_EQ(cursor.drawY, 599);
    Move(30, 5);  // y would leave the screen, x moves on
    EXPECT_EQ(cursor.drawX, 80);
    EXPECT_EQ(cursor.drawY, 599);
    Move(-100, -600);  // both leave: both stay
    EXPECT_EQ(cursor.drawX, 80);
    EXPECT_EQ(cursor.drawY, 599);
    Move(0, -598);
    EXPECT_EQ(cursor.drawY, 1);
    Move(0, -1);
    EXPECT_EQ(cursor.drawY, 1);
    EXPECT_EQ(cursor.clampX, 0);  // the flags are cleared after each draw
    EXPECT_EQ(cursor.clampY, 0);
}

TEST(IsNearScreenEdge, BordersOfTheRectangle) {
    EXPECT_EQ(IsNearScreenEdge(0, 0, 800, 600, 400, 300), 0);
    EXPECT_EQ(IsNearScreenEdge(0, 0, 800, 600, 1, 300), 1);
    EXPECT_EQ(IsNearScreenEdge(0, 0, 800, 600, 2, 300), 0);
    EXPECT_EQ(IsNearScreenEdge(0, 0, 800, 600, 797, 300), 1);
    EXPECT_EQ(IsNearScreenEdge(0, 0, 800, 600, 796, 300), 0);
    EXPECT_EQ(IsNearScreenEdge(0, 0, 800, 600, 400, 1), 1);
    EXPECT_EQ(IsNearScreenEdge(0, 0, 800, 600, 400, 2), 0);
    EXPECT_EQ(IsNearScreenEdge(0, 0, 800, 600, 400, 599), 1);
    EXPECT_EQ(IsNearScreenEdge(0, 0, 800, 600, 400, 598), 0);
    EXPECT_EQ(IsNearScreenEdge(100, 50, 20, 20, 110, 60), 0);
    EXPECT_EQ(IsNearScreenEdge(100, 50, 20, 20, 101, 60), 1);
}

namespace {

constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kYellow = 0xFFFFFF00;

// A 64 x 64 cursor picture: a yellow right triangle in the top-left corner
// on the black colour key.
Image CursorPicture(int size) {
    Image picture = SolidImage(size, size, 0xFF000000);
    for (int y = 0; y < size / 2; ++y)
        for (int x = 0; x < size / 2 - y; ++x) picture.At(x, y) = kYellow;
    return picture;
}

class CursorDrawTest : public DeviceTest {
protected:
    void SetUp() override { Open(800, 600); }
};

}  // namespace

TEST_F(CursorDrawTest, DrawsImageZeroScaledAtTheHeldPosition) {
    TempDir dir;
    dir.Write("Art/Cursor2.bmp", MakeBmp24(CursorPicture(64)));
    dir.Write("Art/Cursor1.bmp", MakeBmp24(CursorPicture(32)));
    ScopedChdir inside(dir.Path());
    MouseCursor cursor;
    ASSERT_EQ(cursor.LoadArt(&graphics_), 1);
    ASSERT_NE(cursor.sheet, nullptr);
    EXPECT_EQ(cursor.sheet->frameWidth[0], 64);
    EXPECT_EQ(cursor.sheet->frameWidth[1], 32);

    cursor.x = 300;
    cursor.y = 200;
    graphics_.BeginScene();
    graphics_.Clear(kBlue, 1.0f);
    cursor.Draw();
    graphics_.EndScene();
    const char* out = std::getenv("GAME_TEST_OUT");
    if (out) {
        std::filesystem::create_directories(out);
        SavePngFile(std::string(out) + "/mouse_cursor.png", Shot());
    }
    EXPECT_TRUE(Near(Pixel(302, 202), kYellow)) << Hex(Pixel(302, 202));
    // 0.8 across and 0.6 down: the 32-pixel triangle ends near x 325 and y 219.
    EXPECT_TRUE(Near(Pixel(312, 202), kYellow)) << Hex(Pixel(312, 202));
    EXPECT_TRUE(Near(Pixel(330, 202), kBlue)) << Hex(Pixel(330, 202));
    EXPECT_TRUE(Near(Pixel(302, 212), kYellow)) << Hex(Pixel(302, 212));
    EXPECT_TRUE(Near(Pixel(302, 222), kBlue)) << Hex(Pixel(302, 222));
    // The colour key leaves the rest of the frame transparent.
    EXPECT_TRUE(Near(Pixel(340, 225), kBlue)) << Hex(Pixel(340, 225));
    EXPECT_TRUE(Near(Pixel(299, 199), kBlue));

    cursor.FreeSheet();
    EXPECT_EQ(cursor.sheet, nullptr);
    cursor.FreeSheet();  // safe twice
}
