#include "shell/screen_music.h"

#include "shell/game_app.h"
#include "shell/game_state.h"

void ScreenMusicUpkeep(GameApp& app, bool keepMp3, int32_t volume) {
    GameState& state = *app.gameState;
    if (state.questJingle != 0) {
        state.questJingle = 0;
        app.music.Stop();
    }
    if (keepMp3) app.KeepMp3Playing(volume);
}
