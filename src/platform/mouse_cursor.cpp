#include "platform/mouse_cursor.h"

#include "platform/graphics_device.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kSheetImages = 2;
constexpr ScreenImage kImages[] = {
    {0, "Art\\Cursor2.bmp", 64, 64, kKeyBlack},
    {1, "Art\\Cursor1.bmp", 32, 32, kKeyBlack},
};
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr float kScaleX = 0.8f;
constexpr float kScaleY = 0.6f;
// The positions the cursor may take; 797, not 799, on the right.
constexpr int32_t kMinX = 1;
constexpr int32_t kMaxX = 797;
constexpr int32_t kMinY = 1;
constexpr int32_t kMaxY = 599;

}  // namespace

int IsNearScreenEdge(int32_t left, int32_t top, int32_t width, int32_t height, int32_t px, int32_t py) {
    const int64_t l = left;
    const int64_t t = top;
    return (px <= l + 1 || px >= l + width - 3 || py <= t + 1 || py >= t + height - 1) ? 1 : 0;
}

MouseCursor::MouseCursor() = default;

MouseCursor::~MouseCursor() {
    mouse.Release();
    FreeSheet();
}

int MouseCursor::LoadArt(GraphicsDevice* graphics) {
    FreeSheet();
    return LoadScreenSheet(sheet, graphics, kSheetImages, kImages);
}

void MouseCursor::FreeSheet() { sheet.reset(); }

void MouseCursor::Update() {
    x += mouse.DeltaX();
    y += mouse.DeltaY();
}

void MouseCursor::HoldInsideScreen() {
    if (IsNearScreenEdge(0, 0, kScreenWidth, kScreenHeight, x, y)) {
        if (x < kMinX || x > kMaxX) {
            x = drawX;
            clampX = 1;
        } else {
            clampX = 0;
        }
        if (y < kMinY || y > kMaxY) {
            y = drawY;
            clampY = 1;
        } else {
            clampY = 0;
        }
    }
    if (!clampX) drawX = x;
    if (!clampY) drawY = y;
    clampX = 0;
    clampY = 0;
}

void MouseCursor::Draw() {
    HoldInsideScreen();
    if (sheet) sheet->Draw(0, 0, static_cast<float>(drawX), static_cast<float>(drawY), kWhite, kScaleX, kScaleY, 0, 0.0f);
}
