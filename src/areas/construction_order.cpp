#include "areas/construction_order.h"

#include "areas/building_kinds.h"
#include "battle/battle_engine.h"
#include "shell/game_state.h"

namespace {
constexpr uint32_t kHomeBase = 1;
constexpr int kConstructionDiscountWord = 12;
}  // namespace

uint32_t DisplayedConstructionCost(const GameState& state, int kind) {
    if (kind < 0 || kind >= kBuildingKindCount) return 0;
    const uint32_t cost = state.constructionCosts[ConstructionCostSlot(kind)];
    const uint32_t discount = state.bonusBlock.Word(kConstructionDiscountWord);
    return cost > discount ? cost - discount : 0;
}

ConstructionOrder OrderConstruction(GameState& state, BattleEngine& engine, int kind) {
    if (kind < 0 || kind >= kBuildingKindCount) return ConstructionOrder::kNotEnough;
    if (state.location != kHomeBase) return ConstructionOrder::kNotAtBase;
    const uint32_t price = DisplayedConstructionCost(state, kind);
    uint32_t& material = state.resources[GameState::kBuildingMaterial];
    if (price > material) return ConstructionOrder::kNotEnough;
    if (state.buildingCount >= static_cast<uint32_t>(GameState::kBuildingSlots)) return ConstructionOrder::kBaseFull;

    material -= price;
    state.placementRefund = price;
    uint32_t& step = state.constructionSteps[ConstructionStepSlot(kind)];
    state.constructionCosts[ConstructionCostSlot(kind)] += step;
    step += kConstructionStepRise;
    ++state.buildingCount;
    engine.newBuildingPending = 1;
    engine.newBuildingKind = static_cast<uint8_t>(kind + 1);
    return ConstructionOrder::kPlaced;
}
