#pragma once
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/input_device.h"
#include "platform/input_system.h"
#include "platform/motion_stepper.h"
#include "platform/shared_art.h"
#include "support/headless_canvas.h"

namespace story_test {

constexpr uint32_t kFrameMs = 16;

class ManualTime {
public:
    ManualTime() { Clock::Install(&clock); }
    ~ManualTime() { Clock::Install(nullptr); }
    ManualClock clock{1000};
};

// Keyboard and mouse: presses go into the raw state and reach the devices at the next poll.
class Player {
public:
    Player();
    void Press(uint8_t key) { system_.Raw().PressKey(key); }
    void PressButton(int button) { system_.Raw().PressButton(button); }
    void ReleaseButton(int button) { system_.Raw().ReleaseButton(button); }
    void Poll() { keyboard.Poll(), mouse.Poll(); }
    InputDevice keyboard, mouse;

private:
    InputSystem system_;
};

// A frame stepper as a scene runs it: reset on creation, stepped each frame.
class Stepper {
public:
    explicit Stepper(int32_t speed) : speed_(speed) { stepper_.resetPending = 1; }
    uint8_t Step() { return stepper_.StepAdaptive(speed_, kFrameMs); }

private:
    int32_t speed_;
    MotionStepper stepper_;
};

// A headless 800 x 600 device in the game directory with the shared art,
// cleared.
class Canvas : public HeadlessCanvas {
protected:
    void SetUp() override;
    void Clear() { graphics_.Clear(0, 1.0f); }
    // The back buffer, also written to GAME_TEST_OUT/<name>.png for a look.
    Image Shot(const std::string& name) { return ReadBack(name); }
};

// Pixels of the rectangle that are not near black / that differ between two pictures.
int LitPixels(const Image& image, int x, int y, int width, int height);
int ChangedPixels(const Image& a, const Image& b, int x, int y, int width, int height);

}  // namespace story_test
