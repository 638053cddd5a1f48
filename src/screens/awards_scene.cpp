#include "screens/awards_scene.h"

#include <algorithm>
#include <iterator>

#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
constexpr const char* kPickSound = "Data\\GRNDCLOK.wav";
constexpr int32_t kPickSoundOffset = 7;
}  // namespace

AwardsScene::AwardsScene() : PageScene(Rules{SceneId::Awards}) {}

void AwardsScene::CreateScreen(GameApp& app) {
    const GameState& state = *app.gameState;
    screen_ = std::make_unique<AwardsScreen>();
    screen_->LoadArt(&app.graphics);
    screen_->picks = state.awardPicks;
    screen_->goodiesBonus = state.goodiesBonus;
    std::copy(std::begin(state.awardCounts), std::end(state.awardCounts), screen_->awardCounts);
    screen_->bonuses = state.bonusBlock;
}

void AwardsScene::LoadScreenArt(GameApp& app) { screen_->LoadArt(&app.graphics); }

void AwardsScene::Pointer(GameApp&, int32_t x, int32_t y, InputDevice* mouse) {
    screen_->HitTest(x, y);
    screen_->Click(x, y, mouse);
}

InterfaceSounds AwardsScene::TakeSounds() {
    AwardsScreen& s = *screen_;
    return TakeInterfaceSounds(s.clickSound, s.pickArmed, s.boxSound, s.hoverSound, s.lastHoverSound);
}

void AwardsScene::PlayOwnSounds(GameApp& app) {
    if (!screen_->pickSound) return;
    screen_->pickSound = 0;
    PlaySceneSound(app, 0, kPickSound, kPickSoundOffset);
}

void AwardsScene::DrawScreen(GameApp& app) { screen_->Draw(app.sharedArt ? app.sharedArt->menuSheet : nullptr); }

void AwardsScene::CopyBack(GameApp& app) {
    GameState& state = *app.gameState;
    state.goodiesBonus = screen_->goodiesBonus;
    std::copy(std::begin(screen_->awardCounts), std::end(screen_->awardCounts), state.awardCounts);
    state.bonusBlock = screen_->bonuses;
    state.awardPicks = screen_->picks;
    if (app.battleEngine) record_exchange::CopyAwardsToEngine(state, *app.battleEngine);
}
