// Keys, skills F1 to F12 and the control panel's clicks in a battle region.
#include "areas/area_session.h"
#include "areas/area_sounds.h"
#include "areas/region_frame_steps.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/control_panel.h"
#include "platform/input_device.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr uint8_t kSkillKeys[kSkillCount] = {key::kF1, key::kF2, key::kF3, key::kF4,  key::kF5,  key::kF6,
                                             key::kF7, key::kF8, key::kF9, key::kF10, key::kF11, key::kF12};
constexpr float kShieldOverlayStart = 0.1f;
constexpr uint8_t kFadeShort = 20;
constexpr uint8_t kFadeLong = 40;
constexpr uint8_t kArmageddonStart = 50;
constexpr uint8_t kSkillCodeFirst = 12;  // the skill bar's codes 12..23 stand for F1..F12
constexpr uint8_t kSkillCodeLast = 23;

bool Pressed(GameApp& app, uint8_t code) {
    if (!app.keyboard.KeyPressed(code)) return false;
    app.keyboard.SetLatch(code, 1);
    return true;
}

}  // namespace

// Pays the energy of skill k: false (with the panel's message) when the
// skill is not learnt or the energy is short.
bool PaySkill(GameApp& app, int k) {
    GameState& state = *app.gameState;
    ControlPanel& panel = *app.controlPanel;
    if (state.skillLevels[k] == 0) {
        panel.noSkillTimer = 1;
        panel.noEnergyTimer = 0;
        return false;
    }
    const uint32_t cost = state.skillEnergyCosts[k];
    if (state.energy >= cost) {
        state.energy -= cost;
        return true;
    }
    panel.noEnergyTimer = 1;
    panel.noSkillTimer = 0;
    return false;
}

// Charge and maximum of skill k become its benefit, in the engine and the record.
void FillCharge(GameApp& app, int k) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    const int32_t benefit = static_cast<int32_t>(state.skillBenefits[k]);
    engine.skillValues[k] = benefit;
    engine.skillFullCharges[k] = benefit;
    engine.skillBenefits[k] = benefit;
    state.skillCharges[k] = state.skillBenefits[k];
}

namespace {

void StartRing(GameApp& app, AreaSession& area, int ring) {
    ShockWave& wave = app.battleEngine->ring[ring];
    if (wave.state != 0) return;
    if (!PaySkill(app, kSkillElectronExplosion + ring)) return;
    wave.state = 1;
    wave.progress = 0.0f;
    wave.drawScale = 0.0001f;
    wave.damageTrigger = 0;
    area.ringSounds[ring] = 1;
}

void UseSkill(GameApp& app, AreaSession& area, int k) {
    BattleEngine& engine = *app.battleEngine;
    switch (k) {
    case kSkillEmergencyEscape:
        if (engine.emergencyEscape == 0) {
            engine.emergencyEscape = 1;
            engine.escapeOffsetX = 0;
            engine.escapeOffsetY = 0;
        }
        return;
    case kSkillExtraArmor:
        if (app.gameState->skillLevels[k] > 0) {
            app.controlPanel->notAtBaseTimer = 1;
        } else {
            app.controlPanel->noSkillTimer = 1;
            app.controlPanel->noEnergyTimer = 0;
        }
        return;
    case kSkillElectronExplosion:
    case kSkillNeutronExplosion:
    case kSkillProtonExplosion:
        StartRing(app, area, k - kSkillElectronExplosion);
        return;
    case kSkillArmageddon:
        if (engine.armageddonTimeline == 0 && PaySkill(app, k)) engine.armageddonTimeline = kArmageddonStart;
        return;
    default:
        break;
    }
    if (!PaySkill(app, k)) return;
    FillCharge(app, k);
    switch (k) {
    case kSkillParticleShields: engine.shieldRamp = kShieldOverlayStart; break;
    case kSkillHardShields: engine.hardShieldPulse = kShieldOverlayStart; break;
    case kSkillShieldsRecharge: engine.shieldsRechargeFade = kFadeShort; break;
    case kSkillHardArmor:
        engine.hardArmorFade = kFadeLong;
        engine.armorGlow = 0;
        break;
    case kSkillShipProtection: engine.shieldProtectionFade = kFadeShort; break;
    case kSkillRobotProtection: engine.robotProtectionFade = kFadeLong; break;
    default: break;
    }
}

bool EscapeRuns(const GameApp& app) { return app.battleEngine->emergencyEscape != 0; }

}  // namespace

