// The control panel and the battle engine, made when an area first needs them
// and filled from the game record.
#include "areas/control_panel.h"
#include "areas/quest_progress.h"
#include "areas/region_frame_steps.h"
#include "battle/battle_engine.h"
#include "platform/motion_stepper.h"
#include "platform/number_text.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
// The gift amounts in the order of the panel's gift texts: the six resources
// (gold, crystal, favors, ship, robot, building material), then experience.
void AddGiftBonuses(ControlPanel& panel, const BonusBlock& bonus, uint32_t times) {
    const uint32_t resourceBonus[6] = {bonus.goldBonus,         bonus.crystalBonus,       bonus.favorsBonus,
                                       bonus.shipMaterialBonus, bonus.robotMaterialBonus, bonus.buildingMaterialBonus};
    for (int k = 0; k < 6; ++k) panel.giftResources[k] += times * resourceBonus[k];
    panel.giftExperience += times * bonus.reservedBonus;
}

void CopyRobots(BattleEngine& engine, const GameState& state) {
    for (int r = 0; r < RobotTable::kSlots; ++r) {
        engine.robot.exists[r] = state.robotExists[r];
        engine.robot.active[r] = state.robotOperational[r];
        engine.robot.facing[r] = state.robotSlot[r] & 7u;
        engine.robot.type[r] = static_cast<uint8_t>(state.robotRank[r] & 0xFFu);
        engine.robot.shields[r] = state.robotShields[r];
        engine.robot.armor[r] = state.robotArmor[r];
        engine.robot.damage[r] = state.robotAttack[r];
        engine.robot.defence[r] = state.robotDefence[r];
    }
}

void CopyBuildings(BattleEngine& engine, const GameState& state) {
    for (int b = 0; b < BuildingTable::kSlots; ++b) {
        engine.building.active[b] = state.buildingExists[b];
        engine.building.type[b] = state.buildingKinds[b];
        engine.building.frame[b] = state.buildingLevels[b];
        engine.building.level[b] = state.buildingLevels[b];
        engine.building.x[b] = state.buildingX[b];
        engine.building.y[b] = state.buildingY[b];
    }
}
}  // namespace

void WriteGiftTexts(ControlPanel& panel) {
    for (int k = 0; k < 6; ++k) FormatNumber(panel.giftTexts[k], panel.giftResources[k]);
    FormatNumber(panel.giftTexts[6], panel.giftExperience);
}

void AddQuestGiftBonuses(ControlPanel& panel, const BonusBlock& bonus, uint32_t times) {
    AddGiftBonuses(panel, bonus, times);
    WriteGiftTexts(panel);
}

void CreateAreaPanel(GameApp& app) {
    const GameState& state = *app.gameState;
    app.controlPanel = new ControlPanel();
    ControlPanel& panel = *app.controlPanel;
    panel.LoadArt(&app.graphics);
    panel.areaTitleTimer = 1;
    panel.awardsToChoose = state.awardPicks;
    panel.skillsToChoose = state.skillPoints;
    panel.questUpdated = state.questsUpdatedAny;
    panel.questGifts = state.questPopupFlag;
    panel.giftQuest = state.questPopupNumber;
    panel.SetQuestGifts(state.questSet);
    AddQuestGiftBonuses(panel, state.bonusBlock, 1);
    panel.repairsNotice = 0;
}

void CreateAreaEngine(GameApp& app) {
    const GameState& state = *app.gameState;
    app.battleEngine = new BattleEngine();
    BattleEngine& engine = *app.battleEngine;
    engine.LoadArt(&app.graphics);
    for (int i = 0; i < kAllyFlagCount; ++i) engine.allyFlags[i] = state.allyFlags[i];
    engine.engineLevel = static_cast<int32_t>(state.shipSpeed);
    for (int b = 0; b < kBarrels; ++b) {
        engine.barrelPresent[b] = static_cast<uint8_t>(state.weaponPositions[b] & 0xFFu);
        engine.barrelDamage[b] = state.weaponDamage[b];
    }
    engine.volleySize = state.volleyFlag;
    for (int k = 0; k < kSkillCount; ++k) {
        engine.skillCharges[k] = static_cast<int32_t>(state.skillCharges[k]);
        engine.skillBenefits[k] = static_cast<int32_t>(state.skillBenefits[k]);
        engine.skillFullCharges[k] = static_cast<int32_t>(state.skillBenefits[k]);
    }
    engine.shipShields = state.shipShields;
    engine.shipArmor = state.shipArmor;
    engine.shipDefence = state.shipDefence;
    for (int p = 0; p < 3; ++p) engine.shipProtection[p] = state.shipProtection[p];
    engine.goodiesBonus = state.goodiesBonus;
    const BonusBlock& bonus = state.bonusBlock;
    engine.goldBonus = bonus.goldBonus;
    engine.crystalBonus = bonus.crystalBonus;
    engine.experienceBonus = bonus.reservedBonus;
    engine.favorsBonus = bonus.favorsBonus;
    engine.shipMaterialBonus = bonus.shipMaterialBonus;
    engine.robotMaterialBonus = bonus.robotMaterialBonus;
    engine.buildingMaterialBonus = bonus.buildingMaterialBonus;
    CopyBuildings(engine, state);
    CopyRobots(engine, state);
    engine.topFactoryLevel = state.topFactoryLevel;
}

uint8_t StepOf(const GameApp& app, int slot) {
    const MotionStepper* stepper = app.steppers[slot];
    return stepper ? stepper->steps : 0;
}
