// The protocol every scene follows, in frame order: entry, begin, shared
// objects made on first use, art reload after a device reset, the scene's
// own work, scene clock, shortcut keys, leaving, end with the device test.
#include "battle/battle_engine.h"
#include "hud/control_panel.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/key_codes.h"
#include "platform/motion_stepper.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "shell/file_picker.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/scene.h"

namespace {
struct Hotkey {
    uint8_t key;
    SceneId target;
    uint8_t page;
};

// Tested in this order: when several are down the last one wins.
constexpr Hotkey kHotkeys[] = {
    {key::kY, SceneId::YourShip, 2},   {key::kB, SceneId::Buildings, 3}, {key::kR, SceneId::Robots, 4},
    {key::kQ, SceneId::Quests, 5},     {key::kA, SceneId::Awards, 6},    {key::kW, SceneId::Wealth, 7},
    {key::kS, SceneId::Skills, 8},     {key::kN, SceneId::Notes, 9},     {key::kM, SceneId::MakeRobots, 10},
    {key::kC, SceneId::Construct, 11}, {key::kO, SceneId::Options, 12},
};

constexpr int kLoadingX = 360;
constexpr int kLoadingY = 290;
constexpr int kLoadingWidth = 400;
constexpr int kLoadingHeight = 100;
}  // namespace

void GameApp::SwitchScene(SceneId target, uint8_t leave) {
    sceneFrame = target;
    leaveScene = leave;
}

void GameApp::BeginFrameTimer() {
    if (frameTimerArmed == 1) frameStartMs = NowMs();
}

void GameApp::EndFrameTimer() {
    if (frameTimerArmed == 1) lastFrameMs = NowMs() - frameStartMs;
    else frameTimerArmed = 1;
}

void GameApp::CountFps() {
    if (msCounted <= 1000) {
        msCounted += lastFrameMs;
        framesCounted += 1;
    }
    if (msCounted > 1000) {
        fps = framesCounted;
        msCounted = 0;
        framesCounted = 0;
    }
}

void GameApp::HandleScreenHotkeys() {
    // At the menus (location 0) no area is loaded for a screen to return to.
    if (!gameState || gameState->location == 0) return;
    for (const Hotkey& hotkey : kHotkeys) {
        if (!keyboard.KeyPressed(hotkey.key)) continue;
        frameTimerArmed = 0;
        leaveScene = 1;
        sceneFrame = hotkey.target;
        screenPage = hotkey.page;
    }
}

bool GameApp::SceneForScreenPage(uint8_t page, SceneId& scene) {
    for (const Hotkey& hotkey : kHotkeys) {
        if (hotkey.page != page) continue;
        scene = hotkey.target;
        return true;
    }
    return false;
}

bool GameApp::SceneEntry(Scene& scene) {
    if (leaveScene == 0) return false;
    leaveScene = 0;
    frameTimerArmed = 0;
    sceneClockRestart = 1;
    secondsInScene = 0;
    scene.Enter(*this);
    return true;
}

void Scene::Frame(GameApp& app) { app.RunSceneFrame(*this); }

void GameApp::RunSceneFrame(Scene& scene) {
    if (scene.RunWithoutPicture(*this)) return;
    scene.BeforeEntry(*this);
    SceneEntry(scene);
    SceneBeginFrame(scene.frameRules_.countsFps);
    scene.Prepare(*this);
    SceneReloadArt(scene);
    scene.Body(*this);
    SceneTickClock();
    scene.AfterClock(*this);
    SceneLeaveStep(scene, scene.frameRules_.staysWhenChosenAgain);
    SceneEndFrame(scene, scene.DrawsCursor());
    scene.AfterFrame(*this);
}

void GameApp::SceneBeginFrame(bool countFps) {
    pictureOpen_ = true;
    BeginFrameTimer();
    if (countFps) CountFps();
    if (cursor) cursor->Update();
    graphics.BeginScene();
    graphics.Clear(0, 1.0f);
}

void GameApp::OpenSharedFont() {
    if (!sharedFont) sharedFont = std::make_unique<Font>();
    sharedFont->Create(&graphics, "Arial", 14, 1, 0, 0, 0);
    sharedFont->Begin();
}

