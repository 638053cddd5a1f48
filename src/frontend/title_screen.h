#pragma once
#include <cstdint>
#include <memory>

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The first screen of a run, in the small window: the title picture tinting
// in, the title word zooming in letter by letter, the version, a Play button
// and a small credits panel opened by its label. The title scene reads the
// input and plays the sounds; the screen keeps the looks and the choice.
class TitleScreen {
public:
    // Hover codes.
    static constexpr uint8_t kHoverPlay = 1;
    static constexpr uint8_t kHoverCredits = 5;  // the label on the main page
    static constexpr uint8_t kHoverBack = 99;    // the label on the panel page
    // Pages.
    static constexpr uint8_t kPanelPage = 0;
    static constexpr uint8_t kMainPage = 1;
    static constexpr int kLetters = 8;

    TitleScreen();
    virtual ~TitleScreen();
    TitleScreen(const TitleScreen&) = delete;
    TitleScreen& operator=(const TitleScreen&) = delete;

    // The sheet and the font; again after a device reset.
    void LoadArt(GraphicsDevice* graphics);
    void FreeArt();

    // The code under the pointer and the looks of Play and the label, which
    // keep their last look once a click has happened.
    void HitTest(int32_t x, int32_t y);
    // A press of either mouse button: the hovered code becomes the choice,
    // Play shows pressed, and the label opens or closes the panel once per
    // press. 1 when a button is pressed, else 0.
    int OnClick(InputDevice* mouse);
    // The title word grows letter by letter (20 ms tick).
    void AnimateZoom();
    // The picture's tint rises toward full (50 ms tick).
    void AnimateFrames();
    void Draw();
    void ResetHover() { hover = 0; }

    std::unique_ptr<SpriteSheet> sheet;
    std::unique_ptr<Font> font;
    uint8_t page = kMainPage;
    uint8_t panelOpened = 0;  // 1 just opened (the scene sounds it, then 2)
    uint8_t fade = 150;
    float letterScale[kLetters] = {};
    uint8_t playState = 0;   // 0 normal, 1 hovered, 2 pressed
    uint8_t labelState = 0;  // 0 normal, 1 hovered
    uint8_t buttonsUp = 1;   // set by the scene in frames with no button down
    uint8_t pressed = 0;
    uint8_t chosen = 0;
    uint8_t hover = 0;
    uint8_t hoverForSound = 0;
    uint8_t lastHoverSound = 0;
    uint8_t zoomTickState = 1;  // 1: the next call starts timing
    uint32_t zoomTickStart = 0;
    uint8_t fadeTickState = 1;
    uint32_t fadeTickStart = 0;

private:
    void DrawFrame();
    void DrawLabelAndPanel();
};
