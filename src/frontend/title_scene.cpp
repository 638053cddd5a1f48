#include "frontend/title_scene.h"

#include <algorithm>

#include "frontend/front_end_shared.h"
#include "frontend/title_screen.h"
#include "hud/advisor_bubble.h"
#include "platform/font.h"
#include "platform/key_codes.h"
#include "platform/motion_stepper.h"
#include "platform/mouse_cursor.h"
#include "platform/options_file.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
// Below these the option files mean off.
constexpr int32_t kMusicOffBelow = 5;
constexpr int32_t kSoundsOffBelow = 53;
// The MP3's volume in hundredths of a decibel from the music volume.
constexpr int32_t kMp3VolumeFull = 100;
constexpr int32_t kMp3VolumePerStep = 30;

constexpr int32_t kWindowSize = 400;
constexpr int32_t kScreenWidth = 800, kScreenHeight = 600;
constexpr int kZoomStepper = 0;
constexpr int32_t kZoomStepperSpeed = 30;

int32_t SoundVolume(const GameApp& app) { return static_cast<int32_t>(app.gameState->soundVolume); }

void PlayOnChannel(GameApp& app, int channel, const char* sound) {
    app.channels[channel].SetVolume(SoundVolume(app));
    app.channels[channel].Play(sound, SoundVolume(app), 1);
}

bool TakeKey(GameApp& app, uint8_t code) {
    if (!app.keyboard.KeyPressed(code)) return false;
    app.keyboard.SetLatch(code, 1);
    return true;
}

// Either of two keys; both are latched when both are down.
bool TakeEither(GameApp& app, uint8_t first, uint8_t second) {
    const bool a = TakeKey(app, first);
    const bool b = TakeKey(app, second);
    return a || b;
}

void ApplyOptions(GameApp& app, const OptionsFile& options) {
    GameState& state = *app.gameState;
    state.musicVolume = static_cast<uint32_t>(options.musicVolume);
    if (options.musicVolume < kMusicOffBelow) state.musicOn = 0;
    state.mp3Volume = (options.musicVolume - kMp3VolumeFull) * kMp3VolumePerStep;
    state.soundVolume = static_cast<uint32_t>(options.soundsVolume);
    if (options.soundsVolume < kSoundsOffBelow) {
        state.soundsOn = 0;
        state.soundVolume = 0;
    }
    if (state.musicOn) app.music.Play(static_cast<int32_t>(state.musicVolume), 0);
    app.channels[0].SetVolume(SoundVolume(app));
    app.advisor->advisorOn = options.advisorOn ? 1 : 0;
}

// The pointer as the title sees it: the cursor, kept inside the window.
void HoldCursorInWindow(MouseCursor& cursor) {
    cursor.x = std::clamp(cursor.x, 0, kWindowSize - 1);
    cursor.y = std::clamp(cursor.y, 0, kWindowSize - 1);
}
}  // namespace

TitleScene::TitleScene(FrontEndShared& shared) : Scene({.countsFps = false}), shared_(shared) {}
TitleScene::~TitleScene() = default;

void TitleScene::Enter(GameApp& app) {
    for (auto& stepper : app.steppers) {
        if (stepper) stepper->resetPending = 1;
    }
}

void TitleScene::ReleaseArt(GameApp&) {
    if (screen_) screen_->FreeArt();
}

void TitleScene::ReloadArt(GameApp& app) {
    if (screen_) screen_->LoadArt(&app.graphics);
}

void TitleScene::CreateMissing(GameApp& app) {
    if (!app.advisor) app.advisor = std::make_unique<AdvisorBubble>();
    if (!app.optionsFile) {
        app.optionsFile = std::make_unique<OptionsFile>();
        app.optionsFile->Load();
        ApplyOptions(app, *app.optionsFile);
    }
    if (!screen_ && !leaving_) {
        screen_ = std::make_unique<TitleScreen>();
        screen_->LoadArt(&app.graphics);
    }
    app.Stepper(kZoomStepper);
}

