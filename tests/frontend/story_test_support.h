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

namespace story_test {

constexpr uint32_t kFrameMs = 16;

// Installs a manual clock for the life of the object.
class ManualTime {
public:
    ManualTime() { Clock::Install(&clock); }
    ~ManualTime() { Clock::Install(nullptr); }
    ManualClock clock{1000};
};

// The keyboard and mouse as a scene reads them: presses go into the raw
// state and reach the devices at their next poll.
class Player {
public:
    Player();
    void Press(uint8_t key) { system_.Raw().PressKey(key); }
    void Release(uint8_t key) { system_.Raw().ReleaseKey(key); }
    void PressButton(int button) { system_.Raw().PressButton(button); }
    void ReleaseButton(int button) { system_.Raw().ReleaseButton(button); }
    // Once per frame, before the object reads the devices.
    void Poll();
    InputDevice* Keyboard() { return &keyboard_; }
    InputDevice* Mouse() { return &mouse_; }

private:
    InputSystem system_;
    InputDevice keyboard_;
    InputDevice mouse_;
};

// A frame stepper as the scenes run it: a fresh stepper told to reset,
// stepped with the frame's milliseconds at its speed.
class Stepper {
public:
    explicit Stepper(int32_t speed) : speed_(speed) { stepper_.resetPending = 1; }
    uint8_t Step(uint32_t frameMs) { return stepper_.StepAdaptive(speed_, static_cast<int32_t>(frameMs)); }

private:
    int32_t speed_;
    MotionStepper stepper_;
};

// A headless 800 x 600 device in the game directory with the shared art
// loaded, for drawing whole screens.
class Canvas : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void Clear();
    // The back buffer, also written to GAME_TEST_OUT/<name>.png for a look.
    Image Shot(const std::string& name);

    SDL_Window* window_ = nullptr;
    GraphicsDevice graphics_;
    SharedArt art_;
    std::string oldDir_;
};

// Pixels in the rectangle that differ from black by more than a little.
int LitPixels(const Image& image, int x, int y, int width, int height);
// Pixels in the rectangle that differ between two pictures.
int ChangedPixels(const Image& a, const Image& b, int x, int y, int width, int height);

}  // namespace story_test
