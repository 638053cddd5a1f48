#include "frontend/options_scene.h"

#include "frontend/hover_sound.h"
#include "frontend/menu_return.h"
#include "frontend/options_screen.h"
#include "hud/advisor_bubble.h"
#include "platform/motion_stepper.h"
#include "platform/mouse_cursor.h"
#include "platform/options_file.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/screen_music.h"

namespace {
constexpr uint32_t kArt = GameApp::kArtSharedFont | GameApp::kArtShared;
constexpr const char* kHoverSound = "Data\\RIGHTDEF.wav";
constexpr const char* kMenuMusic = "Data\\scifi071.wav";

// Below this the music counts as off.
constexpr uint32_t kAudibleMusic = 5;
// What the stream plays at when it has to start again on its own.
constexpr int32_t kMp3RestartVolume = -700;

// The advisor sits bottom right and tells how to use the page.
constexpr int32_t kAdvisorX = 600, kAdvisorY = 480;
constexpr uint32_t kSettingsHint = 3;
constexpr uint8_t kWideBubble = 2;
constexpr int32_t kBobTop = 440, kBobBottom = 500;

// Clouds and the advisor's fall by the first two steppers, its rise by the
// third.
constexpr int kSceneSteppers = 6;
constexpr int kCloudStepper = 0, kFallStepper = 1, kRiseStepper = 2;
constexpr int32_t kCloudSpeed = 40, kFallSpeed = 40, kRiseSpeed = 20;

bool InMenus(const GameState& state) { return state.location == 0; }

// The stream's volume in hundredths of a decibel for a music volume.
int32_t Mp3VolumeFor(uint32_t musicVolume) { return (static_cast<int32_t>(musicVolume) * 3 - 300) * 10; }

// The music at the record's volume, from its start: the menu tune in the
// menus, the area's stream in an area; silence below the audible volume.
void RestartMusic(GameApp& app) {
    GameState& state = *app.gameState;
    const bool audible = state.musicVolume >= kAudibleMusic;
    if (InMenus(state)) {
        app.music.Stop();
        if (audible && app.music.Load(kMenuMusic)) app.music.Play(static_cast<int32_t>(state.musicVolume), 0);
        return;
    }
    if (!audible) {
        app.mp3.Stop();
        app.mp3State = 0;
        return;
    }
    state.mp3Volume = Mp3VolumeFor(state.musicVolume);
    app.mp3.Rewind();
    app.mp3.SetVolume(state.mp3Volume);
    app.mp3.Run();
    app.mp3State = 2;
}

// A volume of 0 in the file means sounds off; a music volume below the
// audible one, music off.
void ReadOptionFiles(GameApp& app) {
    if (app.optionsFile) return;
    app.optionsFile = std::make_unique<OptionsFile>();
    app.optionsFile->Load();
    GameState& state = *app.gameState;
    state.musicVolume = static_cast<uint32_t>(app.optionsFile->musicVolume);
    if (state.musicVolume < kAudibleMusic) state.musicOn = 0;
    state.soundVolume = static_cast<uint32_t>(app.optionsFile->soundsVolume);
    if (state.soundVolume == 0) state.soundsOn = 0;
}

// Takes the event if it is raised, marks it handled and clears its opposite.
bool Take(uint8_t& event, uint8_t& opposite) {
    if (event != 1) return false;
    event = 2;
    opposite = 0;
    return true;
}

struct Settings {
    uint8_t musicOn, soundsOn, advisorOn;
    uint32_t musicVolume, soundVolume;
    bool operator==(const Settings&) const = default;
};

Settings SettingsOf(const GameState& state, const AdvisorBubble& advisor) {
    return {state.musicOn, state.soundsOn, advisor.advisorOn, state.musicVolume, state.soundVolume};
}
}  // namespace

OptionsScene::OptionsScene() : Scene({.staysWhenChosenAgain = true}) {}
OptionsScene::~OptionsScene() = default;

void OptionsScene::Enter(GameApp& app) {
    ReadOptionFiles(app);
    if (!app.advisor) {
        app.advisor = std::make_unique<AdvisorBubble>();
        app.advisor->advisorOn = app.optionsFile->advisorOn ? 1 : 0;
    }
    AdvisorBubble& advisor = *app.advisor;
    advisor.advisorX = kAdvisorX;
    advisor.advisorY = kAdvisorY;
    advisor.hintIndex = kSettingsHint;
    advisor.bubbleStyle = kWideBubble;
    advisor.bubbleShown = 1;
    advisor.arrowShown = 0;
    for (int k = 0; k < kSceneSteppers; ++k) app.Stepper(k).resetPending = 1;
}

// The notches shown come from the record's volumes; from then on the
// sliders drive the volumes.
void OptionsScene::EnsureScreen(GameApp& app) {
    if (screen_) return;
    const GameState& state = *app.gameState;
    screen_ = std::make_unique<OptionsScreen>();
    screen_->LoadArt(&app.graphics);
    screen_->musicNotch = OptionsScreen::MusicNotchForVolume(state.musicVolume);
    screen_->soundsNotch = OptionsScreen::SoundsNotchForVolume(state.soundVolume);
    screen_->appliedMusicNotch = screen_->musicNotch;
}

