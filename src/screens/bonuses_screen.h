#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/number_text.h"
#include "shell/bonus_block.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The Notes page (key N): the totals of the player's bonuses and discounts,
// one row per value with a sentence saying what it does. A click anywhere
// opens a short Notes pop-up about the page; a right click shows it while
// the button is held. Read-only.
class BonusesScreen {
public:
    static constexpr int kRows = 11;

    // Hover codes: the whole screen, and the pop-up's Exit.
    static constexpr uint8_t kCodeScreen = 1;
    static constexpr uint8_t kCodeExit = 99;

    BonusesScreen();
    virtual ~BonusesScreen();
    BonusesScreen(const BonusesScreen&) = delete;
    BonusesScreen& operator=(const BonusesScreen&) = delete;

    int LoadArt(GraphicsDevice* graphics);
    // The release shared with the Robots and Make Robots screens.
    void FreeArt();
    void Draw(SpriteSheet* menuSheet);
    void HitTest(int32_t mouseX, int32_t mouseY);
    int OnClick(int32_t mouseX, int32_t mouseY, InputDevice* mouse);

    // Host step: while no mouse button is down.
    void Rearm() { hoverEnabled = 1; }
    // The value a row shows.
    uint32_t RowValue(int row) const;
    // The sentence after a row's value, and where it stands across (0: none).
    static const char* RowSentence(int row, uint32_t value);
    static int SentenceX(uint32_t value);

    std::unique_ptr<SpriteSheet> sheet;
    std::unique_ptr<Font> font;
    BonusBlock bonuses;
    char valueText[kNumberTextSize] = {};
    uint8_t notesOpen = 0;
    uint8_t notesPeek = 0;
    uint8_t hoverCode = 0;
    uint8_t clickCode = 0;
    uint8_t leftClick = 0;
    uint8_t rightClick = 0;
    uint8_t hoverEnabled = 0;
    uint8_t hoverSound = 0;
    uint8_t lastHoverSound = 0;
    uint8_t stampSound = 0;  // 1 requested, 2 play now
    uint8_t helpClickSound = 0;

private:
    void DrawBackground(SpriteSheet* menu);
    void DrawRows();
    void DrawNotes(SpriteSheet* menu);
};
