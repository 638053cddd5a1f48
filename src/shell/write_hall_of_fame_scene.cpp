// The one-frame hall-of-fame writer: the finished game's level is offered to
// the five best results, and the table goes back to its file.
#include <cstdio>

#include "platform/data_blob.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/hall_of_fame_file.h"

void GameApp::WriteHallOfFame() {
    GameState& state = *gameState;
    state.hofValue = static_cast<int32_t>(state.level);

    // Only the hall-of-fame view fills the record's table, so take the
    // file's entries first; otherwise an earlier result would be lost.
    if (!readBlob) readBlob = new DataBlob();
    hall_of_fame_file::Read(*readBlob, state.hallOfFame);
    delete readBlob;
    readBlob = nullptr;

    state.InsertHallOfFame();

    if (!writeBlob) writeBlob = new DataBlob();
    if (writeBlob->Alloc(hall_of_fame_file::kBodyBytes)) {
        hall_of_fame_file::Encode(state.hallOfFame, writeBlob->Data());
        if (!writeBlob->WriteFile(hall_of_fame_file::kPath)) std::fprintf(stderr, "game: hall of fame not written\n");
    }
    writeBlob->Free();
    delete writeBlob;
    writeBlob = nullptr;

    SwitchScene(scenes::Galaxy);
    secondsInScene = 0;
    sceneClockRestart = 1;
}
