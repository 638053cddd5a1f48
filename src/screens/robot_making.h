#pragma once
#include <cstdint>

class AreaBackdrop;
class BattleEngine;
class GameState;

// Carrying out a robot the Make Robots page allowed: the payment, the new
// entry in the record's robot table and the engine's, the counts, the
// rank's next cost, and the new robot's show at the factory.
namespace robot_making {

inline constexpr int kStats = 5;

// What the page prepared for the make.
struct RobotOrder {
    uint8_t rank = 0;     // 0 Grunt, 1 Sarge, 2 Captain, 3 General
    uint8_t variant = 0;  // picture frame
    uint32_t stats[kStats] = {};  // Shields, Armor, Attack, Defence, Protection
    uint8_t quality = 0;
    uint32_t cost = 0;    // after the discount
};

// The first entry of the record's robot table that holds no robot, from 0
// up; -1 when all of them do.
int FreeRobotSlot(const GameState& state);

// Makes the ordered robot in `slot` (a free entry): pays its cost, counts
// it, fills the entry in the record and the engine and raises the rank's
// make cost. False, with nothing changed, when the slot or the rank is out
// of range or the material does not cover the cost.
bool MakeRobot(GameState& state, BattleEngine& engine, const RobotOrder& order, int slot);

// The robot made in `slot` grows out of the factory at the home base; the
// view (when there is one) moves there, within the base's view range.
void StartNewRobotShow(const GameState& state, BattleEngine& engine, AreaBackdrop* view, int slot);

}  // namespace robot_making
