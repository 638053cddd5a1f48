// A save that cannot be written, met in the real game.
#include <gtest/gtest.h>

#include <filesystem>

#include "harness/game_driver.h"
#include "platform/file_replace.h"
#include "platform/key_codes.h"
#include "shell/save_game_scene.h"


namespace {
int FailRename(const char*, const char*) { return -1; }
}  // namespace

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
