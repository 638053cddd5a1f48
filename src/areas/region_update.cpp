// One step of the battle in a region: the engine, the level-up test, the wave
// scripts and the quests, in the order the quests rely on.
#include "areas/area_session.h"
#include "areas/quest_progress.h"
#include "areas/region_frame_steps.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/input_device.h"
#include "platform/mouse_cursor.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
constexpr uint32_t kFirstThresholds[3] = {250, 500, 800};
constexpr uint32_t kEnergyPerLevel = 10;
constexpr uint32_t kRobotShieldsCycle = 5;

void RechargeRobotShields(GameApp& app) {
    ControlPanel& panel = *app.controlPanel;
    if (panel.cycle7 != kRobotShieldsCycle) return;
    panel.cycle7 = kRobotShieldsCycle + 1;
    BattleEngine& engine = *app.battleEngine;
    const GameState& state = *app.gameState;
    for (int r = 0; r < RobotTable::kSlots; ++r) {
        if (engine.robot.active[r] && engine.robot.shields[r] < state.robotShieldsMax[r]) ++engine.robot.shields[r];
    }
}

void MoveAndThink(GameApp& app) {
    if (app.frameTimerArmed != 1) return;
    BattleEngine& engine = *app.battleEngine;
    AreaBackdrop& backdrop = *app.areaBackdrop;
    backdrop.ScrollLayers(StepOf(app, kStepS30), app.gameState->questSet);
    engine.MoveShotsAndWaves(backdrop.viewX, backdrop.viewY, StepOf(app, kStepS70), StepOf(app, kStepS140),
                             StepOf(app, kStepS210), StepOf(app, kStepS280), StepOf(app, kStepS350),
                             StepOf(app, kStepS420), StepOf(app, kStepS490), StepOf(app, kStepS560));
    engine.steering = 0;
    engine.shipVelocityX = 0;
    engine.shipVelocityY = 0;
    engine.MoveKillDebris(StepOf(app, kStepS30), StepOf(app, kStepS50), StepOf(app, kStepS70), StepOf(app, kStepS90),
                          StepOf(app, kStepS140), StepOf(app, kStepS210));
    if (engine.emergencyEscape != 0) return;
    const MouseCursor& cursor = *app.cursor;
    if (cursor.mouse.ButtonPressed(0)) {
        engine.SteerShip(backdrop.viewX, backdrop.viewY, cursor.x, cursor.y, StepOf(app, kStepVelocityX),
                         StepOf(app, kStepVelocityY));
    }
    engine.ThinkRobots(backdrop.viewX, backdrop.viewY, StepOf(app, kStepS70), StepOf(app, kStepS210));
    engine.ThinkAllies(backdrop.viewX, backdrop.viewY, StepOf(app, kStepS70), StepOf(app, kStepS210));
    engine.ThinkEnemies(backdrop.viewX, backdrop.viewY, StepOf(app, kStepS50), StepOf(app, kStepS70));
}

void Fire(GameApp& app) {
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    const int32_t camX = app.areaBackdrop->viewX;
    const int32_t camY = app.areaBackdrop->viewY;
    if (engine.emergencyEscape != 0) engine.spaceHeld = 0;
    if (engine.spaceHeld || panel.autoFire) {
        engine.spaceHeld = 0;
        if (engine.fireReady) {
            panel.electricSound = 1;
            engine.fireReady = 0;
            engine.FirePlayerShots(camX, camY);
        }
    }
    engine.FireAllyShots(camX, camY);
    engine.FireRobotShots(camX, camY);
    engine.FireEnemyShots(camX, camY);
}

void Combat(GameApp& app) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    if (state.shipShields == 0) {
        state.skillCharges[kSkillHardShields] = 0;
        engine.skillValues[kSkillHardShields] = 0;
    }
    if (engine.emergencyEscape != 0) return;
    engine.ResolveCombat(app.areaBackdrop->viewX, app.areaBackdrop->viewY, &state.experience, &state.shipShields,
                         &state.shipArmor);
    if (engine.shieldsAbsorbed) {
        engine.shieldsAbsorbed = 0;
        record_exchange::CopySkillChargesBack(engine, state);
    }
    if (engine.robotsChanged) {
        engine.robotsChanged = 0;
        record_exchange::CopyRobotCountsBack(engine, state);
    }
}

