#include "frontend/story_scene.h"

#include "frontend/name_entry_scene.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/name_entry.h"
#include "shell/record_exchange.h"

void StoryScene::Frame(GameApp& app) {
    GameState& state = *app.gameState;
    uint8_t musicOn = state.musicOn;
    uint8_t soundsOn = state.soundsOn;
    state.NewGame();
    state.musicOn = musicOn;
    state.soundsOn = soundsOn;
    // The typed name replaces the default one the reset wrote.
    if (const NameEntry* panel = nameEntry_.Panel()) {
        for (int i = 0; i < NameEntry::kCells; ++i) state.playerName[i] = panel->nameCells[i];
    }
    state.location = 1;
    // The engine the menus made takes the new game (the home base makes one
    // from the record when there is none).
    if (app.battleEngine) record_exchange::SeedEngine(*app.battleEngine, state);
    app.SwitchScene(SceneId::HomeBase);
}
