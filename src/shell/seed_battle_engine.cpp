#include "shell/seed_battle_engine.h"

#include "battle/battle_engine.h"
#include "shell/game_state.h"

namespace {
constexpr int kEngineRings = 3;

void PrepareShip(BattleEngine& engine, const GameState& state) {
    for (int k = 0; k < kEngineRings; ++k) engine.ring[k].state = 0;
    engine.shieldRamp = 1.0f;
    for (int b = 0; b < GameState::kWeaponPositions; ++b) {
        // A fitted barrel is any item id; a byte of the id would lose ids 256, 512 and 768.
        engine.barrelPresent[b] = state.weaponPositions[b] != 0 ? 1 : 0;
        engine.barrelDamage[b] = state.weaponDamage[b];
    }
    for (int k = 0; k < GameState::kAllyFlagCount; ++k) engine.allyFlags[k] = state.allyFlags[k];
    engine.engineLevel = static_cast<int32_t>(state.shipSpeed);
    engine.volleySize = state.volleyFlag;
    for (int k = 0; k < GameState::kSkillCount; ++k) engine.skillValues[k] = state.skillCharges[k];
    engine.shipShields = state.shipShields;
    engine.shipArmor = state.shipArmor;
    engine.shipDefence = state.shipDefence;
    for (int k = 0; k < 3; ++k) engine.shipProtection[k] = state.shipProtection[k];
    engine.goodiesBonus = state.goodiesBonus;
    const BonusBlock& bonus = state.bonusBlock;
    engine.goldBonus = bonus.goldBonus;
    engine.crystalBonus = bonus.crystalBonus;
    engine.favorsBonus = bonus.favorsBonus;
    engine.shipMaterialBonus = bonus.shipMaterialBonus;
    engine.robotMaterialBonus = bonus.robotMaterialBonus;
    engine.buildingMaterialBonus = bonus.buildingMaterialBonus;
}

void PrepareBase(BattleEngine& engine, const GameState& state) {
    for (int i = 0; i < GameState::kBuildingSlots; ++i) {
        engine.building.active[i] = state.buildingExists[i];
        engine.building.type[i] = state.buildingKinds[i];
        engine.building.level[i] = state.buildingLevels[i];
        engine.building.frame[i] = state.buildingFrames[i];
        engine.building.x[i] = state.buildingX[i];
        engine.building.y[i] = state.buildingY[i];
    }
    // The record's robot bytes lie as: record flag, exists, active, spare, facing.
    for (int i = 0; i < GameState::kRobotSlots; ++i) {
        engine.robot.exists[i] = state.robotActive[i];
        engine.robot.active[i] = state.robotOperational[i];
        engine.robot.facing[i] = state.robotVariant[i];
        engine.robot.type[i] = static_cast<uint8_t>(state.robotRank[i]);
        engine.robot.shields[i] = state.robotShields[i];
        engine.robot.armor[i] = state.robotArmor[i];
        engine.robot.protection[i] = state.robotProtection[i];
        engine.robot.damage[i] = state.robotAttack[i];
        engine.robot.defence[i] = state.robotDefence[i];
    }
    engine.robotsChanged = 1;
    engine.topFactoryLevel = state.topFactoryLevel;
}
}  // namespace

void SeedBattleEngine(BattleEngine& engine, const GameState& state) {
    PrepareShip(engine, state);
    PrepareBase(engine, state);
}
