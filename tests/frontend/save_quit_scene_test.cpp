// The save-and-quit question driven through the real game: every way of
// answering it from the home base and the first region, a press dragged off
// its button, the shortcut keys it ignores, a device loss while it is up and
// the music it keeps.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "frontend/save_quit_scene.h"
#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "platform/audio_system.h"
#include "platform/key_codes.h"
#include "platform/sprite_sheet.h"
#include "shell/game_state.h"

namespace {

using driven_play::PointAt;

constexpr int32_t kYesX = 200, kNoX = 550, kButtonY = 340;

class SaveQuitGame : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver)); }

    GameApp& App() { return driver.App(); }
    SaveQuitScene& Question() { return driver.SceneAs<SaveQuitScene>(SceneId::SaveQuit); }
    void Ask() {
        driver.TapKey(key::kEscape);
        ASSERT_TRUE(App().IsCurrent(SceneId::SaveQuit));
        ASSERT_NE(Question().Dialog(), nullptr);
    }
    void Tap(uint8_t code) { driver.TapKey(code); }
    void ClickAt(int32_t x) {
        PointAt(driver, x, kButtonY);
        driven_play::Click(driver);
    }
    bool SaveWritten() { return std::filesystem::exists(driver.GameDir() + "/Saves/1.save"); }

    GameDriver driver;
};

TEST_F(SaveQuitGame, NoGoesBackToTheAreaItCameFromAndYesSaves) {
    const std::function<void()> noAnswers[] = {
        [this] { Tap(key::kN); },
        [this] { Tap(key::kBack); },
        [this] { Tap(key::kEscape); },
        [this] { ClickAt(kNoX); },
    };
    auto answerNo = [&](SceneId area, int count) {
        for (int k = 0; k < count; ++k) {
            SCOPED_TRACE(k);
            Ask();
            noAnswers[k]();
            EXPECT_TRUE(App().IsCurrent(area));
            EXPECT_EQ(Question().Dialog(), nullptr);
        }
    };
    answerNo(SceneId::HomeBase, 4);
    ASSERT_TRUE(driven_play::FlyToBorderArea(driver));
    answerNo(SceneId::EarthSystem, 3);
    EXPECT_FALSE(SaveWritten());

    Ask();
    driver.PressKey(key::kY);
    driver.RunFrames(1);
    EXPECT_TRUE(App().IsCurrent(SceneId::SaveGame));
    EXPECT_EQ(App().gameState->returnedFromScreen, 1);
    driver.ReleaseKey(key::kY);
    EXPECT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 10));
    EXPECT_TRUE(SaveWritten());
}

// The second region asks too, opened by Backspace as well as Esc.
TEST_F(SaveQuitGame, TheSecondRegionAsksOnBackspaceAndNoReturnsThere) {
    ASSERT_TRUE(driver.SetField("questSet", "2"));
    ASSERT_TRUE(driven_play::FlyToThirdRow(driver, SceneId::Invasions));
    driver.RunFrames(5);
    for (uint8_t opener : {key::kBack, key::kEscape}) {
        SCOPED_TRACE(int(opener));
        Tap(opener);
        ASSERT_TRUE(App().IsCurrent(SceneId::SaveQuit));
        EXPECT_EQ(App().gameState->location, 3u);
        Tap(key::kN);
        EXPECT_TRUE(App().IsCurrent(SceneId::Invasions));
    }
}

TEST_F(SaveQuitGame, APressOnYesAnswersWhenLetGoOverIt) {
    Ask();
    PointAt(driver, kYesX, kButtonY);
    driver.PressButton(0);
    driver.RunFrames(3);
    EXPECT_TRUE(App().IsCurrent(SceneId::SaveQuit)) << "held: no answer yet";
    EXPECT_EQ(Question().Dialog()->yesState, SaveAndQuitDialog::kPressed);
    driver.ReleaseButton(0);
    driver.RunFrames(1);
    EXPECT_TRUE(App().IsCurrent(SceneId::SaveGame));
}

TEST_F(SaveQuitGame, APressOnYesDraggedOntoNoStillSaves) {
    Ask();
    PointAt(driver, kYesX, kButtonY);
    driver.PressButton(0);
    driver.RunFrames(1);
    PointAt(driver, kNoX, kButtonY);
    EXPECT_TRUE(App().IsCurrent(SceneId::SaveGame)) << "leaving the button commits the press";
    driver.ReleaseButton(0);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 10));
    EXPECT_TRUE(SaveWritten());
}

TEST_F(SaveQuitGame, ShortcutKeysOpenNothingWhileTheQuestionIsUp) {
    Ask();
    for (uint8_t code : {key::kB, key::kR, key::kQ, key::kA, key::kW, key::kS, key::kM, key::kC, key::kO}) {
        Tap(code);
        EXPECT_TRUE(App().IsCurrent(SceneId::SaveQuit)) << int(code);
    }
    EXPECT_EQ(Question().ScreensMade(), 1u);
}

TEST_F(SaveQuitGame, ADeviceLossShowsTheQuestionAgainWithItsCloudsAfterOneLoadingFrame) {
    Ask();
    driver.RunFrames(60);
    const SaveAndQuitDialog& dialog = *Question().Dialog();
    int32_t rows[kCloudRows];
    for (int r = 0; r < kCloudRows; ++r) rows[r] = dialog.tileRows[r];
    ASSERT_NE(rows[0], kCloudRowStart[0]) << "the clouds have moved";
    const uint32_t loadings = App().loadingScreens;
    driver.LoseDevice();
    driver.RunFrames(3);
    driver.RestoreDevice();
    driver.RunFrames(1);
    EXPECT_EQ(App().loadingScreens, loadings + 1);
    ASSERT_TRUE(App().IsCurrent(SceneId::SaveQuit));
    ASSERT_EQ(Question().Dialog(), &dialog) << "the same question, not a fresh one";
    for (int r = 0; r < kCloudRows; ++r) EXPECT_NEAR(dialog.tileRows[r], rows[r], 1) << r;
    EXPECT_EQ(dialog.yesSheet->images[0].generation, GraphicsDevice::RendererGeneration());
    PointAt(driver, 20, 20);
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "frontend", "save_quit_scene"));
}

TEST_F(SaveQuitGame, KeepsTheMp3PlayingAtTheManagementVolume) {
    GameApp& app = App();
    if (!app.audio.IsOpen() || app.mp3State != 2) GTEST_SKIP() << "no audio device or no stand-in MP3";
    // The track reaches its end in each scene in turn.
    Mix_HaltChannel(AudioSystem::kStreamChannel);
    driver.RunFrames(1);
    ASSERT_NE(app.mp3.volume, ManagementScene::kMp3Volume) << "the area plays it at the record's volume";
    Ask();
    Mix_HaltChannel(AudioSystem::kStreamChannel);
    driver.RunFrames(1);
    EXPECT_EQ(app.mp3.IsRunning(), 1);
    EXPECT_EQ(app.mp3.volume, ManagementScene::kMp3Volume);
}

}  // namespace
