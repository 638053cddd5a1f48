#include "shell/write_hall_of_fame_scene.h"

#include <cstdio>

#include "platform/data_blob.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/hall_of_fame_file.h"

void WriteHallOfFameScene::Run(GameApp& app) {
    GameState& state = *app.gameState;
    state.hofValue = static_cast<int32_t>(state.level);

    // Only the hall-of-fame view fills the record's table, so take the
    // file's entries first; otherwise an earlier result would be lost.
    {
        DataBlob readBlob;
        hall_of_fame_file::Read(readBlob, state.hallOfFame);
    }

    state.InsertHallOfFame();

    DataBlob writeBlob;
    if (writeBlob.Alloc(hall_of_fame_file::kBodyBytes)) {
        hall_of_fame_file::Encode(state.hallOfFame, writeBlob.Data());
        if (!writeBlob.WriteFile(hall_of_fame_file::kPath)) std::fprintf(stderr, "game: hall of fame not written\n");
    }

    app.SwitchScene(SceneId::Galaxy);
    app.secondsInScene = 0;
    app.sceneClockRestart = 1;
}
