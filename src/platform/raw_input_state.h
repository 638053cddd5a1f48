#pragma once
#include <cstdint>

// What the event pump has seen of the keyboard and mouse since the devices
// last read it: the keyboard as 256 key bytes indexed by the game's key
// codes (0x80 = down), the mouse as accumulated movement and four button
// bytes. Tests write these fields directly instead of sending events.
struct RawInputState {
    static constexpr int kKeyCount = 256;
    static constexpr int kButtonCount = 4;
    static constexpr uint8_t kDown = 0x80;

    uint8_t keys[kKeyCount] = {};
    int32_t mouseDx = 0;  // relative movement since the mouse's last read
    int32_t mouseDy = 0;
    int32_t mouseWheel = 0;
    uint8_t buttons[kButtonCount] = {};
    int32_t cursorX = 0;  // the system pointer in window coordinates
    int32_t cursorY = 0;
    bool focused = true;  // input reaches the game only while it has the focus
    uint32_t focusEpoch = 0;  // raised on every loss of focus

    // Events from the pump.
    void PressKey(uint8_t code);
    void ReleaseKey(uint8_t code);
    void PressButton(int button);
    void ReleaseButton(int button);
    void MoveMouse(int32_t dx, int32_t dy, int32_t x, int32_t y);
    void TurnWheel(int32_t delta);
    void LoseFocus();
    void GainFocus();

    // Reads for the devices. A press released before any read saw it is
    // reported down once, so a quick tap within one frame is not lost.
    void ReadKeyboard(uint8_t out[kKeyCount]);
    // Movement is consumed by the read; out holds x, y, wheel as 32-bit
    // values and the four button bytes.
    void ReadMouse(uint8_t out[16]);

private:
    uint8_t keySeen_[kKeyCount] = {};
    uint8_t keyReleasePending_[kKeyCount] = {};
    uint8_t buttonSeen_[kButtonCount] = {};
    uint8_t buttonReleasePending_[kButtonCount] = {};
};
