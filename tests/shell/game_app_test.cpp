#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "harness/game_driver.h"
#include "platform/audio_system.h"
#include "platform/font.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "platform/sprite_sheet.h"
#include "shell/game_state.h"

namespace {
// Loses the device at the end of the next frame and restores it after two
// lost frames; returns the scene runs of the frame the device came back.
uint32_t LoseAndRestore(GameDriver& driver) {
    driver.LoseDevice();
    driver.RunFrames(1);  // the scene finds the device lost at its end
    EXPECT_EQ(driver.App().deviceLost, 1);
    uint32_t runs = driver.App().sceneRuns;
    driver.RunFrames(2);  // still lost: no scene runs
    EXPECT_EQ(driver.App().sceneRuns, runs);
    driver.RestoreDevice();
    runs = driver.App().sceneRuns;
    driver.RunFrames(1);
    return driver.App().sceneRuns - runs;
}
}  // namespace

// The device comes back at the size of the scene it was lost in: the
// title's small window, the menus' full screen; the art is loaded again.
TEST(GameAppDevice, LossComesBackAtTheScenesSizeWithItsArtReloaded) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    driver.RunFrames(3);
    GameApp& app = driver.App();
    const struct {
        SceneId scene;
        int width, height, windowed;
    } cases[] = {{SceneId::Title, 400, 400, 1}, {SceneId::MainMenu, 800, 600, 0}};
    for (const auto& c : cases) {
        if (c.scene == SceneId::MainMenu) {
            driver.TapKey(key::kReturn);
            ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 10));
        }
        const uint32_t loadingBefore = app.loadingScreens;
        EXPECT_EQ(LoseAndRestore(driver), 2u) << "the scene runs twice on the frame the device comes back";
        EXPECT_EQ(app.deviceLost, 0);
        EXPECT_EQ(app.graphics.width, c.width);
        EXPECT_EQ(app.graphics.height, c.height);
        EXPECT_EQ(app.graphics.windowed, c.windowed);
        EXPECT_EQ(app.loadingScreens, loadingBefore + 1);
        EXPECT_TRUE(app.IsCurrent(c.scene));
        EXPECT_EQ(app.leaveScene, 0);
        ASSERT_NE(app.cursor->sheet, nullptr);
        EXPECT_NE(app.cursor->sheet->images[0].texture, nullptr) << "cursor art loaded again";
    }
}

TEST(GameAppHotkeys, LaterKeyWinsAndAHeldKeyKeepsTheScreen) {
    GameDriver driver;
    ASSERT_TRUE(driver.NewGameToHomeBase());

    driver.PressKey(key::kY);
    driver.PressKey(key::kB);
    driver.RunFrames(1);
    EXPECT_EQ(driver.App().sceneFrame, SceneId::Buildings) << "B is tested after Y";
    EXPECT_EQ(driver.App().screenPage, 3);
    driver.ReleaseKey(key::kY);

    // B still held: Buildings keeps selecting itself and stays.
    driver.RunFrames(5);
    EXPECT_EQ(driver.App().sceneFrame, SceneId::Buildings);
    EXPECT_EQ(driver.App().leaveScene, 0);
    driver.ReleaseKey(key::kB);

    // Back returns to the area the record names, marked as a return.
    driver.TapKey(key::kEscape);
    EXPECT_EQ(driver.App().sceneFrame, SceneId::HomeBase);
    EXPECT_EQ(driver.App().gameState->location, 1u);
}

TEST(GameAppTiming, FirstFrameOfASceneIsNotMeasured) {
    GameDriver::Options options;
    options.msPerFrame = 20;
    GameDriver driver(options);
    ASSERT_TRUE(driver.Start());
    driver.RunFrames(5);
    GameApp& app = driver.App();
    // The driver's present takes a frame's time, so frames measure 20 ms.
    EXPECT_EQ(app.lastFrameMs, 20u);
    app.lastFrameMs = 77;  // as if the previous scene's last frame took 77 ms
    app.SwitchScene(SceneId::Credits);
    driver.RunFrames(1);
    EXPECT_EQ(app.lastFrameMs, 77u) << "the first frame after a switch keeps the old value";
    EXPECT_EQ(app.frameTimerArmed, 1);
    driver.RunFrames(1);
    EXPECT_EQ(app.lastFrameMs, 20u) << "the second frame measures";
}

TEST(GameAppTiming, CountFpsClosesTheSecondOnTheFrameThatPassesIt) {
    GameApp app;
    app.lastFrameMs = 16;
    for (int frame = 1; frame <= 62; ++frame) app.CountFps();
    EXPECT_EQ(app.fps, 0u);
    EXPECT_EQ(app.msCounted, 992u);
    app.CountFps();  // 1008 ms > 1000
    EXPECT_EQ(app.fps, 63u);
    EXPECT_EQ(app.msCounted, 0u);
    EXPECT_EQ(app.framesCounted, 0u);
    app.CountFps();
    EXPECT_EQ(app.framesCounted, 1u);
}

TEST(GameAppMp3, RestartsFromTheStartOnTheFrameItsEndIsReported) {
    std::string mp3 = std::string(std::getenv("GAME_DIR") ? std::getenv("GAME_DIR") : "build/game") +
                      "/Data/Devivi.mp3";
    if (!std::filesystem::exists(mp3)) GTEST_SKIP() << "no MP3 encoder: the stand-in MP3 was not made";
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    GameApp& app = driver.App();
    if (!app.audio.IsOpen()) GTEST_SKIP() << "no audio device";
    app.gameState->musicOn = 1;
    app.KeepMp3Playing(-700);
    EXPECT_EQ(app.mp3State, 2);
    EXPECT_EQ(app.mp3.IsRunning(), 1);
    EXPECT_EQ(app.mp3.volume, -700);

    Mix_HaltChannel(AudioSystem::kStreamChannel);  // the track reaches its end
    app.KeepMp3Playing(-900);
    EXPECT_EQ(app.mp3EventCode, Mp3Stream::kEventComplete);
    EXPECT_EQ(app.mp3State, 2);
    EXPECT_EQ(app.mp3.IsRunning(), 1) << "started again in the same frame";
    EXPECT_EQ(app.mp3.volume, -900);

    app.StopMp3();
    EXPECT_EQ(app.mp3State, 0);
    EXPECT_EQ(app.mp3.IsRunning(), 0);

    // With music off nothing starts it.
    app.gameState->musicOn = 0;
    app.KeepMp3Playing(-700);
    EXPECT_EQ(app.mp3State, 0);
}

TEST(GameAppLifecycle, QuitFromTheMainMenuEndsTheRun) {
    GameDriver driver;
    ASSERT_TRUE(driver.ToMainMenu());
    driver.PressKey(key::kEscape);
    driver.RunFrames(3);
    EXPECT_TRUE(driver.QuitRequested());
    driver.Finish();
    EXPECT_EQ(driver.App().cursor, nullptr);
    EXPECT_EQ(driver.App().gameState, nullptr);
    EXPECT_EQ(driver.App().sharedFont, nullptr);
}
