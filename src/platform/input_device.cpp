#include "platform/input_device.h"

#include <SDL.h>

#include <cstring>

#include "platform/input_system.h"
#include "platform/raw_input_state.h"

namespace {

int32_t ReadInt32(const uint8_t* bytes) {
    int32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

}  // namespace

int InputDevice::Create(InputSystem* inputSystem, int16_t deviceType, uint32_t absoluteMode) {
    Release();
    system = inputSystem;
    if (!system || !system->IsCreated()) return 0;
    if (deviceType != kKeyboard && deviceType != kMouse) return 0;
    device = &system->Raw();
    absolute = absoluteMode;
    if (!Acquire()) {
        device = nullptr;
        return 0;
    }
    // A relative mouse keeps the pointer inside the window, as full-screen
    // input did, and reports movement even at the window's edge.
    if (deviceType == kMouse && absolute != 1 && system->window) {
        relativeMouse_ = SDL_SetRelativeMouseMode(SDL_TRUE) == 0;
        // Watched even when the mode was refused: plain motion then counts
        // as relative and the watch stays idle.
        system->WatchPointer(true);
        watchingPointer_ = true;
    }
    type = deviceType;
    std::memset(state, 0, sizeof state);
    return 1;
}

int InputDevice::Release() {
    if (relativeMouse_) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
        relativeMouse_ = false;
    }
    if (watchingPointer_) {
        system->WatchPointer(false);
        watchingPointer_ = false;
    }
    acquired_ = false;
    device = nullptr;
    type = kNone;
    std::memset(state, 0, sizeof state);
    return 1;
}

int InputDevice::ClearState() {
    std::memset(state, 0, sizeof state);
    std::memset(latch, 0, sizeof latch);
    x = 0;
    y = 0;
    return 1;
}

int InputDevice::Acquire() {
    if (!device || !device->focused) {
        acquired_ = false;
        return 0;
    }
    acquired_ = true;
    acquiredEpoch_ = device->focusEpoch;
    return 1;
}

int InputDevice::SetAcquired(int flag) {
    if (!device) return 0;
    if (flag == 1) {
        if (!acquired_ || acquiredEpoch_ != device->focusEpoch) Acquire();
    } else {
        acquired_ = false;
    }
    return 1;
}

int InputDevice::ReadState() {
    // Input is lost when the window lost the focus since the device was
    // acquired; it must be acquired again before it reads.
    if (!acquired_ || acquiredEpoch_ != device->focusEpoch || !device->focused) {
        acquired_ = false;
        return 0;
    }
    if (type == kKeyboard) {
        device->ReadKeyboard(state);
    } else {
        system->SettlePointer();
        device->ReadMouse(state);
    }
    return 1;
}

void InputDevice::ClearReleasedLatches() {
    const int count = type == kKeyboard ? kStateBytes : kMouseButtons;
    const int offset = type == kKeyboard ? 0 : kMouseButtonOffset;
    for (int i = 0; i < count; ++i) {
        if (!(state[offset + i] & 0x80)) latch[i] = 0;
    }
}

int InputDevice::Poll() {
    if (!device || (type != kKeyboard && type != kMouse)) return 0;
    if (!ReadState()) {
        if (!Acquire() || !ReadState()) return 0;
    }
    if (type == kMouse) {
        if (absolute == 1) {
            x = device->cursorX;
            y = device->cursorY;
        } else {
            x += DeltaX();
            y += DeltaY();
        }
    }
    ClearReleasedLatches();
    return 1;
}

int InputDevice::SetLatch(int code, uint32_t value) {
    latch[code & 0xFF] = value;
    return 1;
}

int32_t InputDevice::DeltaX() const { return type == kMouse ? ReadInt32(state) : 0; }

int32_t InputDevice::DeltaY() const { return type == kMouse ? ReadInt32(state + 4) : 0; }

int InputDevice::KeyPressed(int code) const {
    const int index = code & 0xFF;
    return (state[index] & 0x80) && latch[index] == 0 ? 1 : 0;
}

int InputDevice::ButtonPressed(int button) const {
    if (type != kMouse || button < 0 || button >= kMouseButtons) return 0;
    return (state[kMouseButtonOffset + button] & 0x80) && latch[button] == 0 ? 1 : 0;
}

int MouseButtonsReleased(InputDevice* mouse) {
    if (!mouse) return 0;
    if (mouse->ButtonPressed(0) || mouse->ButtonPressed(1)) return 0;
    mouse->SetLatch(0, 1);
    mouse->SetLatch(1, 1);
    return 1;
}
