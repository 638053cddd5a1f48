#include "frontend/main_menu_scene.h"

#include <algorithm>

#include "battle/battle_engine.h"
#include "frontend/front_end_shared.h"
#include "frontend/front_end_steps.h"
#include "frontend/menu_backdrop.h"
#include "hud/advisor_bubble.h"
#include "platform/app_framework.h"
#include "platform/camera.h"
#include "platform/data_blob.h"
#include "platform/key_codes.h"
#include "platform/motion_stepper.h"
#include "platform/mouse_cursor.h"
#include "platform/random_range.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"
#include "shell/save_file.h"

namespace {
constexpr uint32_t kArt = GameApp::kArtSharedFont | GameApp::kArtShared;

enum class Act : uint8_t { Quit, Open, NewGame };

// Tested in this order; a later key of the same frame overrides an earlier one.
struct MenuKey {
    uint8_t key;
    Act act;
    SceneId target;
};
constexpr MenuKey kKeys[] = {
    {key::kEscape, Act::Quit, SceneId::MainMenu},     {key::kL, Act::Open, SceneId::LoadGamePicker},
    {key::kN, Act::NewGame, SceneId::MainMenu},       {key::kH, Act::Open, SceneId::HallOfFame},
    {key::kO, Act::Open, SceneId::Options},           {key::kC, Act::Open, SceneId::Credits},
    {key::kI, Act::Open, SceneId::Help},              {key::kM, Act::Open, SceneId::Help},
    {key::kQ, Act::Quit, SceneId::MainMenu},
};

struct BarChoice {
    uint8_t code;
    const char* sound;  // null: none
    Act act;
    SceneId target;
};
constexpr BarChoice kBarChoices[] = {
    {MenuBackdrop::kNew, "Data\\FEMOK.wav", Act::NewGame, SceneId::MainMenu},
    {MenuBackdrop::kHallOfFame, "Data\\STAMP.wav", Act::Open, SceneId::HallOfFame},
    {MenuBackdrop::kLoad, "Data\\STAMP.wav", Act::Open, SceneId::LoadGamePicker},
    {MenuBackdrop::kHelpButton, "Data\\STAMP.wav", Act::Open, SceneId::Help},
    {MenuBackdrop::kOptions, "Data\\STAMP.wav", Act::Open, SceneId::Options},
    {MenuBackdrop::kQuit, nullptr, Act::Quit, SceneId::MainMenu},
};

// The opening flight's rings: second, sound, channel and how much louder
// than the other sounds.
struct OpeningRing {
    uint32_t second;
    const char* sound;
    int channel;
    int32_t louder;
};
constexpr OpeningRing kOpeningRings[] = {
    {1, "Data\\SHAWEE.wav", 0, 10},
    {2, "Data\\LONGWHO.wav", 0, 10},
    {3, "Data\\scifi029.wav", 6, 20},
};
constexpr int kRings = 3;
constexpr float kRingRestScale = 0.0001f;

constexpr int32_t kRowSpeed = 40, kRingSpeed = 70;
// The hover sound plays a little under the other sounds, and not at all
// when they are this quiet.
constexpr uint32_t kHoverQuieter = 5;
constexpr int32_t kLoudest = 100;
constexpr int32_t kWarmUpVolume = 10;

int32_t SoundVolume(const GameApp& app) { return static_cast<int32_t>(app.gameState->soundVolume); }

void PlaySound(GameApp& app, int channel, const char* sound, int32_t volume) {
    app.channels[channel].Play(sound, volume, 1);
}

void PlayMusic(GameApp& app, const char* file) {
    app.music.Load(file);
    app.music.Play(static_cast<int32_t>(app.gameState->musicVolume), 0);
}

// Music after an area: the MP3 gives way to the menu's MIDI.
void HandOverMusic(GameApp& app) {
    if (app.mp3State == 0) return;
    app.StopMp3();
    PlayMusic(app, "Data\\Music.mid");
}

// True when the choice asks for a new game, which starts later in the frame.
bool Open(GameApp& app, Act act, SceneId target) {
    switch (act) {
    case Act::Quit:
        AppFramework::PostQuit();
        // Leave towards whatever is chosen, so that Leave runs before the end.
        app.SwitchScene(app.sceneFrame);
        return false;
    case Act::Open:
        app.SwitchScene(target);
        return false;
    case Act::NewGame:
        return true;
    }
    return false;
}
}  // namespace

