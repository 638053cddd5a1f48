// The new-game slot picker, shown when all five slots are used: the player
// picks the slot the new game will overwrite, then names the pilot.
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
    app.SwitchScene(scenes::NameEntry);
}

void ActOnInput(GameApp& app, FilePicker& picker) {
    if (app.keyboard.KeyPressed(key::kBack) || app.keyboard.KeyPressed(key::kEscape)) {
        app.keyboard.SetLatch(key::kBack, 1);
        app.keyboard.SetLatch(key::kEscape, 1);
        app.SwitchScene(scenes::MainMenu);
        return;
    }
    if (const int slot = SlotKeyPressed(app)) {
        Pick(app, slot);
        return;
    }
    const uint8_t clicked = PickerMouse(app, picker);
    if (clicked == 0) return;
    app.channels[0].Play("Data\\STAMP.wav", static_cast<int32_t>(app.gameState->soundVolume), 1);
    if (clicked == FilePicker::kBackId) app.SwitchScene(scenes::MainMenu);
    else Pick(app, clicked);
}
}  // namespace

void GameApp::NewGameSlotSceneFrame() {
    FilePicker& picker = BeginPickerFrame(*this, kArt);

    ActOnInput(*this, picker);
    picker.Animate();
    PickerHoverSound(*this, picker, "Data\\SNAP1.wav");
    if (!deviceLost) {
        SpriteSheet* menu = sharedArt ? sharedArt->menuSheet : nullptr;
        picker.DrawSave(menu);
        DrawPickerSlots(picker, kFirstSlotY, menu);
    }
    picker.ResetHover();
    SceneTickClock();

    if (leaveScene) DropPicker(*this);
    SceneEndFrame(kArt, ReleasePickerArt);
}
