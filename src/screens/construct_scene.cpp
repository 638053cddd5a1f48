#include "screens/construct_scene.h"

#include <algorithm>
#include <iterator>

#include "areas/construction_order.h"
#include "battle/battle_engine.h"
#include "hud/control_panel.h"
#include "platform/input_device.h"
#include "platform/key_codes.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr const char* kProceedSound = "Data\\scifi059.wav";
constexpr uint32_t kHomeBase = 1;
// Codes the scene acts on once the mouse is released: the tiles, Yes and No.
constexpr uint8_t kLastButtonCode = 19;
}  // namespace

ConstructScene::ConstructScene()
    : PageScene(Rules{.self = SceneId::Construct, .advisor = &AdvisorValuesFor(AdvisorScene::Construct)}) {}

void ConstructScene::CreateScreen(GameApp& app) {
    const GameState& state = *app.gameState;
    screen_ = std::make_unique<ConstructScreen>();
    screen_->LoadArt(&app.graphics);
    std::copy(std::begin(state.constructionSteps), std::end(state.constructionSteps), screen_->steps);
    screen_->atBase = state.location == kHomeBase ? 1 : 0;
    screen_->material = state.resources[GameState::kBuildingMaterial];
    screen_->buildingCount = state.buildingCount;
    screen_->constructionDiscount = state.bonusBlock.reservedDiscount;
    ShowCosts(state);
}

void ConstructScene::ShowCosts(const GameState& state) {
    std::copy(std::begin(state.constructionCosts), std::end(state.constructionCosts), screen_->costs);
    screen_->ApplyDiscount();
    screen_->textsDirty = 1;
    screen_->ApplyConstruction();
}

void ConstructScene::LoadScreenArt(GameApp& app) { screen_->LoadArt(&app.graphics); }

void ConstructScene::Pointer(GameApp&, int32_t x, int32_t y, InputDevice* mouse) {
    screen_->HitTest(x, y);
    if (screen_->Click(x, y, mouse)) screen_->clickedThisFrame = 1;
}

// While "Proceed?" is open Esc and Backspace answer No instead of leaving.
bool ConstructScene::QuestionKeys(GameApp& app) {
    if (!screen_->chosen) return false;
    for (uint8_t code : {key::kReturn, key::kY}) {
        if (TakeKey(app, code)) screen_->proceedRequest = 1;
    }
    for (uint8_t code : {key::kN, key::kBack, key::kEscape}) {
        if (TakeKey(app, code)) screen_->cancelRequest = 1;
    }
    return true;
}

void ConstructScene::ButtonActions(GameApp& app, InputDevice* mouse) {
    ConstructScreen& s = *screen_;
    const uint8_t code = s.clickCode;
    if (code >= 1 && code <= kLastButtonCode && MouseButtonsReleased(mouse)) {
        // Checked against the record's material, which the page never changes.
        s.CheckCost(app.gameState->resources[GameState::kBuildingMaterial]);
        if (code == ConstructScreen::kCodeYes) s.proceedRequest = 1;
        if (code == ConstructScreen::kCodeNo) s.cancelRequest = 1;
        s.hoverCode = 0;
        s.clickCode = 0;
    }
    Answer(app);
}

void ConstructScene::Answer(GameApp& app) {
    ConstructScreen& s = *screen_;
    if (s.proceedRequest) {
        s.proceedRequest = 0;
        if (BaseFull(*app.gameState)) {
            // Nothing is paid; the control bar tells the player why.
            if (app.controlPanel) app.controlPanel->buildingLimitTimer = 1;
            app.leaveScene = 1;
        } else {
            Proceed(app);
        }
    }
    if (s.cancelRequest) {
        s.cancelRequest = 0;
        s.chosen = 0;
    }
}

void ConstructScene::Proceed(GameApp& app) {
    GameState& state = *app.gameState;
    ConstructScreen& s = *screen_;
    app.leaveScene = 1;
    s.proceedSound = 1;
    s.placedKind = static_cast<uint8_t>(s.chosen - 1);
    PayAndStartPlacement(state, *app.battleEngine, s.placedKind, s.chosenCost);
    // The growth applies to the stored cost, not to the discounted one.
    std::copy(std::begin(state.constructionCosts), std::end(state.constructionCosts), s.costs);
    s.constructionDone = 1;
    s.ApplyConstruction();
    std::copy(std::begin(s.costs), std::end(s.costs), state.constructionCosts);
    std::copy(std::begin(s.steps), std::end(s.steps), state.constructionSteps);
    ShowCosts(state);
    s.buildingCount += 1;
    FormatNumber(s.countText, s.buildingCount);
}

void ConstructScene::PlayOwnSounds(GameApp& app) {
    if (!screen_->proceedSound) return;
    screen_->proceedSound = 0;
    PlaySceneSound(app, 0, kProceedSound, 0);
}

InterfaceSounds ConstructScene::TakeSounds() {
    ConstructScreen& s = *screen_;
    return TakeInterfaceSounds(s.clickSound, s.clickSoundArmed, s.boxSound, s.hoverSound, s.lastHoverSound);
}

void ConstructScene::DrawScreen(GameApp& app) {
    SpriteSheet* menu = app.sharedArt ? app.sharedArt->menuSheet : nullptr;
    SpriteSheet* buildings = app.battleEngine ? app.battleEngine->buildingsSheet.get() : nullptr;
    screen_->Draw(menu, buildings);
}

void ConstructScene::CopyBack(GameApp& app) {
    GameState& state = *app.gameState;
    std::copy(std::begin(screen_->steps), std::end(screen_->steps), state.constructionSteps);
    state.buildingCount = screen_->buildingCount;
}
