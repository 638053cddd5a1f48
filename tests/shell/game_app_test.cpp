#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "harness/driven_play.h"
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

TEST(GameDriverScript, ParsesEveryActionAndRejectsBadLines) {
    std::vector<DriverAction> actions;
    std::string error;
    ASSERT_TRUE(ParseDriverScript("# comment\n"
                                  "3 key Return down\n"
                                  "4 key Left Ctrl up\n"
                                  "5 key 0x15 down\n"
                                  "6 mouse -10 20\n"
                                  "7 button 1 down\n"
                                  "8 screenshot out.png\n"
                                  "9 lose-device\n"
                                  "10 restore-device\n"
                                  "11 set questStates 2 2 1 0*97\n"
                                  "12 scene Invasions\n"
                                  "13 steer 512 -9600 30\n",
                                  actions, error))
        << error;
    ASSERT_EQ(actions.size(), 11u);
    EXPECT_EQ(actions[0].a, key::kReturn);
    EXPECT_EQ(actions[1].a, key::kLeftControl);
    EXPECT_EQ(actions[1].kind, DriverAction::Kind::KeyUp);
    EXPECT_EQ(actions[2].a, key::kY);
    EXPECT_EQ(actions[3].a, -10);
    EXPECT_EQ(actions[3].b, 20);
    EXPECT_EQ(actions[4].kind, DriverAction::Kind::ButtonDown);
    EXPECT_EQ(actions[5].path, "out.png");
    EXPECT_EQ(actions[7].frame, 10u);
    EXPECT_EQ(actions[8].kind, DriverAction::Kind::SetField);
    EXPECT_EQ(actions[8].path, "questStates");
    EXPECT_EQ(actions[9].a, static_cast<int>(SceneId::Invasions));
    EXPECT_EQ(actions[10].kind, DriverAction::Kind::Steer);
    EXPECT_EQ(std::vector<int>({actions[10].a, actions[10].b, actions[10].c}), std::vector<int>({512, -9600, 30}));

    for (const char* bad : {"x key Return down", "3 key Nowhere down", "3 key Return sideways", "3 button 7 down",
                            "3 mouse 1", "3 dance", "3 set questSet", "3 set nowhere 1", "3 set musicOn 256",
                            "3 scene Nowhere", "3 steer 1 2", "3 steer 1 2 -5"}) {
        std::vector<DriverAction> none;
        EXPECT_FALSE(ParseDriverScript(bad, none, error)) << bad;
    }
}

// Steering flies the ship, the button held, to each point in turn and
// leaves the cursor alone once its frames are over.
TEST(GameDriverScript, SteerFliesTheShipToAWorldPointAndThenStops) {
    GameDriver driver;
    ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver));
    std::vector<DriverAction> actions;
    std::string error;
    const uint32_t at = driver.FrameNumber();
    const std::string script = std::to_string(at) + " button 0 down\n" + std::to_string(at) +
                               " steer 250 -1000 250\n" + std::to_string(at + 250) + " steer 800 -700 250\n";
    ASSERT_TRUE(ParseDriverScript(script, actions, error)) << error;
    driver.AddActions(actions);
    int32_t x = 0, y = 0;
    driver.ShipCentre(x, y);
    ASSERT_GT(std::abs(x - 250) + std::abs(y + 1000), 300) << "the ship starts far from the first point";
    for (const auto& [frames, toX, toY] : {std::tuple{250, 250, -1000}, std::tuple{250, 800, -700}}) {
        driver.RunFrames(frames);
        driver.ShipCentre(x, y);
        EXPECT_LE(std::abs(x - toX), 24) << toX << ", " << toY;
        EXPECT_LE(std::abs(y - toY), 24) << toX << ", " << toY;
    }
    const MouseCursor& cursor = *driver.App().cursor;
    const int32_t cursorX = cursor.x, cursorY = cursor.y;
    driver.RunFrames(5);
    EXPECT_EQ(std::vector<int32_t>({cursor.x, cursor.y}), std::vector<int32_t>({cursorX, cursorY}));
}

// A save cut short by a killed process leaves its temporary file; the next
// start removes it and leaves the finished files alone.
TEST(GameAppStart, RemovesTemporaryFilesLeftByAnInterruptedSave) {
    GameDriver driver;
    namespace fs = std::filesystem;
    for (const char* name : {"Saves/3.save.tmp", "Saves/Options/MusicVolume.txt.tmp", "Saves/3.save"}) {
        std::FILE* file = std::fopen(name, "wb");
        ASSERT_NE(file, nullptr) << name;
        std::fputs("x", file);
        std::fclose(file);
    }
    ASSERT_TRUE(driver.Start());
    EXPECT_FALSE(fs::exists("Saves/3.save.tmp"));
    EXPECT_FALSE(fs::exists("Saves/Options/MusicVolume.txt.tmp"));
    EXPECT_TRUE(fs::exists("Saves/3.save"));
}

namespace {
// The window as it was shown, and the size changes it went through after.
struct WindowHistory {
    int shownX = -1, shownY = -1, shownW = 0, shownH = 0;
    int sizeChanges = 0;
};

int RecordWindow(void* data, SDL_Event* event) {
    auto& history = *static_cast<WindowHistory*>(data);
    if (event->type != SDL_WINDOWEVENT) return 0;
    SDL_Window* window = SDL_GetWindowFromID(event->window.windowID);
    if (event->window.event == SDL_WINDOWEVENT_SHOWN && window) {
        SDL_GetWindowPosition(window, &history.shownX, &history.shownY);
        SDL_GetWindowSize(window, &history.shownW, &history.shownH);
    }
    if (event->window.event == SDL_WINDOWEVENT_SIZE_CHANGED) ++history.sizeChanges;
    return 0;
}
}  // namespace

// Every change to a shown window waits on the window manager: the title's
// window opens centred at its size and the start leaves it there.
TEST(GameAppStart, WindowOpensCentredAtTheTitlesSizeAndStaysSo) {
    GameDriver driver;
    WindowHistory history;
    SDL_AddEventWatch(RecordWindow, &history);
    ASSERT_TRUE(driver.Start());
    driver.RunFrames(2);
    SDL_DelEventWatch(RecordWindow, &history);

    SDL_DisplayMode desktop;
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0);
    const int centreX = desktop.w / 2 - 200;
    const int centreY = desktop.h / 2 - 200;
    EXPECT_EQ(std::vector<int>({history.shownX, history.shownY, history.shownW, history.shownH}),
              std::vector<int>({centreX, centreY, 400, 400}));
    EXPECT_EQ(history.sizeChanges, 0);
    GameApp& app = driver.App();
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(app.window, &x, &y);
    SDL_GetWindowSize(app.window, &w, &h);
    EXPECT_EQ(std::vector<int>({x, y, w, h}), std::vector<int>({centreX, centreY, 400, 400}));
    EXPECT_EQ(std::vector<int>({app.x, app.y}), std::vector<int>({centreX, centreY}));
}