void TouchAndCollect(GameApp& app) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    const int32_t camX = app.areaBackdrop->viewX;
    const int32_t camY = app.areaBackdrop->viewY;
    engine.TestPortals(camX, camY, app.cursor->drawX, app.cursor->drawY);
    uint32_t* r = state.resources;
    engine.CollectPickups(camX, camY, &r[GameState::kGold], &r[GameState::kCrystal], &r[GameState::kFavors],
                          &r[GameState::kShipMaterial], &r[GameState::kBuildingMaterial],
                          &r[GameState::kRobotMaterial]);
}

void AdvanceCycles(BattleEngine& engine) {
    engine.dropRoll += 1;
    if (engine.dropRoll > engine.rollLimit) engine.dropRoll = 1;
    engine.dropKindRoll += 10;
    if (engine.dropKindRoll > engine.rollLimit) engine.dropKindRoll = 1;
}
}  // namespace

uint32_t NextLevelThreshold(uint32_t level, uint32_t threshold) {
    if (level < 3) return kFirstThresholds[level];
    return threshold + 100u * level;
}

bool CheckLevelUp(GameApp& app) {
    GameState& state = *app.gameState;
    ControlPanel& panel = *app.controlPanel;
    if (state.experience < state.nextLevelExperience) return false;
    state.nextLevelExperience = NextLevelThreshold(state.level, state.nextLevelExperience);
    panel.accentTimer = 1;
    ++state.skillPoints;
    ++state.awardPicks;
    ++panel.skillsToChoose;
    ++panel.awardsToChoose;
    ++state.level;
    panel.newLevelTimer = 1;
    state.energyMax += kEnergyPerLevel;
    return true;
}

void TickAreaPanel(GameApp& app) {
    GameState& state = *app.gameState;
    int32_t energy = static_cast<int32_t>(state.energy);
    int32_t energyMax = static_cast<int32_t>(state.energyMax);
    int32_t shields = static_cast<int32_t>(state.shipShields);
    int32_t shieldsMax = static_cast<int32_t>(state.shipShieldsMax);
    app.controlPanel->Tick(&energy, &energyMax, &shields, &shieldsMax, state.skillLevels[kSkillShieldsRecharge],
                           static_cast<uint32_t>(app.battleEngine->skillValues[kSkillShieldsRecharge]));
    state.energy = static_cast<uint32_t>(energy < 0 ? 0 : energy);
    state.energyMax = static_cast<uint32_t>(energyMax < 0 ? 0 : energyMax);
    state.shipShields = static_cast<uint32_t>(shields < 0 ? 0 : shields);
    state.shipShieldsMax = static_cast<uint32_t>(shieldsMax < 0 ? 0 : shieldsMax);
}

void UpdateArea(GameApp& app, RegionScene& scene) {
    const RegionData& region = scene.Region();
    const uint32_t secondsInArea = scene.Session().secondsInArea;
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    AreaBackdrop& backdrop = *app.areaBackdrop;
    backdrop.Animate();
    engine.TickAnimations();
    TickAreaPanel(app);
    record_exchange::CopyShipShieldsToEngine(state, engine);
    engine.TickEffects(0);
    engine.TickSlowAnimations(backdrop.areaNumber);
    RechargeRobotShields(app);
    MoveAndThink(app);
    Fire(app);
    Combat(app);
    TouchAndCollect(app);
    CheckLevelUp(app);
    if (app.controlPanel->newLevelTimer != 0) TickAreaPanel(app);
    region.wavesA(engine, backdrop.viewX, backdrop.viewY, backdrop.areaNumber, secondsInArea);
    region.wavesB(engine, backdrop.viewX, backdrop.viewY, backdrop.areaNumber, secondsInArea);
    if (region.checkQuests) region.checkQuests(app, scene);
    if (engine.QuestDoneEvent) {
        // A region without quest handling lets the event go unanswered.
        if (region.completeQuest) region.completeQuest(app, scene);
        else engine.QuestDoneEvent = 0;
    }
    AdvanceCycles(engine);
    record_exchange::CopySkillChargesBack(engine, state);
    record_exchange::CopyRobotCountsBack(engine, state);
    MoveConvoy(app, scene);
}
