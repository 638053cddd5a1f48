#include <SDL.h>

#include "battle/battle_engine.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/key_codes.h"
#include "platform/motion_stepper.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
struct Hotkey {
    uint8_t key;
    SceneThunk target;
    uint8_t page;
};

// Tested in this order: when several are down the last one wins.
constexpr Hotkey kHotkeys[] = {
    {key::kY, scenes::YourShip, 2},   {key::kB, scenes::Buildings, 3}, {key::kR, scenes::Robots, 4},
    {key::kQ, scenes::Quests, 5},     {key::kA, scenes::Awards, 6},    {key::kW, scenes::Wealth, 7},
    {key::kS, scenes::Skills, 8},     {key::kN, scenes::Notes, 9},     {key::kM, scenes::MakeRobots, 10},
    {key::kC, scenes::Construct, 11}, {key::kO, scenes::Options, 12},
};

constexpr int kLoadingX = 360;
constexpr int kLoadingY = 290;
constexpr int kLoadingWidth = 400;
constexpr int kLoadingHeight = 100;
}  // namespace

void GameApp::SwitchScene(SceneThunk entry, uint8_t leave) {
    sceneFrame = entry;
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
    for (const Hotkey& hotkey : kHotkeys) {
        if (!keyboard.KeyPressed(hotkey.key)) continue;
        frameTimerArmed = 0;
        leaveScene = 1;
        sceneFrame = hotkey.target;
        screenPage = hotkey.page;
    }
}

bool GameApp::SceneEntry() {
    if (leaveScene == 0) return false;
    leaveScene = 0;
    frameTimerArmed = 0;
    sceneClockRestart = 1;
    secondsInScene = 0;
    return true;
}

void GameApp::SceneBeginFrame(bool countFps) {
    BeginFrameTimer();
    if (countFps) CountFps();
    if (cursor) cursor->Update();
    graphics.BeginScene();
    graphics.Clear(0, 1.0f);
}

void GameApp::OpenSharedFont() {
    if (!sharedFont) sharedFont = new Font();
    sharedFont->Create(&graphics, "Arial", 14, 1, 0, 0, 0);
    sharedFont->Begin();
}

void GameApp::EnsureSharedObjects(uint32_t artUse) {
    if ((artUse & kArtSharedFont) && !sharedFont) OpenSharedFont();
    if ((artUse & kArtShared) && !sharedArt) {
        sharedArt = new SharedArt();
        sharedArt->LoadArt(&graphics);
        sharedArt->LoadMoreArt(&graphics);
        while (sharedArt->morePending) {
            if (!sharedArt->LoadMoreArt(&graphics)) break;
        }
    }
}

void GameApp::LoadFrameArt(uint32_t artUse) {
    if (cursor) cursor->LoadArt(&graphics);
    if ((artUse & kArtShared) && sharedArt) {
        sharedArt->LoadArt(&graphics);
        sharedArt->LoadMoreArt(&graphics);
    }
    if ((artUse & kArtEngine) && battleEngine) battleEngine->LoadArt(&graphics);
}

bool GameApp::SceneReloadArt(uint32_t artUse) {
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
    LoadFrameArt(artUse);
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

void GameApp::ReleaseFrameArt(uint32_t artUse) {
    if (cursor) cursor->FreeSheet();
    if (sharedFont) {
        sharedFont->End();
        sharedFont->Release();
    }
    if ((artUse & kArtShared) && sharedArt) sharedArt->ReleaseArt();
    if ((artUse & kArtEngine) && battleEngine) battleEngine->ReleaseArt();
}

void GameApp::SceneEndFrame(uint32_t artUse, void (*releaseOwn)(GameApp&)) {
    if (deviceLost == 0 && cursor && !cursorHidden) cursor->Draw();
    graphics.EndScene();
    if (deviceLost == 0 && graphics.TestCooperativeLevel() == DeviceState::Lost) {
        deviceLost = 1;
        ReleaseFrameArt(artUse);
        if (releaseOwn) releaseOwn(*this);
    }
    if (deviceLost == 0 && graphics.TestCooperativeLevel() == DeviceState::Usable) graphics.Present();
    EndFrameTimer();
}

MotionStepper& GameApp::Stepper(int k) {
    if (!steppers[k]) {
        steppers[k] = new MotionStepper();
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
