#include "screens/buildings_scene.h"

#include "areas/building_kinds.h"
#include "battle/battle_engine.h"
#include "hud/advisor_bubble.h"
#include "platform/key_codes.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
constexpr const char* kUpgradeSound = "Data\\TOOMUCH.wav";
constexpr int32_t kUpgradeSoundOffset = 10;
constexpr uint32_t kHomeBase = 1;
// The Robot Factory every game starts with: once it has been upgraded the
// player has found the page's point and the advisor stops showing.
constexpr int kStartFactorySlot = 2;
}  // namespace

BuildingsScene::BuildingsScene()
    : PageScene(Rules{.self = SceneId::Buildings, .advisor = &AdvisorValuesFor(AdvisorScene::Buildings)}) {}

void BuildingsScene::CreateScreen(GameApp& app) {
    screen_ = std::make_unique<BuildingsScreen>();
    CopyIn(*app.gameState);
    screen_->Layout();
    screen_->LoadArt(&app.graphics);
    screen_->buildingCount = app.gameState->buildingCount;
    screen_->material = app.gameState->resources[GameState::kBuildingMaterial];
    screen_->countTextDirty = 1;
    screen_->pageTextDirty = 1;
    screen_->UpdateTexts();
}

void BuildingsScene::CopyIn(const GameState& state) {
    BuildingsScreen& s = *screen_;
    s.atBase = state.location == kHomeBase ? 1 : 0;
    s.bonuses = state.bonusBlock;
    s.buildingUpgradeDiscount = state.bonusBlock.buildingUpgradeDiscount;
    s.robotMaxQuality = state.maxRobotQuality;
    for (int slot = 0; slot < BuildingsScreen::kSlots; ++slot) {
        s.present[slot] = state.buildingIds[slot] != 0 ? 1 : 0;
        s.exists[slot] = state.buildingExists[slot];
        s.row[slot] = state.buildingIndex[slot];
        s.frame[slot] = state.buildingFrames[slot];
        s.kind[slot] = state.buildingKinds[slot];
        s.level[slot] = state.buildingLevels[slot];
        s.upgradeCost[slot] = state.upgradeCosts[slot];
    }
}

void BuildingsScene::LoadScreenArt(GameApp& app) { screen_->LoadArt(&app.graphics); }

void BuildingsScene::Pointer(GameApp&, int32_t x, int32_t y, InputDevice* mouse) {
    screen_->HitTest(x, y);
    if (screen_->Click(x, y, mouse)) screen_->clickedThisFrame = 1;
}

void BuildingsScene::OwnKeys(GameApp& app) {
    if (TakeKey(app, key::kUp) || TakeKey(app, key::kNumpad8)) screen_->Scroll(-1);
    if (TakeKey(app, key::kDown) || TakeKey(app, key::kNumpad2)) screen_->Scroll(1);
}

void BuildingsScene::ButtonActions(GameApp& app, InputDevice* mouse) {
    BuildingsScreen& s = *screen_;
    if (s.clickCode == 0 || !MouseButtonsReleased(mouse)) return;
    if (s.clickCode == BuildingsScreen::kCodeConstruct) LeaveTo(app, SceneId::Construct);
    s.ScrollByCode(s.clickCode);
    s.clickCode = 0;
    s.clickedThisFrame = 0;
}

void BuildingsScene::Animate(GameApp& app) {
    screen_->Animate();
    // The factory's gains reach the record at once, not when the page is left.
    if (!screen_->factoryUpgraded) return;
    screen_->factoryUpgraded = 0;
    AddFactoryStatGains(*app.gameState);
}

void BuildingsScene::PlayOwnSounds(GameApp& app) {
    if (!screen_->upgradeSound) return;
    screen_->upgradeSound = 0;
    PlaySceneSound(app, 0, kUpgradeSound, kUpgradeSoundOffset);
}

InterfaceSounds BuildingsScene::TakeSounds() {
    BuildingsScreen& s = *screen_;
    return TakeInterfaceSounds(s.clickSound, s.clickSoundArmed, s.boxSound, s.hoverSound, s.lastHoverSound);
}

void BuildingsScene::DrawScreen(GameApp& app) {
    SpriteSheet* menu = app.sharedArt ? app.sharedArt->menuSheet : nullptr;
    SpriteSheet* buildings = app.battleEngine ? app.battleEngine->buildingsSheet.get() : nullptr;
    screen_->Draw(menu, buildings);
}

bool BuildingsScene::AdvisorRules(GameApp&, AdvisorBubble& advisor) {
    if (screen_->level[kStartFactorySlot] != 0) {
        advisor.bubbleShown = 0;
        screen_->advisorHidden = 1;
    }
    return screen_->advisorHidden == 0;
}

void BuildingsScene::CopyBack(GameApp& app) {
    GameState& state = *app.gameState;
    const BuildingsScreen& s = *screen_;
    state.bonusBlock = s.bonuses;
    state.maxRobotQuality = static_cast<uint8_t>(s.robotMaxQuality);
    state.resources[GameState::kBuildingMaterial] = s.material;
    for (int slot = 0; slot < BuildingsScreen::kSlots; ++slot) {
        state.buildingFrames[slot] = s.frame[slot];
        state.buildingKinds[slot] = static_cast<uint8_t>(s.kind[slot]);
        state.buildingLevels[slot] = static_cast<uint8_t>(s.level[slot]);
        state.upgradeCosts[slot] = s.upgradeCost[slot];
    }
    if (!app.battleEngine) return;
    record_exchange::CopyBonusesToEngine(state, *app.battleEngine);
    // The home base keeps its engine on a return from a page: its building
    // box must show the levels bought here.
    record_exchange::CopyBuildingLevelsToEngine(state, *app.battleEngine);
}
