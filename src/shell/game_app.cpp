#include "shell/game_app.h"

#include <cstdio>

#include "battle/battle_engine.h"
#include "hud/advisor_bubble.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/camera.h"
#include "platform/file_replace.h"
#include "platform/font.h"
#include "platform/game_path.h"
#include "platform/motion_stepper.h"
#include "platform/mouse_cursor.h"
#include "platform/options_file.h"
#include "platform/shared_art.h"
#include "shell/file_picker.h"
#include "shell/game_state.h"
#include "shell/scene.h"
#include "shell/scene_set.h"

namespace {
constexpr int kTitleSize = 400;
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kSampleRate = 22050;
constexpr int32_t kMp3StartVolume = -500;
}  // namespace

GameApp::GameApp() : GameApp(nullptr) {}

GameApp::GameApp(std::unique_ptr<SceneSet> scenes) : scenes_(std::move(scenes)) {
    std::snprintf(className, sizeof className, "%s", "QornClass");
    std::snprintf(caption, sizeof caption, "%s", "QornCaption");
    style = kStylePopup;
    x = 200;
    y = 100;
    width = 600;
    height = 480;
}

GameApp::~GameApp() = default;

int GameApp::MsgProc(const SDL_Event& event) {
    inputSystem.HandleEvent(event);
    return AppFramework::MsgProc(event);
}

// The title's window, centred, is the one Init makes of it.
void GameApp::PlaceWindow() {
    width = kTitleSize;
    height = kTitleSize;
    CentreWindow(kTitleSize, kTitleSize);
}

int GameApp::Init() {
    graphics.CreateDirect3D();
    if (!graphics.Create(window, 1, 1, kTitleSize, kTitleSize, 0)) {
        // Without a device no scene can run.
        std::fprintf(stderr, "game: no usable graphics device\n");
        startFailed = 1;
        return 0;
    }
    CentreWindow(kTitleSize, kTitleSize);

    inputSystem.Create(window, nullptr);
    keyboard.Create(&inputSystem, InputDevice::kKeyboard, 1);
    cursor = std::make_unique<MouseCursor>();
    cursor->LoadArt(&graphics);
    cursor->mouse.Create(&inputSystem, InputDevice::kMouse, 0);
    ShowMouseCursor(0);

    audio.Init(window, kSampleRate);
    audio.SetMasterVolume(100);
    channels[0].Init(&audio);
    channels[0].SetVolume(100);
    channels[0].Play("Data\\CARDSBU.wav", 10, 1);
    channels[0].Stop();
    for (int k = 1; k < kChannelCount; ++k) {
        channels[k].Init(&audio);
        channels[k].SetVolume(100);
    }
    music.Init(&audio);
    music.Load("Data\\scifi071.wav");
    music.SetVolume(90);
    fps = 0;

    mp3.Open(&audio, "Data\\Devivi.mp3");
    mp3.SetVolume(kMp3StartVolume);

    // Temporary files of a save cut short by a killed process.
    RemoveReplaceLeftovers(ResolveGamePathForWriting("Saves"));
    RemoveReplaceLeftovers(ResolveGamePathForWriting("Saves//Options"));

    mp3State = 0;
    leaveScene = 1;
    sceneFrame = SceneId::Title;
    if (!gameState) {
        gameState = std::make_unique<GameState>();
        gameState->NewGame();
    }
    return 1;
}

Scene* GameApp::SceneFor(SceneId id) const { return scenes_ ? scenes_->Find(id) : nullptr; }

void GameApp::PollInput() {
    if (cursor) {
        cursor->mouse.SetAcquired(1);
        if (!cursor->mouse.Poll()) cursor->mouse.Create(&inputSystem, InputDevice::kMouse, 0);
    }
    keyboard.SetAcquired(1);
    if (!keyboard.Poll()) keyboard.Create(&inputSystem, InputDevice::kKeyboard, 1);
}

void GameApp::RunScene() {
    Scene* scene = SceneFor(sceneFrame);
    if (!scene) return;
    ++sceneRuns;
    pictureOpen_ = false;
    scene->Frame(*this);
    if (pictureOpen_) ++picturesLeftOpen;
}

void GameApp::HandleLostDevice() {
    if (graphics.TestCooperativeLevel() == DeviceState::NotReset) {
        leaveScene = 1;
        frameTimerArmed = 0;
        sceneClockRestart = 1;
        graphics.Reset();
        graphics.createDevice = 0;
        if (sceneFrame == SceneId::Title) {
            graphics.Create(window, 1, 1, kTitleSize, kTitleSize, 0);
        } else {
            graphics.Create(window, 0, 0, kScreenWidth, kScreenHeight, 0);
        }
        deviceLost = 1;
        reloadArt = 1;
    }
    if (graphics.TestCooperativeLevel() == DeviceState::Usable) {
        RunScene();
        deviceLost = 0;
    }
}

int GameApp::Frame() {
    PollInput();
    if (deviceLost == 1) HandleLostDevice();
    // Also when the device has just come back: the scene then runs twice.
    if (deviceLost == 0) RunScene();
    return 1;
}

void GameApp::KeepMp3Playing(int32_t volume) {
    if (!gameState || !gameState->musicOn) return;
    int32_t code = 0;
    while (mp3.GetEvent(&code)) {
        mp3EventCode = code;
        if (code == Mp3Stream::kEventComplete) mp3State = 0;
    }
    if (mp3State == 0) {
        mp3.Rewind();
        mp3.SetVolume(volume);
        mp3.Run();
        mp3State = 2;
    }
}

void GameApp::StopMp3() {
    if (mp3State != 0) {
        mp3State = 0;
        mp3.Stop();
    }
}

int GameApp::Cleanup() {
    keyboard.Release();
    if (cursor) {
        cursor->FreeSheet();
        cursor.reset();
    }
    inputSystem.Release();
    for (SoundChannel& channel : channels) channel.Release();
    music.Unload();
    mp3.Release();
    audio.Shutdown();

    // Every texture goes before the device that made it: the scenes' own,
    // then the shared objects'.
    if (scenes_) {
        for (int k = 0; k < kSceneCount; ++k) {
            if (Scene* scene = scenes_->Find(static_cast<SceneId>(k))) scene->ReleaseArt(*this);
        }
    }
    ReleaseSharedArt();
    graphics.Release();

    advisor.reset();
    sharedArt.reset();
    sceneCamera.reset();
    controlPanel.reset();
    gameState.reset();
    areaBackdrop.reset();
    for (std::unique_ptr<MotionStepper>& stepper : steppers) stepper.reset();
    optionsFile.reset();
    battleEngine.reset();
    sharedFont.reset();
    // Its scene drops it when left; quitting while it shows must not keep it.
    filePicker.reset();
    return 1;
}
