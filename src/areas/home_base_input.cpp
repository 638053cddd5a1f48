// Keys, skills and the mouse at the home base: flight and fire keys, the
// view scrolling while a building is placed or moved, the skill bar, the
// screen buttons, and the presses that pick, drop and cancel buildings.
#include <algorithm>

#include "areas/area_session.h"
#include "areas/area_sounds.h"
#include "areas/base_placement.h"
#include "areas/home_base_scene.h"
#include "areas/home_base_steps.h"
#include "areas/region_frame_steps.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/input_device.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {

constexpr uint8_t kSkillKeys[kSkillCount] = {key::kF1, key::kF2, key::kF3, key::kF4,  key::kF5,  key::kF6,
                                             key::kF7, key::kF8, key::kF9, key::kF10, key::kF11, key::kF12};
constexpr uint8_t kExtraArmorFade = 30;
constexpr uint8_t kSkillCodeFirst = 12;  // skill bar cells 12..23 stand for F1..F12
constexpr uint8_t kSkillCodeLast = 23;
constexpr uint8_t kSkillBarToggle = 11;
constexpr uint8_t kConstructCode = 10;
constexpr uint32_t kHomeLocation = 1;

bool Pressed(GameApp& app, uint8_t code) {
    if (!app.keyboard.KeyPressed(code)) return false;
    app.keyboard.SetLatch(code, 1);
    return true;
}

bool Held(const GameApp& app, uint8_t code) { return app.keyboard.KeyPressed(code) != 0; }

bool EscapeRuns(const GameApp& app) { return app.battleEngine->emergencyEscape != 0; }

bool MouseDown(GameApp& app) { return app.cursor->mouse.ButtonPressed(0) || app.cursor->mouse.ButtonPressed(1); }

// Skill n (1..12) at the base. Extra Armor works here, unlike in the regions.
void UseHomeSkill(GameApp& app, AreaSession& area, int n) {
    if (n != kSkillExtraArmor + 1) {
        UseSkillKey(app, area, n);
        return;
    }
    if (!PaySkill(app, kSkillExtraArmor)) return;
    FillCharge(app, kSkillExtraArmor);
    app.battleEngine->skillValues[kSkillExtraArmor] = app.gameState->skillBenefits[kSkillExtraArmor];
    app.battleEngine->extraArmorFade = kExtraArmorFade;
}

void BackOrCloseWindows(GameApp& app) {
    ControlPanel& panel = *app.controlPanel;
    if (!panel.repairsOpen && !panel.questGiftsOpen) {
        // The save dialog comes up without the leave step: the engine keeps the area.
        app.sceneFrame = SceneId::SaveQuit;
        app.gameState->location = kHomeLocation;
        return;
    }
    panel.repairsOpen = 0;
    panel.questGiftsOpen = 0;
}

void ScrollViewByKeys(GameApp& app) {
    if (!HomePlacingOrMoving(app) || app.frameTimerArmed != 1) return;
    AreaBackdrop& view = *app.areaBackdrop;
    const int32_t step = StepOf(app, kStepS350);
    if (Held(app, key::kRight) || Held(app, key::kNumpad6)) view.viewX = std::min(view.viewX + step, BasePlacement::kViewMaxX);
    if (Held(app, key::kLeft) || Held(app, key::kNumpad4)) view.viewX = std::max(view.viewX - step, BasePlacement::kViewMinX);
    if (Held(app, key::kUp) || Held(app, key::kNumpad8)) view.viewY = std::max(view.viewY - step, BasePlacement::kViewMinY);
    if (Held(app, key::kDown) || Held(app, key::kNumpad2)) view.viewY = std::min(view.viewY + step, BasePlacement::kViewMaxY);
}

