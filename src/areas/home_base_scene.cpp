#include "areas/home_base_scene.h"

#include "areas/area_session.h"
#include "areas/home_arrival_repairs.h"
#include "areas/home_base_steps.h"
#include "areas/region_frame_steps.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/advisor_bubble.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/camera.h"
#include "platform/motion_stepper.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"
#include "shell/screen_music.h"

namespace {

// The home base decides the horizontal lean by the left shift first.
constexpr LeanRule kHomeLean = {LeanFirst::Left, 1.0f / 36.0f};
constexpr uint32_t kHomeArea = 1;
constexpr int32_t kDestroyedViewX = 130, kDestroyedViewY = -640;
constexpr int32_t kPlacingViewX = 400, kPlacingViewY = -1000;
constexpr int32_t kMainPortalX = 500, kMainPortalY = -200;
constexpr int32_t kHomeBounds[4] = {-1570, -536, -64, 736};  // y min, y max, x min, x max

void ResetAdvisor(GameApp& app) {
    if (!app.advisor) app.advisor = std::make_unique<AdvisorBubble>();
    AdvisorBubble& advisor = *app.advisor;
    advisor.advisorX = 700;
    advisor.advisorY = 420;
    advisor.hintIndex = 4;
    advisor.bubbleStyle = 1;
    advisor.bubbleShown = 1;
    advisor.arrowX = 162;
    advisor.arrowY = 515;
    advisor.arrowShown = 1;
    advisor.returnHintPending = 0;
}

// What only a home base does with a panel or an engine it has just made.
void FinishNewPanel(ControlPanel& panel) { panel.travelled = 1; }

void FinishNewEngine(GameApp& app, AreaSession& area) {
    BattleEngine& engine = *app.battleEngine;
    for (uint8_t& ring : area.ringSounds) ring = 0;
    engine.shieldRamp = 1.0f;
    // The base draws each building with its own frame byte.
    record_exchange::CopyBuildingsToEngine(*app.gameState, engine);
}

void ClearBattle(BattleEngine& engine) {
    for (uint8_t& active : engine.enemy.active) active = 0;
    for (uint8_t& fired : engine.waveFired) fired = 0;
    for (uint8_t& active : engine.playerShot.active) active = 0;
    for (uint8_t& active : engine.enemyShot.active) active = 0;
    for (uint8_t& active : engine.pickup.active) active = 0;
    for (uint8_t& active : engine.ally.active) active = 0;
}

void StepHomeSteppers(GameApp& app) {
    if (app.frameTimerArmed != 1) return;
    const BattleEngine& engine = *app.battleEngine;
    for (int k = 0; k < kHomeSteppers; ++k) {
        int32_t speed = GameApp::kStepperSpeeds[k];
        if (k == kStepVelocityX) speed = engine.shipVelocityX;
        if (k == kStepVelocityY) speed = engine.shipVelocityY;
        app.StepStepper(k, true, speed);
    }
}

}  // namespace

bool HomePlacingOrMoving(const GameApp& app) { return BasePlacement::PlacingOrMoving(*app.battleEngine); }
bool HomeBusy(const GameApp& app) { return BasePlacement::InAnyMode(*app.battleEngine); }

void HomeBaseScene::Enter(GameApp& app) {
    GameState& state = *app.gameState;
    app.music.Stop();
    loadPending = 1;
    // As the regions do on entry: screens opened from here come back here
    // (after a load from the main menu the record still names the menus).
    state.location = 1;
    if (app.controlPanel) app.controlPanel->region = 1;
    if (app.areaBackdrop) {
        AreaBackdrop& backdrop = *app.areaBackdrop;
        backdrop.areaNumber = kHomeArea;
        if (state.shipDestroyed) {
            state.shipDestroyed = 0;
            backdrop.viewX = kDestroyedViewX;
            backdrop.viewY = kDestroyedViewY;
        }
        if (app.battleEngine && app.battleEngine->newBuildingPending == 1) {
            backdrop.viewX = kPlacingViewX;
            backdrop.viewY = kPlacingViewY;
        }
    }
    if (state.freshGame) {
        for (int k = 0; k < GameApp::kStepperCount; ++k) {
            if (app.steppers[k]) app.steppers[k]->resetPending = 1;
        }
        if (app.steppers[1]) app.steppers[1]->base = state.stepBase;
    }
    ResetAdvisor(app);
}

void HomeBaseScene::Load(GameApp& app) {
    loadPending = 0;
    GameState& state = *app.gameState;
    const bool newPanel = app.controlPanel == nullptr;
    const bool newEngine = app.battleEngine == nullptr;
    EnsureAreaObjects(app);
    if (newPanel) FinishNewPanel(*app.controlPanel);
    if (newEngine) FinishNewEngine(app, session_);

    BattleEngine& engine = *app.battleEngine;
    AreaBackdrop& backdrop = *app.areaBackdrop;
    backdrop.areaNumber = kHomeArea;
    state.currentArea = kHomeArea;
    backdrop.SetupArea(state.questSet);
    if (!state.returnedFromScreen) engine.freshAreaEvent = 1;
    state.questJingle = 0;
    for (int k = 0; k < 4; ++k) engine.AreaBounds[k] = kHomeBounds[k];
    for (int p = 0; p < PortalTable::kSlots; ++p) engine.portal.exists[p] = engine.portal.touched[p] = 0;
    engine.portal.exists[0] = 1;
    engine.portal.x[0] = kMainPortalX;
    engine.portal.y[0] = kMainPortalY;
    CopyRecordEachLoad(app, AreaKind::HomeBase);
    ClearBattle(engine);
    state.returnedFromScreen = 0;
    for (int k = 0; k < GameApp::kStepperCount; ++k) app.Stepper(k);
}

void HomeBaseScene::Leave(GameApp& app) { LeaveHomeBase(app); }

void HomeBaseScene::BeforeEntry(GameApp& app) {
    const GameState& state = *app.gameState;
    ScreenMusicUpkeep(app, state.musicOn, state.mp3Volume);
}

void HomeBaseScene::Prepare(GameApp& app) {
    if (loadPending) Load(app);
}

void HomeBaseScene::Body(GameApp& app) {
    GameState& state = *app.gameState;
    ControlPanel& panel = *app.controlPanel;
    if (panel.travelled || panel.sceneFlag2) RepairOnArrival(state, *app.battleEngine, panel);
    app.battleEngine->AreaBounds[kBoundYMax] = HomePlacingOrMoving(app) ? -568 : -536;
    LeanSceneCamera(app, kHomeLean);
    StepHomeSteppers(app);
    ReadHomeKeys(app, *this);
    HandleHomeMouse(app, *this);
    UpdateHomeBase(app, *this);
    PlayHomeSounds(app, *this);
    if (!app.deviceLost) {
        DrawHomeBase(app, *this);
        HandleHomeTravelMenu(app, *this);
    }
}

void HomeBaseScene::AfterClock(GameApp& app) { carrying_ = FinishHomeFrame(app); }
