// The one-frame load scene: the chosen slot's file goes back into the
// record, the battle engine is prepared from it, and the game continues in
// the home base whatever area was saved.
#include "battle/battle_engine.h"
#include "platform/data_blob.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/name_entry.h"
#include "shell/save_file.h"
#include "shell/record_exchange.h"

void LoadGameScene(GameApp& app) {
    if (!app.gameState) {
        app.gameState = new GameState();
        app.gameState->NewGame();
    }
    GameState& state = *app.gameState;

    if (app.readBlob) app.readBlob->Free();
    delete app.readBlob;
    app.readBlob = new DataBlob();
    const char* path = save_file::SlotPath(state.saveSlot);
    uint32_t size = 0;
    state.blobData = path ? app.readBlob->ReadFile(path, &size, save_file::kBodyBytes) : nullptr;
    // A damaged file is an empty slot: the record stays as it was.
    state.loadSucceeded = state.blobData && save_file::Decode(state.blobData, size, state) ? 1 : 0;

    app.leaveScene = 1;
    app.readBlob->Free();
    delete app.readBlob;
    app.readBlob = nullptr;
    state.blobData = nullptr;

    state.currentArea = 1;
    app.sceneFrame = scenes::HomeBase;

    if (!app.battleEngine) {
        app.battleEngine = new BattleEngine();
        app.battleEngine->LoadArt(&app.graphics);
    }
    record_exchange::SeedEngine(*app.battleEngine, state);

    if (app.nameEntry) {
        app.nameEntry->FreeArt();
        delete app.nameEntry;
        app.nameEntry = nullptr;
    }
}