// A press of either button: the panel, then picking, cancelling or dropping.
void HandlePress(GameApp& app, BasePlacement& placement) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    MouseCursor& cursor = *app.cursor;
    const int32_t camX = app.areaBackdrop->viewX, camY = app.areaBackdrop->viewY;
    if (!engine.upgradeHover) engine.upgradeTarget = 0;
    if (!HomeBusy(app)) {
        if (panel.Click(cursor.x, cursor.y, &cursor.mouse, &engine.fireMode) == 1) panel.clickTaken = 1;
        engine.PickBuilding(camX, camY, cursor.x, cursor.y);
    }
    if (engine.newBuildingPending && placement.cancelHover) {
        placement.Cancel(state, engine);
    } else if (engine.newBuildingPending || engine.movingBuilding == 2) {
        BasePlacement::Drop(state, engine, camX, camY, cursor.x, cursor.y);
    }
}

void ActOnScreenButton(GameApp& app, AreaSession& area) {
    ControlPanel& panel = *app.controlPanel;
    const uint8_t code = panel.TakeScreenClick(&app.cursor->mouse);
    if (code == 0) return;
    if (code == kSkillBarToggle) {
        panel.skillBarShown = panel.skillBarShown ? 0 : 1;
    } else if (const std::optional<SceneId> target = ScreenForCode(code)) {
        app.SwitchScene(*target);
        if (code == kConstructCode) app.gameState->location = kHomeLocation;
    }
    PlayAreaSound(app, area, AreaSound::StampAtBase);
}

}  // namespace

void ReadHomeKeys(GameApp& app, HomeBaseScene& home) {
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    if (EscapeRuns(app)) panel.autoFire = 0;
    if (Pressed(app, key::kBack)) BackOrCloseWindows(app);
    if (Pressed(app, key::kEscape)) BackOrCloseWindows(app);
    if (Pressed(app, key::kSpace)) engine.spaceHeld = 1;
    if (Pressed(app, key::k1)) engine.fireMode = 1;
    if (Pressed(app, key::k2)) engine.fireMode = 2;
    if (Pressed(app, key::k3)) engine.fireMode = 3;
    if (Pressed(app, key::kF)) panel.autoFire = panel.autoFire ? 0 : 1;
    engine.holdPosition = Held(app, key::kD) ? 1 : 0;
    ScrollViewByKeys(app);
    engine.skillSelectHeld = Held(app, key::kLeftControl) ? 1 : 0;
    if (EscapeRuns(app)) return;
    for (int k = 0; k < kSkillCount; ++k) {
        if (!Pressed(app, kSkillKeys[k])) continue;
        if (engine.skillSelectHeld) engine.quickSkill = static_cast<uint8_t>(k + 1);
        else UseHomeSkill(app, home.Session(), k + 1);
    }
}

void HandleHomeMouse(GameApp& app, HomeBaseScene& home) {
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    MouseCursor& cursor = *app.cursor;
    if (HomePlacingOrMoving(app)) {
        app.areaBackdrop->ScrollByMouse(cursor, StepOf(app, kStepS350), engine.AreaBounds[kBoundYMax]);
    }
    if (HomeBusy(app)) panel.autoFireAllowed = 0;
    else panel.HitTest(cursor.x, cursor.y);

    home.Placement().UpdateCancelHover(engine, cursor.x, cursor.y);
    BasePlacement::UpdateBoxHovers(engine, cursor.x, cursor.y);
    const bool down = MouseDown(app);
    home.pressStarted = down && !home.buttonsDown ? 1 : 0;
    home.buttonsDown = down ? 1 : 0;
    if (down) HandlePress(app, home.Placement());

    HandleSkillClicks(app, home.Session(), UseHomeSkill);
    if (!down) {
        engine.buttonsReleased = 1;
        panel.autoFireAllowed = 1;
    } else {
        panel.autoFireAllowed = 0;
        panel.lastClickedCode = 0;
    }
    ActOnScreenButton(app, home.Session());
    if (!down && engine.movingBuilding == 1) engine.movingBuilding = 2;
}
