#include "shell/save_game_scene.h"

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

// Writes the record to its slot; 1 when the whole file reached its place.
int WriteSlot(GameState& state) {
    DataBlob blob;
    int written = 0;
    const char* path = save_file::SlotPath(state.saveSlot);
    if (path && blob.Alloc(save_file::kBodyBytes)) {
        save_file::KeepDamagedSlotAside(state.saveSlot);
        state.blobData = blob.Data();
        save_file::Encode(state, blob.Data());
        written = blob.WriteFile(path);
    }
    state.blobData = nullptr;
    return written;
}
}  // namespace

// Frames after a failed write: the message, then back to the area.
void SaveGameScene::Prepare(GameApp& app) { app.EnsureSharedObjects(GameApp::kArtSharedFont); }

void SaveGameScene::Body(GameApp& app) {
    app.sharedFont->DrawText("The game could not be saved. Your last save is kept.", 0, 260, 800, 30, kNoticeColour,
                             DT_CENTER | DT_SINGLELINE);
    app.sharedFont->DrawText("Press Enter to return.", 0, 300, 800, 30, kHintColour, DT_CENTER | DT_SINGLELINE);
}

void SaveGameScene::AfterClock(GameApp& app) {
    if (NoticeDismissed(app) || app.secondsInScene >= kNoticeSeconds) {
        saveFailed = 0;
        app.gameState->returnedFromScreen = 1;
        app.SwitchScene(scenes::ForLocation(app.gameState->location));
    }
}

bool SaveGameScene::RunWithoutPicture(GameApp& app) {
    if (saveFailed) return false;
    GameState& state = *app.gameState;
    if (app.battleEngine) record_exchange::TakeEngineValuesForSave(*app.battleEngine, state);
    if (!WriteSlot(state)) {
        // Stay for the notice; the next frame enters it afresh.
        saveFailed = 1;
        app.leaveScene = 1;
        return true;
    }
    state.slotsStale = 1;
    if (state.hallOfFameAfterSave) {
        state.hallOfFameAfterSave = 0;
        app.SwitchScene(SceneId::HallOfFame);
    } else {
        app.SwitchScene(SceneId::MainMenu);
    }
    return true;
}
