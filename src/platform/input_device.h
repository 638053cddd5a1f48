#pragma once
#include <cstdint>

class InputSystem;
struct RawInputState;

// The keyboard or the mouse as the scenes read it: the device state of the
// last poll and a latch per key or button, so that one press acts once. A
// reader acts on KeyPressed / ButtonPressed and then sets the latch; the
// latch is cleared by the first poll that sees the key up.
class InputDevice {
public:
    static constexpr int16_t kNone = 0;
    static constexpr int16_t kKeyboard = 1;
    static constexpr int16_t kMouse = 2;
    static constexpr int16_t kJoystick = 3;  // never made by the game; not built
    static constexpr int kStateBytes = 256;
    static constexpr int kMouseStateBytes = 16;
    static constexpr int kMouseButtons = 4;
    static constexpr int kMouseButtonOffset = 12;

    InputDevice() = default;
    ~InputDevice() { Release(); }
    InputDevice(const InputDevice&) = delete;
    InputDevice& operator=(const InputDevice&) = delete;

    // absolute 1: the mouse position is the system pointer's; otherwise the
    // sum of relative movements. Returns 1 when the device was made.
    int Create(InputSystem* inputSystem, int16_t deviceType, uint32_t absoluteMode);
    int Release();
    int ClearState();
    int Poll();
    int SetAcquired(int flag);
    int SetLatch(int code, uint32_t value);
    int32_t DeltaX() const;
    int32_t DeltaY() const;
    int KeyPressed(int code) const;
    int ButtonPressed(int button) const;

    InputSystem* system = nullptr;
    int16_t type = kNone;
    RawInputState* device = nullptr;  // null when absent
    uint32_t absolute = 1;
    uint8_t state[kStateBytes] = {};
    uint32_t latch[kStateBytes] = {};
    int32_t x = 0;
    int32_t y = 0;

private:
    int Acquire();
    int ReadState();
    void ClearReleasedLatches();

    bool acquired_ = false;
    uint32_t acquiredEpoch_ = 0;
    bool relativeMouse_ = false;
    bool watchingPointer_ = false;
};

// 0 while a fresh press of either mouse button is pending; otherwise latches
// both buttons and returns 1. A clicked screen button acts only when this
// returns 1, so a held button does not click again.
int MouseButtonsReleased(InputDevice* mouse);
