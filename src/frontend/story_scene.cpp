#include "frontend/story_scene.h"

#include "frontend/name_entry_scene.h"
#include "battle/battle_engine.h"
#include "frontend/front_end_shared.h"
#include "frontend/story_cutscene.h"
#include "hud/advisor_bubble.h"
#include "platform/motion_stepper.h"
#include "platform/mouse_cursor.h"
#include "platform/options_file.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/name_entry.h"
#include "shell/record_exchange.h"
#include "shell/screen_music.h"

namespace {
constexpr uint32_t kArt = GameApp::kArtSharedFont | GameApp::kArtShared;
constexpr int32_t kMp3Volume = -700;

// The first six frame steppers, by the speed each runs at.
enum Step : int { kS15, kS30, kS120, kS177, kS70, kS250, kStepCount };
constexpr int32_t kStepSpeeds[kStepCount] = {15, 30, 120, 177, 70, 250};

// The advisor stands top left during the intro, bobbing down the screen.
constexpr int32_t kAdvisorX = 50, kAdvisorY = 50;
constexpr int32_t kAdvisorTop = 50, kAdvisorBottom = 500;
constexpr uint8_t kAdvisorBubbleStyle = 1;

uint8_t StageFromRecord(const GameState& state) {
    return state.storyStage == StoryCutscene::kEnding ? StoryCutscene::kEnding : StoryCutscene::kIntro;
}

InputDevice* Mouse(GameApp& app) { return app.cursor ? &app.cursor->mouse : nullptr; }

void PlaceAdvisor(GameApp& app) {
    if (!app.advisor) app.advisor = std::make_unique<AdvisorBubble>();
    AdvisorBubble& advisor = *app.advisor;
    advisor.advisorX = kAdvisorX;
    advisor.advisorY = kAdvisorY;
    advisor.bubbleStyle = kAdvisorBubbleStyle;
    advisor.bubbleShown = 0;
    advisor.arrowShown = 0;
    // After the ending the advisor stays off until the options turn it on.
    if (app.gameState->storyStage != StoryCutscene::kIntro) advisor.advisorOn = 0;
}

// The volumes the player chose; a volume of 0 also switches its sound off.
void TakeOptionVolumes(GameApp& app) {
    GameState& state = *app.gameState;
    if (!app.optionsFile) {
        OptionsFile options;
        options.Load();
        state.musicVolume = static_cast<uint32_t>(options.musicVolume);
        state.soundVolume = static_cast<uint32_t>(options.soundsVolume);
        if (state.musicVolume == 0) state.musicOn = 0;
        if (state.soundVolume == 0) state.soundsOn = 0;
    }
    app.optionsFile.reset();
}
}  // namespace

StoryScene::StoryScene(FrontEndShared& frontEnd, NameEntryScene& nameEntry)
    : Scene({.countsFps = false}), frontEnd_(frontEnd), nameEntry_(nameEntry) {}

StoryScene::~StoryScene() = default;

void StoryScene::Enter(GameApp& app) {
    for (auto& stepper : app.steppers) {
        if (stepper) stepper->resetPending = 1;
    }
    PlaceAdvisor(app);
    // A cutscene kept from a visit that ended some other way is of no use.
    if (cutscene_ && cutscene_->stage != StageFromRecord(*app.gameState)) cutscene_.reset();
}

// The backdrop the stage draws over comes back here too, after a reset in
// this scene or in any other since it was last drawn.
void StoryScene::EnsureObjects(GameApp& app) {
    if (!cutscene_) {
        cutscene_ = std::make_unique<StoryCutscene>();
        cutscene_->stage = StageFromRecord(*app.gameState);
        cutscene_->LoadArt(&app.graphics);
        cutscene_->Setup();
    }
    if (cutscene_->stage == StoryCutscene::kIntro) {
        // The menus normally made it.
        if (!frontEnd_.backdrop) frontEnd_.backdrop = std::make_unique<MenuBackdrop>();
        MenuBackdrop& backdrop = *frontEnd_.backdrop;
        if (!backdrop.sheet || ArtFromOldDevice(backdrop.sheet.get())) backdrop.LoadArt(&app.graphics);
    } else if (GalaxyAnimation* galaxy = frontEnd_.galaxy.get()) {
        if (!galaxy->sheet || ArtFromOldDevice(galaxy->sheet.get())) galaxy->LoadArt(&app.graphics);
    }
}

void StoryScene::ReleaseArt(GameApp&) {
    if (cutscene_) cutscene_->FreeArt();
    if (frontEnd_.galaxy) frontEnd_.galaxy->FreeSheet();
    if (frontEnd_.backdrop) frontEnd_.backdrop->FreeArt();
}

// The backdrops come back in EnsureObjects, earlier in the same frame.
void StoryScene::ReloadArt(GameApp& app) {
    if (cutscene_) cutscene_->LoadArt(&app.graphics);
}

