#pragma once
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/input_device.h"
#include "platform/input_system.h"
#include "platform/shared_art.h"
#include "screens/screen_protocol.h"
#include "support/headless_canvas.h"

inline constexpr int kLeft = 0;
inline constexpr int kRight = 1;

// The mouse as the scenes read it: button events reach the input system's
// raw state and a poll copies them into the device, once a frame.
class TestMouse {
public:
    TestMouse();
    void Press(int button) { system_.Raw().PressButton(button); }
    void Release(int button) { system_.Raw().ReleaseButton(button); }
    void Poll() { device_.Poll(); }
    InputDevice* Device() { return &device_; }

private:
    InputSystem system_;
    InputDevice device_;
};

// A click: a frame before the press, one while pressed, one after release.
template <typename Frame>
void ClickThrough(TestMouse& mouse, int button, Frame frame) {
    frame();
    mouse.Press(button);
    frame();
    mouse.Release(button);
    frame();
}

// Sounds a host played over some frames.
struct PlayedSounds {
    int stamps = 0;
    int boxes = 0;
    int hovers = 0;
    void Add(const InterfaceSounds& sounds) {
        stamps += sounds.stamp;
        boxes += sounds.box;
        hovers += sounds.hover;
    }
};

// A test with a manual clock: Animate ticks as time is moved on.
class ClockedTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::Install(&clock_); }
    void TearDown() override { Clock::Install(nullptr); }
    ManualClock clock_{1000};
};

// A headless 800 x 600 device in the game directory with the shared art
// loaded, for drawing whole screens and loading their art, with a manual clock.
class ScreenDrawTest : public HeadlessCanvas {
protected:
    void SetUp() override;
    void TearDown() override;
    void Begin();
    // Ends the frame and returns it; the picture goes to GAME_TEST_OUT/<name>.png.
    Image Finish(const std::string& name);

    ManualClock clock_{1000};
};

// Pixels that differ between two pictures inside a rectangle.
long DifferentPixelsIn(const Image& a, const Image& b, int x, int y, int width, int height);
