#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/clock.h"
#include "platform/input_device.h"
#include "platform/input_system.h"
#include "shell/game_state.h"
#include "ship/ship_screen.h"

// Copies a record into the screen the way its scene does on entry.
void CopyRecordIntoScreen(const GameState& record, ShipScreen& screen);

// Every id in a place exists and lies in no other place (nor on the cursor),
// every existing item lies somewhere, storage numbers and corners follow the
// places, positions hold their class and the installed count agrees.
::testing::AssertionResult PoolConsistent(const ShipLoadout& loadout, ItemId held = 0);

// The Your Ship screen of a new game, driven frame by frame as its scene
// drives it, with the mouse moved and pressed through the raw input state.
class ShipRig {
public:
    // `edit` changes the new game's record before the screen is filled.
    explicit ShipRig(uint32_t location = 1, const std::function<void(GameState&)>& edit = {});
    ~ShipRig();

    // One scene frame with the pointer where it is.
    void Frame();
    void MoveTo(int32_t x, int32_t y);
    void Press(int button = 0);
    void Release(int button = 0);
    // Move, press, release.
    void Click(int32_t x, int32_t y, int button = 0);
    // Runs frames for this many milliseconds of the manual clock.
    void Wait(uint32_t ms);
    // The code under the pointer once the press has been released.
    uint8_t HoverAt(int32_t x, int32_t y);

    std::unique_ptr<GameState> record;
    std::unique_ptr<ShipScreen> screen;
    ShipScreen& s() { return *screen; }
    const ShipLoadout& loadout() const { return screen->loadout; }

    InputSystem system;
    InputDevice mouse;
    ManualClock clock;
    int32_t x = 400, y = 300;
};

// Screen points of places.
struct Point {
    int32_t x, y;
};
Point HoldCell(int cell);  // 0-based
Point StorageCell(int cell);
Point Position(PlaceKind kind, int number);
