#include "frontend/name_entry_scene.h"

#include "battle/battle_engine.h"
#include "hud/control_panel.h"
#include "frontend/front_end_shared.h"
#include "frontend/front_end_steps.h"
#include "frontend/menu_backdrop.h"
#include "platform/key_codes.h"
#include "platform/motion_stepper.h"
#include "platform/mouse_cursor.h"
#include "platform/options_file.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/name_entry.h"

namespace {
constexpr uint32_t kArt = GameApp::kArtSharedFont | GameApp::kArtShared;
constexpr int32_t kSlideSpeed = 180;
constexpr int32_t kRowSpeed = 40;
constexpr int32_t kMp3Volume = -700;
// The ship comes in from above the screen.
constexpr int32_t kShipStartY = -300;

enum LeaveCode : uint8_t { kStay = 0, kToMenu = 1, kToStory = 5 };

// The letter keys in alphabetical order.
constexpr uint8_t kLetterKeys[26] = {
    key::kA, key::kB, key::kC, key::kD, key::kE, key::kF, key::kG, key::kH, key::kI,
    key::kJ, key::kK, key::kL, key::kM, key::kN, key::kO, key::kP, key::kQ, key::kR,
    key::kS, key::kT, key::kU, key::kV, key::kW, key::kX, key::kY, key::kZ,
};
constexpr uint8_t kSmallA = 2;
constexpr uint8_t kCapitalA = 28;

void PlaySound(GameApp& app, const char* file) {
    app.channels[0].Play(file, static_cast<int32_t>(app.gameState->soundVolume), 1);
}

bool TakeKey(GameApp& app, uint8_t code) {
    if (!app.keyboard.KeyPressed(code)) return false;
    app.keyboard.SetLatch(code, 1);
    return true;
}

void StoreName(GameApp& app, const NameEntry& panel) {
    for (int i = 0; i < NameEntry::kCells; ++i) app.gameState->playerName[i] = panel.nameCells[i];
    if (app.sharedArt && app.sharedArt->morePending) app.sharedArt->morePending = 3;
}

// Ready, Clear and Back: hover, press, and the action once the press ends.
void HandleButtons(GameApp& app, NameEntry& panel, uint8_t& leave) {
    if (!app.cursor) return;
    InputDevice& mouse = app.cursor->mouse;
    const int32_t x = app.cursor->x;
    const int32_t y = app.cursor->y;
    panel.HitTestReady(x, y);
    panel.HitTestClear(x, y);
    panel.HitTestBack(x, y);
    if (mouse.ButtonPressed(0) || mouse.ButtonPressed(1)) {
        if (panel.ClickReady(x, y, &mouse)) {
            panel.pressLock = 1;
            panel.readyFrame = 2;
        }
        if (panel.ClickClear(x, y, &mouse)) {
            panel.pressLock = 1;
            panel.clearFrame = 2;
            panel.Clear();
        }
        if (panel.ClickBack(x, y, &mouse)) {
            panel.pressLock = 1;
            panel.backFrame = 2;
        }
    }
    if (panel.pressedCode == 0) return;
    if (panel.hoverCode == panel.pressedCode && !MouseButtonsReleased(&mouse)) return;
    const uint8_t done = panel.pressedCode;
    panel.pressLock = 0;
    panel.pressedCode = 0;
    if (done == NameEntry::kHoverBack) {
        PlaySound(app, "Data\\SETUPWH.wav");
        app.SwitchScene(SceneId::MainMenu);
        leave = kToMenu;
    } else if (done == NameEntry::kHoverClear) {
        PlaySound(app, "Data\\SETUPWH.wav");
    } else {
        PlaySound(app, "Data\\FEMOK.wav");
        leave = kToStory;
        StoreName(app, panel);
    }
}

void HoverSound(GameApp& app, NameEntry& panel) {
    if (panel.hoverSoundCode == 0) {
        panel.lastSoundedCode = 0;
    } else if (panel.hoverSoundCode != panel.lastSoundedCode) {
        panel.lastSoundedCode = panel.hoverSoundCode;
        app.channels[1].Play("Data\\RIGHTDEF.wav", static_cast<int32_t>(app.gameState->soundVolume), 1);
    }
}

void DrawPanel(NameEntry& panel) {
    panel.DrawBox();
    panel.DrawHeading();
    panel.DrawBack();
    panel.DrawName();
    panel.DrawReady();
    panel.DrawClear();
    panel.DrawStrips();
    panel.DrawHand2Pair();
    panel.DrawHand3();
    panel.DrawHand4Bar();
    panel.DrawHand5();
    panel.DrawHand6();
}

// Space, the letters (capitals with Shift), the full stop, delete: each
// once per press; the panel takes only the first change of a frame.
void ReadLetterKeys(GameApp& app, NameEntry& panel) {
    if (TakeKey(app, key::kSpace)) panel.AddLetter(NameEntry::kSpaceCode);
    const bool shift = (app.keyboard.state[key::kLeftShift] & 0x80) || (app.keyboard.state[key::kRightShift] & 0x80);
    for (int letter = 0; letter < 26; ++letter) {
        if (TakeKey(app, kLetterKeys[letter])) {
            panel.AddLetter(static_cast<uint8_t>((shift ? kCapitalA : kSmallA) + letter));
        }
    }
    if (TakeKey(app, key::kPeriod)) panel.AddLetter(NameEntry::kFullStopCode);
    if (TakeKey(app, key::kBack)) panel.AddLetter(NameEntry::kDeleteCode);
    if (TakeKey(app, key::kNumpad0)) panel.AddLetter(NameEntry::kDeleteCode);
}

void GoToStory(GameApp& app) {
    if (app.gameState->musicOn) {
        app.music.Stop();
        app.KeepMp3Playing(kMp3Volume);
    }
    app.gameState->storyStage = 1;
    app.SwitchScene(SceneId::Story);
    if (app.controlPanel) app.controlPanel->areaTitleTimer = 1;
}
}  // namespace

