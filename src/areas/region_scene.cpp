// The frame of a battle region, in the order the areas rely on: music, entry,
// the area load, input, the engine's step, sounds, drawing, travel and the
// copy back into the game record.
#include "areas/region_scene.h"

#include "areas/area_event_sounds.h"
#include "areas/area_session.h"
#include "areas/area_sounds.h"
#include "areas/quest_progress.h"
#include "areas/region_frame_steps.h"
#include "areas/region_travel.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/camera.h"
#include "platform/clock.h"
#include "platform/motion_stepper.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
// 1/36 as written here: how far the camera leans per pixel of ship offset.
constexpr LeanRule kRegionLean = {LeanFirst::Right, 0.0277778f};
constexpr int32_t kMp3Volume = -700;
constexpr int32_t kEnemySlots = EnemyTable::kSlots;
constexpr int32_t kHomeArea = 1;
constexpr uint32_t kHomeLocation = 1;

void ClearFreshArea(BattleEngine& engine) {
    for (int i = 0; i < kEnemySlots; ++i) engine.enemy.active[i] = 0;
    for (uint8_t& fired : engine.waveFired) fired = 0;
    for (int i = 0; i < EnemyShotTable::kSlots; ++i) engine.enemyShot.active[i] = 0;
    for (int i = 0; i < PlayerShotTable::kSlots; ++i) engine.playerShot.active[i] = 0;
    for (int i = 0; i < PickupTable::kSlots; ++i) engine.pickup.active[i] = 0;
}

// Only the allies bought for quests follow the ship in; the colony, convoy
// and station units keep the places their quests need.
void PlaceArrivedAllies(BattleEngine& engine, const AreaBackdrop& backdrop) {
    for (int i = 0; i < kQuestAllySlots; ++i) {
        if (!engine.ally.exists[i]) continue;
        engine.ally.x[i] = backdrop.viewX + engine.ally.offsetX[i] + 400;
        engine.ally.y[i] = backdrop.viewY + engine.ally.offsetY[i] + 300;
    }
}

void StepSteppers(GameApp& app) {
    if (app.frameTimerArmed != 1) return;
    const BattleEngine& engine = *app.battleEngine;
    for (int k = 0; k < GameApp::kStepperCount; ++k) {
        int32_t speed = GameApp::kStepperSpeeds[k];
        if (k == kStepVelocityX) speed = engine.shipVelocityX;
        if (k == kStepVelocityY) speed = engine.shipVelocityY;
        app.StepStepper(k, true, speed);
    }
}

void ShowEnemyDamage(BattleEngine& engine) {
    const EnemyTable& enemy = engine.enemy;
    for (int e = 0; e < kEnemySlots; ++e) {
        engine.enemy.smokeLevel[e] = 0;
        if (!enemy.active[e]) continue;
        engine.enemy.smokeLevel[e] = SmokeLevel(enemy.mobile[e] != 0, enemy.w[e], enemy.armor[e], enemy.spawnArmor[e]);
    }
}

}  // namespace

uint8_t SmokeLevel(bool mobile, uint32_t width, uint32_t a, uint32_t s) {
    if (!mobile) {
        if (a < s / 5) return 4;
        if (a < s / 3) return 3;
        if (a < s / 2) return 2;
        return a < s ? 1 : 0;
    }
    if (width == 32) {
        if (a < s / 2) return 6;
        return a < s ? 5 : 0;
    }
    if (width == 64) {
        if (a < s / 7) return 10;
        if (a < s / 3) return 9;
        if (a < s / 2) return 8;
        return a < 2 * s / 3 ? 7 : 0;
    }
    return 0;
}

std::optional<CameraLean> LeanForShipShifts(int32_t right, int32_t left, int32_t up, int32_t down,
                                            const LeanRule& rule) {
    if (!right && !left && !up && !down) return std::nullopt;
    const float k = rule.perPixel;
    CameraLean lean{0.0f, -1.0f};
    const bool rightDecides = right && (rule.first == LeanFirst::Right || !left);
    if (rightDecides) lean.x = -(static_cast<float>(right) * k);
    else if (left) lean.x = static_cast<float>(left) * k;
    if (up) lean.z = static_cast<float>(up) * k - 1.0f;
    else if (down) lean.z = -(static_cast<float>(down) * k) - 1.0f;
    return lean;
}

std::optional<CameraLean> LeanForShipShifts(int32_t right, int32_t left, int32_t up, int32_t down) {
    return LeanForShipShifts(right, left, up, down, kRegionLean);
}

void LeanSceneCamera(GameApp& app, const LeanRule& rule) {
    const BattleEngine& engine = *app.battleEngine;
    const std::optional<CameraLean> lean =
        LeanForShipShifts(engine.offsetRight, engine.offsetLeft, engine.offsetUp, engine.offsetDown, rule);
    if (lean) app.sceneCamera->LookAt(lean->x, -20.0f, lean->z, lean->x, 0.0f, lean->z);
}

