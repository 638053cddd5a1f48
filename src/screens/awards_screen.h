#pragma once
#include <cstdint>
#include <memory>

#include "platform/number_text.h"
#include "screens/screen_protocol.h"
#include "shell/bonus_block.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The Awards page (key A): each award pick earned by levelling up is spent
// on one of seven rows, and raises that row's bonus by 10 (gold, crystal,
// favors, three materials, or the chance of goodies from enemies).
class AwardsScreen {
public:
    static constexpr int kRows = 7;
    static constexpr int kRowSlots = 8;  // the record keeps eight counts, seven used
    static constexpr int kImageCount = 10;
    static constexpr int kArrowImage = 8;
    static constexpr int kStarImage = 9;
    static constexpr uint32_t kPickRaise = 10;

    // Hover codes: 1..8 the bands of the screen (help), the pick codes of the
    // rows (22 is no row), and the help box's Exit.
    static constexpr uint8_t kCodeFirstBand = 1;
    static constexpr uint8_t kCodeLastBand = 8;
    static constexpr uint8_t kCodeExitHelp = 99;   // 'c'
    static constexpr uint8_t kCodeHelpOnly = 100;  // 'd'
    static constexpr uint8_t kPickCodes[kRows] = {20, 21, 23, 24, 25, 26, 27};

    AwardsScreen();
    virtual ~AwardsScreen();
    AwardsScreen(const AwardsScreen&) = delete;
    AwardsScreen& operator=(const AwardsScreen&) = delete;

    int LoadArt(GraphicsDevice* graphics);
    // The release shared with the Construct Buildings screen.
    void ReleaseSheetAndFont();
    void Animate();
    void HitTest(int32_t mouseX, int32_t mouseY);
    int Click(int32_t mouseX, int32_t mouseY, InputDevice* mouse);
    void Draw(SpriteSheet* menuSheet);

    // Host step: re-arm while no mouse button is down.
    void Rearm();
    // The row a pick code belongs to, or -1.
    static int RowOfPickCode(uint8_t code);
    // The value a row shows for its count ("Plus" and this).
    static uint64_t ShownValue(int row, uint32_t count);

    std::unique_ptr<SpriteSheet> sheet;
    std::unique_ptr<Font> font;
    uint8_t hoverSound = 0;
    uint8_t lastHoverSound = 0;
    uint8_t clickSound = 0;
    uint8_t boxSound = 0;
    uint8_t pickSound = 0;
    ScreenTick tick;
    uint8_t fade[kRowSlots] = {};
    uint8_t falling[kRowSlots] = {};
    float spinAngle = 0.0f;
    uint32_t goodiesBonus = 0;
    uint8_t leftDown = 0;
    uint8_t rightDown = 0;
    uint8_t pickArmed = 0;
    uint8_t boxSoundArmed = 0;
    uint8_t helpOpen = 0;
    uint8_t helpHeld = 0;
    uint32_t picks = 0;
    BonusBlock bonuses;
    uint32_t awardCounts[kRowSlots] = {};
    char countText[kNumberTextSize] = {};
    char valueText[kNumberTextSize] = {};
    uint8_t rowShown[kRowSlots] = {};
    uint8_t rowKind[kRowSlots] = {};
    uint8_t rowImage[kRowSlots] = {};
    uint8_t clickedThisFrame = 0;
    uint8_t clickCode = 0;
    uint8_t hoverCode = 0;

private:
    void Pick(int row);
    uint32_t& RowBonus(int row);
    void DrawBackground(SpriteSheet* menu);
    void DrawRow(int row);
    void DrawHelp(SpriteSheet* menu);
};
