#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>

#include "platform/input_device.h"
#include "platform/input_system.h"
#include "platform/key_codes.h"

namespace {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(system.Create(nullptr, nullptr), 1);
        ASSERT_EQ(keyboard.Create(&system, InputDevice::kKeyboard, 1), 1);
        ASSERT_EQ(mouse.Create(&system, InputDevice::kMouse, 0), 1);
    }

    RawInputState& raw() { return system.Raw(); }

    SDL_Event KeyEvent(Uint32 type, SDL_Scancode scancode, int repeat = 0) {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.scancode = scancode;
        event.key.repeat = static_cast<Uint8>(repeat);
        return event;
    }

    SDL_Event ButtonEvent(Uint32 type, Uint8 button) {
        SDL_Event event{};
        event.type = type;
        event.button.button = button;
        return event;
    }

    SDL_Event WindowEvent(Uint8 what) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = what;
        return event;
    }

    InputSystem system;
    InputDevice keyboard;
    InputDevice mouse;
};

}  // namespace

TEST_F(InputTest, HeldKeyActsOnceUntilAPollSeesItUp) {
    raw().keys[key::kSpace] = RawInputState::kDown;
    ASSERT_EQ(keyboard.Poll(), 1);
    EXPECT_EQ(keyboard.KeyPressed(key::kSpace), 1);
    EXPECT_EQ(keyboard.KeyPressed(key::kSpace), 1);  // reading alone does not latch
    keyboard.SetLatch(key::kSpace, 1);
    EXPECT_EQ(keyboard.KeyPressed(key::kSpace), 0);
    for (int frame = 0; frame < 5; ++frame) {
        keyboard.Poll();
        EXPECT_EQ(keyboard.KeyPressed(key::kSpace), 0) << "still held, frame " << frame;
    }
    raw().keys[key::kSpace] = 0;
    keyboard.Poll();
    EXPECT_EQ(keyboard.latch[key::kSpace], 0u);
    raw().keys[key::kSpace] = RawInputState::kDown;
    keyboard.Poll();
    EXPECT_EQ(keyboard.KeyPressed(key::kSpace), 1);
    // Up and down again with no poll in between, directly or through the
    // event pump: the latch stays.
    keyboard.SetLatch(key::kSpace, 1);
    raw().keys[key::kSpace] = 0;
    raw().keys[key::kSpace] = RawInputState::kDown;
    keyboard.Poll();
    EXPECT_EQ(keyboard.KeyPressed(key::kSpace), 0);
    system.HandleEvent(KeyEvent(SDL_KEYUP, SDL_SCANCODE_SPACE));
    system.HandleEvent(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_SPACE));
    keyboard.Poll();
    EXPECT_EQ(keyboard.KeyPressed(key::kSpace), 0);
}

TEST_F(InputTest, EventsBecomeGameKeyCodes) {
    system.HandleEvent(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE));
    system.HandleEvent(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_LCTRL));
    system.HandleEvent(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_F12));
    system.HandleEvent(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_DOWN));
    keyboard.Poll();
    EXPECT_EQ(keyboard.KeyPressed(0x01), 1);
    EXPECT_EQ(keyboard.KeyPressed(0x1D), 1);
    EXPECT_EQ(keyboard.KeyPressed(0x58), 1);
    EXPECT_EQ(keyboard.KeyPressed(0xD0), 1);
    EXPECT_EQ(keyboard.KeyPressed(key::kBack), 0);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_BACKSPACE), key::kBack);
    EXPECT_EQ(KeyCodeFromScancode(SDL_SCANCODE_Y), 0x15);
    EXPECT_EQ(KeyCodeFromScancode(-1), 0);
    EXPECT_EQ(KeyCodeFromScancode(SDL_NUM_SCANCODES), 0);
}

