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
#include "platform/sprite_sheet.h"

namespace quest_skill_test {

// The mouse as a scene sees it: buttons go down and up through the raw
// input state and reach the device at its next poll.
class Mouse {
public:
    Mouse();
    void Press(int button = 0) { system_.Raw().PressButton(button); }
    void Release(int button = 0) { system_.Raw().ReleaseButton(button); }
    // Once per frame, before the screen reads it.
    InputDevice* Poll();
    InputDevice* Device() { return &device_; }

private:
    InputSystem system_;
    InputDevice device_;
};

// A point on the screen the player aims at.
struct At {
    int x, y;
};

// Moves there, presses, releases: three frames of a visit (anything with
// Frame(At)) whose mouse this is.
template <typename Visit>
void ClickThrough(Visit& visit, Mouse& mouse, At at, int button) {
    visit.Frame(at);
    mouse.Press(button);
    visit.Frame(at);
    mouse.Release(button);
    visit.Frame(at);
}

// Installs a manual clock for the life of the object.
class ManualTime {
public:
    ManualTime() { Clock::Install(&clock); }
    ~ManualTime() { Clock::Install(nullptr); }
    ManualClock clock{1000};
};

// A headless 800 x 600 device in the game directory with the shared art
// loaded, for drawing whole screens.
class ScreenCanvas : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    bool HasArt() const;
    Image Shot();

    SDL_Window* window_ = nullptr;
    GraphicsDevice graphics_;
    SharedArt art_;
    std::string oldDir_;
};

// Compares a picture with tests/ship/ref/<name>.png, exactly by default: the
// software renderer draws the same picture every run (a caller may allow a
// per-channel `tolerance` and a share `maxMismatch` of differing pixels). The picture always goes to GAME_TEST_OUT/<name>.png; with
// GAME_UPDATE_REFS=1 the reference is rewritten.
::testing::AssertionResult MatchesReference(const Image& actual, const std::string& name, int tolerance = 0,
                                            double maxMismatch = 0.0);

}  // namespace quest_skill_test
