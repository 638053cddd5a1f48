#include "frontend/credits_scene.h"

#include "frontend/credits_screen.h"
#include "frontend/hover_sound.h"
#include "frontend/menu_return.h"
#include "platform/mouse_cursor.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr const char* kHoverSound = "Data\\SNAP1.wav";
}  // namespace

CreditsScene::CreditsScene() = default;
CreditsScene::~CreditsScene() = default;

void CreditsScene::ActOnInput(GameApp& app) {
    if (LeaveKeyPressed(app)) {
        ReturnToMainMenu(app);
        return;
    }
    if (!app.cursor) return;
    InputDevice* mouse = &app.cursor->mouse;
    screen_->HitTest(app.cursor->x, app.cursor->y);
    screen_->OnClick(app.cursor->x, app.cursor->y, mouse);
    if (screen_->SettleBack(mouse)) ReturnToMainMenu(app);
}

void CreditsScene::Body(GameApp& app) {
    if (!screen_) {
        screen_ = std::make_unique<CreditsScreen>();
        screen_->LoadArt(&app.graphics);
    }

    ActOnInput(app);
    if (HoverSoundDue(screen_->hoverForSound, screen_->lastHoverSound)) {
        app.channels[1].Play(kHoverSound, static_cast<int32_t>(app.gameState->soundVolume), 1);
    }
    if (!app.deviceLost) {
        screen_->DrawBackground();
        screen_->DrawBack();
        screen_->DrawText();
    }
    screen_->ResetHover();
}

void CreditsScene::Leave(GameApp&) { screen_.reset(); }

void CreditsScene::ReleaseArt(GameApp&) {
    if (screen_) screen_->FreeArt();
}

void CreditsScene::ReloadArt(GameApp& app) {
    if (screen_) screen_->LoadArt(&app.graphics);
}
