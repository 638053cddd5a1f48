#pragma once
// Colours, menu-sheet images and panel shapes shared by the Store's drawing.
#include <cstdint>

#include "platform/sprite_sheet.h"

namespace store_drawing {

inline constexpr uint32_t kWhite = 0xFFFFFFFF;
inline constexpr uint32_t kDark = 0xFF323232;
inline constexpr uint32_t kGoldText = 0xFFCDCD05;
inline constexpr uint32_t kCrystalText = 0xFF19A5D7;

// Shared menu sheet images.
inline constexpr int kCorners = 1, kTopBottomEdge = 2, kSideEdge = 3, kPanelFill = 5, kWealthIcons = 10,
                     kFavorIcon = 11, kMaterialIcons = 12, kArrowUp = 15, kArrowUpTen = 17, kArrowDownTen = 18,
                     kMessageBox = 20, kRim = 21, kLitFace = 22, kPanelBox = 28, kGlow = 33;

// Frame 0 of a 32 x 32 menu image stretched over a rectangle.
inline void Fill(SpriteSheet* menu, int image, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour = kWhite) {
    if (menu) menu->Draw(image, 0, float(x), float(y), colour, float(w) / 32.0f, float(h) / 32.0f, 0, 0.0f);
}

// The frame edges and corners round a rectangle.
inline void Frame(SpriteSheet* menu, int32_t x, int32_t y, int32_t w, int32_t h) {
    if (!menu) return;
    const float l = float(x), t = float(y), fw = float(w), fh = float(h);
    menu->Draw(kTopBottomEdge, 0, l, t - 4, kWhite, fw / 16.0f, 1.0f, 0, 0.0f);
    menu->Draw(kTopBottomEdge, 1, l, t + fh - 4, kWhite, fw / 16.0f, 1.0f, 0, 0.0f);
    menu->Draw(kSideEdge, 0, l - 4, t, kWhite, 1.0f, fh / 16.0f, 0, 0.0f);
    menu->Draw(kSideEdge, 1, l + fw - 4, t, kWhite, 1.0f, fh / 16.0f, 0, 0.0f);
    menu->Draw(kCorners, 0, l - 8, t - 8, kWhite, 0.5f, 0.5f, 0, 0.0f);
    menu->Draw(kCorners, 1, l + fw - 8, t - 8, kWhite, 0.5f, 0.5f, 0, 0.0f);
    menu->Draw(kCorners, 2, l - 8, t + fh - 8, kWhite, 0.5f, 0.5f, 0, 0.0f);
    menu->Draw(kCorners, 3, l + fw - 8, t + fh - 8, kWhite, 0.5f, 0.5f, 0, 0.0f);
}

inline void Panel(SpriteSheet* menu, int image, int32_t x, int32_t y, int32_t w, int32_t h) {
    Fill(menu, image, x, y, w, h);
    Frame(menu, x, y, w, h);
}

// A button face with its rim, lit while hovered; the caller writes the label.
inline void ButtonFace(SpriteSheet* menu, int32_t x, int32_t y, int32_t w, int32_t h, bool lit) {
    Fill(menu, lit ? kLitFace : kPanelFill, x, y, w, h);
    Fill(menu, kRim, x, y, w, h);
}

}  // namespace store_drawing
