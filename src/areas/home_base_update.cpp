// One step of the home base: flight, robots, shots and portals (none of
// them while a building is carried), the dropped building's effects, the
// level-up, the panel's clock, and the sounds of what happened.
#include "areas/area_event_sounds.h"
#include "areas/area_session.h"
#include "areas/area_sounds.h"
#include "areas/base_placement.h"
#include "areas/home_base_rules.h"
#include "areas/home_base_scene.h"
#include "areas/home_base_steps.h"
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

constexpr uint32_t kHomeArea = 1;
// While a building is carried the cursor stays where the drop box fits.
constexpr int32_t kCursorMin = 10, kCursorMaxX = 726, kCursorMaxY = 526;

void MoveAndThink(GameApp& app) {
    if (app.frameTimerArmed != 1) return;
    BattleEngine& engine = *app.battleEngine;
    AreaBackdrop& backdrop = *app.areaBackdrop;
    backdrop.ScrollLayers(StepOf(app, kStepS30), app.gameState->questSet);
    if (HomePlacingOrMoving(app)) return;
    engine.MoveShotsAndWaves(backdrop.viewX, backdrop.viewY, StepOf(app, kStepS70), StepOf(app, kStepS140),
                             StepOf(app, kStepS210), StepOf(app, kStepS280), StepOf(app, kStepS350),
                             StepOf(app, kStepS420), StepOf(app, kStepS490), StepOf(app, kStepS560));
    engine.steering = 0;
    engine.shipVelocityX = 0;
    engine.shipVelocityY = 0;
    const MouseCursor& cursor = *app.cursor;
    if (cursor.mouse.ButtonPressed(0) && engine.emergencyEscape == 0) {
        engine.SteerShip(backdrop.viewX, backdrop.viewY, cursor.x, cursor.y, StepOf(app, kStepVelocityX),
                         StepOf(app, kStepVelocityY));
    }
    engine.ThinkRobots(backdrop.viewX, backdrop.viewY, StepOf(app, kStepS70), StepOf(app, kStepS210));
}

// An axis that leaves the drop range goes back to its last valid value.
void HoldCursorForPlacement(GameApp& app, BasePlacement& placement) {
    MouseCursor& cursor = *app.cursor;
    if (!HomePlacingOrMoving(app)) {
        placement.cursorX = cursor.x;
        placement.cursorY = cursor.y;
        return;
    }
    if (cursor.x < kCursorMin || cursor.x > kCursorMaxX) cursor.x = placement.cursorX;
    else placement.cursorX = cursor.x;
    if (cursor.y < kCursorMin || cursor.y > kCursorMaxY) cursor.y = placement.cursorY;
    else placement.cursorY = cursor.y;
}

void Fire(GameApp& app) {
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    if (engine.emergencyEscape != 0) engine.spaceHeld = 0;
    if (!engine.spaceHeld && !panel.autoFire) return;
    engine.spaceHeld = 0;
    if (!engine.fireReady) return;
    panel.electricSound = 1;
    engine.fireReady = 0;
    engine.FirePlayerShots(app.areaBackdrop->viewX, app.areaBackdrop->viewY);
}

}  // namespace

void UpdateHomeBase(GameApp& app, HomeBaseScene& home) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    const int32_t camX = app.areaBackdrop->viewX, camY = app.areaBackdrop->viewY;
    app.areaBackdrop->Animate();
    engine.TickAnimations();
    MoveAndThink(app);
    HoldCursorForPlacement(app, home.Placement());
    if (engine.placedBuildingSlot || engine.baseChanged) BasePlacement::ApplyDrop(state, engine, panel);
    Fire(app);
    if (state.shipShields == 0) {
        state.skillCharges[kSkillHardShields] = 0;
        engine.skillValues[kSkillHardShields] = 0;
    }
    if (!HomeBusy(app)) engine.TestPortals(camX, camY, app.cursor->drawX, app.cursor->drawY);
    engine.ResolveCombat(camX, camY, &state.experience, &state.shipShields, &state.shipArmor);
    if (engine.upgradeTarget != 0) engine.hoveredBuilding = static_cast<uint8_t>(engine.upgradeTarget);
    HomeLevelUp(state, panel);
    TickAreaPanel(app);
    // The panel recharges the record's shields; the engine's copy is what
    // Your Ship reads, so it follows here as it does in the regions.
    record_exchange::CopyShipShieldsToEngine(state, engine);
    engine.TickEffects(1);
    engine.TickSlowAnimations(kHomeArea);
}

void PlayHomeSounds(GameApp& app, HomeBaseScene& home) {
    BattleEngine& engine = *app.battleEngine;
    BasePlacement& placement = home.Placement();
    AreaSession& area = home.Session();
    if (placement.upgradeSound) {
        placement.upgradeSound = 0;
        PlayAreaSound(app, area, AreaSound::Upgrade);
    }
    if (app.gameState->questJingle == 0 && engine.buildingPlacedEvent) {
        engine.buildingPlacedEvent = 0;
        PlayAreaSound(app, area, AreaSound::Snap);
    }
    PlayAreaEventSounds(app, area, BaseEventSounds());
}
