#include "screens/robots_scene.h"

#include "battle/battle_engine.h"
#include "platform/input_device.h"
#include "platform/key_codes.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
constexpr const char* kUpgradeSound = "Data\\TOOMUCH.wav";
constexpr int kUpgradeSoundChannel = 0;
constexpr int32_t kUpgradeSoundOffset = 10;
}  // namespace

RobotsScene::RobotsScene() : PageScene(Rules{SceneId::Robots}) {}

void RobotsScene::CreateScreen(GameApp& app) {
    GameState& state = *app.gameState;
    screen_ = std::make_unique<RobotsScreen>();
    RobotsScreen& s = *screen_;
    s.LoadArt(&app.graphics);
    s.protectionBonus = app.battleEngine ? app.battleEngine->robotProtectionBonus : 0;
    s.location = state.location;
    s.upgradeDiscount = state.bonusBlock.robotUpgradeDiscount;
    s.robotCount = state.robotCount;
    s.maxCount = state.maxRobotCount;
    s.material = state.resources[GameState::kRobotMaterial];
    s.maxQuality = state.maxRobotQuality;
    // The list shows the robots as they left the last battle.
    if (app.battleEngine) record_exchange::TakeRobotStatesFromEngine(*app.battleEngine, state);
    CopyRobotsIn(state);
    s.LayoutRows();
    s.countsDirty = 1;
    s.pageDirty = 1;
    s.FormatNumbers();
}

void RobotsScene::CopyRobotsIn(const GameState& state) {
    RobotsScreen& s = *screen_;
    // The record's operational and broken counters are kept up by nothing
    // that breaks or mends a robot: the page counts its own list instead.
    uint8_t operational = 0, broken = 0;
    for (int slot = 0; slot < RobotsScreen::kSlots; ++slot) {
        s.exists[slot] = state.robotExists[slot];
        s.listed[slot] = state.robotActive[slot];
        s.operational[slot] = state.robotOperational[slot];
        s.row[slot] = state.robotSlot[slot];
        s.pictureFrame[slot] = state.robotVariant[slot];
        s.kind[slot] = state.robotRank[slot];
        s.shields[slot] = state.robotShields[slot];
        s.maxShields[slot] = state.robotShieldsMax[slot];
        s.armor[slot] = state.robotArmor[slot];
        s.maxArmor[slot] = state.robotArmorMax[slot];
        s.protection[slot] = state.robotProtection[slot];
        s.attack[slot] = state.robotAttack[slot];
        s.defence[slot] = state.robotDefence[slot];
        s.quality[slot] = state.robotQuality[slot];
        if (!s.exists[slot] || !s.listed[slot]) continue;
        if (s.operational[slot]) ++operational;
        else ++broken;
    }
    s.operationalCount = operational;
    s.brokenCount = broken;
}

void RobotsScene::LoadScreenArt(GameApp& app) { screen_->LoadArt(&app.graphics); }

// While "Upgrade all robots?" is open: Enter or Y confirms, N closes the
// box, Backspace and Esc close it and every pop-up and keep the page.
bool RobotsScene::QuestionKeys(GameApp& app) {
    RobotsScreen& s = *screen_;
    if (!s.confirmAll) return false;
    for (uint8_t code : {key::kBack, key::kEscape}) {
        if (!TakeKey(app, code)) continue;
        s.confirmAll = 0;
        s.CloseHelps();
    }
    if (TakeKey(app, key::kReturn)) {
        if (s.confirmAll) s.yesRequest = 1;
        s.CloseHelps();
    }
    if (TakeKey(app, key::kY) && s.confirmAll) s.yesRequest = 1;
    if (TakeKey(app, key::kN)) s.confirmAll = 0;
    return true;
}

void RobotsScene::OwnKeys(GameApp& app) {
    RobotsScreen& s = *screen_;
    for (uint8_t code : {key::kUp, key::kNumpad8}) {
        if (TakeKey(app, code)) s.Scroll(-1);
    }
    for (uint8_t code : {key::kDown, key::kNumpad2}) {
        if (TakeKey(app, code)) s.Scroll(1);
    }
}

void RobotsScene::Pointer(GameApp&, int32_t x, int32_t y, InputDevice* mouse) {
    screen_->HitTest(x, y);
    screen_->OnClick(x, y, mouse);
}

void RobotsScene::ButtonActions(GameApp& app, InputDevice* mouse) {
    RobotsScreen& s = *screen_;
    if (s.makeRobotsRequest && MouseButtonsUp(mouse)) {
        s.makeRobotsRequest = 0;
        LeaveTo(app, SceneId::MakeRobots);
    }
    if (s.clickCode && MouseButtonsReleased(mouse)) {
        s.ScrollByCode(s.clickCode);
        if (s.clickCode == RobotsScreen::kCodeYes) s.yesRequest = 1;
        if (s.clickCode == RobotsScreen::kCodeNo) s.confirmAll = 0;
        s.clickCode = 0;
    }
    if (s.yesRequest) s.UpgradeAll();
}

void RobotsScene::Animate(GameApp&) {
    RobotsScreen& s = *screen_;
    if (s.recomputeRequest) {
        s.recomputeRequest = 0;
        s.ComputeUpgradeCosts();
    }
    s.Animate();
}

InterfaceSounds RobotsScene::TakeSounds() {
    RobotsScreen& s = *screen_;
    return TakeInterfaceSounds(s.stampSound, s.stampArmed, s.helpClickSound, s.hoverSound, s.lastHoverSound);
}

void RobotsScene::PlayOwnSounds(GameApp& app) {
    if (!screen_->upgradeSound) return;
    screen_->upgradeSound = 0;
    PlaySceneSound(app, kUpgradeSoundChannel, kUpgradeSound, kUpgradeSoundOffset);
}

void RobotsScene::DrawScreen(GameApp& app) {
    SpriteSheet* menu = app.sharedArt ? app.sharedArt->menuSheet : nullptr;
    SpriteSheet* robots = app.battleEngine ? app.battleEngine->robotsSheet.get() : nullptr;
    screen_->Draw(menu, robots);
}

// The material and every robot; the counters and maximums stay the record's.
void RobotsScene::CopyBack(GameApp& app) {
    const RobotsScreen& s = *screen_;
    GameState& state = *app.gameState;
    state.resources[GameState::kRobotMaterial] = s.material;
    for (int slot = 0; slot < RobotsScreen::kSlots; ++slot) {
        state.robotExists[slot] = s.exists[slot];
        state.robotActive[slot] = s.listed[slot];
        state.robotOperational[slot] = s.operational[slot];
        state.robotSlot[slot] = s.row[slot];
        state.robotVariant[slot] = s.pictureFrame[slot];
        state.robotRank[slot] = s.kind[slot];
        state.robotShields[slot] = s.shields[slot];
        state.robotShieldsMax[slot] = s.maxShields[slot];
        state.robotArmor[slot] = s.armor[slot];
        state.robotArmorMax[slot] = s.maxArmor[slot];
        state.robotProtection[slot] = s.protection[slot];
        state.robotAttack[slot] = s.attack[slot];
        state.robotDefence[slot] = s.defence[slot];
        state.robotQuality[slot] = static_cast<uint8_t>(s.quality[slot]);
    }
    if (app.battleEngine) record_exchange::CopyRobotsToEngine(state, *app.battleEngine);
}
