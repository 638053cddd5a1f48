#include "screens/screen_drawing.h"

#include "platform/font.h"
#include "platform/number_text.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr float kGlowSize = 64.0f;
constexpr float kEdgeLength = 16.0f;  // of a border piece along its edge
constexpr float kEdgeDepth = 8.0f;
constexpr float kCornerSize = 32.0f;
constexpr float kCornerInset = 16.0f;  // edges start and end this far from a corner
constexpr float kFrameInset = 6.0f;    // fills lie this far inside their frame
constexpr int kTextBoxHeight = 32;
constexpr int kAnswerWidth = 45;
constexpr int kAnswerHeight = 35;
constexpr uint32_t kExitLabelColour = 0xFF323232u;

// Star sizes for numbers below 10, below 100, and from 100 up.
struct FlashSize {
    float scale;
    int centre;
};
constexpr FlashSize kFlashSizes[] = {{1.2f, 19}, {1.375f, 22}, {1.75f, 28}};
constexpr float kStarSecondTurn = 0.785f;

}  // namespace

void DrawImage(SpriteSheet* sheet, int image, int frame, float x, float y, float scaleX, float scaleY,
               uint32_t colour) {
    if (sheet == nullptr) return;
    sheet->Draw(image, frame, x, y, colour, scaleX, scaleY, 0, 0.0f);
}

void DrawFill(SpriteSheet* sheet, int image, const ScreenRect& rect, uint32_t colour) {
    if (sheet == nullptr || image < 0 || image >= sheet->imageCount) return;
    const int frameWidth = sheet->frameWidth[image];
    const int frameHeight = sheet->frameHeight[image];
    if (frameWidth <= 0 || frameHeight <= 0) return;  // not loaded
    sheet->Draw(image, 0, rect.x, rect.y, colour, rect.w / static_cast<float>(frameWidth),
                rect.h / static_cast<float>(frameHeight), 0, 0.0f);
}

void DrawGlow(SpriteSheet* menu, int frame, float x, float y, float scaleX, float scaleY, uint32_t colour) {
    if (menu == nullptr) return;
    menu->Draw(menu_art::kGlow, frame, x, y, colour, scaleX, scaleY, 0, 0.0f);
}

void DrawEdgeFrame(SpriteSheet* menu, const ScreenRect& outer) {
    if (menu == nullptr) return;
    const float left = outer.x;
    const float top = outer.y;
    const float right = outer.x + outer.w;
    const float bottom = outer.y + outer.h;
    const float across = (outer.w - 2 * kCornerInset) / kEdgeLength;
    const float down = (outer.h - 2 * kCornerInset) / kEdgeLength;
    if (across > 0) {
        menu->Draw(menu_art::kEdgeTopBottom, 0, left + kCornerInset, top, kOpaqueWhite, across, 1.0f, 0, 0.0f);
        menu->Draw(menu_art::kEdgeTopBottom, 1, left + kCornerInset, bottom - kEdgeDepth, kOpaqueWhite, across, 1.0f,
                   0, 0.0f);
    }
    if (down > 0) {
        menu->Draw(menu_art::kEdgeSides, 0, left, top + kCornerInset, kOpaqueWhite, 1.0f, down, 0, 0.0f);
        menu->Draw(menu_art::kEdgeSides, 1, right - kEdgeDepth, top + kCornerInset, kOpaqueWhite, 1.0f, down, 0, 0.0f);
    }
    // Small boxes take smaller corners, so opposite corners never overlap.
    float corner = kCornerSize;
    if (outer.w < 2 * corner) corner = outer.w / 2;
    if (outer.h < 2 * corner) corner = outer.h / 2;
    const float scale = corner / kCornerSize;
    menu->Draw(menu_art::kCorners, 0, left, top, kOpaqueWhite, scale, scale, 0, 0.0f);
    menu->Draw(menu_art::kCorners, 1, right - corner, top, kOpaqueWhite, scale, scale, 0, 0.0f);
    menu->Draw(menu_art::kCorners, 2, left, bottom - corner, kOpaqueWhite, scale, scale, 0, 0.0f);
    menu->Draw(menu_art::kCorners, 3, right - corner, bottom - corner, kOpaqueWhite, scale, scale, 0, 0.0f);
}

void DrawFramedFill(SpriteSheet* menu, int image, const ScreenRect& outer, uint32_t colour) {
    const ScreenRect fill{outer.x + kFrameInset, outer.y + kFrameInset, outer.w - 2 * kFrameInset,
                          outer.h - 2 * kFrameInset};
    DrawFill(menu, image, fill, colour);
    DrawEdgeFrame(menu, outer);
}

