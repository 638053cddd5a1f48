#pragma once
#include <array>
#include <cstdint>

class BattleEngine;
class ControlPanel;
class GameState;

// The advisor's hint at the home base: the first rule that holds.
struct HomeHint {
    bool found = false;
    uint32_t hintIndex = 0;
    int32_t arrowX = 0, arrowY = 0;
};
HomeHint HomeBaseHint(const GameState& state, const BattleEngine& engine, int32_t viewX, int32_t viewY);

// One row of the home base's travel menu.
struct HomeTravelEntry {
    const char* text;
    const char* inactiveText;  // null: the row is always open
    uint8_t questIndex;        // the quest (0-11 in its set) that opens it
    int32_t area;              // 0: no area (rows 1 and 2)
    int32_t viewX, viewY;
    uint8_t restartsClock;     // second set: the area clock starts again
};
inline constexpr int kHomeTravelRows = 9;
// Row 1-9 of the menu for quest set 1 or 2.
const HomeTravelEntry& HomeTravelRow(uint32_t questSet, int row);
// Set 1 opens a row when its quest is done, set 2 once it has been given.
bool HomeTravelRowOpen(const GameState& state, int row);
// The location (2 or 3) of the region the area rows of quest set 1 or 2 lead to.
uint32_t HomeTripLocation(uint32_t questSet);

// The home base's level-up: one level per frame when experience reaches the
// threshold (100 from level 0, then threshold + 100 x level).
bool HomeLevelUp(GameState& state, ControlPanel& panel);

// The four bars framing the ship as the base's title shows: they close in
// stage by stage while the title timer runs 1 to 8, then stay.
struct ArrivalBar {
    int32_t x, y, width, height;
};
inline constexpr int kArrivalBarStages = 8;
std::array<ArrivalBar, 4> HomeArrivalBars(uint8_t titleTimer, int32_t shipX, int32_t shipY);
