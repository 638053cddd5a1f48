#include "platform/raw_input_state.h"

#include <cstring>

void RawInputState::PressKey(uint8_t code) {
    keys[code] = kDown;
    keySeen_[code] = 0;
    keyReleasePending_[code] = 0;
}

void RawInputState::ReleaseKey(uint8_t code) {
    if (keys[code] && !keySeen_[code]) {
        keyReleasePending_[code] = 1;
    } else {
        keys[code] = 0;
    }
}

void RawInputState::PressButton(int button) {
    if (button < 0 || button >= kButtonCount) return;
    buttons[button] = kDown;
    buttonSeen_[button] = 0;
    buttonReleasePending_[button] = 0;
}

void RawInputState::ReleaseButton(int button) {
    if (button < 0 || button >= kButtonCount) return;
    if (buttons[button] && !buttonSeen_[button]) {
        buttonReleasePending_[button] = 1;
    } else {
        buttons[button] = 0;
    }
}

void RawInputState::MoveMouse(int32_t dx, int32_t dy, int32_t x, int32_t y) {
    mouseDx += dx;
    mouseDy += dy;
    cursorX = x;
    cursorY = y;
}

void RawInputState::TurnWheel(int32_t delta) { mouseWheel += delta; }

void RawInputState::LoseFocus() {
    focused = false;
    ++focusEpoch;
    std::memset(keys, 0, sizeof keys);
    std::memset(buttons, 0, sizeof buttons);
    std::memset(keyReleasePending_, 0, sizeof keyReleasePending_);
    std::memset(buttonReleasePending_, 0, sizeof buttonReleasePending_);
    mouseDx = mouseDy = mouseWheel = 0;
}

void RawInputState::GainFocus() { focused = true; }

void RawInputState::ReadKeyboard(uint8_t out[kKeyCount]) {
    std::memcpy(out, keys, kKeyCount);
    for (int k = 0; k < kKeyCount; ++k) {
        keySeen_[k] = 1;
        if (keyReleasePending_[k]) {
            keyReleasePending_[k] = 0;
            keys[k] = 0;
        }
    }
}

void RawInputState::ReadMouse(uint8_t out[16]) {
    std::memcpy(out, &mouseDx, 4);
    std::memcpy(out + 4, &mouseDy, 4);
    std::memcpy(out + 8, &mouseWheel, 4);
    std::memcpy(out + 12, buttons, kButtonCount);
    mouseDx = mouseDy = mouseWheel = 0;
    for (int b = 0; b < kButtonCount; ++b) {
        buttonSeen_[b] = 1;
        if (buttonReleasePending_[b]) {
            buttonReleasePending_[b] = 0;
            buttons[b] = 0;
        }
    }
}