TEST_F(InputTest, QuickTapWithinOneFrameIsSeenOnce) {
    system.HandleEvent(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_RETURN));
    system.HandleEvent(KeyEvent(SDL_KEYUP, SDL_SCANCODE_RETURN));
    keyboard.Poll();
    EXPECT_EQ(keyboard.KeyPressed(key::kReturn), 1);
    keyboard.Poll();
    EXPECT_EQ(keyboard.KeyPressed(key::kReturn), 0);
    // A key held across polls goes up at once when released.
    system.HandleEvent(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_D));
    keyboard.Poll();
    system.HandleEvent(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_D, 1));  // auto-repeat changes nothing
    system.HandleEvent(KeyEvent(SDL_KEYUP, SDL_SCANCODE_D));
    keyboard.Poll();
    EXPECT_EQ(keyboard.state[key::kD], 0);
    // The same for a click.
    system.HandleEvent(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    system.HandleEvent(ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    mouse.Poll();
    EXPECT_EQ(mouse.ButtonPressed(0), 1);
    mouse.Poll();
    EXPECT_EQ(mouse.ButtonPressed(0), 0);
}

TEST_F(InputTest, MouseButtonsAndMovement) {
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.xrel = 5;
    motion.motion.yrel = -3;
    system.HandleEvent(motion);
    system.HandleEvent(motion);
    system.HandleEvent(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    ASSERT_EQ(mouse.Poll(), 1);
    EXPECT_EQ(mouse.DeltaX(), 10);
    EXPECT_EQ(mouse.DeltaY(), -6);
    EXPECT_EQ(mouse.x, 10);  // relative mode sums the movement
    EXPECT_EQ(mouse.ButtonPressed(1), 1);
    EXPECT_EQ(mouse.ButtonPressed(0), 0);
    EXPECT_EQ(mouse.ButtonPressed(4), 0);
    EXPECT_EQ(mouse.ButtonPressed(-1), 0);
    EXPECT_EQ(keyboard.DeltaX(), 0);
    EXPECT_EQ(keyboard.ButtonPressed(0), 0);
    // Movement is consumed by the read.
    mouse.Poll();
    EXPECT_EQ(mouse.DeltaX(), 0);
    EXPECT_EQ(mouse.x, 10);
    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = -1;
    system.HandleEvent(wheel);
    mouse.Poll();
    int32_t wheelDelta;
    std::memcpy(&wheelDelta, mouse.state + 8, 4);
    EXPECT_EQ(wheelDelta, -120);
    // An absolute mouse takes the pointer's position instead.
    InputDevice pointer;
    ASSERT_EQ(pointer.Create(&system, InputDevice::kMouse, 1), 1);
    raw().cursorX = 321;
    raw().cursorY = 123;
    raw().mouseDx = 50;
    pointer.Poll();
    EXPECT_EQ(pointer.x, 321);
    EXPECT_EQ(pointer.y, 123);
}

TEST_F(InputTest, MouseButtonsReleasedRules) {
    raw().buttons[0] = RawInputState::kDown;
    mouse.Poll();
    EXPECT_EQ(MouseButtonsReleased(&mouse), 0);  // a fresh press is pending
    mouse.SetLatch(0, 1);
    // Held after being latched: released as far as the click is concerned.
    EXPECT_EQ(MouseButtonsReleased(&mouse), 1);
    mouse.Poll();
    EXPECT_EQ(MouseButtonsReleased(&mouse), 1);
    EXPECT_EQ(mouse.ButtonPressed(0), 0);
    // Both up: returns 1 and latches both so a new press must come first.
    raw().buttons[0] = 0;
    mouse.Poll();
    EXPECT_EQ(MouseButtonsReleased(&mouse), 1);
    EXPECT_EQ(mouse.latch[0], 1u);
    EXPECT_EQ(mouse.latch[1], 1u);
    // A press that no poll saw up since the latch does not count as fresh.
    raw().buttons[1] = RawInputState::kDown;
    mouse.Poll();
    EXPECT_EQ(MouseButtonsReleased(&mouse), 1);
    raw().buttons[1] = 0;
    mouse.Poll();  // the latches clear while the buttons are up
    raw().buttons[1] = RawInputState::kDown;
    mouse.Poll();
    EXPECT_EQ(MouseButtonsReleased(&mouse), 0);
    EXPECT_EQ(MouseButtonsReleased(nullptr), 0);
}

TEST_F(InputTest, LostFocusFailsThePollUntilRecreated) {
    raw().keys[key::kLeft] = RawInputState::kDown;
    keyboard.Poll();
    keyboard.SetLatch(key::kLeft, 1);
    system.HandleEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    keyboard.SetAcquired(1);
    EXPECT_EQ(keyboard.Poll(), 0);
    // The game creates the device anew; that fails too while in the background.
    EXPECT_EQ(keyboard.Create(&system, InputDevice::kKeyboard, 1), 0);
    EXPECT_EQ(keyboard.type, InputDevice::kNone);
    EXPECT_EQ(keyboard.Poll(), 0);
    EXPECT_EQ(keyboard.KeyPressed(key::kLeft), 0);
    system.HandleEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    EXPECT_EQ(keyboard.Create(&system, InputDevice::kKeyboard, 1), 1);
    EXPECT_EQ(keyboard.Poll(), 1);
    // The key went up with the focus, so its latch is gone.
    EXPECT_EQ(keyboard.latch[key::kLeft], 0u);
    // A device whose input was lost and found again re-acquires by itself.
    system.HandleEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    system.HandleEvent(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    EXPECT_EQ(keyboard.Poll(), 1);
}
