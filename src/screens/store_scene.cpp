#include "screens/store_scene.h"

#include <algorithm>
#include <iterator>

#include "battle/battle_engine.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
ManagementScene::Rules StoreRules() {
    ManagementScene::Rules rules{SceneId::Store};
    rules.keepsMusic = false;
    rules.commonKeys = false;
    rules.hotkeys = false;
    rules.marksReturn = false;
    return rules;
}
}  // namespace

StoreScene::StoreScene() : PageScene(StoreRules()) {}

// The panel is never drawn here; the home base finds it with its flags set.
void StoreScene::MakeSharedObjects(GameApp& app) {
    if (!app.controlPanel) {
        app.controlPanel = std::make_unique<ControlPanel>();
        app.controlPanel->LoadArt(&app.graphics);
    }
    MakeEngineWhenMissing(app);
}

void StoreScene::CreateScreen(GameApp& app) {
    const GameState& state = *app.gameState;
    screen_ = std::make_unique<StoreScreen>();
    StoreScreen& s = *screen_;
    s.LoadArt(&app.graphics);
    s.pool = state.itemPool;
    std::copy(std::begin(state.shipHold), std::end(state.shipHold), s.hold);
    s.seed = static_cast<uint32_t>(app.battleEngine->slowCounter);
    s.restock = state.restockFlag;
    std::copy(std::begin(state.resources), std::end(state.resources), s.resources);
    s.resourcesDirty = 1;
    s.exchangeDirty = 1;
    s.FormatNumbers();
    s.GenerateStock();
}

void StoreScene::LoadScreenArt(GameApp& app) { screen_->LoadArt(&app.graphics); }

// Backspace, then Esc: leave with nothing open, else close it all and stay.
// Enter buys in the "Buy?" dialog and sells in the "Sell?" dialog.
void StoreScene::OwnKeys(GameApp& app) {
    StoreScreen& s = *screen_;
    for (uint8_t code : {key::kBack, key::kEscape}) {
        if (!TakeKey(app, code)) continue;
        if (s.AnythingOpen()) s.CloseAll();
        else app.leaveScene = 1;
    }
    if (TakeKey(app, key::kReturn)) s.PressEnter();
}

// Leave acts on the press, whatever is open.
void StoreScene::Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) {
    screen_->HitTest(x, y);
    screen_->OnClick(x, y, mouse);
    if (screen_->clickCode == StoreScreen::kLeaveCode) app.leaveScene = 1;
}

void StoreScene::ButtonActions(GameApp&, InputDevice* mouse) { screen_->ClickReleased(mouse); }

void StoreScene::Animate(GameApp& app) {
    screen_->FinishFrame();
    CopyTradesBack(*app.gameState);
}

void StoreScene::CopyTradesBack(GameState& state) {
    StoreScreen& s = *screen_;
    if (s.itemsChanged) {
        s.itemsChanged = 0;
        state.itemPool = s.pool;
        std::copy(std::begin(s.hold), std::end(s.hold), state.shipHold);
    }
    std::copy(std::begin(s.resources), std::end(s.resources), state.resources);
}

InterfaceSounds StoreScene::TakeSounds() {
    StoreScreen& s = *screen_;
    InterfaceSounds sounds;
    sounds.stamp = s.stampSound != 0;
    s.stampSound = 0;
    sounds.hover = s.TakeHoverSound();
    return sounds;
}

void StoreScene::DrawScreen(GameApp& app) {
    SpriteSheet* menu = app.sharedArt ? app.sharedArt->menuSheet : nullptr;
    screen_->DrawTabs(menu);
    screen_->Draw(menu);
}

SceneId StoreScene::LeaveTarget(GameApp&) { return SceneId::HomeBase; }

void StoreScene::CopyBack(GameApp& app) {
    CopyTradesBack(*app.gameState);
    if (!app.controlPanel) return;
    app.controlPanel->areaTitleTimer = 1;
    app.controlPanel->travelled = 1;
}
