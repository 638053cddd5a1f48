#include "frontend/help_scene.h"

#include "frontend/directions_screen.h"
#include "frontend/front_end_shared.h"
#include "frontend/hover_sound.h"
#include "frontend/menu_backdrop.h"
#include "frontend/menu_return.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr uint32_t kArt = GameApp::kArtSharedFont | GameApp::kArtShared;
constexpr const char* kHoverSound = "Data\\SNAP1.wav";
constexpr const char* kTopicSound = "Data\\STAMP.wav";

// The backdrop moves as on the main menu: clouds and rocks by the first
// stepper, the ship by the third and fourth.
constexpr int kDriftStepper = 0, kShipXStepper = 2, kShipYStepper = 3;
constexpr int32_t kDriftSpeed = 40;
}  // namespace

HelpScene::HelpScene(FrontEndShared& shared) : shared_(shared) {}
HelpScene::~HelpScene() = default;

// The main menu makes the backdrop; a visit that finds none, or finds its
// art released by a device loss, makes or reloads it here rather than
// showing the pages over black.
void HelpScene::EnsureObjects(GameApp& app) {
    if (!shared_.backdrop) shared_.backdrop = std::make_unique<MenuBackdrop>();
    if (!shared_.backdrop->sheet) shared_.backdrop->LoadArt(&app.graphics);
    if (!screen_) {
        screen_ = std::make_unique<DirectionsScreen>();
        screen_->LoadArt(&app.graphics);
    }
    for (int k = 1; k <= kShipYStepper; ++k) app.Stepper(k);
}

void HelpScene::ActOnInput(GameApp& app) {
    if (LeaveKeyPressed(app)) {
        ReturnToMainMenu(app);
        return;
    }
    if (!app.cursor) return;
    InputDevice* mouse = &app.cursor->mouse;
    screen_->HitTest(app.cursor->x, app.cursor->y);
    screen_->Click(app.cursor->x, app.cursor->y, mouse);
    switch (screen_->SettleClick(mouse)) {
    case DirectionsScreen::kLeave:
        ReturnToMainMenu(app);
        break;
    case DirectionsScreen::kTopicClicked:
        app.channels[0].Play(kTopicSound, static_cast<int32_t>(app.gameState->soundVolume), 1);
        break;
    case DirectionsScreen::kNothing:
        break;
    }
}

void HelpScene::MoveBackdrop(GameApp& app) {
    if (!app.frameTimerArmed) return;
    MenuBackdrop& backdrop = *shared_.backdrop;
    const uint8_t drift = app.StepStepper(kDriftStepper, false, kDriftSpeed);
    const uint8_t shipX = app.StepStepper(kShipXStepper, true, backdrop.speedX);
    const uint8_t shipY = app.StepStepper(kShipYStepper, true, backdrop.speedY);
    backdrop.Update(drift, shipX, shipY, app.secondsInScene, 0);
    backdrop.Animate();
}

void HelpScene::Prepare(GameApp& app) { app.EnsureSharedObjects(kArt); }

void HelpScene::Body(GameApp& app) {
    EnsureObjects(app);

    ActOnInput(app);
    MoveBackdrop(app);
    if (HoverSoundDue(screen_->hoverForSound, screen_->lastHoverSound)) {
        app.channels[1].Play(kHoverSound, static_cast<int32_t>(app.gameState->soundVolume), 1);
    }
    if (!app.deviceLost) {
        shared_.backdrop->Draw(app.sharedArt->cloudsSheet, MenuBackdrop::kHelp);
        screen_->Draw();
    }
}

void HelpScene::Leave(GameApp&) { screen_.reset(); }

void HelpScene::ReleaseArt(GameApp&) {
    if (screen_) screen_->FreeFontsAndSheet();
    if (shared_.backdrop) shared_.backdrop->FreeArt();
}

// The backdrop's art comes back in EnsureObjects, later in the same frame.
void HelpScene::ReloadArt(GameApp& app) {
    if (screen_) screen_->LoadArt(&app.graphics);
}