void DrawFillWithFrame(SpriteSheet* menu, int image, const ScreenRect& fill, uint32_t colour) {
    DrawFill(menu, image, fill, colour);
    DrawEdgeFrame(menu, {fill.x - kFrameInset, fill.y - kFrameInset, fill.w + 2 * kFrameInset,
                         fill.h + 2 * kFrameInset});
}

void DrawHelpBox(SpriteSheet* menu, Font* font, const ScreenRect& fill, const HelpText& text, int textX, int titleY,
                 int firstLineY, int lineStep) {
    DrawFillWithFrame(menu, menu_art::kPopupFill, fill);
    DrawHelpText(font, text, textX, titleY, firstLineY, lineStep);
}

void DrawHelpText(Font* font, const HelpText& text, int textX, int titleY, int firstLineY, int lineStep) {
    DrawLabel(font, text.title, textX, titleY, kHelpTitleColour);
    int y = firstLineY;
    for (const char* line : text.lines) {
        if (line == nullptr) break;
        DrawLabel(font, line, textX, y, kHelpLineColour);
        y += lineStep;
    }
}

void DrawHelpLines(Font* font, const HelpLine* lines, int count, int textX) {
    for (int i = 0; i < count; ++i) {
        DrawLabel(font, lines[i].text, textX, lines[i].y, lines[i].title ? kHelpTitleColour : kHelpLineColour);
    }
}

void DrawMessageBox(SpriteSheet* menu, Font* font, const ScreenRect& fill, const char* text, int textX, int textY) {
    DrawFillWithFrame(menu, menu_art::kPressedFill, fill);
    DrawLabel(font, text, textX, textY);
}

void DrawExitButton(SpriteSheet* menu, Font* font, int x, int y, bool hovered, int labelX, int labelY,
                    const ExitLook& look) {
    const ScreenRect rect{static_cast<float>(x), static_cast<float>(y), kExitWidth, kExitHeight};
    DrawFill(menu, hovered ? menu_art::kLitFill : menu_art::kPlainFill, rect, hovered ? look.hoveredFill : look.fill);
    DrawFill(menu, menu_art::kButtonSquare, rect, look.square);
    DrawGlow(menu, 1, rect.x, rect.y, rect.w / kGlowSize, rect.h / kGlowSize, look.glow);
    DrawLabel(font, "Exit", labelX, labelY, kExitLabelColour);
}

void DrawAnswerButton(SpriteSheet* menu, Font* font, int x, int y, bool pressed, bool hovered, const char* label,
                      int labelX, int labelY, uint32_t litColour, uint32_t glowColour) {
    const ScreenRect rect{static_cast<float>(x), static_cast<float>(y), kAnswerWidth, kAnswerHeight};
    if (pressed) {
        DrawFill(menu, menu_art::kPressedFill, rect);
    } else if (hovered) {
        DrawFill(menu, menu_art::kLitFill, rect, litColour);
    } else {
        DrawFill(menu, menu_art::kPlainFill, rect);
    }
    DrawFill(menu, menu_art::kButtonSquare, rect);
    DrawGlow(menu, 1, rect.x, rect.y, rect.w / kGlowSize, rect.h / kGlowSize, glowColour);
    DrawLabel(font, label, labelX, labelY);
}

void DrawLabel(Font* font, const char* text, int x, int y, uint32_t colour) {
    if (font == nullptr || text == nullptr) return;
    font->DrawText(text, x, y, 0, 0, colour, DT_LEFT | DT_NOCLIP);
}

void DrawBoxedLabel(Font* font, const char* text, int x, int y, int width, uint32_t colour) {
    if (font == nullptr || text == nullptr) return;
    font->DrawText(text, x, y, width, kTextBoxHeight, colour, DT_LEFT);
}

void DrawNumber(Font* font, int64_t value, int x, int y, uint32_t colour) {
    char text[kNumberTextSize];
    FormatNumber(text, value);
    DrawLabel(font, text, x, y, colour);
}

int DigitCount(uint32_t value) {
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

void DrawFlashStars(SpriteSheet* sheet, int image, float x, float y, float angle, uint8_t fade, uint32_t number) {
    if (sheet == nullptr || fade == 0) return;
    const FlashSize* size = &kFlashSizes[number < 10 ? 0 : (number < 100 ? 1 : 2)];
    const uint32_t colour = (static_cast<uint32_t>(fade) << 24) | 0x00FFFFFFu;
    sheet->Draw(image, 0, x, y, colour, size->scale, size->scale, size->centre, angle);
    sheet->Draw(image, 0, x, y, colour, size->scale, size->scale, size->centre, angle + kStarSecondTurn);
}
