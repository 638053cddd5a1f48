#include "shell/slot_picking.h"

#include "platform/data_blob.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/file_picker.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/save_file.h"

namespace {
constexpr uint8_t kSlotKeys[FilePicker::kSlots][2] = {
    {key::k1, key::kNumpad1}, {key::k2, key::kNumpad2}, {key::k3, key::kNumpad3},
    {key::k4, key::kNumpad4}, {key::k5, key::kNumpad5},
};
constexpr uint32_t kSlotsX = 20;
constexpr uint32_t kRowSpacing = 84;

void TakeHeader(FilePicker& picker, int k, const uint8_t* body) {
    picker.slotLevel[k] = static_cast<uint8_t>(save_file::ReadWord(body, save_file::kLevelWord));
    for (int i = 0; i < FilePicker::kNameCells; ++i) {
        picker.slotNames[k][i] = static_cast<uint8_t>(save_file::ReadWord(body, save_file::kNameWord + i));
    }
}
}  // namespace

void ProbeSaveSlots(GameApp& app, FilePicker& picker) {
    GameState& state = *app.gameState;
    DataBlob probe;
    for (int k = 0; k < FilePicker::kSlots; ++k) picker.infoPending[k] = 1;
    for (int k = 0; k < FilePicker::kSlots; ++k) {
        const uint8_t* body = save_file::ReadValidSlot(k + 1, probe);
        picker.fileFound = body ? 1 : 0;
        picker.slotUsed[k] = body ? 1 : 0;
        state.slotEmpty[k] = body ? 0 : 1;
        if (body) TakeHeader(picker, k, body);
        picker.infoPending[k] = 0;
        probe.Free();
    }
    picker.MeasureNames();
    state.slotsStale = 0;
}

int SlotKeyPressed(GameApp& app) {
    for (int k = 0; k < FilePicker::kSlots; ++k) {
        for (uint8_t code : kSlotKeys[k]) {
            if (app.keyboard.KeyPressed(code)) {
                app.keyboard.SetLatch(code, 1);
                return k + 1;
            }
        }
    }
    return 0;
}

uint8_t PickerMouse(GameApp& app, FilePicker& picker) {
    if (!app.cursor) return 0;
    InputDevice& mouse = app.cursor->mouse;
    const int32_t x = app.cursor->x;
    const int32_t y = app.cursor->y;
    picker.HitTest(x, y);
    if (mouse.ButtonPressed(0) || mouse.ButtonPressed(1)) {
        for (int slot = 1; slot <= FilePicker::kSlots; ++slot) {
            if (picker.OnClickSlot(slot, x, y, &mouse)) {
                picker.slotFrames[slot - 1] = 2;
                picker.pressLock = 1;
            }
        }
        if (picker.OnClickBack(x, y, &mouse)) {
            picker.backButtonFrame = 2;
            picker.pressLock = 1;
        }
    }
    if (picker.clickedId == 0) return 0;
    if (picker.hoverId == picker.clickedId && !MouseButtonsReleased(&mouse)) return 0;
    const uint8_t done = picker.clickedId;
    picker.clickedId = 0;
    picker.pressLock = 0;
    return done;
}

void PickerHoverSound(GameApp& app, FilePicker& picker, const char* sound) {
    if (picker.hoverIdCopy == 0) {
        picker.lastSounded = 0;
        return;
    }
    if (picker.hoverIdCopy == picker.lastSounded) return;
    picker.lastSounded = picker.hoverIdCopy;
    app.channels[1].Play(sound, static_cast<int32_t>(app.gameState->soundVolume), 1);
}

void DrawPickerSlots(FilePicker& picker, uint32_t firstY, SpriteSheet* nameSheet) {
    for (int slot = 1; slot <= FilePicker::kSlots; ++slot) {
        picker.DrawSlot(slot, kSlotsX, firstY + kRowSpacing * static_cast<uint32_t>(slot - 1), nameSheet);
    }
}

void DropPicker(GameApp& app) {
    if (!app.filePicker) return;
    app.filePicker->FreeSheet();
    app.filePicker.reset();
}

void MakePicker(GameApp& app, uint32_t artUse) {
    if (!app.filePicker) {
        app.filePicker = std::make_unique<FilePicker>();
        app.filePicker->LoadArt(&app.graphics);
    }
    app.EnsureSharedObjects(artUse);
}

FilePicker& PickerWithSlotsProbed(GameApp& app) {
    if (app.gameState->slotsStale) ProbeSaveSlots(app, *app.filePicker);
    return *app.filePicker;
}
