#pragma once
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/input_device.h"
#include "platform/input_system.h"
#include "platform/shared_art.h"
#include "support/golden_image.h"
#include "support/headless_canvas.h"

namespace frontend_test {

struct At {
    int x, y;
};

// The mouse as a scene reads it: buttons go down and up in the raw input
// state and reach the device at its next poll, once per frame.
class Mouse {
public:
    Mouse();
    void Press(int button = 0) { system_.Raw().PressButton(button); }
    void Release(int button = 0) { system_.Raw().ReleaseButton(button); }
    InputDevice* Poll();

private:
    InputSystem system_;
    InputDevice device_;
};

// Frames of a screen visit: anything with Frame(At) and a Mouse `mouse`.
template <typename Visit>
void PressAt(Visit& visit, At at, int button = 0) {
    visit.Frame(at);
    visit.mouse.Press(button);
    visit.Frame(at);
}
template <typename Visit>
void ReleaseAt(Visit& visit, At at, int button = 0) {
    visit.mouse.Release(button);
    visit.Frame(at);
}

// A headless 800 x 600 device in the game directory with the shared art.
class Canvas : public HeadlessCanvas {
protected:
    // Clears the back buffer and opens a frame.
    void Begin();
    // Ends the frame and returns it.
    Image Shot();
};

// The part of a picture inside (x, y, width, height).
Image Crop(const Image& image, int x, int y, int width, int height);

// Compares a picture with tests/frontend/ref/<name>.png, pixel for pixel.
inline ::testing::AssertionResult MatchesReference(const Image& actual, const std::string& name) {
    return MatchesGolden(actual, "frontend", name);
}

}  // namespace frontend_test
