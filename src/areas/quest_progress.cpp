// The quest rows both regions check, and the twelve quests of the first region: allies handed to the engine, quest
// drops, the checks of each quest area, completion with gifts and payment,
// the convoy, and the change to the second quest set.
#include "areas/quest_progress.h"

#include "areas/area_session.h"
#include "areas/region_frame_steps.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "battle/quest_helpers.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
constexpr int32_t kConvoyArrived = -9900;
constexpr int32_t kConvoyGuarded = -9300;
constexpr uint8_t kQuestDropArea1 = 5;   // Green Domain: the stolen crystal
constexpr uint8_t kQuestDropArea5 = 14;  // Robot Lair: the stolen robot

// Gift skill amounts by the skill bar's numbering (F1 = 1).
constexpr int32_t kGiftSkillAmount[13] = {0, 1, 10, 10, 10, 10, 10, 10, 10, 10, 20, 30, 40};

constexpr QuestCheck kChecks[] = {
    {2, 8, 38, true, kQuestUnitFirst, kQuestUnitLast, false, 0, false, 0, false, QuestFail::AfterTimeNoUnits},
    {3, 10, -1, true, -1, -1, false, 0, false, 0, false, QuestFail::Never},
    {4, 11, -1, false, kConvoyFirst, kConvoyLast, true, 500, false, 5, false, QuestFail::NoUnits},
    {6, 16, 38, true, 30, 30, false, 0, false, 7, false, QuestFail::NoUnits},
    {7, 18, 22, true, -1, -1, false, 0, false, 8, false, QuestFail::Never},
    {8, 21, 27, true, -1, -1, false, 0, false, 9, false, QuestFail::Never},
    {9, 24, 38, true, kQuestUnitFirst, kQuestUnitLast, false, 0, false, 10, false, QuestFail::AfterTimeNoUnits},
    {10, 25, -1, false, kConvoyFirst, kConvoyLast, true, 5000, false, 11, false, QuestFail::NoUnits},
    {11, 26, -1, false, -1, -1, false, 0, true, 12, false, QuestFail::Never},
    {12, 28, 30, true, -1, -1, false, 0, false, 0, true, QuestFail::Never},
};

bool AnyEnemy(const BattleEngine& engine) {
    for (int e = 0; e < EnemyTable::kSlots; ++e) {
        if (engine.enemy.active[e]) return true;
    }
    return false;
}

bool AnyAlly(const BattleEngine& engine, int first, int last) {
    for (int a = first; a <= last; ++a) {
        if (engine.ally.active[a]) return true;
    }
    return false;
}

bool Finished(const QuestCheck& check, const BattleEngine& engine, uint32_t seconds, bool someUnits) {
    if (check.moreThanSeconds >= 0 && seconds <= static_cast<uint32_t>(check.moreThanSeconds)) return false;
    if (check.noEnemy && AnyEnemy(engine)) return false;
    if (check.unitsFirst >= 0 && !someUnits) return false;
    if (check.convoy && engine.ConvoyProgress() >= kConvoyArrived) return false;
    if (check.enemyZeroGone && engine.enemy.active[0]) return false;
    return true;
}

bool Failing(const QuestCheck& check, uint32_t seconds, bool someUnits) {
    switch (check.fail) {
    case QuestFail::Never: return false;
    case QuestFail::AfterTimeNoUnits: return seconds > static_cast<uint32_t>(check.moreThanSeconds) && !someUnits;
    case QuestFail::NoUnits: return !someUnits;
    }
    return false;
}

void GuardConvoy(BattleEngine& engine, uint32_t armor) {
    if (engine.ConvoyProgress() >= kConvoyGuarded) return;
    for (int a = kConvoyFirst; a <= kConvoyLast; ++a) {
        if (engine.ally.active[a]) engine.ally.armor[a] = armor;
    }
}

void GiveGiftSkill(GameState& state, BattleEngine& engine, uint8_t giftSkill) {
    if (giftSkill < 1 || giftSkill > kSkillCount) return;
    const int k = giftSkill - 1;
    const int32_t amount = kGiftSkillAmount[giftSkill];
    ++state.skillLevels[k];
    state.skillCharges[k] += static_cast<uint32_t>(amount);
    state.skillBenefits[k] += static_cast<uint32_t>(amount);
    engine.skillValues[k] += amount;
    engine.skillFullCharges[k] += amount;
    engine.skillBenefits[k] += amount;
}

// Gifts in the panel's order: gold, crystal, favors, ship, robot, building material.
void PayGifts(GameState& state, const ControlPanel& panel) {
    constexpr int kResourceOfGift[6] = {GameState::kGold,         GameState::kCrystal,       GameState::kFavors,
                                        GameState::kShipMaterial, GameState::kRobotMaterial, GameState::kBuildingMaterial};
    for (int k = 0; k < 6; ++k) state.resources[kResourceOfGift[k]] += panel.giftResources[k];
    state.experience += panel.giftExperience;
}

}  // namespace

void MakeActiveIfNotGiven(GameState& state, int quest) {
    if (state.questStates[quest - 1] == 0) state.questStates[quest - 1] = 1;
}

