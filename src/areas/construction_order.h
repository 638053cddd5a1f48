#pragma once
#include <cstdint>

class BattleEngine;
class GameState;

// Paying for a new building on the construction page and handing it to the
// home base for placement. The costs live in the kind's cost slot (see
// ConstructionCostSlot), the steps in the kind's own slot.
enum class ConstructionOrder : uint8_t {
    kPlaced,       // paid; the home base now carries the building
    kNotEnough,    // the displayed cost is more than the building material
    kBaseFull,     // 100 buildings already: nothing is paid
    kNotAtBase,    // buildings are only constructed at the home base
};

// The cost shown and charged: the stored cost less the construction discount
// (the bonus block's thirteenth word), never below 0.
uint32_t DisplayedConstructionCost(const GameState& state, int kind);

// Pays for a building of `kind` (0-11): building material, the refund kept
// for a cancel, the kind's cost raised by its step and the step by 200, the
// building count, and the engine's placement mode with kind + 1.
ConstructionOrder OrderConstruction(GameState& state, BattleEngine& engine, int kind);
