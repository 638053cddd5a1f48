// The load picker: the five slots; a used one picked by its number key or
// its button is loaded by the load scene, which continues in the home base.
#include "platform/key_codes.h"
#include "platform/shared_art.h"
#include "shell/file_picker.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/slot_picking.h"

namespace {
constexpr uint32_t kArt = GameApp::kArtSharedFont | GameApp::kArtShared | GameApp::kArtEngine;
constexpr uint32_t kFirstSlotY = 189;

void BackToMenu(GameApp& app) {
    app.channels[0].Play("Data\\SETUPWH.wav", static_cast<int32_t>(app.gameState->soundVolume), 1);
    app.SwitchScene(scenes::MainMenu);
}

void ChooseSlot(GameApp& app, FilePicker& picker, int slot) {
    if (slot < 1 || slot > FilePicker::kSlots || !picker.slotUsed[slot - 1]) return;
    picker.chosenSlot = static_cast<uint8_t>(slot);
    app.gameState->saveSlot = static_cast<uint8_t>(slot);
    app.SwitchScene(LoadGameScene);
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

void GameApp::LoadGameSceneFrame() {
    FilePicker& picker = BeginPickerFrame(*this, kArt);

    ActOnInput(*this, picker);
    picker.Animate();
    PickerHoverSound(*this, picker, "Data\\RIGHTDEF.wav");
    if (!deviceLost) DrawPicker(*this, picker);
    picker.ResetHover();
    SceneTickClock();

    if (leaveScene || picker.chosenSlot) DropPicker(*this);
    SceneEndFrame(kArt, ReleasePickerArt);
}