void OptionsScene::ActOnInput(GameApp& app) {
    if (LeaveKeyPressed(app)) leaving_ = true;
    if (!app.cursor) return;
    GameState& state = *app.gameState;
    AdvisorBubble& advisor = *app.advisor;
    InputDevice* mouse = &app.cursor->mouse;
    const Settings before = SettingsOf(state, advisor);
    screen_->HitTest(app.cursor->x, app.cursor->y);
    screen_->OnClick(app.cursor->x, app.cursor->y, mouse, state.musicOn, state.soundsOn, state.soundVolume,
                     state.musicVolume, advisor.advisorOn);
    if (!(SettingsOf(state, advisor) == before)) saveDue_ = true;
    if (screen_->BackChosen(mouse)) leaving_ = true;
}

void OptionsScene::CarryOutEvents(GameApp& app) {
    GameState& state = *app.gameState;
    OptionsScreen& screen = *screen_;
    if (Take(screen.musicOffEvent, screen.musicOnEvent)) {
        app.music.Stop();
        app.mp3.Stop();
        app.mp3State = 0;
        state.musicOn = 0;
        saveDue_ = true;
    }
    if (Take(screen.musicOnEvent, screen.musicOffEvent)) {
        screen.musicNotch = OptionsScreen::MusicNotchForVolume(state.musicVolume);
        screen.appliedMusicNotch = screen.musicNotch;
        RestartMusic(app);
        state.musicOn = 1;
        saveDue_ = true;
    }
    if (Take(screen.soundsOffEvent, screen.soundsOnEvent)) {
        state.soundsOn = 0;
        saveDue_ = true;
    }
    if (Take(screen.soundsOnEvent, screen.soundsOffEvent)) {
        state.soundsOn = 1;
        screen.soundsNotch = OptionsScreen::SoundsNotchForVolume(state.soundVolume);
        saveDue_ = true;
    }
}

// A slider moved while the music was already on: heard at the new volume.
void OptionsScene::FollowMusicSlider(GameApp& app) {
    if (screen_->appliedMusicNotch == screen_->musicNotch) return;
    screen_->appliedMusicNotch = screen_->musicNotch;
    RestartMusic(app);
}

// The three files hold the record's volumes and the advisor switch.
void OptionsScene::SaveOptions(GameApp& app) {
    if (!saveDue_) return;
    saveDue_ = false;
    OptionsFile& file = *app.optionsFile;
    file.musicVolume = static_cast<int32_t>(app.gameState->musicVolume);
    file.soundsVolume = static_cast<int32_t>(app.gameState->soundVolume);
    file.advisorOn = app.advisor->advisorOn;
    file.savePending = 1;
    file.Save();
}

void OptionsScene::Draw(GameApp& app, uint8_t upStep, uint8_t downStep) {
    const GameState& state = *app.gameState;
    AdvisorBubble& advisor = *app.advisor;
    screen_->Draw(state.musicOn, state.soundsOn, app.sharedArt->cloudsSheet, advisor.advisorOn);
    if (!advisor.advisorOn) return;
    advisor.Animate();
    advisor.Bob(upStep, downStep, kBobTop, kBobBottom);
    advisor.Draw(app.sharedArt->menuSheet, app.sharedFont.get());
}

void OptionsScene::BeforeEntry(GameApp& app) {
    GameState& state = *app.gameState;
    ScreenMusicUpkeep(app, !InMenus(state), kMp3RestartVolume);
}

void OptionsScene::Prepare(GameApp& app) { app.EnsureSharedObjects(kArt); }

void OptionsScene::Body(GameApp& app) {
    GameState& state = *app.gameState;
    EnsureScreen(app);

    ActOnInput(app);
    uint8_t fall = 0, rise = 0;
    if (app.frameTimerArmed) {
        screen_->ScrollStrips(app.StepStepper(kCloudStepper, true, kCloudSpeed));
        fall = app.StepStepper(kFallStepper, true, kFallSpeed);
        rise = app.StepStepper(kRiseStepper, true, kRiseSpeed);
    }
    if (HoverSoundDue(screen_->hoverForSound, screen_->lastHoverSound)) {
        app.channels[1].Play(kHoverSound, static_cast<int32_t>(state.soundVolume), 1);
    }
    if (leaving_) saveDue_ = true;
    CarryOutEvents(app);
    SaveOptions(app);
    FollowMusicSlider(app);
    if (!app.deviceLost) Draw(app, rise, fall);
    screen_->ResetHover();
}

void OptionsScene::AfterClock(GameApp& app) {
    const GameState& state = *app.gameState;
    if (leaving_) app.SwitchScene(InMenus(state) ? SceneId::MainMenu : scenes::ForLocation(state.location));
    // From the main menu there is no game to show: the shortcut keys wait.
    if (!InMenus(state)) app.HandleScreenHotkeys();
    leaving_ = false;
}

// Left for an area or a screen: the area knows it comes back from a screen.
void OptionsScene::Leave(GameApp& app) {
    if (!InMenus(*app.gameState)) app.gameState->returnedFromScreen = 1;
    screen_.reset();
    app.optionsFile.reset();
}

void OptionsScene::ReleaseArt(GameApp&) {
    if (screen_) screen_->FreeFontsAndSheet();
}

void OptionsScene::ReloadArt(GameApp& app) {
    if (screen_) screen_->LoadArt(&app.graphics);
}
