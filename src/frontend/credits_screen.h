#pragma once
#include <cstdint>
#include <memory>

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// One credit line: text drawn left-aligned into its box.
struct CreditLine {
    const char* text;
    int32_t x, y, width, height;
    uint32_t colour;
};

// The credits page: a full-screen picture, a Back button and the credit
// lines. Back takes effect on release over it, or as soon as the pointer
// leaves it while held.
class CreditsScreen {
public:
    static constexpr int kLines = 11;
    static const CreditLine kCreditLines[kLines];

    CreditsScreen();
    virtual ~CreditsScreen();
    CreditsScreen(const CreditsScreen&) = delete;
    CreditsScreen& operator=(const CreditsScreen&) = delete;

    // The two-image sheet and the font; again after a device reset.
    void LoadArt(GraphicsDevice* graphics);
    // Safe to call twice: the second call finds nothing to release.
    void FreeArt();
    void DrawBackground();
    void DrawBack();
    void DrawText();

    void HitTest(int32_t x, int32_t y);
    // 1 when a mouse button is down on Back: shows it pressed and holds it.
    int OnClick(int32_t x, int32_t y, InputDevice* mouse);
    // 1 once a click on Back is let go over it or the pointer has left it.
    int SettleBack(InputDevice* mouse);
    void ResetHover() { backHover = 0; }

    std::unique_ptr<SpriteSheet> sheet;
    std::unique_ptr<Font> font;
    uint8_t backFrame = 0;  // 0 normal, 1 pointer over it, 2 pressed
    uint8_t backHover = 0;
    uint8_t backClicked = 0;
    uint8_t backHeld = 0;
    uint8_t hoverForSound = 0;
    uint8_t lastHoverSound = 0;
};