void TitleScene::ReadKeys(GameApp& app) {
    TitleScreen& screen = *screen_;
    if (TakeEither(app, key::kBack, key::kEscape)) {
        if (screen.page == TitleScreen::kPanelPage) {
            screen.page = TitleScreen::kMainPage;
            screen.panelOpened = 0;
            app.channels[0].Play("Data\\SETUPWH.wav", SoundVolume(app), 1);
        } else {
            AppFramework::PostQuit();
        }
        // The title enters itself again.
        app.leaveScene = 1;
    }
    if (TakeEither(app, key::kReturn, key::kP)) {
        exit_ = true;
        app.channels[0].Play("Data\\STAMP.wav", SoundVolume(app), 1);
    }
    if (TakeKey(app, key::kC)) {
        screen.panelOpened = 1;
        screen.page = TitleScreen::kPanelPage;
    }
}

void TitleScene::ReadMouse(GameApp& app) {
    if (!app.cursor) return;
    TitleScreen& screen = *screen_;
    InputDevice* mouse = &app.cursor->mouse;
    HoldCursorInWindow(*app.cursor);
    screen.HitTest(app.cursor->x, app.cursor->y);
    if (screen.OnClick(mouse)) screen.pressed = 1;
    if (!mouse->ButtonPressed(0) && !mouse->ButtonPressed(1)) screen.buttonsUp = 1;
    // Play acts on release, or once the pointer has left it.
    if (screen.chosen == TitleScreen::kHoverPlay &&
        (screen.hover != TitleScreen::kHoverPlay || MouseButtonsReleased(mouse))) {
        exit_ = true;
        screen.pressed = 0;
        screen.chosen = 0;
        PlayOnChannel(app, 0, "Data\\FEMOK.wav");
    }
}

void TitleScene::PlaySounds(GameApp& app) {
    TitleScreen& screen = *screen_;
    if (screen.hoverForSound == 0) {
        screen.lastHoverSound = 0;
    } else if (screen.hoverForSound != screen.lastHoverSound) {
        screen.lastHoverSound = screen.hoverForSound;
        PlayOnChannel(app, 1, "Data\\RIGHTDEF.wav");
    }
    if (screen.panelOpened == 1) {
        PlayOnChannel(app, 0, "Data\\STAMP.wav");
        screen.panelOpened = 2;
    }
}

// The rest of the game runs full screen at 800 x 600: the device is made
// again, and the art that lived on the old one with it.
void TitleScene::HandOver(GameApp& app) {
    leaving_ = true;
    exit_ = false;
    if (app.cursor) app.cursor->FreeSheet();
    screen_.reset();
    app.optionsFile.reset();
    if (app.sharedFont) {
        app.sharedFont->End();
        app.sharedFont->Release();
    }
    app.graphics.ReleaseDevice();
    app.graphics.Create(app.window, 0, 0, kScreenWidth, kScreenHeight, 0);
    if (app.cursor) app.cursor->LoadArt(&app.graphics);
    app.OpenSharedFont();
    app.SwitchScene(SceneId::MainMenu);
}

void TitleScene::Prepare(GameApp& app) { CreateMissing(app); }

void TitleScene::Body(GameApp& app) {
    if (!screen_ || leaving_) return;
    ReadKeys(app);
    ReadMouse(app);
    if (app.frameTimerArmed) {
        app.StepStepper(kZoomStepper, true, kZoomStepperSpeed);
        screen_->AnimateZoom();
        screen_->AnimateFrames();
    }
    ++shared_.titleFrames;
    PlaySounds(app);
    if (!app.deviceLost) screen_->Draw();
    screen_->ResetHover();
}

// The hand-over remakes the device: after this frame's picture is shown.
void TitleScene::AfterFrame(GameApp& app) {
    if (exit_) HandOver(app);
}
