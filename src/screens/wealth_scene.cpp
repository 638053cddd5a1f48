#include "screens/wealth_scene.h"

#include <algorithm>
#include <iterator>

#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

WealthScene::WealthScene() : PageScene(Rules{SceneId::Wealth}) {}

void WealthScene::CreateScreen(GameApp& app) {
    const GameState& state = *app.gameState;
    screen_ = std::make_unique<WealthScreen>();
    screen_->LoadArt(&app.graphics);
    std::copy(std::begin(state.resources), std::end(state.resources), screen_->amounts);
    screen_->FormatAmounts();
}

void WealthScene::LoadScreenArt(GameApp& app) { screen_->LoadArt(&app.graphics); }

void WealthScene::Pointer(GameApp&, int32_t x, int32_t y, InputDevice* mouse) {
    screen_->HitTest(x, y);
    screen_->OnClick(x, y, mouse);
}

InterfaceSounds WealthScene::TakeSounds() {
    WealthScreen& s = *screen_;
    return TakeInterfaceSounds(s.clickSound, s.rowArmed, s.boxSound, s.hoverSound, s.lastHoverSound);
}

void WealthScene::DrawScreen(GameApp& app) { screen_->Draw(app.sharedArt ? app.sharedArt->menuSheet : nullptr); }
