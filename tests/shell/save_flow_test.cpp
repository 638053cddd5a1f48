// Through the real game: a new game in slot 1 with a typed name, saved from
// the home base, then loaded back through the load picker.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "harness/game_driver.h"
#include "platform/key_codes.h"
#include "shell/game_state.h"
#include "shell/name_entry.h"
#include "shell/name_entry_scene.h"
#include "shell_screens.h"

namespace {
// The name-entry panel, kept by its scene.
NameEntry* Panel(GameDriver& driver) { return driver.SceneAs<NameEntryScene>(SceneId::NameEntry).Panel(); }

// The dump without the slot bookkeeping that saving and probing change by
// design (stale flag, empty-slot marks, the last load's result) and the
// unsaved mark of a game begun with the intro.
std::string GameFields(const std::string& dump) {
    std::istringstream in(dump);
    std::string line, kept;
    while (std::getline(in, line)) {
        if (line.rfind("slotsStale", 0) == 0 || line.rfind("slotEmpty", 0) == 0 ||
            line.rfind("loadSucceeded", 0) == 0 || line.rfind("freshGame", 0) == 0) {
            continue;
        }
        kept += line + '\n';
    }
    return kept;
}

void TypeCapital(GameDriver& driver, uint8_t letterKey) {
    driver.PressKey(key::kLeftShift);
    driver.TapKey(letterKey);
    driver.ReleaseKey(key::kLeftShift);
    driver.RunFrames(1);
}

TEST(SaveFlowThroughTheGame, NewGameNamedInSlotOneSavesAndLoadsBackEqual) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    driver.RunFrames(2);
    driver.TapKey(key::kReturn);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 20));

    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 20));
    EXPECT_EQ(driver.App().gameState->saveSlot, 1);
    driver.RunFrames(2);
    TypeCapital(driver, key::kA);
    driver.TapKey(key::kC);
    driver.TapKey(key::kE);
    driver.TapKey(key::kPeriod);
    // The panel as it rests once slid in (the driver's frames take no time
    // inside the frame, so the slide does not move here).
    NameEntry& panel = *Panel(driver);
    panel.stripsX = 233;
    panel.hand2Spread = 336;
    panel.hand3X = 0;
    panel.hand5Y = 536;
    panel.growPhase = 3;
    driver.RunFrames(3);
    EXPECT_TRUE(ScreenMatches(driver, "name_entry"));
    driver.TapKey(key::kReturn);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Story, 5));
    driver.TapKey(key::kReturn);  // past the intro
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 20));

    GameState& state = *driver.App().gameState;
    const uint8_t ace[] = {28, 29, 4, 6, 78, NameEntry::kEndMarker, 0};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(state.playerName[i], ace[i]) << "cell " << i;
    EXPECT_EQ(state.storyStage, 1);

    // A game under way: values that differ from a new game.
    state.level = 42;
    state.resources[GameState::kGold] = 123456;
    state.weaponPositions[0] = 300;
    state.questStates[4] = 2;
    state.buildingX[2] = 1234;
    driver.RunFrames(2);
    const std::string beforeSave = driver.DumpState();

    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::SaveQuit, 10));
    driver.TapKey(key::kY);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 10));
    EXPECT_TRUE(std::filesystem::exists(driver.GameDir() + "/Saves/1.save"));

    // The record moves on; loading must bring the saved game back.
    state.NewGame();
    driver.TapKey(key::kL);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::LoadGamePicker, 10));
    driver.RunFrames(2);
    EXPECT_TRUE(ScreenMatches(driver, "load_picker"));
    driver.TapKey(key::k1);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 10));
    EXPECT_EQ(driver.App().gameState->loadSucceeded, 1);
    EXPECT_EQ(driver.App().filePicker, nullptr);
    EXPECT_EQ(GameFields(driver.DumpState()), GameFields(beforeSave));
}

}  // namespace
