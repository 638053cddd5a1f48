#pragma once
#include <cstdint>
#include <memory>

#include "platform/number_text.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The Wealth page (key W): the six resources with their amounts and an
// information pop-up for each. Read-only.
class WealthScreen {
public:
    static constexpr int kRows = 6;
    static constexpr int kImageCount = 2;

    // Hover codes: rows 1..6, and the Exit of an open pop-up.
    static constexpr uint8_t kCodeFirstRow = 1;
    static constexpr uint8_t kCodeLastRow = 6;
    static constexpr uint8_t kCodeExit = 99;  // 'c'

    WealthScreen();
    virtual ~WealthScreen();
    WealthScreen(const WealthScreen&) = delete;
    WealthScreen& operator=(const WealthScreen&) = delete;

    int LoadArt(GraphicsDevice* graphics);
    void FreeArt();
    void FormatAmounts();
    void HitTest(int32_t mouseX, int32_t mouseY);
    int OnClick(int32_t mouseX, int32_t mouseY, InputDevice* mouse);
    void Draw(SpriteSheet* menuSheet);

    // Host steps: re-arm while no mouse button is down; close every pop-up.
    void Rearm() { rowArmed = 1; }
    bool AnyPopupOpen() const;
    void ClosePopups();
    // Where an amount of so many digits is drawn across.
    static int AmountX(uint32_t amount);

    std::unique_ptr<Font> font;
    std::unique_ptr<SpriteSheet> sheet;
    uint8_t popupOpen[kRows] = {};
    uint8_t popupHeld[kRows] = {};
    uint8_t leftDown = 0;
    uint8_t rightDown = 0;
    uint8_t rowArmed = 0;
    uint8_t hoverSound = 0;
    uint8_t lastHoverSound = 0;
    uint8_t clickSound = 0;
    uint8_t boxSound = 0;
    // In the record's order: gold, crystal, favors, ship, building and robot material.
    uint32_t amounts[kRows] = {};
    char amountTexts[kRows][kNumberTextSize] = {};
    uint8_t clickedThisFrame = 0;
    uint8_t hoverCode = 0;
    uint8_t clickCode = 0;

private:
    void DrawPanels(SpriteSheet* menu);
    void DrawRows(SpriteSheet* menu);
    void DrawPopup(SpriteSheet* menu);
};
