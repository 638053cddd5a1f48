#pragma once
#include <cstdint>
#include <memory>

class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The five save slots as buttons, with the level and name kept in each used
// slot, and a Back button. The scenes read the slot files and fill the
// fields; the picker draws, hit-tests and records clicks.
class FilePicker {
public:
    static constexpr int kSlots = 5;
    static constexpr int kNameCells = 21;
    static constexpr uint8_t kBackId = 6;
    static constexpr int kImageCount = 15;

    FilePicker();
    virtual ~FilePicker();
    FilePicker(const FilePicker&) = delete;
    FilePicker& operator=(const FilePicker&) = delete;

    int LoadArt(GraphicsDevice* graphics);
    void FreeSheet();

    void DrawLoad(SpriteSheet* menuSheet);
    void DrawSave(SpriteSheet* menuSheet);
    void DrawSlot1(uint32_t x, uint32_t y, SpriteSheet* nameSheet) { DrawSlot(1, x, y, nameSheet); }
    void DrawSlot2(uint32_t x, uint32_t y, SpriteSheet* nameSheet) { DrawSlot(2, x, y, nameSheet); }
    void DrawSlot3(uint32_t x, uint32_t y, SpriteSheet* nameSheet) { DrawSlot(3, x, y, nameSheet); }
    void DrawSlot4(uint32_t x, uint32_t y, SpriteSheet* nameSheet) { DrawSlot(4, x, y, nameSheet); }
    void DrawSlot5(uint32_t x, uint32_t y, SpriteSheet* nameSheet) { DrawSlot(5, x, y, nameSheet); }
    // The level and name of slot 1..5.
    void DrawSlot(int slot, uint32_t x, uint32_t y, SpriteSheet* nameSheet);

    void Animate();
    void MeasureNames();
    void HitTest(int32_t x, int32_t y);
    int OnClickSlot1(int32_t x, int32_t y, InputDevice* mouse) { return OnClickSlot(1, x, y, mouse); }
    int OnClickSlot2(int32_t x, int32_t y, InputDevice* mouse) { return OnClickSlot(2, x, y, mouse); }
    int OnClickSlot3(int32_t x, int32_t y, InputDevice* mouse) { return OnClickSlot(3, x, y, mouse); }
    int OnClickSlot4(int32_t x, int32_t y, InputDevice* mouse) { return OnClickSlot(4, x, y, mouse); }
    int OnClickSlot5(int32_t x, int32_t y, InputDevice* mouse) { return OnClickSlot(5, x, y, mouse); }
    int OnClickSlot(int slot, int32_t x, int32_t y, InputDevice* mouse);
    int OnClickBack(int32_t x, int32_t y, InputDevice* mouse);
    void ResetHover() { hoverId = 0; }

    // Where the digits of a level go for a slot drawn at x: the count, and
    // per digit (ones first) its x and frame.
    static int PlaceLevelDigits(uint8_t level, uint32_t x, int32_t digitX[3], uint8_t digitFrame[3]);
    // The x of name cell i for a slot drawn at x, the name ending at nameLength.
    static int32_t NameCellX(uint32_t x, int cell, uint8_t nameLength);

    std::unique_ptr<SpriteSheet> sheet;
    uint32_t fileFound = 0;
    uint8_t infoPending[kSlots];
    uint8_t slotLevel[kSlots] = {};
    uint8_t levelDigits[3] = {};
    uint8_t nameLength[kSlots] = {};
    uint8_t slotNames[kSlots][kNameCells] = {};
    uint32_t loadingTimerStart = 0;
    uint8_t loadingTimerState = 1;  // 1 arm, 2 wait
    uint8_t chosenSlot = 0;
    uint8_t slotUsed[kSlots];
    uint8_t backButtonFrame = 0;
    uint8_t slotFrames[kSlots] = {};
    uint8_t pressLock = 0;
    uint8_t clickedId = 0;
    uint8_t hoverId = 0;
    uint8_t hoverIdCopy = 0;
    uint8_t lastSounded = 0;  // the hover id the scene last played the sound for
    // Slot buttons and Back, as the scenes need them for the press logic.
    static bool InsideSlot(int slot, int32_t x, int32_t y);
    static bool InsideBack(int32_t x, int32_t y);

private:
    void DrawLinesAndBack();
    void DrawButtonsAndLabels(uint32_t buttonColour, uint32_t labelColour);
};