void MainMenuScene::Enter(GameApp& app) {
    PlayMusic(app, "Data\\scifi025.wav");
    for (auto& stepper : app.steppers) {
        if (stepper) stepper->resetPending = 1;
    }
    front_end::PlaceSceneAdvisor(app, AdvisorScene::MainMenu);
}

void MainMenuScene::Leave(GameApp& app) {
    if (shared_.backdrop) shared_.backdrop->openingFlight = 0;
    app.gameState->location = 0;
    if (!app.battleEngine) return;
    for (int k = 0; k < kRings; ++k) {
        ShockWave& ring = app.battleEngine->ring[k];
        ring.state = 0;
        ring.progress = 0.0f;
        ring.drawScale = kRingRestScale;
        ring.alpha = 255;
        ring.damageTrigger = 0;
    }
}

MenuBackdrop* MainMenuScene::Backdrop() const { return shared_.backdrop.get(); }

void MainMenuScene::ReleaseArt(GameApp&) {
    if (shared_.backdrop) shared_.backdrop->FreeArt();
}

void MainMenuScene::ReloadArt(GameApp& app) {
    if (shared_.backdrop) shared_.backdrop->LoadArt(&app.graphics);
}

void MainMenuScene::MakeBackdrop(GameApp& app) {
    shared_.backdrop = std::make_unique<MenuBackdrop>();
    shared_.backdrop->LoadArt(&app.graphics);
    // The first sound of a channel is slow to start; play one unheard.
    app.channels[0].SetVolume(SoundVolume(app));
    app.channels[0].Play("Data\\CARDSBU.wav", kWarmUpVolume, 1);
    app.channels[0].Stop();
    RandomRange::Seed(shared_.titleFrames);
}

void MainMenuScene::CreateMissing(GameApp& app) {
    if (!shared_.backdrop) MakeBackdrop(app);
    for (int k = 0; k < kSteppers; ++k) app.Stepper(k);
}

void MainMenuScene::ActOnKeys(GameApp& app) {
    for (const MenuKey& k : kKeys) {
        if (!app.keyboard.KeyPressed(k.key)) continue;
        app.keyboard.SetLatch(k.key, 1);
        newGameAsked_ = Open(app, k.act, k.target);
    }
}

void MainMenuScene::ActOnBar(GameApp& app, MenuBackdrop& backdrop) {
    InputDevice* mouse = app.cursor ? &app.cursor->mouse : nullptr;
    const int32_t x = app.cursor ? app.cursor->x : 0;
    const int32_t y = app.cursor ? app.cursor->y : 0;
    backdrop.HoverButtons(x, y);
    backdrop.PressButtons(x, y, mouse);
    const uint8_t code = backdrop.TakeChoice(mouse);
    for (const BarChoice& choice : kBarChoices) {
        if (choice.code != code) continue;
        if (choice.sound) {
            app.channels[0].SetVolume(SoundVolume(app));
            PlaySound(app, 0, choice.sound, SoundVolume(app));
        }
        newGameAsked_ = Open(app, choice.act, choice.target);
    }
}

void MainMenuScene::Move(GameApp& app, MenuBackdrop& backdrop) {
    // The advisor falls with the clouds' step.
    advisorSteps_.slide =
        front_end::MoveBackdrop(app, backdrop, {kRowStepper, kShipXStepper, kShipYStepper}, kRowSpeed, 1);
    advisorSteps_.bob = 0;
    if (!app.frameTimerArmed) return;
    const uint8_t ringStep = app.StepStepper(kRingStepper, true, kRingSpeed);
    advisorSteps_.bob = app.StepStepper(kRiseStepper, true, AdvisorValuesFor(AdvisorScene::MainMenu).bobSpeed);
    app.battleEngine->MoveShotsAndWaves(0, 0, ringStep, 0, 0, 0, 0, 0, 0, 0);
}

