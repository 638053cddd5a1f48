#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "harness/game_driver.h"

// The front end driven through the real game: keys, the mouse, slot files
// and screenshots.
namespace front_end_test {

// From the title by Enter to the main menu.
bool ToMainMenu(GameDriver& driver);
// Moves the cursor to (x, y) from where it is and runs a frame.
void PointAt(GameDriver& driver, int x, int y);
// Points at (x, y), presses the left button for a frame, releases it there.
void ClickAt(GameDriver& driver, int x, int y);
// A used slot file holding a new game with the given level and name cells
// (the end marker is added).
void WriteSlot(const std::string& gameDir, int slot, uint32_t level, std::vector<uint8_t> name);
// Writes a file of the game directory.
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
// The back buffer compared with tests/frontend/ref/<name>.png.
::testing::AssertionResult ScreenMatches(GameDriver& driver, const std::string& name);

}  // namespace front_end_test