void StoryScene::Leave(GameApp&) {
    cutscene_.reset();
    frontEnd_.galaxy.reset();
    frontEnd_.backdrop.reset();
}

// All 0 until the frame timer runs.
void StoryScene::TakeSteps(GameApp& app) {
    static_assert(kSteps == kStepCount);
    for (int k = 0; k < kStepCount; ++k) steps_[k] = app.frameTimerArmed ? app.StepStepper(k, true, kStepSpeeds[k]) : 0;
}

void StoryScene::Move(GameApp& app) {
    if (!app.frameTimerArmed) return;
    StoryCutscene& cutscene = *cutscene_;
    const uint8_t* s = steps_;
    if (cutscene.stage == StoryCutscene::kEnding) {
        cutscene.Move2(s[kS30], s[kS70], s[kS120], s[kS177], s[kS250]);
        return;
    }
    cutscene.Move1(s[kS70]);
    if (frontEnd_.backdrop) {
        frontEnd_.backdrop->Update(s[kS15], s[kS120], s[kS177], app.secondsInScene, 0);
        frontEnd_.backdrop->Animate();
    }
}

void StoryScene::CueEndingMusic(GameApp& app) {
    StoryCutscene& cutscene = *cutscene_;
    GameState& state = *app.gameState;
    state.musicCue = cutscene.CueMusic(state.musicCue);
    if (!cutscene.musicRequest) return;
    cutscene.musicRequest = 0;
    // Music switched off stays off, the ending's too.
    if (!state.musicOn) return;
    app.music.Load(StoryCutscene::kEndingMusic);
    app.music.Play(StoryCutscene::kEndingMusicVolume, StoryCutscene::kEndingMusicPlays);
}

void StoryScene::Draw(GameApp& app) {
    StoryCutscene& cutscene = *cutscene_;
    const SharedArt& art = *app.sharedArt;
    if (cutscene.stage == StoryCutscene::kIntro) {
        if (frontEnd_.backdrop) frontEnd_.backdrop->Draw(art.cloudsSheet, MenuBackdrop::kStory);
        cutscene.DrawMain();
        if (app.advisor && app.advisor->advisorOn) {
            app.advisor->Animate();
            app.advisor->Bob(steps_[kS70], steps_[kS30], kAdvisorTop, kAdvisorBottom);
            app.advisor->Draw(art.menuSheet, app.sharedFont.get());
        }
        return;
    }
    if (frontEnd_.galaxy) frontEnd_.galaxy->DrawBackground(art.spaceSheet, art.dustSheet, art.cloudsSheet);
    cutscene.DrawStage();
    cutscene.DrawWordPicture(app.secondsInScene);
}

void StoryScene::StartNewGame(GameApp& app) {
    GameState& state = *app.gameState;
    state.NewGameKeepingSound();
    state.freshGame = 1;
    TakeOptionVolumes(app);
    if (!app.battleEngine) {
        app.battleEngine = std::make_unique<BattleEngine>();
        app.battleEngine->LoadArt(&app.graphics);
    }
    record_exchange::SeedNewAreaEngine(*app.battleEngine, state);
    // After the reset, so that the typed name replaces the default one.
    if (const NameEntry* panel = nameEntry_.Panel()) {
        for (int i = 0; i < NameEntry::kCells; ++i) state.playerName[i] = panel->nameCells[i];
    }
    nameEntry_.DropPanel();
    app.SwitchScene(SceneId::HomeBase);
}

void StoryScene::HandOver(GameApp& app) {
    if (cutscene_->stage == StoryCutscene::kIntro) {
        StartNewGame(app);
        return;
    }
    app.gameState->hallOfFameAfterSave = 1;
    app.SwitchScene(SceneId::SaveGame);
}

void StoryScene::BeforeEntry(GameApp& app) {
    GameState& state = *app.gameState;
    // The ending's music owns the sound from its cue on.
    ScreenMusicUpkeep(app, state.musicCue == 0, kMp3Volume);
}

void StoryScene::Prepare(GameApp& app) {
    app.EnsureSharedObjects(kArt);
    for (int k = 0; k < kStepCount; ++k) app.Stepper(k);
    EnsureObjects(app);
}

void StoryScene::Body(GameApp& app) {
    StoryCutscene& cutscene = *cutscene_;

    cutscene.CheckSkip(&app.keyboard, Mouse(app));
    TakeSteps(app);
    Move(app);
    if (cutscene.stage == StoryCutscene::kEnding) {
        cutscene.Animate1();
        CueEndingMusic(app);
    }
    if (!app.deviceLost) Draw(app);
}

void StoryScene::AfterClock(GameApp& app) {
    cutscene_->CheckTime(app.secondsInScene);
    if (cutscene_->LeaveRequested()) HandOver(app);
}

// The cutscene draws its own pointer.
bool StoryScene::DrawsCursor() const { return false; }