void MainMenuScene::PlayHoverSound(GameApp& app, MenuBackdrop& backdrop) {
    if (backdrop.hoverForSound == 0) {
        backdrop.lastHoverSound = 0;
        return;
    }
    if (backdrop.hoverForSound == backdrop.lastHoverSound) return;
    backdrop.lastHoverSound = backdrop.hoverForSound;
    const uint32_t volume = app.gameState->soundVolume;
    if (volume > kHoverQuieter) PlaySound(app, 1, "Data\\RIGHTDEF.wav", static_cast<int32_t>(volume - kHoverQuieter));
}

void MainMenuScene::Draw(GameApp& app, MenuBackdrop& backdrop) {
    app.graphics.SetViewTransform(app.sceneCamera.get());
    backdrop.Draw(app.sharedArt->cloudsSheet, MenuBackdrop::kMainMenu);
    app.battleEngine->DrawWaves(&app.graphics);
    backdrop.DrawShip();
    front_end::ShowSceneAdvisor(app, AdvisorScene::MainMenu, advisorSteps_);
}

// The first visit's rings open one a second, each with its sound.
void MainMenuScene::OpenRings(GameApp& app, const MenuBackdrop& backdrop) {
    if (!backdrop.openingFlight) return;
    for (int k = 0; k < kRings; ++k) {
        const OpeningRing& opening = kOpeningRings[k];
        ShockWave& ring = app.battleEngine->ring[k];
        if (app.secondsInScene != opening.second || ring.state != 0) continue;
        ring.state = 1;
        if (SoundVolume(app) != 0) {
            // Louder, but never past full volume (the mixer would wrap it to near silence).
            const int32_t volume = std::min(SoundVolume(app) + opening.louder, kLoudest);
            PlaySound(app, opening.channel, opening.sound, volume);
        }
        // The last ring is marked past its start, so it never opens twice.
        if (k == kRings - 1) ring.state = 2;
    }
}

// A new game takes the first free slot; with all five used the player picks one.
void MainMenuScene::StartNewGame(GameApp& app) {
    GameState& state = *app.gameState;
    DataBlob probe;
    state.saveSlot = 0;
    for (int slot = GameState::kSlotCount; slot >= 1; --slot) {
        const bool used = save_file::ReadValidSlot(slot, probe) != nullptr;
        probe.Free();
        state.slotEmpty[slot - 1] = used ? 0 : 1;
        if (!used) state.saveSlot = static_cast<uint8_t>(slot);
    }
    state.slotsStale = 0;
    app.SwitchScene(state.saveSlot != 0 ? SceneId::NameEntry : SceneId::NewGameSlot);
}

void MainMenuScene::BeforeEntry(GameApp& app) {
    HandOverMusic(app);
    app.EnsureSharedObjects(kArt);
}

void MainMenuScene::Prepare(GameApp& app) { CreateMissing(app); }

void MainMenuScene::Body(GameApp& app) {
    MenuBackdrop& backdrop = *shared_.backdrop;
    if (!app.sceneCamera) app.sceneCamera = std::make_unique<Camera>();
    app.sceneCamera->SetRotation(0, 0, 0);
    app.sceneCamera->LookAt(0, -20, -1, 0, 0, -1);
    app.graphics.SetViewTransform(app.sceneCamera.get());
    if (!app.battleEngine) {
        app.battleEngine = std::make_unique<BattleEngine>();
        app.battleEngine->LoadArt(&app.graphics);
        record_exchange::SeedNewAreaEngine(*app.battleEngine, *app.gameState);
    }

    newGameAsked_ = false;
    ActOnKeys(app);
    ActOnBar(app, backdrop);
    Move(app, backdrop);
    backdrop.SteerShip();
    backdrop.HoldForOpening(app.secondsInScene);
    PlayHoverSound(app, backdrop);
    if (!app.deviceLost) Draw(app, backdrop);
    backdrop.ResetHover();
}

void MainMenuScene::AfterClock(GameApp& app) {
    OpenRings(app, *shared_.backdrop);
    if (newGameAsked_) StartNewGame(app);
}
