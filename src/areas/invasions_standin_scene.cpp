#include "areas/invasions_standin_scene.h"

#include "platform/key_codes.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

void InvasionsStandInScene::Frame(GameApp& app) {
    StandInScene::Frame(app);
    if (app.sceneFrame != SceneId::Invasions || !app.keyboard.KeyPressed(key::kReturn)) return;
    app.keyboard.SetLatch(key::kReturn, 1);
    app.gameState->location = 1;
    app.SwitchScene(SceneId::HomeBase);
}