// Screens the panel's buttons open, by code.
std::optional<SceneId> ScreenForCode(uint8_t code) {
    switch (code) {
    case 1: return SceneId::YourShip;
    case 2: return SceneId::Robots;
    case 3: return SceneId::Buildings;
    case 4: return SceneId::Quests;
    case 5: return SceneId::Awards;
    case 6: return SceneId::Wealth;
    case 7: return SceneId::Skills;
    case 8: return SceneId::Notes;
    case 9: return SceneId::MakeRobots;
    case 10: return SceneId::Construct;
    case 34: return SceneId::Options;
    case 80: return SceneId::Awards;
    case 81: return SceneId::Skills;
    case 82: return SceneId::Quests;
    default: return std::nullopt;
    }
}

namespace {

void HandleSkillBar(GameApp& app, AreaSession& area, InputDevice& mouse, UseSkillFn useSkill) {
    ControlPanel& panel = *app.controlPanel;
    panel.skillRightClick = 0;
    const uint8_t code = panel.lastClickedCode;
    if (!EscapeRuns(app) && panel.autoFireAllowed && code >= kSkillCodeFirst && code <= kSkillCodeLast) {
        const int n = code - kSkillCodeFirst + 1;
        if (mouse.ButtonPressed(1)) {
            app.battleEngine->quickSkill = static_cast<uint8_t>(n);
            panel.skillRightClick = 1;
        } else if (mouse.ButtonPressed(0)) {
            useSkill(app, area, n);
        }
    }
    panel.lastClickedCode = 0;
}
}  // namespace

void HandleSkillClicks(GameApp& app, AreaSession& area, UseSkillFn useSkill) {
    ControlPanel& panel = *app.controlPanel;
    if (panel.skillBarShown) HandleSkillBar(app, area, app.cursor->mouse, useSkill);
    if (panel.autoFireAllowed && !panel.skillRightClick && panel.rightPressed) {
        panel.rightPressed = 0;
        if (!EscapeRuns(app) && app.battleEngine->quickSkill != 0) useSkill(app, area, app.battleEngine->quickSkill);
    }
}

void UseSkillKey(GameApp& app, AreaSession& area, int n) {
    if (n < 1 || n > kSkillCount) return;
    UseSkill(app, area, n - 1);
}

void ReadAreaKeys(GameApp& app, AreaSession& area, const RegionData& region) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    // An escape turns auto fire off before the keys are read: F may turn it
    // on again within the escape.
    if (EscapeRuns(app)) panel.autoFire = 0;
    if (Pressed(app, key::kBack) || Pressed(app, key::kEscape)) {
        app.sceneFrame = SceneId::SaveQuit;
        state.location = region.location;
    }
    if (Pressed(app, key::kSpace)) engine.spaceHeld = 1;
    if (Pressed(app, key::k1)) engine.fireMode = 1;
    if (Pressed(app, key::k2)) engine.fireMode = 2;
    if (Pressed(app, key::k3)) engine.fireMode = 3;
    if (Pressed(app, key::kF)) panel.autoFire = panel.autoFire ? 0 : 1;
    engine.holdPosition = app.keyboard.KeyPressed(key::kD) ? 1 : 0;
    engine.skillSelectHeld = app.keyboard.KeyPressed(key::kLeftControl) ? 1 : 0;
    if (EscapeRuns(app)) return;
    for (int k = 0; k < kSkillCount; ++k) {
        if (!Pressed(app, kSkillKeys[k])) continue;
        if (engine.skillSelectHeld) engine.quickSkill = static_cast<uint8_t>(k + 1);
        else UseSkill(app, area, k);
    }
}

void HandlePanelInput(GameApp& app, AreaSession& area) {
    ControlPanel& panel = *app.controlPanel;
    MouseCursor& cursor = *app.cursor;
    InputDevice& mouse = cursor.mouse;
    panel.HitTest(cursor.x, cursor.y);
    const bool anyDown = mouse.ButtonPressed(0) || mouse.ButtonPressed(1);
    if (anyDown && panel.Click(cursor.x, cursor.y, &mouse, &app.battleEngine->fireMode) == 1) panel.clickTaken = 1;
    HandleSkillClicks(app, area, UseSkillKey);
    panel.autoFireAllowed = anyDown ? 0 : 1;

    const uint8_t code = panel.TakeScreenClick(&mouse);
    if (code == 0) return;
    if (code == 11) {
        panel.skillBarShown = panel.skillBarShown ? 0 : 1;
    } else if (const std::optional<SceneId> target = ScreenForCode(code)) {
        app.SwitchScene(*target);
    }
    PlayAreaSound(app, area, AreaSound::Stamp);
}