NameEntryScene::NameEntryScene(FrontEndShared& shared) : shared_(shared) {}
NameEntryScene::~NameEntryScene() = default;

void NameEntryScene::Enter(GameApp& app) {
    if (app.battleEngine) {
        app.battleEngine->ReleaseArt();
        app.battleEngine.reset();
    }
    if (app.gameState) app.gameState->NewGameKeepingSound();
    for (int k = 0; k < kSteppers; ++k) app.Stepper(k).resetPending = 1;
    if (shared_.backdrop) shared_.backdrop->shipY = kShipStartY;
    front_end::PlaceSceneAdvisor(app, AdvisorScene::NameEntry);
}

void NameEntryScene::CreateMissing(GameApp& app) {
    if (!app.gameState) {
        app.gameState = std::make_unique<GameState>();
        app.gameState->NewGame();
    }
    if (!app.optionsFile) {
        app.optionsFile = std::make_unique<OptionsFile>();
        app.optionsFile->Load();
        GameState& state = *app.gameState;
        state.musicVolume = static_cast<uint32_t>(app.optionsFile->musicVolume);
        state.soundVolume = static_cast<uint32_t>(app.optionsFile->soundsVolume);
        if (state.musicVolume == 0) state.musicOn = 0;
        if (state.soundVolume == 0) state.soundsOn = 0;
    }
    if (!panel_) panel_ = std::make_unique<NameEntry>();
    if (!artLoaded_) LoadPanelArt(app);
}

void NameEntryScene::LoadPanelArt(GameApp& app) {
    panel_->LoadArt(&app.graphics);
    artLoaded_ = true;
}

void NameEntryScene::FreePanelArt() {
    if (panel_) panel_->FreeArt();
    artLoaded_ = false;
}

void NameEntryScene::ReleaseArt(GameApp&) {
    FreePanelArt();
    if (shared_.backdrop) shared_.backdrop->FreeArt();
}

void NameEntryScene::ReloadArt(GameApp& app) {
    if (panel_) LoadPanelArt(app);
    if (shared_.backdrop) shared_.backdrop->LoadArt(&app.graphics);
}

// The panel slides in; the backdrop drifts as in the main menu, without the
// opening hold.
void NameEntryScene::Move(GameApp& app, NameEntry& panel) {
    advisorSteps_ = {};
    if (shared_.backdrop) {
        front_end::MoveBackdrop(app, *shared_.backdrop, {kRowStepper, kShipXStepper, kShipYStepper}, kRowSpeed, 0);
        shared_.backdrop->SteerShip();
    }
    if (!app.frameTimerArmed) return;
    // The advisor falls with the panel's slide.
    const uint8_t slide = app.StepStepper(kSlideStepper, true, kSlideSpeed);
    advisorSteps_.slide = slide;
    advisorSteps_.bob = app.StepStepper(kRiseStepper, true, AdvisorValuesFor(AdvisorScene::NameEntry).bobSpeed);
    panel.SlideStrips(slide);
    panel.SpreadHand2(slide);
    panel.SlideHand3(slide);
    panel.SlideHand5(slide);
    panel.GrowHand4();
}

void NameEntryScene::Draw(GameApp& app, NameEntry& panel) {
    MenuBackdrop* backdrop = shared_.backdrop.get();
    if (backdrop) backdrop->Draw(app.sharedArt->cloudsSheet, MenuBackdrop::kPlain);
    DrawPanel(panel);
    if (backdrop) backdrop->DrawShip();
    front_end::ShowSceneAdvisor(app, AdvisorScene::NameEntry, advisorSteps_);
}

// Left for the story or the menu: the options are read again next time,
// its steppers are made afresh, and the panel keeps the name but not its art.
void NameEntryScene::Leave(GameApp& app) {
    app.optionsFile.reset();
    for (int k = 0; k < kSteppers; ++k) app.steppers[k].reset();
    FreePanelArt();
}

void NameEntryScene::DropPanel() {
    FreePanelArt();
    panel_.reset();
}

void NameEntryScene::Prepare(GameApp& app) {
    CreateMissing(app);
    app.EnsureSharedObjects(kArt);
}

void NameEntryScene::Body(GameApp& app) {
    NameEntry& panel = *panel_;

    leaveCode_ = kStay;
    if (TakeKey(app, key::kReturn)) {
        leaveCode_ = kToStory;
        PlaySound(app, "Data\\SETUPWH.wav");
        StoreName(app, panel);
    }
    if (TakeKey(app, key::kEscape)) {
        PlaySound(app, "Data\\SETUPWH.wav");
        app.SwitchScene(SceneId::MainMenu);
        leaveCode_ = kToMenu;
    }
    HandleButtons(app, panel, leaveCode_);
    Move(app, panel);
    HoverSound(app, panel);
    if (!app.deviceLost) Draw(app, panel);
    ReadLetterKeys(app, panel);

    panel.letterTaken = 0;
    panel.BlinkCursor();
    panel.ResetHover();
}

void NameEntryScene::AfterClock(GameApp& app) {
    if (leaveCode_ == kToStory) GoToStory(app);
}