void CopyRecordEachLoad(GameApp& app, AreaKind kind) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    panel.skillsToChoose = state.skillPoints;
    panel.awardsToChoose = state.awardPicks;
    if (kind == AreaKind::HomeBase) record_exchange::CopyOnHomeLoad(state, engine);
    else record_exchange::CopyOnRegionLoad(state, engine);
}

void RegionScene::Enter(GameApp& app) {
    // A travel chosen in the frame a screen's key took the player away was
    // never loaded: the area it leads to starts afresh, whatever screen
    // came between.
    if (loadPending) app.gameState->returnedFromScreen = 0;
    loadPending = 1;
    app.gameState->location = region_.location;
    app.gameState->questSet = region_.questSet;
    EnsureAreaObjects(app);
    app.controlPanel->region = region_.panelRegion;
    // The record names the area the ship enters; every travel keeps the
    // backdrop on it already, a loaded game or a record set up by hand is
    // followed here.
    AreaBackdrop& backdrop = *app.areaBackdrop;
    const uint32_t recorded = app.gameState->currentArea;
    const bool inRegion = recorded < kRegionAreaSlots && region_.portals[recorded].count != 0;
    if (inRegion || !region_.strayEntry) {
        backdrop.areaNumber = static_cast<int32_t>(recorded);
        return;
    }
    backdrop.areaNumber = region_.strayEntry->area;
    backdrop.viewX = region_.strayEntry->viewX;
    backdrop.viewY = region_.strayEntry->viewY;
    app.gameState->currentArea = region_.strayEntry->area;
}

void RegionScene::LoadArea(GameApp& app) {
    loadPending = 0;
    const RegionData& region = region_;
    GameState& state = *app.gameState;
    EnsureAreaObjects(app);
    BattleEngine& engine = *app.battleEngine;
    AreaBackdrop& backdrop = *app.areaBackdrop;

    engine.menuChoice = 0;
    returnHint = 0;
    if (region.hidesRepairsOnLoad) app.controlPanel->repairsNotice = 0;
    app.controlPanel->questFailed = 0;
    app.controlPanel->questFailedOpen = 0;
    backdrop.SetupArea(region.questSet);
    if (!state.returnedFromScreen) engine.freshAreaEvent = 1;
    state.questJingle = 0;
    const int32_t area = backdrop.areaNumber;
    region.areaBounds(area, engine.AreaBounds);
    PlacePortals(app, region);

    HandOverAllies(app, *this);
    if (engine.helpersPlaced) {
        engine.helpersPlaced = 0;
        PlaceArrivedAllies(engine, backdrop);
    }
    if (!state.returnedFromScreen) ClearFreshArea(engine);
    state.returnedFromScreen = 0;
    for (int k = 0; k < GameApp::kStepperCount; ++k) app.Stepper(k);
    CopyRecordEachLoad(app, AreaKind::Region);
}

// The area is left, by travel inside the region or with the scene.
void RegionScene::LeaveArea(GameApp& app) {
    if (!loadPending && !app.leaveScene) return;
    app.controlPanel->questFailed = 0;
    app.controlPanel->questFailedOpen = 0;
    record_exchange::CopyRobotsBack(*app.battleEngine, *app.gameState, RobotTable::kSlots);
}

// Switching to a screen keeps the area clock for the return; the home base
// is entered as an arrival.
void RegionScene::Leave(GameApp& app) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    if (app.sceneFrame == SceneId::HomeBase) {
        app.controlPanel->travelled = 1;
    } else if (app.sceneFrame != region_.self) {
        session_.clockMark = session_.secondsInArea;
        session_.clockRestart = 1;
    }
    for (int i = 0; i < QuestItemTable::kSlots; ++i) engine.questItem.shown[i] = 0;
    record_exchange::CopyBackOnLeavingRegion(engine, state);
    state.location = region_.location;
    // A ship bound home belongs to the base: a screen whose key was pressed
    // in the frame the trip was chosen opens first and, closed, returns there.
    if (app.areaBackdrop->areaNumber == kHomeArea) state.location = kHomeLocation;
}

void AreaMusicUpkeep(GameApp& app) {
    const GameState& state = *app.gameState;
    if (!state.musicOn || state.questJingle != 0) return;
    if (app.mp3State == 0) app.music.Stop();
    app.KeepMp3Playing(kMp3Volume);
}

void TickAreaClock(AreaSession& area) {
    const uint32_t now = NowMs();
    if (area.clockRestart == 1) {
        area.clockStart = now;
        area.clockRestart = 0;
    }
    area.secondsInArea = (now - area.clockStart) / 1000u + area.clockMark;
}

