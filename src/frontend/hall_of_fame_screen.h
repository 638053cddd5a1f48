#pragma once
#include <cstdint>
#include <memory>

class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The Hall of Fame page: the five best finished games, each used entry as a
// name drawn from the name glyphs and a number of up to five digits, over a
// full-screen picture, with a Back button.
//
// The object works on copies of the record's entries (CopyEntries) and never
// touches the game record or the application. Per frame the scene calls
// CheckKeys, HandleBack with the cursor, HoverSoundDue (playing the hover
// sound when it answers 1), Draw and ResetHover, and leaves for the main
// menu with the leave sound once leaveRequested is set.
class HallOfFameScreen {
public:
    static constexpr int kEntries = 5;
    static constexpr int kNameCells = 21;
    static constexpr int kMaxDigits = 5;
    static constexpr int kImageCount = 3;
    // The Back button.
    static constexpr int32_t kBackX = 727, kBackY = 3, kBackWidth = 64, kBackHeight = 32;
    // Back frames.
    static constexpr uint8_t kBackNormal = 0, kBackLit = 1, kBackPressed = 2;
    static constexpr const char* kHoverSound = "Data\\SNAP1.wav";
    static constexpr const char* kLeaveSound = "Data\\SETUPWH.wav";

    HallOfFameScreen();
    virtual ~HallOfFameScreen();
    HallOfFameScreen(const HallOfFameScreen&) = delete;
    HallOfFameScreen& operator=(const HallOfFameScreen&) = delete;

    // The three pictures; again after every device reset.
    void LoadArt(GraphicsDevice* graphics);
    void ReleaseSheet();

    // Takes copies of the record's five entries (entry 1 first) and measures
    // the names.
    void CopyEntries(const uint8_t entryUsed[kEntries], const int32_t entryValues[kEntries],
                     const uint8_t entryNames[kEntries][kNameCells]);
    void MeasureNames();

    // The whole page in order; the names come from the shared menu sheet.
    void Draw(SpriteSheet* menuSheet);
    void DrawBackground();
    void DrawBack();
    void DrawNames(SpriteSheet* glyphSheet);
    void DrawValue1(int32_t x, int32_t y) { DrawValue(1, x, y); }
    void DrawValue2(int32_t x, int32_t y) { DrawValue(2, x, y); }
    void DrawValue3(int32_t x, int32_t y) { DrawValue(3, x, y); }
    void DrawValue4(int32_t x, int32_t y) { DrawValue(4, x, y); }
    void DrawValue5(int32_t x, int32_t y) { DrawValue(5, x, y); }
    // Entry 1..5's number with (x, y) as its reference point; nothing for an
    // unused entry.
    void DrawValue(int entry, int32_t x, int32_t y);

    void HitTest(int32_t x, int32_t y);
    // 1, and backClicked set, when the pointer is on Back and a mouse button
    // is pressed.
    int OnClick(int32_t x, int32_t y, InputDevice* mouse);
    void ResetHover() { backHover = 0; }

    // Esc or Backspace (each then latched) ask to leave.
    void CheckKeys(InputDevice* keyboard);
    // The Back button for this frame: hover, press, and leaving once the
    // buttons are up or the pointer has moved off while holding.
    void HandleBack(int32_t x, int32_t y, InputDevice* mouse);
    // 1 when the pointer has just come onto Back: the scene plays the hover sound.
    int HoverSoundDue();

    // Where entry 1..5's number goes when drawn at x: the digits shown and,
    // ones first, each digit's x and value.
    static int PlaceValue(int entry, uint32_t value, int32_t x, int32_t digitX[kMaxDigits],
                          uint8_t digitValue[kMaxDigits]);
    // The x of name cell i, for a name whose last non-zero cell is lastCell.
    static int32_t NameCellX(int cell, uint8_t lastCell);

    std::unique_ptr<SpriteSheet> sheet;
    uint8_t used[kEntries] = {};
    uint32_t values[kEntries] = {};
    uint8_t names[kEntries][kNameCells] = {};
    uint8_t lastCell[kEntries] = {};
    uint8_t digits[kMaxDigits] = {};
    uint8_t backFrame = 0;
    uint8_t backHeld = 0;
    uint8_t backClicked = 0;
    uint8_t backHover = 0;
    uint8_t hoverForSound = 0;
    uint8_t lastHoverSound = 0;

    // The request for the scene: leave for the main menu.
    uint8_t leaveRequested = 0;
};
