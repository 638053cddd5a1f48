#include "frontend/save_quit_scene.h"

#include "platform/key_codes.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"

namespace {
constexpr int kCloudStepper = 0;
constexpr int32_t kCloudSpeed = 40;  // pixels per second

ManagementScene::Rules SaveQuitRules() {
    ManagementScene::Rules rules{SceneId::SaveQuit};
    // The area that opened the question made the shared objects.
    rules.makesSharedArt = false;
    rules.hotkeys = false;
    return rules;
}
}  // namespace

SaveQuitScene::SaveQuitScene() : ManagementScene(SaveQuitRules()) {}

// Back to the area the player came from.
void SaveQuitScene::AnswerNo(GameApp& app) {
    app.sceneClockRestart = 1;
    LeaveTo(app, LeaveTarget(app));
}

void SaveQuitScene::CreateScreen(GameApp& app) {
    dialog_ = std::make_unique<SaveAndQuitDialog>();
    dialog_->LoadArt(&app.graphics);
}

void SaveQuitScene::LoadScreenArt(GameApp& app) { dialog_->LoadArt(&app.graphics); }

// Backspace and Esc answer No through the frame's common keys.
void SaveQuitScene::OwnKeys(GameApp& app) {
    if (TakeKey(app, key::kN)) AnswerNo(app);
    if (TakeKey(app, key::kY)) AnswerYes(app);
}

void SaveQuitScene::Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) {
    // Which button the pointer is over is this frame's alone.
    dialog_->ResetHover();
    dialog_->HitTestYes(x, y);
    dialog_->HitTestNo(x, y);
    dialog_->Press(x, y, mouse);
    switch (dialog_->SettleChoice(mouse)) {
    case SaveAndQuitDialog::kYes:
        AnswerYes(app);
        break;
    case SaveAndQuitDialog::kNo:
        AnswerNo(app);
        break;
    default:
        break;
    }
}

void SaveQuitScene::Animate(GameApp& app) {
    if (app.frameTimerArmed != 1) return;
    dialog_->Scroll(app.StepStepper(kCloudStepper, true, kCloudSpeed));
}

void SaveQuitScene::DrawScreen(GameApp& app) { dialog_->Draw(app.sharedArt ? app.sharedArt->cloudsSheet : nullptr); }
