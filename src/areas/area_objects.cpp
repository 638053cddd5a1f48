// The control panel and the battle engine, made when an area first needs them
// and filled from the game record.
#include "areas/quest_progress.h"
#include "areas/region_frame_steps.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/control_panel.h"
#include "platform/motion_stepper.h"
#include "platform/number_text.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
// The gift amounts in the order of the panel's gift texts: the six resources
// (gold, crystal, favors, ship, robot, building material), then experience.
void AddGiftBonuses(ControlPanel& panel, const BonusBlock& bonus, uint32_t times) {
    const uint32_t resourceBonus[6] = {bonus.goldBonus,         bonus.crystalBonus,       bonus.favorsBonus,
                                       bonus.shipMaterialBonus, bonus.robotMaterialBonus, bonus.buildingMaterialBonus};
    for (int k = 0; k < 6; ++k) panel.giftResources[k] += times * resourceBonus[k];
    panel.giftExperience += times * bonus.reservedBonus;
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
    app.controlPanel = std::make_unique<ControlPanel>();
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
    app.battleEngine = std::make_unique<BattleEngine>();
    app.battleEngine->LoadArt(&app.graphics);
    record_exchange::SeedNewAreaEngine(*app.battleEngine, *app.gameState);
}

uint8_t StepOf(const GameApp& app, int slot) {
    const MotionStepper* stepper = app.steppers[slot].get();
    return stepper ? stepper->steps : 0;
}
