// The end of a home base frame: clocks, shortcut keys, energy refill, the
// emergency escape's turn and landing, the leave step and the end of scene.
#include "areas/area_session.h"
#include "areas/base_placement.h"
#include "areas/home_base_rules.h"
#include "areas/home_base_scene.h"
#include "areas/home_base_steps.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {

constexpr int32_t kShipHomeX = 368, kShipHomeY = 310;
constexpr uint8_t kEscapeOutwardDone = 100;
constexpr uint8_t kEscapeReturnDone = 99;
constexpr uint8_t kHalfTurn = 32;
constexpr uint8_t kHeadings = 64;
constexpr uint32_t kHomeLocation = 1;
constexpr int32_t kHomeArea = 1;

void ClearTrail(BattleEngine& engine) {
    for (uint8_t& trail : engine.escapeTrail) trail = 0;
}

// The ship flies out, turns round by half a turn and comes back to the middle.
void RunEscape(GameApp& app) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    if (engine.escapeReturn && engine.emergencyEscape == kEscapeReturnDone) {
        panel.autoFire = 0;
        engine.escapeReturn = 0;
        engine.shipX = kShipHomeX;
        engine.shipY = kShipHomeY;
        engine.emergencyEscape = 0;
        state.shipDestroyed = 0;
        ClearTrail(engine);
        engine.escapeOffsetX = engine.escapeOffsetY = 0;
        state.energy = state.energyMax;
    }
    if (engine.emergencyEscape == kEscapeOutwardDone) {
        panel.autoFire = 0;
        panel.travelTimer = 1;
        engine.escapeReturn = 1;
        engine.emergencyEscape = 1;
        state.shipDestroyed = 1;
        ClearTrail(engine);
        engine.heading = static_cast<uint8_t>((engine.heading + kHalfTurn) % kHeadings);
        engine.rotation = static_cast<float>(engine.heading) * kHeadingRadians;
        engine.shipX = kShipHomeX + engine.escapeOffsetX;
        engine.shipY = kShipHomeY + engine.escapeOffsetY;
        const ShipBoxRow& row = BattleEngine::ShipBoxTable(engine.heading);
        engine.flamePointX = row.flameX;
        engine.flamePointY = row.flameY;
        engine.escapeOffsetX = engine.escapeOffsetY = 0;
    }
}

}  // namespace

void LeaveHomeBase(GameApp& app) {
    BattleEngine& engine = *app.battleEngine;
    record_exchange::CopyBuildingPositionsBack(engine, *app.gameState);
    engine.hoveredBuilding = 0;
    app.gameState->location = kHomeLocation;
    // A trip chosen in the frame a screen's key was pressed goes on to its
    // region once that screen closes.
    if (app.areaBackdrop->areaNumber != kHomeArea) app.gameState->location = HomeTripLocation(app.gameState->questSet);
    for (uint8_t& active : engine.playerShot.active) active = 0;
}

bool FinishHomeFrame(GameApp& app) {
    GameState& state = *app.gameState;
    const bool carrying = HomePlacingOrMoving(app);
    if (!carrying) app.HandleScreenHotkeys();
    state.energy = state.energyMax;
    RunEscape(app);
    return carrying;
}
