#include "screens/notes_scene.h"

#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

NotesScene::NotesScene() : PageScene(Rules{SceneId::Notes}) {}

void NotesScene::CreateScreen(GameApp& app) {
    screen_ = std::make_unique<BonusesScreen>();
    screen_->LoadArt(&app.graphics);
    screen_->bonuses = app.gameState->bonusBlock;
}

void NotesScene::LoadScreenArt(GameApp& app) { screen_->LoadArt(&app.graphics); }

void NotesScene::Pointer(GameApp&, int32_t x, int32_t y, InputDevice* mouse) {
    screen_->HitTest(x, y);
    screen_->OnClick(x, y, mouse);
}

// The pop-up's click is the box sound; the armed flag guards the stamp.
InterfaceSounds NotesScene::TakeSounds() {
    BonusesScreen& s = *screen_;
    return TakeInterfaceSounds(s.stampSound, s.hoverEnabled, s.helpClickSound, s.hoverSound, s.lastHoverSound);
}

void NotesScene::DrawScreen(GameApp& app) { screen_->Draw(app.sharedArt ? app.sharedArt->menuSheet : nullptr); }
