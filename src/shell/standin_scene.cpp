#include "shell/standin_scene.h"

#include "platform/font.h"
#include "platform/key_codes.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr uint32_t kTitleColour = 0xFFFFFFFFu;
constexpr uint32_t kHintColour = 0xFFA0A0A0u;

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

void ActOnInput(GameApp& app, StandInKind kind, uint32_t areaLocation) {
    GameState& state = *app.gameState;
    switch (kind) {
    case StandInKind::Management:
        if (BackPressed(app)) {
            state.returnedFromScreen = 1;
            app.SwitchScene(scenes::ForLocation(state.location));
        }
        app.HandleScreenHotkeys();
        break;
    case StandInKind::Area:
        if (BackPressed(app)) {
            state.location = areaLocation;
            app.SwitchScene(scenes::SaveQuit);
        } else {
            state.location = areaLocation;
            app.HandleScreenHotkeys();
        }
        break;
    case StandInKind::FrontEnd:
        if (BackPressed(app)) app.SwitchScene(scenes::MainMenu);
        break;
    }
}
}  // namespace

void RunStandInScene(GameApp& app, const char* title, StandInKind kind, uint32_t areaLocation) {
    constexpr uint32_t kArt = GameApp::kArtSharedFont;
    SceneThunk self = app.sceneFrame;
    if (kind == StandInKind::Management || kind == StandInKind::Area) app.KeepMp3Playing(-700);
    app.SceneEntry();
    app.SceneBeginFrame(true);
    app.EnsureSharedObjects(kArt);
    app.SceneReloadArt(kArt);

    if (kind == StandInKind::Area && app.gameState->returnedFromScreen) app.gameState->returnedFromScreen = 0;
    app.sharedFont->DrawText(title, 0, 250, 800, 40, kTitleColour, DT_CENTER | DT_SINGLELINE);
    app.sharedFont->DrawText(HintFor(kind), 0, 300, 800, 30, kHintColour, DT_CENTER | DT_SINGLELINE);

    app.SceneTickClock();
    ActOnInput(app, kind, areaLocation);
    // A management screen chosen again by its own key stays.
    if (app.leaveScene && app.sceneFrame == self && kind == StandInKind::Management) app.leaveScene = 0;
    app.SceneEndFrame(kArt);
}
