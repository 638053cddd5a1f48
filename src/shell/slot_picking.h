#pragma once
#include <cstdint>

class FilePicker;
class GameApp;
class SpriteSheet;

// What the two slot-picker scenes share: the probe of the five slot files
// and the picker's mouse handling.

// A picker scene's objects made on first use: the picker, then the shared
// art it needs.
void MakePicker(GameApp& app, uint32_t artUse);
// The picker, its slots probed first when they are stale.
FilePicker& PickerWithSlotsProbed(GameApp& app);

// Reads the five slot files into the picker (used, level, name) and the
// record's slotEmpty; a damaged file is an empty slot. Clears slotsStale.
void ProbeSaveSlots(GameApp& app, FilePicker& picker);

// The slot (1-5) whose number key (top row or numpad) was pressed this
// frame, latching it; 0 when none.
int SlotKeyPressed(GameApp& app);

// Hover and press of the six buttons at the cursor. Returns the id of a
// button whose press has completed (the pointer left it or the buttons were
// released), clearing the press; 0 while nothing completes.
uint8_t PickerMouse(GameApp& app, FilePicker& picker);

// The hover sound: plays once each time the pointer comes onto a button.
void PickerHoverSound(GameApp& app, FilePicker& picker, const char* sound);

// The five slot rows, one under the other from firstY down.
void DrawPickerSlots(FilePicker& picker, uint32_t firstY, SpriteSheet* nameSheet);

// Releases and drops the picker.
void DropPicker(GameApp& app);
