#include "areas/home_arrival_repairs.h"

#include <algorithm>

#include "battle/battle_engine.h"
#include "hud/control_panel.h"
#include "platform/number_text.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {

// Robot material per point of armor, and the least material that still
// buys a partial repair, by rank (Grunt, Sarge, Captain, General).
constexpr uint32_t kArmorPrice[GameState::kRobotRanks] = {1, 2, 4, 7};
constexpr uint32_t kPartialAbove[GameState::kRobotRanks] = {0, 1, 3, 6};

int RankOf(const GameState& state, int slot) {
    return static_cast<int>(std::min<uint32_t>(state.robotRank[slot], GameState::kRobotRanks - 1));
}

void RepairShip(GameState& state, BattleEngine& engine, ControlPanel& panel) {
    if (state.shipArmor >= state.shipArmorMax) return;
    panel.repairsNotice = 1;
    uint32_t need = state.shipArmorMax - state.shipArmor;
    const uint32_t saved = std::min(need, state.bonusBlock.shipRepairDiscount);
    panel.shipRepairSaved = saved;
    need -= saved;
    uint32_t& material = state.resources[GameState::kShipMaterial];
    if (material != 0) panel.showShipSaved = 1;
    panel.shipRepairCost = need;
    if (need <= material) {
        material -= need;
    } else {
        material = 0;
        panel.shipRepairShort = 1;
    }
    engine.shipArmor = state.shipArmor = state.shipArmorMax;
    engine.shipShields = state.shipShields = state.shipShieldsMax;
}

void MakeOperational(GameState& state, BattleEngine& engine, int slot) {
    if (state.robotOperational[slot]) return;
    state.robotOperational[slot] = 1;
    engine.robot.active[slot] = 1;
    const int rank = RankOf(state, slot);
    ++state.operationalByRank[rank];
    ++engine.robotTypeCounts[rank];
}

void RepairRobot(GameState& state, BattleEngine& engine, ControlPanel& panel, int slot) {
    panel.repairsNotice = 1;
    panel.noRobotsDamaged = 0;
    const int rank = RankOf(state, slot);
    const uint32_t price = kArmorPrice[rank];
    const uint32_t need = state.robotArmorMax[slot] - engine.robot.armor[slot];
    const uint32_t discount = state.bonusBlock.robotRepairDiscount;
    uint32_t cost = need * price;
    const uint32_t saved = std::min(cost, discount);
    cost -= saved;
    panel.robotRepairSaved += saved;
    panel.robotRepairCost += cost;

    uint32_t& material = state.resources[GameState::kRobotMaterial];
    if (cost <= material) {
        material -= cost;
        engine.robot.armor[slot] += need;
        record_exchange::TakeRobotArmorFromEngine(engine, state, slot);
        panel.robotRepairPartial = 1;
        MakeOperational(state, engine, slot);
        return;
    }
    panel.robotRepairShort = 1;
    if (material > kPartialAbove[rank]) {
        // What the discount and the material still buy, each rounded down.
        engine.robot.armor[slot] += discount / price + material / price;
        record_exchange::TakeRobotArmorFromEngine(engine, state, slot);
        MakeOperational(state, engine, slot);
        material = 0;
    }
}

void FormatFigures(ControlPanel& panel) {
    FormatNumber(panel.shipRepairSavedText, panel.shipRepairSaved);
    FormatNumber(panel.robotRepairSavedText, panel.robotRepairSaved);
    FormatNumber(panel.shipRepairCostText, panel.shipRepairCost);
    FormatNumber(panel.robotRepairCostText, panel.robotRepairCost);
}

}  // namespace

void RecountOperationalRobots(GameState& state, BattleEngine& engine) {
    uint8_t counts[GameState::kRobotRanks] = {};
    for (int i = 0; i < GameState::kRobotSlots; ++i) {
        if (state.robotExists[i] && state.robotOperational[i]) ++counts[RankOf(state, i)];
    }
    for (int rank = 0; rank < GameState::kRobotRanks; ++rank) {
        state.operationalByRank[rank] = counts[rank];
        engine.robotTypeCounts[rank] = counts[rank];
    }
}

void RepairOnArrival(GameState& state, BattleEngine& engine, ControlPanel& panel) {
    record_exchange::CopyRobotCountsBack(engine, state);
    panel.shipRepairCost = 0;
    panel.robotRepairCost = 0;
    // The report describes this arrival only: nothing of an earlier one stays.
    panel.shipRepairSaved = panel.robotRepairSaved = 0;
    panel.showShipSaved = panel.shipRepairShort = 0;
    FormatNumber(panel.shipRepairHadText, state.resources[GameState::kShipMaterial]);

    engine.shipShields = state.shipShields = state.shipShieldsMax;
    uint32_t& extraArmorCharge = state.skillCharges[kSkillExtraArmor];
    if (engine.skillValues[kSkillExtraArmor] != 0 || extraArmorCharge != 0) {
        engine.skillValues[kSkillExtraArmor] = extraArmorCharge = state.skillBenefits[kSkillExtraArmor];
    }

    RepairShip(state, engine, panel);

    panel.noRobotsDamaged = 1;
    panel.robotRepairShort = 0;
    panel.robotRepairPartial = 0;
    FormatNumber(panel.robotRepairHadText, state.resources[GameState::kRobotMaterial]);
    for (int i = 0; i < GameState::kRobotSlots; ++i) {
        if (!state.robotExists[i]) continue;
        if (engine.robot.armor[i] < state.robotArmorMax[i]) RepairRobot(state, engine, panel, i);
        if (state.robotOperational[i]) engine.robot.shields[i] = state.robotShields[i] = state.robotShieldsMax[i];
    }

    if (panel.noRobotsDamaged && panel.shipRepairCost == 0 && panel.shipRepairSaved == 0 && panel.sceneFlag2) {
        panel.travelled = 0;
    }
    FormatFigures(panel);
    panel.sceneFlag2 = 0;
    panel.travelled = 0;
    RecountOperationalRobots(state, engine);
}
