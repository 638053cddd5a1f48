#pragma once
#include <gtest/gtest.h>

#include <string>

#include "harness/game_driver.h"

// Driving the real game through the front-end pages: the menu reached with
// real keys, the cursor moved and clicked with the real mouse.
namespace page_driving {

struct Point {
    int x, y;
};

// Title, then Return into the main menu.
bool ToMainMenu(GameDriver& driver);
// A new game from the menu, into the home base.
bool ToHomeBase(GameDriver& driver);
// Moves the cursor onto the point and runs a frame there.
void PointAt(GameDriver& driver, Point at);
// Press on the point for a frame, then release for one.
void Click(GameDriver& driver, Point at);
// True when the scene's channel last played this sound.
bool LastPlayed(GameApp& app, int channel, const char* sound);
// The picture on screen against tests/frontend/ref/<name>.png.
::testing::AssertionResult ShowsReference(GameDriver& driver, const std::string& name);

}  // namespace page_driving
