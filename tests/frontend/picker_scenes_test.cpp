// The name entry and the two slot pickers in the real game, driven frame by
// frame.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "front_end_driving.h"
#include "page_driving.h"
#include "frontend/main_menu_scene.h"
#include "frontend/menu_backdrop.h"
#include "frontend/name_entry_scene.h"
#include "harness/game_driver.h"
#include "hud/advisor_bubble.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "shell/file_picker.h"
#include "shell/game_state.h"
#include "shell/name_entry.h"

using namespace front_end_test;
using namespace page_driving;

namespace {
// The name-entry panel, kept by its scene.
NameEntry* Panel(GameDriver& driver) { return driver.SceneAs<NameEntryScene>(SceneId::NameEntry).Panel(); }

std::vector<uint8_t> NameOf(const GameState& state) { return {state.playerName, state.playerName + 21}; }

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
    PointAt(driver, {380, 500});
    driver.PressButton(0);
    driver.RunFrames(1);
    EXPECT_EQ(Panel(driver)->readyFrame, 2);
    EXPECT_TRUE(driver.App().IsCurrent(SceneId::NameEntry));
    PointAt(driver, {100, 100});  // off the button, still held
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
    for (int k = 0; k < 5; ++k) EXPECT_EQ(driver.App().steppers[k], nullptr) << k;
}

// The panel's own stepper brings every part of it to rest: the strips, the
// spread hands, hands 3 and 5 (which move by a third of each step) and the
// bar that grows once hand 3 is in.
TEST(NameEntryScene, ThePanelSlidesAllTheWayInOnItsOwnStepper) {
    GameDriver driver;
    ASSERT_TRUE(driver.ToMainMenu());
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 10));
    const NameEntry& panel = *Panel(driver);
    const auto rested = [&panel] { return panel.hand2Spread == 336 && panel.hand5Y == 536 && panel.growPhase == 3; };
    bool hand3Moved = false;
    for (int frame = 0; frame < 800 && !rested(); ++frame) {
        driver.RunFrames(1);
        hand3Moved = hand3Moved || panel.hand3X != -64;
    }
    EXPECT_TRUE(hand3Moved);
    EXPECT_EQ(panel.stripsX, 233);
    EXPECT_EQ(panel.hand2Spread, 336);
    EXPECT_EQ(panel.hand3X, 0);
    EXPECT_EQ(panel.hand5Y, 536);
    EXPECT_EQ(panel.growPhase, 3);
}

// On slow frames (100 ms) the advisor still rises at its 20 px/s: the
// stepper learns the frame's length instead of keeping to a step a frame.
TEST(NameEntryScene, TheAdvisorRisesAtItsOwnSpeedOnSlowFrames) {
    GameDriver::Options options;
    options.msPerFrame = 100;
    GameDriver driver(options);
    ASSERT_TRUE(driver.ToMainMenu());
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 10));
    driver.RunFrames(30);
    const int32_t before = driver.App().advisor->advisorY;
    driver.RunFrames(10);
    const int32_t risen = before - driver.App().advisor->advisorY;
    EXPECT_GE(risen, 15) << "a second of frames";
    EXPECT_LE(risen, 40);
}


TEST(NewGameSlotScene, WithEverySlotUsedThePlayerPicksOneToOverwriteAndItSurvivesADeviceLoss) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    for (int slot = 1; slot <= 5; ++slot) WriteSlot(driver.GameDir(), slot, 7 * slot * slot, {2, 3, 4});
    ASSERT_TRUE(ToMainMenu(driver));
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NewGameSlot, 10));
    EXPECT_EQ(driver.App().gameState->saveSlot, 0);
    driver.RunFrames(2);
    FilePicker& picker = *driver.App().filePicker;
    for (int k = 0; k < 5; ++k) EXPECT_EQ(picker.slotUsed[k], 1);
    EXPECT_EQ(picker.slotLevel[4], 175);
    EXPECT_TRUE(ShowsReference(driver, "new_game_slot"));

    // Lost, the picker stops drawing and lets its art go; back, it shows
    // "L O A D I N G" once and reloads.
    const uint32_t loadingBefore = driver.App().loadingScreens;
    driver.LoseDevice();
    driver.RunFrames(3);
    EXPECT_EQ(driver.App().deviceLost, 1);
    EXPECT_EQ(picker.sheet, nullptr);
    driver.RestoreDevice();
    driver.RunFrames(2);
    EXPECT_EQ(driver.App().deviceLost, 0);
    EXPECT_EQ(driver.App().loadingScreens, loadingBefore + 1);
    ASSERT_TRUE(driver.App().IsCurrent(SceneId::NewGameSlot));
    EXPECT_NE(driver.App().filePicker->sheet, nullptr);

    driver.TapKey(key::k3);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 10));
    EXPECT_EQ(driver.App().gameState->saveSlot, 3);
    EXPECT_EQ(driver.App().filePicker, nullptr);
}

TEST(LoadPickerScene, EmptyTruncatedAndDamagedSlotsShowEmptyAndCannotBeChosen) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    WriteSlot(driver.GameDir(), 4, 100, {28, 29, 2});
    // A whole save cut short after its name: the header must not be read.
    WriteSlot(driver.GameDir(), 2, 77, {5, 6, 7});
    std::filesystem::resize_file(driver.GameDir() + "/Saves/2.save", 4000);
    WriteFile(driver.GameDir() + "/Saves/5.save", {4, 0, 0, 0, 1, 2, 3, 4});
    ASSERT_TRUE(ToMainMenu(driver));
    driver.TapKey(key::kL);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::LoadGamePicker, 10));
    FilePicker& picker = *driver.App().filePicker;
    const uint8_t expectUsed[5] = {0, 0, 0, 1, 0};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(picker.slotUsed[k], expectUsed[k]) << "slot " << k + 1;
    EXPECT_EQ(picker.slotNames[1][0], 0);
    EXPECT_EQ(picker.slotNames[3][0], 28);
    EXPECT_EQ(picker.slotLevel[3], 100);
    for (uint8_t code : {key::k2, key::k3, key::k5}) {
        driver.TapKey(code);
        EXPECT_TRUE(driver.App().IsCurrent(SceneId::LoadGamePicker));
    }

    // The advisor asks for a number; the ship comes back down from above.
    EXPECT_EQ(driver.App().advisor->hintIndex, 1u);
    const MenuBackdrop& backdrop = *driver.SceneAs<MainMenuScene>(SceneId::MainMenu).Backdrop();
    EXPECT_EQ(backdrop.directionFlags[MenuBackdrop::kDown], 1);
    const int32_t shipY = backdrop.shipY;
    driver.RunFrames(10);
    EXPECT_GT(backdrop.shipY, shipY);

    // A click on the used slot's button loads it once the button is released.
    PointAt(driver, {480, 440});
    driver.PressButton(0);
    driver.RunFrames(1);
    EXPECT_EQ(picker.slotFrames[3], 2);
    driver.ReleaseButton(0);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 10));
    EXPECT_EQ(driver.App().gameState->saveSlot, 4);
    EXPECT_EQ(driver.App().gameState->level, 100u);
}
