#pragma once
#include <cstdint>

class Font;
class SpriteSheet;

// The look the management screens share, drawn from the shared menu sheet:
// stretched fills, edge frames, help boxes, message boxes, Exit buttons,
// labels and the spinning flash stars. Each helper draws nothing when its
// sheet or font is missing (art not loaded).

// Images of the shared menu sheet the screens draw by number.
namespace menu_art {
inline constexpr int kCorners = 1;      // 32 x 32, frames 0-3: top left, top right, bottom left, bottom right
inline constexpr int kEdgeTopBottom = 2;  // 16 x 8, frame 0 top, 1 bottom
inline constexpr int kEdgeSides = 3;      // 8 x 16, frame 0 left, 1 right
inline constexpr int kPlainFill = 5;      // "Art\Menu\Back1.bmp"
inline constexpr int kBlock = 8;          // "Art\Ship\Block.bmp"
inline constexpr int kBlockLine = 9;      // "Art\Ship\Block2.bmp", also the list separator
inline constexpr int kWealth = 10;        // 64 x 64: gold, crystal
inline constexpr int kFavor = 11;
inline constexpr int kMaterial = 12;      // 32 x 32 frames 1-3: ship, robot, building material
inline constexpr int kPictureBack = 13;   // "Art\Awards\Back1.bmp"
inline constexpr int kArrowUp = 15;       // 16 x 16; frames 0 plain, 1 lit, 2 pressed
inline constexpr int kArrowDown = 16;
inline constexpr int kArrowTenUp = 17;
inline constexpr int kArrowTenDown = 18;
inline constexpr int kPressedFill = 20;   // "Art\Menu\Back3.bmp", also message boxes
inline constexpr int kButtonSquare = 21;  // "Art\Menu\Square1.bmp"
inline constexpr int kLitFill = 22;       // "Art\Menu\Back4.bmp"
inline constexpr int kPopupFill = 28;     // "Art\Menu\Back6.bmp"
inline constexpr int kStar = 32;          // "Art\Awards\Star1.bmp"
inline constexpr int kGlow = 33;          // "Art\Controls\3D.bmp", two 64 x 64 frames
}  // namespace menu_art

inline constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
inline constexpr uint32_t kLabelColour = 0xFF323232u;
inline constexpr uint32_t kHelpTitleColour = 0xFFFF3232u;
inline constexpr uint32_t kHelpLineColour = 0xFF969696u;
inline constexpr int kHelpLineStep = 30;  // body lines of a help box
inline constexpr int kExitWidth = 51;
inline constexpr int kExitHeight = 35;

// A rectangle of the screen.
struct ScreenRect {
    float x = 0, y = 0, w = 0, h = 0;
};
// The rectangle a 32 x 32 fill covers when drawn at (x, y) with a scale.
constexpr ScreenRect ScaledFill(float x, float y, float scaleX, float scaleY) {
    return {x, y, 32.0f * scaleX, 32.0f * scaleY};
}
// The rectangle between two corners.
constexpr ScreenRect Between(float left, float top, float right, float bottom) {
    return {left, top, right - left, bottom - top};
}

// A frame of an image at (x, y) with its scale.
void DrawImage(SpriteSheet* sheet, int image, int frame, float x, float y, float scaleX, float scaleY,
               uint32_t colour = kOpaqueWhite);
// Frame 0 of an image stretched over a rectangle.
void DrawFill(SpriteSheet* sheet, int image, const ScreenRect& rect, uint32_t colour = kOpaqueWhite);
// A "3D" glow frame at (x, y) with its scale (64 x 64 frames).
void DrawGlow(SpriteSheet* menu, int frame, float x, float y, float scaleX, float scaleY, uint32_t colour);
// Edges and corners along the inside of a rectangle.
void DrawEdgeFrame(SpriteSheet* menu, const ScreenRect& outer);
// A framed panel: the frame along `outer` and the fill inset within it.
void DrawFramedFill(SpriteSheet* menu, int image, const ScreenRect& outer, uint32_t colour = kOpaqueWhite);
// A fill with the frame drawn round it (the frame lies just outside the fill).
void DrawFillWithFrame(SpriteSheet* menu, int image, const ScreenRect& fill, uint32_t colour = kOpaqueWhite);

// Text of a help box: a title and up to six body lines (null ends them).
struct HelpText {
    const char* title;
    const char* lines[6];
};
// The title at (textX, titleY) and each body line `lineStep` below the last.
void DrawHelpText(Font* font, const HelpText& text, int textX, int titleY, int firstLineY,
                  int lineStep = kHelpLineStep);
// A help box: the pop-up fill framed, the title at (textX, titleY) and each
// line `lineStep` below the last, starting at firstLineY.
void DrawHelpBox(SpriteSheet* menu, Font* font, const ScreenRect& fill, const HelpText& text, int textX, int titleY,
                 int firstLineY, int lineStep = kHelpLineStep);
// A help box whose lines stand at their own heights, some in the title colour.
struct HelpLine {
    const char* text;
    int y;
    bool title;
};
void DrawHelpLines(Font* font, const HelpLine* lines, int count, int textX);
// A message box: the pressed fill framed, one line of label colour.
void DrawMessageBox(SpriteSheet* menu, Font* font, const ScreenRect& fill, const char* text, int textX, int textY);

// The Exit button of a help box (51 x 35), its parts tinted by the screen.
struct ExitLook {
    uint32_t fill = kOpaqueWhite;
    uint32_t hoveredFill = kOpaqueWhite;
    uint32_t square = kOpaqueWhite;
    uint32_t glow = 0x80FFFFFFu;
};
void DrawExitButton(SpriteSheet* menu, Font* font, int x, int y, bool hovered, int labelX, int labelY,
                    const ExitLook& look = ExitLook{});
// A Yes or No button of a question box (45 x 35): pressed, lit or plain.
void DrawAnswerButton(SpriteSheet* menu, Font* font, int x, int y, bool pressed, bool hovered, const char* label,
                      int labelX, int labelY, uint32_t litColour, uint32_t glowColour);

// One line of text, left-aligned from (x, y).
void DrawLabel(Font* font, const char* text, int x, int y, uint32_t colour = kLabelColour);
// The same into a box of the given width (and height 32), clipped to it.
void DrawBoxedLabel(Font* font, const char* text, int x, int y, int width, uint32_t colour = kLabelColour);
// A number as "%ld" would print it.
void DrawNumber(Font* font, int64_t value, int x, int y, uint32_t colour = kLabelColour);

// How many decimal digits a value prints with.
int DigitCount(uint32_t value);

// The two crossed stars of a flash, sized by the number they mark (a level
// or a count), with the fade as their alpha.
void DrawFlashStars(SpriteSheet* sheet, int image, float x, float y, float angle, uint8_t fade, uint32_t number);
