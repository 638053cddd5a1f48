#include "frontend/hall_of_fame_scene.h"

#include "frontend/hall_of_fame_screen.h"
#include "platform/data_blob.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/hall_of_fame_file.h"

namespace {
constexpr uint32_t kArt = GameApp::kArtSharedFont | GameApp::kArtShared;
constexpr const char* kMenuMusic = "Data\\Music.mid";
constexpr int kLeaveChannel = 0, kHoverChannel = 1;

// The file's entries replace the record's only when the whole file is
// sound; otherwise the record keeps what it holds (the entry the ending has
// just inserted, say).
void ReadHallOfFame(HallOfFameRecord& table) {
    DataBlob blob;
    uint32_t size = 0;
    const uint8_t* body = blob.ReadFile(hall_of_fame_file::kPath, &size, hall_of_fame_file::kBodyBytes);
    hall_of_fame_file::Decode(body, size, table);
}

void PlaySound(GameApp& app, int channel, const char* file) {
    app.channels[channel].Play(file, static_cast<int32_t>(app.gameState->soundVolume), 1);
}
}  // namespace

HallOfFameScene::HallOfFameScene() : Scene({.countsFps = false}) {}
HallOfFameScene::~HallOfFameScene() = default;

void HallOfFameScene::MakeScreen(GameApp& app) {
    if (screen_) return;
    screen_ = std::make_unique<HallOfFameScreen>();
    screen_->LoadArt(&app.graphics);
    HallOfFameRecord& table = app.gameState->hallOfFame;
    ReadHallOfFame(table);
    screen_->CopyEntries(table.used, table.values, table.names);
}

void HallOfFameScene::Leave(GameApp&) { screen_.reset(); }

void HallOfFameScene::ReleaseArt(GameApp&) {
    if (screen_) screen_->ReleaseSheet();
}

void HallOfFameScene::ReloadArt(GameApp& app) {
    if (screen_) screen_->LoadArt(&app.graphics);
}

// After the ending: its music gives way to the menu's.
void HallOfFameScene::BackToMenuMusic(GameApp& app) {
    GameState& state = *app.gameState;
    if (state.musicCue == 0) return;
    state.musicCue = 0;
    app.StopMp3();
    app.music.Stop();
    if (!state.musicOn) return;
    app.music.Load(kMenuMusic);
    app.music.Play(static_cast<int32_t>(state.musicVolume), 0);
}

void HallOfFameScene::HandleInput(GameApp& app) {
    HallOfFameScreen& screen = *screen_;
    screen.CheckKeys(&app.keyboard);
    if (app.cursor) screen.HandleBack(app.cursor->x, app.cursor->y, &app.cursor->mouse);
    if (screen.HoverSoundDue()) PlaySound(app, kHoverChannel, HallOfFameScreen::kHoverSound);
}

void HallOfFameScene::BeforeEntry(GameApp& app) { BackToMenuMusic(app); }

void HallOfFameScene::Prepare(GameApp& app) {
    app.EnsureSharedObjects(kArt);
    MakeScreen(app);
}

void HallOfFameScene::Body(GameApp& app) {
    HandleInput(app);
    if (!app.deviceLost) screen_->Draw(app.sharedArt->menuSheet);
    screen_->ResetHover();
}

void HallOfFameScene::AfterClock(GameApp& app) {
    if (screen_->leaveRequested) {
        PlaySound(app, kLeaveChannel, HallOfFameScreen::kLeaveSound);
        app.SwitchScene(SceneId::MainMenu);
    }
}
