#include "frontend/galaxy_scene.h"

#include "frontend/front_end_shared.h"
#include "platform/motion_stepper.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr uint32_t kArt = GameApp::kArtSharedFont | GameApp::kArtShared;
// The drift uses the first two frame steppers; the third is made for the
// scenes that follow.
constexpr int kDriftA = 0, kDriftB = 1, kSteppersMade = 3;
constexpr int32_t kDriftSpeedA = 13, kDriftSpeedB = 20;
constexpr uint32_t kQuestSetTwo = 2;
constexpr uint8_t kEndingStage = 2;

InputDevice* Mouse(GameApp& app) { return app.cursor ? &app.cursor->mouse : nullptr; }
}  // namespace

// A visit starts with its own requests; the animation itself goes on from
// where an earlier visit left it.
void GalaxyScene::Enter(GameApp& app) {
    for (auto& stepper : app.steppers) {
        if (stepper) stepper->resetPending = 1;
    }
    if (frontEnd_.galaxy) frontEnd_.galaxy->BeginVisit();
}

const GalaxyAnimation* GalaxyScene::Animation() const { return frontEnd_.galaxy.get(); }

void GalaxyScene::ReleaseArt(GameApp&) {
    if (frontEnd_.galaxy) frontEnd_.galaxy->FreeSheet();
}

void GalaxyScene::HandOver(GameApp& app) {
    GameState& state = *app.gameState;
    if (state.questSet == kQuestSetTwo) {
        state.storyStage = kEndingStage;
        app.SwitchScene(SceneId::Story);
    } else {
        state.questSet = kQuestSetTwo;
        app.SwitchScene(SceneId::HomeBase);
    }
    app.sceneClockRestart = 1;
    app.secondsInScene = 0;
}

void GalaxyScene::Prepare(GameApp& app) {
    if (!frontEnd_.galaxy) frontEnd_.galaxy = std::make_unique<GalaxyAnimation>();
    GalaxyAnimation& galaxy = *frontEnd_.galaxy;
    // Also after a reset here or in any scene since the last interlude.
    if (!galaxy.sheet || ArtFromOldDevice(galaxy.sheet.get())) galaxy.LoadArt(&app.graphics);
    for (int k = 0; k < kSteppersMade; ++k) app.Stepper(k);
    app.EnsureSharedObjects(kArt);
}

void GalaxyScene::Body(GameApp& app) {
    GalaxyAnimation& galaxy = *frontEnd_.galaxy;
    galaxy.CheckSkip(&app.keyboard, Mouse(app), app.secondsInScene);
    if (app.frameTimerArmed) {
        const uint8_t a = app.StepStepper(kDriftA, true, kDriftSpeedA);
        const uint8_t b = app.StepStepper(kDriftB, true, kDriftSpeedB);
        galaxy.Scroll(a, b);
    }
    if (!app.deviceLost) {
        const SharedArt& art = *app.sharedArt;
        galaxy.DrawBackground(art.spaceSheet, art.dustSheet, art.cloudsSheet);
        galaxy.Draw();
    }
    galaxy.CheckTime(app.secondsInScene);
    galaxy.Step9(app.secondsInScene);
}

void GalaxyScene::AfterClock(GameApp& app) {
    if (frontEnd_.galaxy->LeaveRequested()) HandOver(app);
}

// The animation draws its own pointer.
bool GalaxyScene::DrawsCursor() const { return false; }
