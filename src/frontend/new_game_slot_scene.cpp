#include "frontend/new_game_slot_scene.h"

#include "platform/key_codes.h"
#include "platform/shared_art.h"
#include "shell/file_picker.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/slot_picking.h"

namespace {
constexpr uint32_t kArt = GameApp::kArtSharedFont | GameApp::kArtShared;
constexpr uint32_t kFirstSlotY = 186;

void Pick(GameApp& app, int slot) {
    app.gameState->saveSlot = static_cast<uint8_t>(slot);
    app.SwitchScene(SceneId::NameEntry);
}

void ActOnInput(GameApp& app, FilePicker& picker) {
    if (app.keyboard.KeyPressed(key::kBack) || app.keyboard.KeyPressed(key::kEscape)) {
        app.keyboard.SetLatch(key::kBack, 1);
        app.keyboard.SetLatch(key::kEscape, 1);
        app.SwitchScene(SceneId::MainMenu);
        return;
    }
    if (const int slot = SlotKeyPressed(app)) {
        Pick(app, slot);
        return;
    }
    const uint8_t clicked = PickerMouse(app, picker);
    if (clicked == 0) return;
    app.channels[0].Play("Data\\STAMP.wav", static_cast<int32_t>(app.gameState->soundVolume), 1);
    if (clicked == FilePicker::kBackId) app.SwitchScene(SceneId::MainMenu);
    else Pick(app, clicked);
}
}  // namespace

// The slots are probed again on each entry.
void NewGameSlotScene::Enter(GameApp& app) { app.gameState->slotsStale = 1; }

void NewGameSlotScene::Leave(GameApp& app) { DropPicker(app); }

void NewGameSlotScene::Prepare(GameApp& app) { MakePicker(app, kArt); }

void NewGameSlotScene::Body(GameApp& app) {
    FilePicker& picker = PickerWithSlotsProbed(app);

    ActOnInput(app, picker);
    picker.Animate();
    PickerHoverSound(app, picker, "Data\\SNAP1.wav");
    if (!app.deviceLost) {
        SpriteSheet* menu = app.sharedArt ? app.sharedArt->menuSheet : nullptr;
        picker.DrawSave(menu);
        DrawPickerSlots(picker, kFirstSlotY, menu);
    }
    picker.ResetHover();
}
