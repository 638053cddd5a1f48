#pragma once
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/shared_art.h"

// A hidden 800 x 600 window with a graphics device, working in the game
// directory with the shared art loaded: for tests that draw whole screens.
class HeadlessCanvas : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // True once the stand-in art has been generated into the game directory.
    bool HasArt() const;
    // The back buffer as it is now.
    Image ReadBack();
    // The same, also written to GAME_TEST_OUT/<name>.png for a look.
    Image ReadBack(const std::string& name);

    SDL_Window* window_ = nullptr;
    GraphicsDevice graphics_;
    SharedArt art_;
    std::string oldDir_;
};
