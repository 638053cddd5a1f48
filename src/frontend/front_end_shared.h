#pragma once
#include <memory>

#include "frontend/galaxy_animation.h"
#include "frontend/menu_backdrop.h"

// What the front-end scenes share across their visits: the animated menu
// backdrop, made by the first scene that shows it, and the galaxy
// interlude's animation, whose background the ending draws too. GameApp
// cannot hold them (the shell sits below the front end), so the table of
// scenes owns one of each and hands them to the front-end scenes. A scene
// that draws one releases and reloads its art with its own; the story drops
// both when it is left.
struct FrontEndShared {
    std::unique_ptr<MenuBackdrop> backdrop;
    std::unique_ptr<GalaxyAnimation> galaxy;
};
