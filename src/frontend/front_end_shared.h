#pragma once
#include <cstdint>
#include <memory>

#include "frontend/menu_backdrop.h"

// What the front-end scenes share across their visits: the animated menu
// backdrop, made by the first scene that shows it and kept to shut-down.
// GameApp cannot hold it (the shell sits below the front end), so the table
// of scenes owns one and hands it to each front-end scene. A scene that
// draws the backdrop releases and reloads its art with its own.
struct FrontEndShared {
    std::unique_ptr<MenuBackdrop> backdrop;
    // Frames the title has run (a byte): seeds the backdrop's headings.
    uint8_t titleFrames = 0;
};
