#pragma once
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/shared_art.h"

// A headless 800 x 600 device with the shared art of the game directory
// loaded, for drawing whole screens.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Image Shot();
    // Clears the back buffer to the colour of empty space.
    void Clear();
    // True once the stand-in art has been generated into the game directory.
    bool HasArt() const;

    SDL_Window* window_ = nullptr;
    GraphicsDevice graphics_;
    SharedArt art_;
    std::string oldDir_;
};

// Compares a picture with tests/hud/ref/<name>.png: a pixel matches when
// every channel is within `tolerance`, and at most `maxMismatch` of the pixels
// may differ. The actual picture always goes to GAME_TEST_OUT/<name>.png; with
// GAME_UPDATE_REFS=1 the reference itself is rewritten.
::testing::AssertionResult MatchesReference(const Image& actual, const std::string& name, int tolerance = 24,
                                            double maxMismatch = 0.005);

// Number of pixels in which two pictures of the same size differ at all.
long DifferentPixels(const Image& a, const Image& b);
