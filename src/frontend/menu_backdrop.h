#pragma once
#include <cstdint>
#include <memory>

#include "frontend/cloud_rows.h"

class GraphicsDevice;
class InputDevice;
class RandomRange;
class SpriteSheet;

// The animated background of the front end: two space pictures, drifting
// cloud rows, ten tumbling rocks and a ship crossing the screen on random
// headings; in the main menu also the title with its fires and sparkles and
// the six-button bottom bar. One lives for the whole run; the scenes move it
// with their frame steps, draw it in their own mode and act on the bar's
// choices.
class MenuBackdrop {
public:
    // Draw modes.
    static constexpr int kPlain = 0;  // load picker, name entry
    static constexpr int kMainMenu = 1;
    static constexpr int kStory = 7;
    static constexpr int kHelp = 8;

    // Bar button codes, as the main menu acts on them.
    static constexpr uint8_t kNew = 1;
    static constexpr uint8_t kHallOfFame = 2;
    static constexpr uint8_t kLoad = 3;
    static constexpr uint8_t kHelpButton = 4;
    static constexpr uint8_t kOptions = 5;
    static constexpr uint8_t kQuit = 6;
    static constexpr int kBarButtons = 6;

    static constexpr int kRocks = 10;
    static constexpr int kHeadings = 64;
    static constexpr int kLetters = 8;
    static constexpr int kFires = 7;
    // directionFlags order.
    static constexpr int kRight = 0, kLeft = 1, kUp = 2, kDown = 3;

    MenuBackdrop();
    virtual ~MenuBackdrop();
    MenuBackdrop(const MenuBackdrop&) = delete;
    MenuBackdrop& operator=(const MenuBackdrop&) = delete;

    // The backdrop's own sheet; again after a device reset.
    void LoadArt(GraphicsDevice* graphics);
    void FreeArt();

    // One frame of motion by the frame steppers' whole-pixel steps. The ship
    // waits while the main menu's opening flight holds it (holdFlag 1 and
    // fewer than four seconds in the scene).
    void Update(uint8_t step40, uint8_t stepX, uint8_t stepY, uint32_t seconds, uint8_t holdFlag);
    // A new random heading toward the middle of the screen.
    void RandomizeStars();
    // Re-aims the ship once it is well off screen, and on the first frame.
    void SteerShip();
    // The opening flight parks the ship mid-screen for its first seconds.
    void HoldForOpening(uint32_t seconds);
    // The 150 ms animation tick of frames, shades and angles.
    void Animate();

    // The x and y speed factors (0..8) of a heading 0..63.
    static void SpeedFactors(uint8_t heading, uint32_t& xFactor, uint32_t& yFactor);

    // Pictures, clouds and rocks; the title and bar in the main menu.
    void Draw(SpriteSheet* clouds, int mode);
    // The ship with its flame and both shields, from the backdrop's sheet.
    void DrawShip();

    // The bar under the pointer; highlights stay put while a click is pending.
    void HoverButtons(int32_t x, int32_t y);
    void ResetHover() { hoverButton = 0; }
    // Test of bar button b (0..5, bar order New, Load, Hall of Fame, Options,
    // Help, Quit): 1 and its code chosen when a fresh press lands on it.
    int ClickButton(int b, int32_t x, int32_t y, InputDevice* mouse);
    // While a mouse button is down, runs all six tests; a hit shows pressed
    // and freezes the highlights.
    void PressButtons(int32_t x, int32_t y, InputDevice* mouse);
    // The chosen code once the pointer has left the button or the mouse is
    // released, else 0.
    uint8_t TakeChoice(InputDevice* mouse);

    std::unique_ptr<SpriteSheet> sheet;
    float spin = 0.0f;
    uint8_t letterShade[kLetters] = {0, 30, 60, 90, 120, 150, 180, 210};
    int32_t rowY[kCloudRows] = {kCloudRowStart[0], kCloudRowStart[1], kCloudRowStart[2], kCloudRowStart[3]};
    uint32_t rockFrame = 0;
    int32_t rockX[kRocks] = {50, 700, 480, 150, 330, 20, 210, 140, 360, 90};
    int32_t rockY[kRocks] = {50, 200, 300, 450, 560, 710, 820, 950, 1100, 1200};
    uint8_t tickState = 1;  // 1: the next Animate starts a tick
    uint32_t tickStart = 0;
    uint8_t heading = 30;
    uint32_t xFactor = 0;
    uint32_t yFactor = 0;
    uint8_t directionFlags[4] = {1, 0, 0, 1};
    int32_t speedX = 0;
    int32_t speedY = 0;
    float shipAngle = -2.94375f;
    uint8_t reaimShip = 1;
    std::unique_ptr<RandomRange> random;
    uint32_t shieldFrame = 0;
    float shieldAngle = 0.0f;
    uint8_t buttonState[kBarButtons] = {};  // New, Load, Quit, Hall of Fame, Options, Help
    uint8_t fireFrame[kFires] = {0, 1, 2, 3, 4, 5, 6};
    uint8_t shipFrame = 0;
    uint8_t openingFlight = 1;
    uint32_t flameImage = 0;
    int32_t shipX = 400;
    int32_t shipY = -100;
    int32_t flameDX = 0;
    int32_t flameDY = 0;
    uint8_t chosenButton = 0;
    uint8_t hoverButton = 0;
    uint8_t hoverForSound = 0;
    uint8_t lastHoverSound = 0;
    uint8_t buttonHeld = 0;

private:
    void DrawBackground(int mode);
    void DrawRocks(SpriteSheet* clouds);
    void DrawTitle();
    void DrawBar();
    void DrawSparklePair(int image, float x, float y, uint32_t colour, float scale, int centre);
};
