#include "frontend/save_quit_scene.h"

#include "platform/key_codes.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

void SaveQuitScene::Frame(GameApp& app) {
    StandInScene::Frame(app);
    GameState& state = *app.gameState;
    if (app.sceneFrame == SceneId::MainMenu) {
        // Esc means No here: back to the area, not to the menu.
        state.returnedFromScreen = 1;
        app.SwitchScene(scenes::ForLocation(state.location));
    } else if (app.keyboard.KeyPressed(key::kY)) {
        app.keyboard.SetLatch(key::kY, 1);
        app.SwitchScene(SceneId::SaveGame);
    } else if (app.keyboard.KeyPressed(key::kN)) {
        app.keyboard.SetLatch(key::kN, 1);
        state.returnedFromScreen = 1;
        app.SwitchScene(scenes::ForLocation(state.location));
    }
}
