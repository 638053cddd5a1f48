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

TEST_F(CursorTest, EachAxisIsHeldInsideTheScreenOnItsOwn) {
    // From (50, 50): a move that would reach x 0 or 798, or y 0 or 600, is
    // undone on that axis alone.
    const struct {
        int32_t dx, dy, x, y;
    } moves[] = {{-49, 0, 1, 50},   {-1, 0, 1, 50},    {-500, 0, 1, 50},  {400, 0, 401, 50}, {-1000, 0, 401, 50},
                 {396, 0, 797, 50}, {1, 0, 797, 50},   {-717, 549, 80, 599}, {30, 5, 110, 599}, {-200, -600, 110, 599},
                 {0, -598, 110, 1}, {0, -1, 110, 1}};
    for (const auto& m : moves) {
        Move(m.dx, m.dy);
        EXPECT_EQ(cursor.drawX, m.x) << m.dx << "," << m.dy;
        EXPECT_EQ(cursor.drawY, m.y) << m.dx << "," << m.dy;
        EXPECT_EQ(cursor.x, m.x);
        EXPECT_EQ(cursor.clampX + cursor.clampY, 0) << "the flags are cleared after each draw";
    }
}

TEST(IsNearScreenEdge, BordersOfTheRectangle) {
    const struct {
        int32_t left, top, w, h, x, y, near;
    } rows[] = {{0, 0, 800, 600, 400, 300, 0}, {0, 0, 800, 600, 1, 300, 1},   {0, 0, 800, 600, 2, 300, 0},
                {0, 0, 800, 600, 797, 300, 1}, {0, 0, 800, 600, 796, 300, 0}, {0, 0, 800, 600, 400, 599, 1},
                {0, 0, 800, 600, 400, 598, 0}, {100, 50, 20, 20, 110, 60, 0}, {100, 50, 20, 20, 101, 60, 1}};
    for (const auto& r : rows) EXPECT_EQ(IsNearScreenEdge(r.left, r.top, r.w, r.h, r.x, r.y), r.near) << r.x << "," << r.y;
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
    ScratchFolder dir;
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
    // Near the slanted edge: 0.8 across puts it between x 322 and 325.
    EXPECT_TRUE(Near(Pixel(322, 201), kYellow)) << Hex(Pixel(322, 201));
    EXPECT_TRUE(Near(Pixel(325, 201), kBlue)) << Hex(Pixel(325, 201));
    EXPECT_TRUE(Near(Pixel(302, 212), kYellow)) << Hex(Pixel(302, 212));
    EXPECT_TRUE(Near(Pixel(302, 222), kBlue)) << Hex(Pixel(302, 222));
    // The colour key leaves the rest of the frame transparent.
    EXPECT_TRUE(Near(Pixel(340, 225), kBlue)) << Hex(Pixel(340, 225));
    EXPECT_TRUE(Near(Pixel(299, 199), kBlue));

    cursor.FreeSheet();
    EXPECT_EQ(cursor.sheet, nullptr);
    cursor.FreeSheet();  // safe twice
}
