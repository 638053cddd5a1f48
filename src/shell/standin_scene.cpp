#include "shell/standin_scene.h"

#include "platform/font.h"
#include "platform/key_codes.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr uint32_t kTitleColour = 0xFFFFFFFFu;
constexpr uint32_t kHintColour = 0xFFA0A0A0u;
constexpr int32_t kMp3Volume = -700;

bool BackPressed(GameApp& app) {
    for (uint8_t code : {key::kEscape, key::kBack}) {
        if (app.keyboard.KeyPressed(code)) {
            app.keyboard.SetLatch(code, 1);
            return true;
        }
    }
    return false;
}

const char* HintFor(StandInKind kind) {
    switch (kind) {
    case StandInKind::Management:
        return "Esc: back";
    case StandInKind::Area:
        return "Y B R Q A W S N M C O: screens    Esc: save and quit";
    case StandInKind::FrontEnd:
        break;
    }
    return "Esc: main menu";
}
}  // namespace

void StandInScene::ActOnInput(GameApp& app) {
    GameState& state = *app.gameState;
    switch (kind_) {
    case StandInKind::Management:
        if (BackPressed(app)) {
            state.returnedFromScreen = 1;
            app.SwitchScene(scenes::ForLocation(state.location));
        }
        app.HandleScreenHotkeys();
        break;
    case StandInKind::Area:
        state.location = areaLocation_;
        if (BackPressed(app)) app.SwitchScene(SceneId::SaveQuit);
        else app.HandleScreenHotkeys();
        break;
    case StandInKind::FrontEnd:
        if (BackPressed(app)) app.SwitchScene(SceneId::MainMenu);
        break;
    }
}

void StandInScene::Frame(GameApp& app) {
    constexpr uint32_t kArt = GameApp::kArtSharedFont;
    if (kind_ == StandInKind::Management || kind_ == StandInKind::Area) app.KeepMp3Playing(kMp3Volume);
    app.SceneEntry(*this);
    app.SceneBeginFrame(true);
    app.EnsureSharedObjects(kArt);
    app.SceneReloadArt(*this);

    if (kind_ == StandInKind::Area && app.gameState->returnedFromScreen) app.gameState->returnedFromScreen = 0;
    app.sharedFont->DrawText(title_, 0, 250, 800, 40, kTitleColour, DT_CENTER | DT_SINGLELINE);
    app.sharedFont->DrawText(HintFor(kind_), 0, 300, 800, 30, kHintColour, DT_CENTER | DT_SINGLELINE);

    app.SceneTickClock();
    ActOnInput(app);
    // A management screen chosen again by its own key stays.
    app.SceneLeaveStep(*this, kind_ == StandInKind::Management);
    app.SceneEndFrame(*this);
}
