// The slot pickers, the name entry and the save-failure notice in the real
// game, driven frame by frame.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "harness/game_driver.h"
#include "hud/control_panel.h"
#include "platform/file_replace.h"
#include "platform/key_codes.h"
#include "platform/motion_stepper.h"
#include "shell/file_picker.h"
#include "shell/game_state.h"
#include "shell/name_entry.h"
#include "shell/name_entry_scene.h"
#include "shell/save_game_scene.h"
#include "shell_scratch_dir.h"

namespace {
// The name-entry panel, kept by its scene.
NameEntry* Panel(GameDriver& driver) { return driver.SceneAs<NameEntryScene>(SceneId::NameEntry).Panel(); }

// A used slot with the given level and a name of three glyphs.
void WriteSlot(GameDriver& driver, int slot, uint32_t level, std::vector<uint8_t> name) {
    GameState state;
    state.NewGame();
    state.level = level;
    name.push_back(NameEntry::kEndMarker);
    name.resize(GameState::kNameCells, 0);
    for (int i = 0; i < GameState::kNameCells; ++i) state.playerName[i] = name[static_cast<size_t>(i)];
    ASSERT_TRUE(driver.WriteSaveSlot(slot, state));
}

std::vector<uint8_t> NameOf(const GameState& state) { return {state.playerName, state.playerName + 21}; }

int FailRename(const char*, const char*) { return -1; }

}  // namespace

TEST(NameEntryScene, EscKeepsTheDefaultNameAndOnlyOneKeyActsPerFrame) {
    GameDriver driver;
    ASSERT_TRUE(driver.ToMainMenu());
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
    ASSERT_TRUE(driver.ToMainMenu());
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 10));
    driver.TapKey(key::kZ);
    driver.PointAt(380, 500);
    driver.PressButton(0);
    driver.RunFrames(1);
    EXPECT_EQ(Panel(driver)->readyFrame, 2);
    EXPECT_TRUE(driver.App().IsCurrent(SceneId::NameEntry));
    driver.PointAt(100, 100);  // off the button, still held
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 10));
    driver.ReleaseButton(0);
    EXPECT_EQ(driver.App().gameState->playerName[0], 27);
    EXPECT_EQ(driver.App().gameState->playerName[1], NameEntry::kEndMarker);
}

// A second new game in a run whose control panel shows an expired title:
// leaving for the story arms the title again and drops the steppers.
TEST(NameEntryScene, LeavingForTheStoryArmsTheAreaTitleAndDropsItsSteppers) {
    GameDriver driver;
    ASSERT_TRUE(driver.NewGameToHomeBase());
    driver.RunFrames(120);
    ASSERT_EQ(driver.App().controlPanel->areaTitleTimer, 0);
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::SaveQuit, 10));
    driver.TapKey(key::kY);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 10));
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 10));
    driver.PressKey(key::kReturn);
    for (int frame = 0; frame < 5 && !driver.App().IsCurrent(SceneId::Story); ++frame) driver.RunFrames(1);
    ASSERT_TRUE(driver.App().IsCurrent(SceneId::Story));
    EXPECT_EQ(driver.App().controlPanel->areaTitleTimer, 1);
    for (int k : {0, 1, 2, 3, 5}) EXPECT_EQ(driver.App().steppers[k], nullptr) << k;
}

TEST(NewGameSlotScene, WithEverySlotUsedThePlayerPicksOneToOverwrite) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    for (int slot = 1; slot <= 5; ++slot) WriteSlot(driver, slot, 7 * slot * slot, {2, 3, 4});
    ASSERT_TRUE(driver.ToMainMenu());
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NewGameSlot, 10));
    driver.RunFrames(2);
    ASSERT_NE(driver.App().filePicker, nullptr);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(driver.App().filePicker->slotUsed[k], 1);
    EXPECT_EQ(driver.App().filePicker->slotLevel[4], 175);
    EXPECT_TRUE(driver.MatchesReference("shell", "new_game_slot"));

    driver.TapKey(key::k3);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 10));
    EXPECT_EQ(driver.App().gameState->saveSlot, 3);
    EXPECT_EQ(driver.App().filePicker, nullptr);
}

TEST(LoadPickerScene, EmptyAndDamagedSlotsCannotBeChosen) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    WriteSlot(driver, 4, 100, {28, 29, 2});
    ShellScratchDir::Write(driver.GameDir() + "/Saves/2.save", {4, 0, 0, 0, 1, 2, 3, 4});
    ASSERT_TRUE(driver.ToMainMenu());
    driver.TapKey(key::kL);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::LoadGamePicker, 10));
    driver.TapKey(key::k3);
    driver.TapKey(key::k2);
    EXPECT_TRUE(driver.App().IsCurrent(SceneId::LoadGamePicker));
    EXPECT_EQ(driver.App().filePicker->slotUsed[1], 0);

    // A click on the used slot's button loads it once the button is released.
    driver.PointAt(480, 440);
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
    ASSERT_TRUE(driver.NewGameToHomeBase());
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
    EXPECT_TRUE(driver.MatchesReference("shell", "save_failed"));
    driver.TapKey(key::kReturn);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 10));
    EXPECT_EQ(driver.SceneAs<SaveGameScene>(SceneId::SaveGame).saveFailed, 0);
}
