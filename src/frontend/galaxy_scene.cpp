#include "frontend/galaxy_scene.h"

#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr uint32_t kInterludeSeconds = 6;
constexpr int kKeyCodes = 256;
}  // namespace

void GalaxyScene::Frame(GameApp& app) {
    StandInScene::Frame(app);
    if (app.sceneFrame != SceneId::Galaxy) return;
    bool anyKey = false;
    for (int code = 1; code < kKeyCodes; ++code) anyKey = anyKey || app.keyboard.KeyPressed(code);
    if (!anyKey && app.secondsInScene <= kInterludeSeconds) return;
    GameState& state = *app.gameState;
    if (state.questSet == 1) {
        state.questSet = 2;
        state.location = 1;
        app.SwitchScene(SceneId::HomeBase);
    } else {
        state.storyStage = 2;
        app.SwitchScene(SceneId::Story);
    }
}
