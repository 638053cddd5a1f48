#include "shell/load_game_scene.h"

#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/data_blob.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"
#include "shell/save_file.h"

namespace {
constexpr int32_t kStartViewX = 30, kStartViewY = -620;

// A run that has shown an area already: the home base repairs on arrival
// and its view starts where a new one would.
void PrepareSharedAreaObjects(GameApp& app) {
    if (app.controlPanel) {
        app.controlPanel->travelled = 1;
        app.controlPanel->sceneFlag2 = 1;
    }
    if (app.areaBackdrop) {
        app.areaBackdrop->viewX = kStartViewX;
        app.areaBackdrop->viewY = kStartViewY;
    }
}
}  // namespace

void LoadGameScene::Run(GameApp& app) {
    if (!app.gameState) {
        app.gameState = std::make_unique<GameState>();
        app.gameState->NewGame();
    }
    GameState& state = *app.gameState;

    {
        DataBlob readBlob;
        const char* path = save_file::SlotPath(state.saveSlot);
        uint32_t size = 0;
        state.blobData = path ? readBlob.ReadFile(path, &size, save_file::kBodyBytes) : nullptr;
        // A damaged file is an empty slot: the record stays as it was.
        state.loadSucceeded = state.blobData && save_file::Decode(state.blobData, size, state) ? 1 : 0;
        state.blobData = nullptr;
    }
    app.leaveScene = 1;

    state.currentArea = 1;
    app.sceneFrame = SceneId::HomeBase;
    PrepareSharedAreaObjects(app);

    if (!app.battleEngine) {
        app.battleEngine = std::make_unique<BattleEngine>();
        app.battleEngine->LoadArt(&app.graphics);
    }
    record_exchange::SeedEngine(*app.battleEngine, state);
    if (dropTypedName_) dropTypedName_();
}
