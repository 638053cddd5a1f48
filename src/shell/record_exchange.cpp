#include "shell/record_exchange.h"

#include "battle/battle_engine.h"
#include "shell/game_state.h"

namespace record_exchange {
namespace {
constexpr int kEngineRings = 3;

uint32_t NotBelowZero(int32_t value) { return static_cast<uint32_t>(value < 0 ? 0 : value); }

void SeedShip(BattleEngine& engine, const GameState& state) {
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
    CopyBonusesToEngine(state, engine);
}

void SeedBase(BattleEngine& engine, const GameState& state) {
    for (int i = 0; i < GameState::kBuildingSlots; ++i) {
        engine.building.active[i] = state.buildingExists[i];
        engine.building.type[i] = state.buildingKinds[i];
        engine.building.level[i] = state.buildingLevels[i];
        engine.building.frame[i] = state.buildingFrames[i];
        engine.building.x[i] = state.buildingX[i];
        engine.building.y[i] = state.buildingY[i];
    }
    CopyRobotsToEngine(state, engine);
    engine.robotsChanged = 1;
    engine.topFactoryLevel = state.topFactoryLevel;
}

void CopyRobotCountsIn(const GameState& state, BattleEngine& engine) {
    for (int rank = 0; rank < GameState::kRobotRanks; ++rank) engine.robotTypeCounts[rank] = state.operationalByRank[rank];
}
}  // namespace

void SeedEngine(BattleEngine& engine, const GameState& state) {
    SeedShip(engine, state);
    SeedBase(engine, state);
}

void SeedNewAreaEngine(BattleEngine& engine, const GameState& state) {
    SeedEngine(engine, state);
    for (int k = 0; k < GameState::kSkillCount; ++k) {
        engine.skillValues[k] = state.skillCharges[k];
        engine.skillBenefits[k] = static_cast<int32_t>(state.skillBenefits[k]);
        engine.skillFullCharges[k] = static_cast<int32_t>(state.skillBenefits[k]);
    }
    engine.experienceBonus = state.bonusBlock.reservedBonus;
}

void CopyBonusesToEngine(const GameState& state, BattleEngine& engine) {
    const BonusBlock& bonus = state.bonusBlock;
    engine.goldBonus = bonus.goldBonus;
    engine.crystalBonus = bonus.crystalBonus;
    engine.favorsBonus = bonus.favorsBonus;
    engine.shipMaterialBonus = bonus.shipMaterialBonus;
    engine.robotMaterialBonus = bonus.robotMaterialBonus;
    engine.buildingMaterialBonus = bonus.buildingMaterialBonus;
}

void CopyAwardsToEngine(const GameState& state, BattleEngine& engine) {
    engine.goodiesBonus = state.goodiesBonus;
    CopyBonusesToEngine(state, engine);
}

void CopyBuildingsToEngine(const GameState& state, BattleEngine& engine) {
    for (int i = 0; i < GameState::kBuildingSlots; ++i) {
        engine.building.active[i] = state.buildingExists[i];
        engine.building.type[i] = state.buildingKinds[i];
        engine.building.frame[i] = state.buildingFrames[i];
        engine.building.level[i] = state.buildingLevels[i];
        engine.building.x[i] = state.buildingX[i];
        engine.building.y[i] = state.buildingY[i];
    }
}

void CopyBuildingLevelsToEngine(const GameState& state, BattleEngine& engine) {
    for (int i = 0; i < GameState::kBuildingSlots; ++i) engine.building.level[i] = state.buildingLevels[i];
}

void CopyBuildingLevelToEngine(const GameState& state, BattleEngine& engine, int slot) {
    if (slot < 0 || slot >= GameState::kBuildingSlots) return;
    engine.building.level[slot] = state.buildingLevels[slot];
}

void CopyTopFactoryLevelToEngine(const GameState& state, BattleEngine& engine) {
    engine.topFactoryLevel = state.topFactoryLevel;
}

void TakeFactoryPositionFromEngine(const BattleEngine& engine, GameState& state) {
    state.factoryX = engine.factoryX;
    state.factoryY = engine.factoryY;
}

void CopyRobotToEngine(const GameState& state, BattleEngine& engine, int slot) {
    if (slot < 0 || slot >= GameState::kRobotSlots) return;
    // The record's robot bytes lie as: record flag, exists, active, spare, facing.
    engine.robot.exists[slot] = state.robotActive[slot];
    engine.robot.active[slot] = state.robotOperational[slot];
    engine.robot.facing[slot] = state.robotVariant[slot];
    engine.robot.type[slot] = static_cast<uint8_t>(state.robotRank[slot]);
    engine.robot.shields[slot] = state.robotShields[slot];
    engine.robot.armor[slot] = state.robotArmor[slot];
    engine.robot.protection[slot] = state.robotProtection[slot];
    engine.robot.damage[slot] = state.robotAttack[slot];
    engine.robot.defence[slot] = state.robotDefence[slot];
}

void CopyRobotsToEngine(const GameState& state, BattleEngine& engine) {
    for (int slot = 0; slot < GameState::kRobotSlots; ++slot) CopyRobotToEngine(state, engine, slot);
}

void TakeRobotStatesFromEngine(const BattleEngine& engine, GameState& state) {
    for (int slot = 0; slot < GameState::kRobotSlots; ++slot) {
        state.robotOperational[slot] = engine.robot.active[slot];
        state.robotShields[slot] = engine.robot.shields[slot];
    }
}

void CopyOnRegionLoad(const GameState& state, BattleEngine& engine) {
    for (int k = 0; k < kRecordedSkills; ++k) {
        engine.skillValues[k] = state.skillCharges[k];
        engine.skillBenefits[k] = static_cast<int32_t>(state.skillBenefits[k]);
        engine.skillFullCharges[k] = engine.skillBenefits[k];
    }
    engine.shipShields = state.shipShields;
    engine.shipArmor = state.shipArmor;
    CopyRobotCountsIn(state, engine);
}

void CopyOnHomeLoad(GameState& state, BattleEngine& engine) {
    state.skillCharges[0] = state.skillBenefits[0];
    for (int k = 0; k < kRecordedSkills; ++k) {
        engine.skillValues[k] = state.skillCharges[k];
        engine.skillBenefits[k] = static_cast<int32_t>(state.skillBenefits[k]);
    }
    CopyRobotCountsIn(state, engine);
}

void HandOverAllyFlags(const GameState& state, BattleEngine& engine, bool returnedFromScreen) {
    for (int i = 0; i < kAllyFlagCount; ++i) {
        if (!returnedFromScreen || engine.allyFlags[i] == 0) engine.allyFlags[i] = state.allyFlags[i];
    }
}

void CopySkillChargesBack(const BattleEngine& engine, GameState& state) {
    for (int k = 0; k < kRecordedSkills; ++k) state.skillCharges[k] = engine.skillValues[k];
}

void TakeRobotArmorFromEngine(const BattleEngine& engine, GameState& state, int slot) {
    if (slot < 0 || slot >= GameState::kRobotSlots) return;
    state.robotArmor[slot] = engine.robot.armor[slot];
}

void CopyShipShieldsToEngine(const GameState& state, BattleEngine& engine) { engine.shipShields = state.shipShields; }

void CopyRobotCountsBack(const BattleEngine& engine, GameState& state) {
    for (int rank = 0; rank < GameState::kRobotRanks; ++rank) state.operationalByRank[rank] = engine.robotTypeCounts[rank];
}

void CopyRobotsBack(const BattleEngine& engine, GameState& state, int robots) {
    for (int r = 0; r < robots; ++r) {
        state.robotOperational[r] = engine.robot.active[r];
        state.robotShields[r] = engine.robot.shields[r];
        state.robotArmor[r] = engine.robot.armor[r];
    }
    CopyRobotCountsBack(engine, state);
}

void CopyBackOnLeavingRegion(const BattleEngine& engine, GameState& state) {
    CopyRobotsBack(engine, state, RobotTable::kSlots / 2);
    for (int k = 0; k < kRecordedSkills; ++k) {
        state.skillCharges[k] = engine.skillValues[k];
        state.skillBenefits[k] = NotBelowZero(engine.skillFullCharges[k]);
    }
}

void CopyBuildingPositionsBack(const BattleEngine& engine, GameState& state) {
    for (int i = 0; i < GameState::kBuildingSlots; ++i) {
        state.buildingX[i] = engine.building.x[i];
        state.buildingY[i] = engine.building.y[i];
    }
}

void RecordSkillRaise(GameState& state, BattleEngine& engine, int k, uint32_t amount) {
    if (k < 0 || k >= GameState::kSkillCount) return;
    state.skillLevels[k] += 1;
    state.skillBenefits[k] += amount;
    if (state.skillPoints > 0) --state.skillPoints;
    engine.skillBenefits[k] = static_cast<int32_t>(state.skillBenefits[k]);
    if (k >= kFirstExplosionSkill) CopyExplosionPowers(state, engine);
}

void CopyExplosionPowers(GameState& state, BattleEngine& engine) {
    for (int k = kFirstExplosionSkill; k < GameState::kSkillCount; ++k) {
        state.skillCharges[k] = state.skillBenefits[k];
        engine.skillValues[k] = state.skillBenefits[k];
        engine.skillBenefits[k] = static_cast<int32_t>(state.skillBenefits[k]);
    }
}

namespace {
uint32_t Below(uint32_t maximum, uint32_t current) { return current < maximum ? maximum - current : 0; }
}  // namespace

ShipFromEngine ReadShipFromEngine(const BattleEngine& engine, const GameState& state) {
    ShipFromEngine ship;
    ship.fireMode = engine.fireMode;
    ship.extraArmor = engine.skillValues[kSkillExtraArmor];
    ship.protectionBonus = engine.skillValues[kSkillShipProtection];
    ship.armorMissing = Below(state.shipArmorMax, engine.shipArmor);
    ship.shieldsMissing = Below(state.shipShieldsMax, engine.shipShields);
    return ship;
}

uint32_t TakeStorageRequest(GameState& state, BattleEngine& engine) {
    if (!engine.storageOpenRequest) return 0;
    engine.storageOpenRequest = 0;
    engine.storageHover = 0;
    const uint32_t storage = state.storageToOpen;
    state.storageToOpen = 0;
    return storage;
}

void HandOverShipSpeed(uint32_t speed, GameState& state, BattleEngine& engine) {
    engine.engineLevel = static_cast<int32_t>(speed);
    state.shipSpeed = speed;
}

void WriteShipValues(const ShipValues& ship, GameState& state, BattleEngine& engine) {
    uint8_t barrels = 0;
    for (int b = 0; b < GameState::kWeaponPositions; ++b) {
        const uint8_t present = state.weaponPositions[b] != 0 ? 1 : 0;
        engine.barrelPresent[b] = present;
        barrels = static_cast<uint8_t>(barrels + present);
        engine.barrelDamage[b] = state.weaponDamage[b] = ship.attacks[b];
    }
    engine.volleySize = state.volleyFlag = barrels;
    engine.fireMode = state.fireMode = ship.fireMode;
    for (int t = 0; t < 3; ++t) engine.shipProtection[t] = state.shipProtection[t] = ship.protection[t];
    engine.shipShields = state.shipShields = ship.shields;
    state.shipShieldsMax = ship.shieldsMax;
    engine.shipArmor = state.shipArmor = ship.armor;
    state.shipArmorMax = ship.armorMax;
    engine.shipDefence = state.shipDefence = ship.defence;
}

void TakeEngineValuesForSave(const BattleEngine& engine, GameState& state) {
    CopyRobotCountsBack(engine, state);
    // The charges the skill bar fills and spends, as a region copies them back.
    CopySkillChargesBack(engine, state);
    for (int b = 0; b < GameState::kWeaponPositions; ++b) state.weaponDamage[b] = engine.barrelDamage[b];
    state.volleyFlag = engine.volleySize;
}

}  // namespace record_exchange
