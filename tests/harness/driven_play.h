#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "shell/scene_id.h"

class GameDriver;

// Paths through the real game with real input that several suites start
// from, and the screenshot check they share.
namespace driven_play {

// Title, main menu N, name entry Return, Return past the intro: a new game
// at its home base.
bool NewGameAtHomeBase(GameDriver& driver);
// Moves the cursor to (x, y) on the screen and runs a frame.
void PointAt(GameDriver& driver, int32_t x, int32_t y);
// A click where the pointer is: pressed for a frame, then released for two.
void Click(GameDriver& driver, int button = 0);
// From the home base: flies onto the main portal and picks the Border Area
// from its travel menu. True once the first region's scene runs.
bool FlyToBorderArea(GameDriver& driver);
// The same for the travel menu's third row, which in the second quest set
// leads to the second region. True once `region`'s scene runs.
bool FlyToThirdRow(GameDriver& driver, SceneId region);
// The same for row 1-9 of the home base's travel menu (row 2 the Store).
bool FlyToTravelRow(GameDriver& driver, int row, SceneId target);

// A screenshot of the last presented frame compared with
// tests/<suite>/ref/<name>.png, pixel for pixel. The picture always goes to
// GAME_TEST_OUT/<name>.png; GAME_UPDATE_REFS=1 rewrites the reference.
::testing::AssertionResult ShotMatchesReference(GameDriver& driver, const std::string& suite, const std::string& name);

}  // namespace driven_play
