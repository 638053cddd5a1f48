#pragma once
#include <SDL.h>

#include <string>

#include "platform/graphics_device.h"

// A hidden window with a graphics device, for tests that load or draw art.
class HeadlessDevice {
public:
    HeadlessDevice(int width, int height);
    ~HeadlessDevice();
    bool Ready() const { return ready_; }
    GraphicsDevice* Graphics() { return &graphics_; }

private:
    SDL_Window* window_ = nullptr;
    GraphicsDevice graphics_;
    bool ready_ = false;
};

// Changes the working directory for the life of the object (the game reads
// its art relative to the game directory).
class ScopedGameDir {
public:
    explicit ScopedGameDir(const std::string& dir);
    ~ScopedGameDir();

private:
    std::string old_;
};

// $GAME_DIR, or "" when unset.
std::string GameDir();
// A path under $GAME_TEST_OUT (created when missing), or under /tmp.
std::string TestOutPath(const std::string& name);
