#include "hud/panel_drawing.h"

#include <cstring>

#include "platform/font.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
// Shared menu sheet images of window frames.
constexpr int kCorners = 1;         // 32 x 32, frames 0-3 top left, top right, bottom left, bottom right
constexpr int kHorizontalEdge = 2;  // 16 x 8, frame 0 top, 1 bottom
constexpr int kVerticalEdge = 3;    // 8 x 16, frame 0 left, 1 right
constexpr int kShading = 33;        // 64 x 64
constexpr int kExitNormal = 5;
constexpr int kExitHovered = 22;
constexpr int kExitOverlay = 21;
constexpr float kExitWidth = 51.0f;
constexpr float kExitHeight = 35.0f;
constexpr int kCornerSize = 16;     // corners drawn at half size
constexpr float kCharWidth = 8.6f;  // mean advance of the 16-pixel bold face

}  // namespace

void StretchImage(SpriteSheet* sheet, int image, float frameWidth, float frameHeight, float x, float y, float width,
                  float height, uint32_t colour) {
    if (sheet == nullptr) return;
    sheet->Draw(image, 0, x, y, colour, width / frameWidth, height / frameHeight, 0, 0.0f);
}

void PanelText(Font* font, const char* text, int x, int y, uint32_t colour) {
    if (font == nullptr || text == nullptr) return;
    font->DrawText(text, x, y, 0, 0, colour, DT_LEFT | DT_NOCLIP);
}

int PanelTextWidth(const char* text) {
    return text ? static_cast<int>(static_cast<float>(std::strlen(text)) * kCharWidth) : 0;
}

void FramedBox(SpriteSheet* menu, int background, int left, int top, int right, int bottom) {
    if (menu == nullptr) return;
    const float w = static_cast<float>(right - left);
    const float h = static_cast<float>(bottom - top);
    const float l = static_cast<float>(left);
    const float t = static_cast<float>(top);
    StretchImage(menu, background, 32, 32, l, t, w, h, kWhite);
    StretchImage(menu, kShading, 64, 64, l, t, w, h, 0x50FFFFFF);
    menu->Draw(kHorizontalEdge, 0, l, t - 4, kWhite, w / 16.0f, 1.0f, 0, 0.0f);
    menu->Draw(kHorizontalEdge, 1, l, t + h - 4, kWhite, w / 16.0f, 1.0f, 0, 0.0f);
    menu->Draw(kVerticalEdge, 0, l - 4, t, kWhite, 1.0f, h / 16.0f, 0, 0.0f);
    menu->Draw(kVerticalEdge, 1, l + w - 4, t, kWhite, 1.0f, h / 16.0f, 0, 0.0f);
    const float c = kCornerSize;
    menu->Draw(kCorners, 0, l - c / 2, t - c / 2, kWhite, 0.5f, 0.5f, 0, 0.0f);
    menu->Draw(kCorners, 1, l + w - c / 2, t - c / 2, kWhite, 0.5f, 0.5f, 0, 0.0f);
    menu->Draw(kCorners, 2, l - c / 2, t + h - c / 2, kWhite, 0.5f, 0.5f, 0, 0.0f);
    menu->Draw(kCorners, 3, l + w - c / 2, t + h - c / 2, kWhite, 0.5f, 0.5f, 0, 0.0f);
}

void ExitButton(SpriteSheet* menu, Font* font, int x, int y, bool hovered) {
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    StretchImage(menu, hovered ? kExitHovered : kExitNormal, 32, 32, fx, fy, kExitWidth, kExitHeight, kWhite);
    StretchImage(menu, kExitOverlay, 32, 32, fx, fy, kExitWidth, kExitHeight, kWhite);
    if (font != nullptr) {
        font->DrawText("Exit", x, y, static_cast<int>(kExitWidth), static_cast<int>(kExitHeight),
                       hovered ? 0xFFFA0A0A : 0xFFFAFA32, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}