void GameApp::EnsureSharedObjects(uint32_t artUse) {
    if ((artUse & kArtSharedFont) && !sharedFont) OpenSharedFont();
    if ((artUse & kArtShared) && !sharedArt) {
        sharedArt = std::make_unique<SharedArt>();
        sharedArt->LoadArt(&graphics);
        sharedArt->LoadMoreArt(&graphics);
        while (sharedArt->morePending) {
            if (!sharedArt->LoadMoreArt(&graphics)) break;
        }
    }
}

// Whatever scene a loss started in, every shared object that exists comes
// back, so that the scene running now (or any later one) finds its art.
void GameApp::LoadSharedArt() {
    if (cursor) cursor->LoadArt(&graphics);
    if (sharedArt) {
        sharedArt->LoadArt(&graphics);
        sharedArt->LoadMoreArt(&graphics);
    }
    if (battleEngine) battleEngine->LoadArt(&graphics);
    if (controlPanel) controlPanel->LoadArt(&graphics);
    if (filePicker) filePicker->LoadArt(&graphics);
}

void GameApp::ReleaseSharedArt() {
    if (cursor) cursor->FreeSheet();
    if (sharedFont) {
        sharedFont->End();
        sharedFont->Release();
    }
    if (sharedArt) sharedArt->ReleaseArt();
    if (battleEngine) battleEngine->ReleaseArt();
    if (controlPanel) controlPanel->ReleaseArt();
    if (filePicker) filePicker->FreeSheet();
}

bool GameApp::SceneReloadArt(Scene& scene) {
    if (reloadArt != 1) return false;
    OpenSharedFont();
    sharedFont->DrawText("L O A D I N G", kLoadingX, kLoadingY, kLoadingWidth, kLoadingHeight, kLoadingColour, 0);
    sharedFont->End();
    if (graphics.TestCooperativeLevel() == DeviceState::Usable) {
        graphics.EndScene();
        graphics.Present();
        ++loadingScreens;
        // The rest of this frame draws on a fresh picture.
        graphics.BeginScene();
        graphics.Clear(0, 1.0f);
    }
    reloadArt = 0;
    LoadSharedArt();
    scene.ReloadArt(*this);
    return true;
}

void GameApp::SceneTickClock() {
    uint32_t now = NowMs();
    if (sceneClockRestart == 1) {
        sceneClockStart = now;
        sceneClockRestart = 0;
    }
    secondsInScene = (now - sceneClockStart) / 1000u;
}

void GameApp::SceneLeaveStep(Scene& scene, bool staysWhenChosenAgain) {
    if (leaveScene == 0) return;
    if (staysWhenChosenAgain && SceneFor(sceneFrame) == &scene) {
        leaveScene = 0;
        return;
    }
    scene.Leave(*this);
}

void GameApp::SceneEndFrame(Scene& scene, bool drawCursor) {
    if (deviceLost == 0 && cursor && drawCursor) cursor->Draw();
    graphics.EndScene();
    if (deviceLost == 0 && graphics.TestCooperativeLevel() == DeviceState::Lost) {
        deviceLost = 1;
        ReleaseSharedArt();
        scene.ReleaseArt(*this);
    }
    if (deviceLost == 0 && graphics.TestCooperativeLevel() == DeviceState::Usable) graphics.Present();
    EndFrameTimer();
    if (pictureOpen_) ++picturesEnded;
    pictureOpen_ = false;
}

MotionStepper& GameApp::Stepper(int k) {
    if (!steppers[k]) {
        steppers[k] = std::make_unique<MotionStepper>();
        steppers[k]->Reset();
        if (gameState) steppers[k]->base = gameState->stepBase;
    }
    return *steppers[k];
}

uint8_t GameApp::StepStepper(int k, bool adaptive, int32_t speed) {
    MotionStepper& stepper = Stepper(k);
    int32_t elapsed = static_cast<int32_t>(lastFrameMs);
    return adaptive ? stepper.StepAdaptive(speed, elapsed) : stepper.Step(speed, elapsed);
}
