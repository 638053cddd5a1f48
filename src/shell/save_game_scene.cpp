// The one-frame save scene: the engine hands back what it owns, the record
// goes to its slot file, and the player goes on to the main menu. When the
// file cannot be written the old save stays and the player is told so, then
// returns to the area with nothing lost.
#include "battle/battle_engine.h"
#include "platform/data_blob.h"
#include "platform/font.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"
#include "shell/save_file.h"

namespace {
constexpr uint32_t kNoticeSeconds = 6;
constexpr uint32_t kNoticeColour = 0xFFF5F537u;
constexpr uint32_t kHintColour = 0xFFC8C8C8u;

bool NoticeDismissed(GameApp& app) {
    for (uint8_t code : {key::kReturn, key::kEscape, key::kBack, key::kSpace}) {
        if (app.keyboard.KeyPressed(code)) {
            app.keyboard.SetLatch(code, 1);
            return true;
        }
    }
    if (!app.cursor) return false;
    InputDevice& mouse = app.cursor->mouse;
    if (!mouse.ButtonPressed(0) && !mouse.ButtonPressed(1)) return false;
    mouse.SetLatch(0, 1);
    mouse.SetLatch(1, 1);
    return true;
}

// Frames after a failed write: the message, then back to the area.
void RunSaveFailedNotice(GameApp& app) {
    constexpr uint32_t kArt = GameApp::kArtSharedFont;
    app.SceneEntry();
    app.SceneBeginFrame(true);
    app.EnsureSharedObjects(kArt);
    app.SceneReloadArt(kArt);
    app.sharedFont->DrawText("The game could not be saved. Your last save is kept.", 0, 260, 800, 30, kNoticeColour,
                             DT_CENTER | DT_SINGLELINE);
    app.sharedFont->DrawText("Press Enter to return.", 0, 300, 800, 30, kHintColour, DT_CENTER | DT_SINGLELINE);
    app.SceneTickClock();
    if (NoticeDismissed(app) || app.secondsInScene >= kNoticeSeconds) {
        app.saveFailed = 0;
        app.gameState->returnedFromScreen = 1;
        app.SwitchScene(scenes::ForLocation(app.gameState->location));
    }
    app.SceneEndFrame(kArt);
}

// Writes the record to its slot through the save scene's blob; 1 when the
// whole file reached its place.
int WriteSlot(GameApp& app) {
    GameState& state = *app.gameState;
    delete app.writeBlob;
    app.writeBlob = new DataBlob();
    int written = 0;
    const char* path = save_file::SlotPath(state.saveSlot);
    if (path && app.writeBlob->Alloc(save_file::kBodyBytes)) {
        state.blobData = app.writeBlob->Data();
        save_file::Encode(state, app.writeBlob->Data());
        written = app.writeBlob->WriteFile(path);
    }
    delete app.writeBlob;
    app.writeBlob = nullptr;
    state.blobData = nullptr;
    return written;
}
}  // namespace

void GameApp::SaveGame() {
    if (saveFailed) {
        RunSaveFailedNotice(*this);
        return;
    }
    GameState& state = *gameState;
    if (battleEngine) record_exchange::TakeEngineValuesForSave(*battleEngine, state);
    if (!WriteSlot(*this)) {
        // Stay for the notice; the next frame enters it afresh.
        saveFailed = 1;
        leaveScene = 1;
        return;
    }
    state.slotsStale = 1;
    if (state.hallOfFameAfterSave) {
        state.hallOfFameAfterSave = 0;
        SwitchScene(scenes::HallOfFame);
    } else {
        SwitchScene(scenes::MainMenu);
    }
}
