#pragma once
#include <functional>
#include <memory>

#include "platform/clock.h"
#include "platform/input_device.h"
#include "platform/input_system.h"
#include "shell/game_state.h"
#include "ship/store_screen.h"

namespace store_test {

// A point on the screen the player aims at.
struct At {
    int32_t x, y;
};
At StockItem(const StoreScreen& s, int slot);
At Tab(int itemClass);
At BarButton(int k);  // 0 Buy Gold ... 4 Sell Items ... 8 Sell Material
At HoldCell(int cell);  // 0-based
At StepButton(int row, int column);
At MaterialChoice(int m);  // 0 ship, 1 robot, 2 building
inline constexpr At kLeave{700, 30}, kYes{330, 350}, kNo{445, 350}, kExchangeYes{450, 460}, kExchangeNo{525, 460},
    kExchangeExit{260, 460}, kStorageExit{400, 460}, kEmpty{750, 300};

inline constexpr uint8_t kEsc = 0x01, kBackspace = 0x0E, kEnter = 0x1C;

// A visit to the Store from a new game's record, driven frame by frame as
// its scene drives it: keys, then the mouse, the trades, the sounds and the
// copy back of the resources (and of the pool and hold after a trade).
class StoreVisit {
public:
    // `edit` changes the record before the screen is filled.
    explicit StoreVisit(uint32_t seed = 100, const std::function<void(GameState&)>& edit = {});
    ~StoreVisit();

    void Frame();
    void MoveTo(At at);
    void Press(int button = 0);
    void Release(int button = 0);
    // Move, press, release.
    void Click(At at, int button = 0);
    // One frame with the key down, one with it up.
    void Key(uint8_t code);
    void Wait(uint32_t ms);

    StoreScreen& s() { return *screen; }

    std::unique_ptr<GameState> record;
    std::unique_ptr<StoreScreen> screen;
    bool left = false;  // the scene asked to go to the home base
    int stamps = 0;
    int snaps = 0;
    At at{kEmpty};

private:
    ManualClock clock_;
    InputSystem system_;
    InputDevice mouse_;
    InputDevice keyboard_;
};

}  // namespace store_test
