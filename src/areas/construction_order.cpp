#include "areas/construction_order.h"

#include "battle/battle_engine.h"
#include "shell/game_state.h"

bool BaseFull(const GameState& state) { return state.buildingCount >= kMaxBuildings; }

void PayAndStartPlacement(GameState& state, BattleEngine& engine, int kind, uint32_t price) {
    uint32_t& material = state.resources[GameState::kBuildingMaterial];
    // The page opens its question only for a cost it can pay; never wrap.
    material = material > price ? material - price : 0;
    state.placementRefund = price;
    ++state.buildingCount;
    engine.newBuildingPending = 1;
    engine.newBuildingKind = static_cast<uint8_t>(kind + 1);
}