void EnsureAreaObjects(GameApp& app) {
    if (!app.sceneCamera) {
        app.sceneCamera = std::make_unique<Camera>();
        app.sceneCamera->SetRotation(0.0f, 0.0f, 0.0f);
        app.sceneCamera->LookAt(0.0f, -20.0f, -1.0f, 0.0f, 0.0f, -1.0f);
    }
    app.EnsureSharedObjects(GameApp::kArtSharedFont | GameApp::kArtShared);
    if (app.sharedArt->morePending) {
        app.sharedArt->morePending = 0;
        app.sharedArt->LoadMoreArt(&app.graphics);
    }
    if (!app.controlPanel) CreateAreaPanel(app);
    if (!app.battleEngine) CreateAreaEngine(app);
    if (!app.areaBackdrop) {
        app.areaBackdrop = std::make_unique<AreaBackdrop>();
        app.areaBackdrop->areaNumber = static_cast<int32_t>(app.gameState->currentArea);
    }
}

bool LandEmergencyEscape(GameApp& app, int32_t yMin, int32_t yMax) {
    BattleEngine& engine = *app.battleEngine;
    GameState& state = *app.gameState;
    ControlPanel& panel = *app.controlPanel;
    if (engine.emergencyEscape == 99 && engine.escapeReturn) {
        panel.autoFire = 0;
        engine.escapeReturn = 0;
        engine.shipX = 368;
        engine.shipY = 310;
        engine.emergencyEscape = 0;
        state.shipDestroyed = 0;
        for (uint8_t& trail : engine.escapeTrail) trail = 0;
        engine.escapeOffsetX = 0;
        engine.escapeOffsetY = 0;
        for (int i = 0; i < EnemyShotTable::kSlots; ++i) engine.enemyShot.active[i] = 0;
        return false;
    }
    if (engine.emergencyEscape != 100) return false;
    panel.autoFire = 0;
    engine.escapeReturn = 1;
    panel.areaTitleTimer = 1;
    engine.emergencyEscape = 1;
    state.shipDestroyed = 1;
    for (uint8_t& trail : engine.escapeTrail) trail = 0;
    engine.heading = static_cast<uint8_t>(engine.heading >= 32 ? engine.heading - 32 : engine.heading + 32);
    engine.rotation = static_cast<float>(engine.heading) * kHeadingRadians;
    engine.shipX = 368 + engine.escapeOffsetX;
    engine.shipY = 310 + engine.escapeOffsetY;
    // The charge never wraps below zero.
    if (state.skillCharges[kSkillEmergencyEscape] > 0) --state.skillCharges[kSkillEmergencyEscape];
    if (engine.skillValues[kSkillEmergencyEscape] > 0) --engine.skillValues[kSkillEmergencyEscape];
    bool sentHome = false;
    if (state.skillCharges[kSkillEmergencyEscape] > 0) {
        for (int i = 0; i < EnemyShotTable::kSlots; ++i) engine.enemyShot.active[i] = 0;
        AreaBackdrop& backdrop = *app.areaBackdrop;
        backdrop.viewY += 1000;
        if (backdrop.viewY > yMax) {
            backdrop.viewY -= 2000;
            if (backdrop.viewY < yMin) backdrop.viewY = yMax;
        }
    } else {
        panel.travelled = 1;
        app.SwitchScene(SceneId::HomeBase);
        app.areaBackdrop->areaNumber = 1;
        sentHome = true;
    }
    const ShipBoxRow& row = BattleEngine::ShipBoxTable(engine.heading);
    engine.flamePointX = row.flameX;
    engine.flamePointY = row.flameY;
    engine.escapeOffsetX = 0;
    engine.escapeOffsetY = 0;
    return sentHome;
}

void RegionScene::BeforeEntry(GameApp& app) {
    victory = 0;
    AreaMusicUpkeep(app);
}

void RegionScene::Prepare(GameApp& app) {
    if (loadPending) LoadArea(app);
    if (region_.placeQuestDrops) region_.placeQuestDrops(app, *this);
    LeanSceneCamera(app, kRegionLean);
}

void RegionScene::Body(GameApp& app) {
    StepSteppers(app);
    ReadAreaKeys(app, session_, region_);
    HandlePanelInput(app, session_);
    UpdateArea(app, *this);
    PlayAreaEventSounds(app, session_, region_.eventSounds());
    ShowEnemyDamage(*app.battleEngine);
    DrawRegionArea(app, *this);
}

void RegionScene::AfterClock(GameApp& app) {
    TickAreaClock(session_);
    if (!victory) {
        app.HandleScreenHotkeys();
        const int32_t* bounds = app.battleEngine->AreaBounds;
        LandEmergencyEscape(app, bounds[kBoundYMin], bounds[kBoundYMax]);
    }
    LeaveArea(app);
}