void HandOverAllies(GameApp& app, RegionScene& scene) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    record_exchange::HandOverAllyFlags(state, engine, state.returnedFromScreen != 0);
    if (!state.returnedFromScreen) {
        for (int a = 0; a < AllyTable::kSlots; ++a) {
            engine.ally.exists[a] = 0;
            engine.ally.active[a] = 0;
        }
    }
    SpawnQuestHelpers(engine, scene.Region().helpers(), static_cast<uint32_t>(app.areaBackdrop->areaNumber),
                      &app.controlPanel->helpArrivedTimer);
    scene.returnHint = 0;
}

void PlaceQuestDrops(GameApp& app, RegionScene&) {
    BattleEngine& engine = *app.battleEngine;
    if (!engine.questDropPending) return;
    engine.questDropPending = 0;
    const int32_t area = app.areaBackdrop->areaNumber;
    int slot = -1;
    if (area == kQuestDropArea1 && app.gameState->questStates[0] == 1) slot = 0;
    if (area == kQuestDropArea5 && app.gameState->questStates[4] == 1) slot = 1;
    if (slot < 0 || engine.questItem.kind[slot] != 0) return;
    engine.questItem.kind[slot] = 1;
    engine.questItem.x[slot] = engine.questDropX;
    engine.questItem.y[slot] = engine.questDropY;
    engine.questItem.enabled = 1;
}

const QuestCheck* RunQuestChecks(GameApp& app, RegionScene& scene, std::span<const QuestCheck> checks,
                                 uint8_t failedNotice) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    const int32_t area = app.areaBackdrop->areaNumber;
    const uint32_t secondsInArea = scene.Session().secondsInArea;
    for (const QuestCheck& check : checks) {
        if (check.area != area || state.questStates[check.quest - 1] != 1) continue;
        if (check.convoy) GuardConvoy(engine, check.convoyArmor);
        const bool someUnits = check.unitsFirst >= 0 && AnyAlly(engine, check.unitsFirst, check.unitsLast);
        if (Finished(check, engine, secondsInArea, someUnits)) {
            if (check.endsSet) return &check;
            engine.QuestDoneEvent = check.quest;
            if (check.nextQuest != 0) state.questStates[check.nextQuest - 1] = 1;
        } else if (Failing(check, secondsInArea, someUnits)) {
            app.controlPanel->questFailed = failedNotice;
        }
    }
    return nullptr;
}

void CheckEarthSystemQuests(GameApp& app, RegionScene& scene) {
    if (RunQuestChecks(app, scene, kChecks, 1)) ChangeToInvasions(app);
}

void PayQuest(GameApp& app, uint8_t q) {
    GameState& state = *app.gameState;
    ControlPanel& panel = *app.controlPanel;
    state.questJingle = 1;
    panel.questUpdated = 1;
    state.questsUpdatedAny = 1;
    state.questUpdated[q - 1] = 1;
    state.questStates[q - 1] = 2;
    panel.questGifts = 1;
    panel.giftQuest = q;
    panel.SetQuestGifts(state.questSet);
    AddQuestGiftBonuses(panel, state.bonusBlock, kGiftBonusTimes);
    GiveGiftSkill(state, *app.battleEngine, panel.giftSkill);
    PayGifts(state, panel);
}

void CompleteQuest(GameApp& app, RegionScene& scene) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    const uint8_t q = engine.QuestDoneEvent;
    if (q == 0) return;
    engine.QuestDoneEvent = 0;
    if (q > kFirstRegionQuests || state.questStates[q - 1] != 1) return;
    if (q == 1 && state.questStates[1] == 0) {
        state.questStates[1] = 1;
        scene.returnHint = 1;
    }
    if (q == 2) MakeActiveIfNotGiven(state, 3);
    if (q == 3) MakeActiveIfNotGiven(state, 4);
    if (q == 4) MakeActiveIfNotGiven(state, 5);
    // Quest 6 follows a quest 5 done before this completion, not this one.
    if (state.questStates[4] == 2) MakeActiveIfNotGiven(state, 6);
    PayQuest(app, q);
}

void MoveConvoy(GameApp& app, RegionScene& scene) {
    const int32_t area = app.areaBackdrop->areaNumber;
    bool convoyArea = false;
    for (uint8_t convoy : scene.Region().convoyAreas) convoyArea |= convoy != 0 && convoy == area;
    if (!convoyArea) return;
    const uint8_t step = StepOf(app, kStepS70);
    for (int a = kConvoyFirst; a <= kConvoyLast; ++a) app.battleEngine->ally.y[a] -= step;
}

void ChangeToInvasions(GameApp& app) {
    GameState& state = *app.gameState;
    state.musicCue = 1;
    app.SwitchScene(SceneId::Galaxy);
    for (uint8_t& quest : state.questStates) quest = 0;
    for (uint8_t& mark : state.questUpdated) mark = 0;
    for (uint8_t& flag : state.allyFlags) flag = 0;
    state.questStates[0] = 1;
    app.areaBackdrop->viewX = 200;
    app.areaBackdrop->viewY = -600;
}
