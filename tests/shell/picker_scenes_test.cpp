// The slot pickers, the name entry and the save-failure notice in the real
// game, driven frame by frame.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "harness/game_driver.h"
#include "platform/file_replace.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/file_picker.h"
#include "shell/game_state.h"
#include "shell/name_entry.h"
#include "shell/name_entry_scene.h"
#include "shell/save_file.h"
#include "shell/save_game_scene.h"
#include "shell_scratch_dir.h"
#include "shell_screens.h"

namespace {
// The name-entry panel, kept by its scene.
NameEntry* Panel(GameDriver& driver) { return driver.SceneAs<NameEntryScene>(SceneId::NameEntry).Panel(); }

bool ToMainMenu(GameDriver& driver) {
    if (!driver.Start()) return false;
    driver.RunFrames(2);
    driver.TapKey(key::kReturn);
    return driver.RunUntilScene(SceneId::MainMenu, 20);
}

// A used slot file with the given level and a name of small letters.
void WriteSlot(const std::string& gameDir, int slot, uint32_t level, std::vector<uint8_t> name) {
    GameState state;
    state.NewGame();
    state.level = level;
    name.push_back(NameEntry::kEndMarker);
    for (size_t i = 0; i < name.size(); ++i) state.playerName[i] = name[i];
    for (size_t i = name.size(); i < 21; ++i) state.playerName[i] = 0;
    std::vector<uint8_t> body(save_file::kBodyBytes);
    save_file::Encode(state, body.data());
    ShellScratchDir::Write(gameDir + "/Saves/" + std::to_string(slot) + ".save", ShellScratchDir::BlobFile(body));
}

std::vector<uint8_t> NameOf(const GameState& state) { return {state.playerName, state.playerName + 21}; }

// Moves the cursor to (x, y) from where it is.
void PointAt(GameDriver& driver, int x, int y) {
    MouseCursor& cursor = *driver.App().cursor;
    driver.MoveMouse(x - cursor.x, y - cursor.y);
    driver.RunFrames(1);
}

int FailRename(const char*, const char*) { return -1; }

}  // namespace

TEST(NameEntryScene, EscKeepsTheDefaultNameAndOnlyOneKeyActsPerFrame) {
    GameDriver driver;
    ASSERT_TRUE(ToMainMenu(driver));
    const std::vector<uint8_t> defaultName = NameOf(*driver.App().gameState);
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 10));
    NameEntry& panel = *Panel(driver);

    // B and C in one frame: B comes first in the test order, C is lost.
    driver.PressKey(key::kC);
    driver.PressKey(key::kB);
    driver.RunFrames(1);
    driver.ReleaseKey(key::kB);
    driver.ReleaseKey(key::kC);
    driver.RunFrames(1);
    driver.TapKey(key::kD);
    EXPECT_EQ(panel.nameCells[0], 3);
    EXPECT_EQ(panel.nameCells[1], 5);
    EXPECT_EQ(panel.MarkerIndex(), 2);

    // Backspace held for many frames deletes one glyph.
    driver.PressKey(key::kBack);
    driver.RunFrames(8);
    driver.ReleaseKey(key::kBack);
    driver.RunFrames(1);
    EXPECT_EQ(panel.MarkerIndex(), 1);

    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 10));
    EXPECT_EQ(NameOf(*driver.App().gameState), defaultName);

    // A second visit in the same run starts with the name typed before.
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 10));
    EXPECT_EQ(Panel(driver)->nameCells[0], 3);
    EXPECT_EQ(Panel(driver)->MarkerIndex(), 1);
}

TEST(NameEntryScene, ReadyConfirmsEvenWhenThePointerLeavesBeforeTheRelease) {
    GameDriver driver;
    ASSERT_TRUE(ToMainMenu(driver));
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 10));
    driver.TapKey(key::kZ);
    PointAt(driver, 380, 500);
    driver.PressButton(0);
    driver.RunFrames(1);
    EXPECT_EQ(Panel(driver)->readyFrame, 2);
    EXPECT_TRUE(driver.App().IsCurrent(SceneId::NameEntry));
    PointAt(driver, 100, 100);  // off the button, still held
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 10));
    driver.ReleaseButton(0);
    EXPECT_EQ(driver.App().gameState->playerName[0], 27);
    EXPECT_EQ(driver.App().gameState->playerName[1], NameEntry::kEndMarker);
}

TEST(NewGameSlotScene, WithEverySlotUsedThePlayerPicksOneToOverwrite) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    for (int slot = 1; slot <= 5; ++slot) WriteSlot(driver.GameDir(), slot, 7 * slot * slot, {2, 3, 4});
    driver.RunFrames(2);
    driver.TapKey(key::kReturn);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 20));
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NewGameSlot, 10));
    driver.RunFrames(2);
    ASSERT_NE(driver.App().filePicker, nullptr);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(driver.App().filePicker->slotUsed[k], 1);
    EXPECT_EQ(driver.App().filePicker->slotLevel[4], 175);
    EXPECT_TRUE(ScreenMatches(driver, "new_game_slot"));

    driver.TapKey(key::k3);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 10));
    EXPECT_EQ(driver.App().gameState->saveSlot, 3);
    EXPECT_EQ(driver.App().filePicker, nullptr);
}

TEST(LoadPickerScene, EmptyAndDamagedSlotsCannotBeChosen) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    WriteSlot(driver.GameDir(), 4, 100, {28, 29, 2});
    ShellScratchDir::Write(driver.GameDir() + "/Saves/2.save", {4, 0, 0, 0, 1, 2, 3, 4});
    driver.RunFrames(2);
    driver.TapKey(key::kReturn);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 20));
    driver.TapKey(key::kL);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::LoadGamePicker, 10));
    driver.TapKey(key::k3);
    driver.TapKey(key::k2);
    EXPECT_TRUE(driver.App().IsCurrent(SceneId::LoadGamePicker));
    EXPECT_EQ(driver.App().filePicker->slotUsed[1], 0);

    // A click on the used slot's button loads it once the button is released.
    PointAt(driver, 480, 440);
    driver.PressButton(0);
    driver.RunFrames(1);
    EXPECT_EQ(driver.App().filePicker->slotFrames[3], 2);
    driver.ReleaseButton(0);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 10));
    EXPECT_EQ(driver.App().gameState->saveSlot, 4);
    EXPECT_EQ(driver.App().gameState->level, 100u);
}

TEST(SaveFailureNotice, TellsThePlayerAndReturnsToTheArea) {
    GameDriver driver;
    ASSERT_TRUE(ToMainMenu(driver));
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 10));
    driver.TapKey(key::kReturn);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Story, 5));
    driver.TapKey(key::kReturn);  // past the intro
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 10));
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::SaveQuit, 10));
    SetReplaceRenameForTesting(FailRename);
    driver.TapKey(key::kY);
    SetReplaceRenameForTesting(nullptr);
    EXPECT_TRUE(driver.App().IsCurrent(SceneId::SaveGame));
    EXPECT_EQ(driver.SceneAs<SaveGameScene>(SceneId::SaveGame).saveFailed, 1);
    EXPECT_FALSE(std::filesystem::exists(driver.GameDir() + "/Saves/1.save"));
    driver.RunFrames(3);
    EXPECT_TRUE(driver.App().IsCurrent(SceneId::SaveGame));
    EXPECT_TRUE(ScreenMatches(driver, "save_failed"));
    driver.TapKey(key::kReturn);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 10));
    EXPECT_EQ(driver.SceneAs<SaveGameScene>(SceneId::SaveGame).saveFailed, 0);
}
