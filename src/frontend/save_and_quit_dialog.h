#pragma once
#include <cstdint>
#include <memory>

#include "frontend/cloud_rows.h"

class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The full-screen "save and quit?" question with a Yes and a No button over
// drifting clouds. It keeps the art, the cloud rows and the button looks and
// reports the player's answer; the Save and Quit scene acts on it.
//
// Per frame the scene calls HitTestYes, HitTestNo, Press, SettleChoice,
// Scroll, Draw and ResetHover.
class SaveAndQuitDialog {
public:
    // Button looks and answers.
    static constexpr uint8_t kNormal = 0;
    static constexpr uint8_t kLit = 1;
    static constexpr uint8_t kPressed = 2;
    static constexpr uint8_t kYes = 1;
    static constexpr uint8_t kNo = 2;

    SaveAndQuitDialog();
    virtual ~SaveAndQuitDialog();
    SaveAndQuitDialog(const SaveAndQuitDialog&) = delete;
    SaveAndQuitDialog& operator=(const SaveAndQuitDialog&) = delete;

    // The three sheets; again after a device reset.
    void LoadArt(GraphicsDevice* graphics);
    // Moves the cloud rows down; only the low 8 bits of the step count.
    void Scroll(uint32_t step);
    // Background, clouds from the shared clouds sheet, the buttons, the title.
    void Draw(SpriteSheet* clouds);

    // Which button the pointer is over, and its look unless a press holds it.
    void HitTestYes(int32_t x, int32_t y);
    void HitTestNo(int32_t x, int32_t y);
    // 1 and the answer recorded when a mouse button is down on the button.
    int ClickYes(int32_t x, int32_t y, InputDevice* mouse);
    int ClickNo(int32_t x, int32_t y, InputDevice* mouse);
    // A press of either mouse button on a button shows it pressed and locks
    // the looks until the answer is taken.
    void Press(int32_t x, int32_t y, InputDevice* mouse);
    // The answer once the button is let go over it or the pointer has left
    // it: kYes or kNo, else 0.
    uint8_t SettleChoice(InputDevice* mouse);
    void ResetHover() { hovered = 0; }

    std::unique_ptr<SpriteSheet> yesSheet;
    std::unique_ptr<SpriteSheet> noSheet;
    std::unique_ptr<SpriteSheet> backSheet;
    int32_t tileRows[kCloudRows] = {kCloudRowStart[0], kCloudRowStart[1], kCloudRowStart[2], kCloudRowStart[3]};
    uint8_t yesState = kNormal;
    uint8_t noState = kNormal;
    uint8_t pressLock = 0;
    uint8_t choice = 0;
    uint8_t hovered = 0;
};

// Releases and deletes the dialog's three sheets (device loss, leaving).
void FreeDialogSheets(SaveAndQuitDialog* dialog);
