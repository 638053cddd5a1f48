#include "shell/load_game_picker_scene.h"

#include "platform/key_codes.h"
#include "platform/shared_art.h"
#include "shell/file_picker.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/slot_picking.h"

namespace {
constexpr uint32_t kArt = GameApp::kArtSharedFont | GameApp::kArtShared;
constexpr uint32_t kFirstSlotY = 189;

void BackToMenu(GameApp& app) {
    app.channels[0].Play("Data\\SETUPWH.wav", static_cast<int32_t>(app.gameState->soundVolume), 1);
    app.SwitchScene(SceneId::MainMenu);
}

void ChooseSlot(GameApp& app, FilePicker& picker, int slot) {
    if (slot < 1 || slot > FilePicker::kSlots || !picker.slotUsed[slot - 1]) return;
    picker.chosenSlot = static_cast<uint8_t>(slot);
    app.gameState->saveSlot = static_cast<uint8_t>(slot);
    app.SwitchScene(SceneId::LoadGame);
}

void ActOnInput(GameApp& app, FilePicker& picker) {
    if (app.keyboard.KeyPressed(key::kBack) || app.keyboard.KeyPressed(key::kEscape)) {
        app.keyboard.SetLatch(key::kBack, 1);
        app.keyboard.SetLatch(key::kEscape, 1);
        BackToMenu(app);
        return;
    }
    if (const int slot = SlotKeyPressed(app)) {
        ChooseSlot(app, picker, slot);
        if (app.leaveScene) return;
    }
    const uint8_t clicked = PickerMouse(app, picker);
    if (clicked == FilePicker::kBackId) {
        BackToMenu(app);
    } else if (clicked != 0) {
        app.channels[0].Play("Data\\STAMP.wav", static_cast<int32_t>(app.gameState->soundVolume), 1);
        ChooseSlot(app, picker, clicked);
    }
}

void DrawPicker(GameApp& app, FilePicker& picker) {
    SpriteSheet* menu = app.sharedArt ? app.sharedArt->menuSheet : nullptr;
    picker.DrawLoad(menu);
    DrawPickerSlots(picker, kFirstSlotY, menu);
}
}  // namespace

// The slots are probed again on each entry.
void LoadGamePickerScene::Enter(GameApp& app) { app.gameState->slotsStale = 1; }

void LoadGamePickerScene::Leave(GameApp& app) { DropPicker(app); }

void LoadGamePickerScene::Frame(GameApp& app) {
    FilePicker& picker = BeginPickerFrame(app, *this, kArt);

    ActOnInput(app, picker);
    picker.Animate();
    PickerHoverSound(app, picker, "Data\\RIGHTDEF.wav");
    if (!app.deviceLost) DrawPicker(app, picker);
    picker.ResetHover();
    app.SceneTickClock();

    app.SceneLeaveStep(*this, false);
    app.SceneEndFrame(*this);
}
