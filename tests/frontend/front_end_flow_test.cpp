// The whole front end through the real game: the title, the main menu's
// opening flight, a new game in the first free slot with a typed name, the
// home base, save and quit, then the load picker bringing the game back.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "battle/battle_engine.h"
#include "front_end_driving.h"
#include "page_driving.h"
#include "harness/game_driver.h"
#include "platform/key_codes.h"
#include "shell/file_picker.h"
#include "shell/game_state.h"
#include "shell/name_entry.h"

using namespace front_end_test;
using namespace page_driving;

namespace {

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

}  // namespace

TEST(FrontEndTour, ANewGameInTheFirstFreeSlotIsSavedAndLoadedBackThroughTheMenus) {
    GameDriver driver;
    WriteSlot(driver.GameDir(), 1, 12, {2, 3});
    ASSERT_TRUE(driver.Start());
    GameApp& app = driver.App();
    driver.RunFrames(2);
    Click(driver, {200, 350});
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 3));

    // The opening flight: the last ring opens at the third second.
    for (int k = 0; k < 300 && app.battleEngine->ring[2].state == 0; ++k) driver.RunFrames(1);
    EXPECT_EQ(app.secondsInScene, 3u);

    // New on the bar: slot 1 is used, so the game goes to slot 2.
    Click(driver, {100, 580});
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 3));
    EXPECT_EQ(app.gameState->saveSlot, 2);
    TypeCapital(driver, key::kA);
    driver.TapKey(key::kC);
    driver.TapKey(key::kE);
    driver.TapKey(key::kPeriod);
    driver.RunFrames(90);
    EXPECT_TRUE(ShowsReference(driver, "name_entry"));
    driver.TapKey(key::kReturn);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Story, 5));
    driver.TapKey(key::kReturn);  // past the intro
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 50));
    const uint8_t ace[] = {28, 29, 4, 6, 78, NameEntry::kEndMarker, 0};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(app.gameState->playerName[i], ace[i]) << "cell " << i;
    driver.RunFrames(10);
    const std::string saved = driver.DumpState();
    const uint32_t level = app.gameState->level;

    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::SaveQuit, 10));
    Click(driver, {200, 340});  // Yes
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 10));
    EXPECT_TRUE(std::filesystem::exists(driver.GameDir() + "/Saves/2.save"));

    // A new game begun and abandoned moves the record on.
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 3));
    EXPECT_EQ(app.gameState->saveSlot, 3);
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 3));
    EXPECT_NE(GameFields(driver.DumpState()), GameFields(saved));

    // Load on the bar: slot 2 shows the typed name and the level.
    Click(driver, {215, 580});
    ASSERT_TRUE(driver.RunUntilScene(SceneId::LoadGamePicker, 3));
    driver.RunFrames(30);
    const FilePicker& picker = *app.filePicker;
    EXPECT_EQ(picker.slotUsed[1], 1);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(picker.slotNames[1][i], ace[i]) << "cell " << i;
    EXPECT_EQ(picker.slotLevel[1], level);
    EXPECT_TRUE(ShowsReference(driver, "load_picker"));
    driver.TapKey(key::k2);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 10));
    EXPECT_EQ(app.gameState->loadSucceeded, 1);
    EXPECT_EQ(app.filePicker, nullptr);
    EXPECT_EQ(GameFields(driver.DumpState()), GameFields(saved));
}
