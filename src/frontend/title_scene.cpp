#include "frontend/title_scene.h"

#include "platform/font.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "platform/options_file.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr int32_t kMusicOffBelow = 5;
constexpr int32_t kSoundsOffBelow = 53;

void ApplyOptions(GameApp& app) {
    GameState& state = *app.gameState;
    OptionsFile& options = *app.optionsFile;
    state.musicVolume = static_cast<uint32_t>(options.musicVolume);
    state.musicOn = options.musicVolume < kMusicOffBelow ? 0 : 1;
    state.mp3Volume = (options.musicVolume - 100) * 30;
    state.soundVolume = static_cast<uint32_t>(options.soundsVolume);
    state.soundsOn = 1;
    if (options.soundsVolume < kSoundsOffBelow) {
        state.soundsOn = 0;
        state.soundVolume = 0;
    }
}

bool StartPressed(GameApp& app) {
    for (uint8_t code : {key::kReturn, key::kSpace}) {
        if (app.keyboard.KeyPressed(code)) {
            app.keyboard.SetLatch(code, 1);
            return true;
        }
    }
    if (app.cursor && app.cursor->mouse.ButtonPressed(0)) {
        app.cursor->mouse.SetLatch(0, 1);
        return true;
    }
    return false;
}

// The rest of the game runs in an 800 x 600 full-screen device.
void EnterFullScreen(GameApp& app) {
    if (app.sharedFont) {
        app.sharedFont->End();
        app.sharedFont->Release();
    }
    if (app.cursor) app.cursor->FreeSheet();
    app.graphics.ReleaseDevice();
    app.graphics.Create(app.window, 0, 0, 800, 600, 0);
    if (app.cursor) app.cursor->LoadArt(&app.graphics);
    app.OpenSharedFont();
}
}  // namespace

// The options are read once, on the first entry.
void TitleScene::Enter(GameApp& app) {
    if (app.optionsFile) return;
    app.optionsFile = std::make_unique<OptionsFile>();
    app.optionsFile->Load();
    ApplyOptions(app);
}

void TitleScene::Frame(GameApp& app) {
    constexpr uint32_t kArt = GameApp::kArtSharedFont;
    app.SceneEntry(*this);
    app.SceneBeginFrame(true);
    app.EnsureSharedObjects(kArt);
    app.SceneReloadArt(*this);

    Font& font = *app.sharedFont;
    font.DrawText("Title", 0, 150, 400, 40, 0xFFFFFFFFu, DT_CENTER | DT_SINGLELINE);
    font.DrawText("Press Return or click to start", 0, 220, 400, 30, 0xFFA0A0A0u, DT_CENTER | DT_SINGLELINE);
    font.DrawText("Esc: quit", 0, 250, 400, 30, 0xFFA0A0A0u, DT_CENTER | DT_SINGLELINE);

    app.SceneTickClock();
    bool start = StartPressed(app);
    if (app.keyboard.KeyPressed(key::kEscape)) {
        app.keyboard.SetLatch(key::kEscape, 1);
        AppFramework::PostQuit();
    }
    app.SceneEndFrame(*this);
    if (start) {
        EnterFullScreen(app);
        app.SwitchScene(SceneId::MainMenu);
    }
}
