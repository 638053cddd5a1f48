// The main menu in the real game: the new-game probe of the five slots, the
// keys and the bar, the opening flight of the first visit, device loss.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "battle/battle_engine.h"
#include "front_end_driving.h"
#include "page_driving.h"
#include "frontend/main_menu_scene.h"
#include "frontend/menu_backdrop.h"
#include "harness/game_driver.h"
#include "platform/key_codes.h"
#include "shell/game_state.h"

using namespace front_end_test;
using namespace page_driving;

namespace {

MenuBackdrop& Backdrop(GameDriver& driver) { return *driver.SceneAs<MainMenuScene>(SceneId::MainMenu).Backdrop(); }

// Runs frames until the menu's clock shows the given second.
void RunToSecond(GameDriver& driver, uint32_t second) {
    for (int k = 0; k < 400 && driver.App().secondsInScene < second; ++k) driver.RunFrames(1);
}

struct ProbeCase {
    std::vector<int> used;
    int truncated;  // a slot whose file is cut short; 0 none
    SceneId scene;
    uint8_t slot;
};

}  // namespace

TEST(MainMenu, NewGameTakesTheFirstFreeSlotOrOpensThePickerWhenAllFiveAreUsed) {
    const ProbeCase cases[] = {
        {{}, 0, SceneId::NameEntry, 1},
        {{1, 2}, 0, SceneId::NameEntry, 3},
        {{1, 3, 4}, 0, SceneId::NameEntry, 2},
        {{2, 3}, 1, SceneId::NameEntry, 1},
        {{1, 2, 3, 4, 5}, 0, SceneId::NewGameSlot, 0},
    };
    for (const ProbeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.used.size() << " used, slot " << int(c.slot));
        GameDriver driver;
        for (int slot : c.used) WriteSlot(driver.GameDir(), slot, 9, {2});
        if (c.truncated) {
            WriteSlot(driver.GameDir(), c.truncated, 9, {2});
            std::filesystem::resize_file(driver.GameDir() + "/Saves/" + std::to_string(c.truncated) + ".save", 5000);
        }
        ASSERT_TRUE(ToMainMenu(driver));
        driver.TapKey(key::kN);
        ASSERT_TRUE(driver.RunUntilScene(c.scene, 5));
        EXPECT_EQ(driver.App().gameState->saveSlot, c.slot);
    }
}

TEST(MainMenu, NewActsWhenReleasedOverItOrAtOnceWhenThePointerSlidesOff) {
    for (bool slideOff : {false, true}) {
        SCOPED_TRACE(slideOff);
        GameDriver driver;
        ASSERT_TRUE(ToMainMenu(driver));
        PointAt(driver, {100, 580});
        EXPECT_TRUE(LastPlayed(driver.App(), 1, "Data\\RIGHTDEF.wav")) << "the pointer came onto New";
        driver.PressButton(0);
        driver.RunFrames(3);
        EXPECT_TRUE(driver.App().IsCurrent(SceneId::MainMenu)) << "held: nothing yet";
        EXPECT_EQ(Backdrop(driver).buttonState[0], 2);
        if (slideOff) {
            PointAt(driver, {100, 400});
            EXPECT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 2)) << "the button still held";
            driver.ReleaseButton(0);
        } else {
            driver.ReleaseButton(0);
            driver.RunFrames(1);
        }
        EXPECT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 2));
    }
}

// The hover sound plays five under the sound volume; at five or less (0
// here: a sounds file under 53 switches sounds off) it would wrap round to
// a loud one, so it does not play at all.
TEST(MainMenu, TheHoverSoundPlaysFiveUnderTheSoundVolumeAndNotAtAllAtFiveOrLess) {
    struct Case {
        const char* soundsFile;
        bool heard;
        uint32_t volume;
    };
    for (const Case& c : {Case{"52", false, 0}, Case{"53", true, 48}, Case{"100", true, 95}}) {
        SCOPED_TRACE(c.soundsFile);
        GameDriver driver;
        const std::string value(c.soundsFile);
        WriteFile(driver.GameDir() + "/Saves/Options/SoundsVolume.txt", {value.begin(), value.end()});
        ASSERT_TRUE(ToMainMenu(driver));
        PointAt(driver, {100, 400});
        PointAt(driver, {100, 580});
        EXPECT_EQ(LastPlayed(driver.App(), 1, "Data\\RIGHTDEF.wav"), c.heard);
        if (c.heard) {
            EXPECT_EQ(driver.App().channels[1].volume, c.volume);
        }
    }
}

// The menu tune on every entry; back from a game the area's stream stops first.
TEST(MainMenu, BackFromAGameTheAreasStreamGivesWayToTheMenuTune) {
    GameDriver driver;
    ASSERT_TRUE(ToMainMenu(driver));
    GameApp& app = driver.App();
    EXPECT_EQ(app.music.loadedFile, "Data\\scifi025.wav");
    EXPECT_EQ(app.music.IsPlaying(), 1);
    for (uint8_t code : {key::kN, key::kReturn, key::kReturn}) driver.TapKey(code);  // the last past the intro
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 50));
    driver.RunFrames(5);
    if (!app.audio.IsOpen() || app.mp3State != 2) GTEST_SKIP() << "no audio device or no stand-in MP3";
    EXPECT_EQ(app.mp3.IsRunning(), 1);

    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::SaveQuit, 5));
    driver.TapKey(key::kY);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 5));
    driver.RunFrames(1);
    EXPECT_EQ(app.mp3State, 0);
    EXPECT_EQ(app.mp3.IsRunning(), 0);
    EXPECT_EQ(app.music.loadedFile, "Data\\scifi025.wav");
    EXPECT_EQ(app.music.IsPlaying(), 1);
    EXPECT_EQ(app.music.volume, app.gameState->musicVolume);
}

TEST(MainMenu, KeysAndBarButtonsOpenTheirScenesOrQuit) {
    struct Case {
        uint8_t key;  // 0: click at x on the bar
        int barX;
        SceneId scene;
        bool quits;
    };
    const Case cases[] = {
        {key::kL, 0, SceneId::LoadGamePicker, false}, {key::kH, 0, SceneId::HallOfFame, false},
        {key::kO, 0, SceneId::Options, false},        {key::kC, 0, SceneId::Credits, false},
        {key::kI, 0, SceneId::Help, false},           {key::kM, 0, SceneId::Help, false},
        {key::kEscape, 0, SceneId::MainMenu, true},   {key::kQ, 0, SceneId::MainMenu, true},
        {0, 215, SceneId::LoadGamePicker, false},     {0, 340, SceneId::HallOfFame, false},
        {0, 480, SceneId::Options, false},            {0, 600, SceneId::Help, false},
        {0, 700, SceneId::MainMenu, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << int(c.key) << " bar " << c.barX);
        GameDriver driver;
        ASSERT_TRUE(ToMainMenu(driver));
        if (c.key) driver.TapKey(c.key);
        else Click(driver, {c.barX, 580});
        driver.RunFrames(1);
        EXPECT_EQ(driver.QuitRequested(), c.quits);
        if (!c.quits) {
            EXPECT_TRUE(driver.App().IsCurrent(c.scene));
        }
    }
}

TEST(MainMenu, TheOpeningFlightAndItsRingsShowOnlyOnTheFirstVisit) {
    GameDriver driver;
    ASSERT_TRUE(ToMainMenu(driver));
    GameApp& app = driver.App();
    const BattleEngine& engine = *app.battleEngine;
    EXPECT_EQ(engine.shipArmor, app.gameState->shipArmor) << "the engine is seeded from the record";
    MenuBackdrop& backdrop = Backdrop(driver);
    EXPECT_EQ(backdrop.directionFlags[MenuBackdrop::kDown], 1);
    EXPECT_EQ(backdrop.directionFlags[MenuBackdrop::kLeft], 1);

    // A ring opens each second with its sound, the ship waiting in the
    // middle meanwhile.
    const struct {
        int channel;
        const char* sound;
    } ringSounds[3] = {{0, "Data\\SHAWEE.wav"}, {0, "Data\\LONGWHO.wav"}, {6, "Data\\scifi029.wav"}};
    for (uint32_t second = 1; second <= 3; ++second) {
        RunToSecond(driver, second);
        driver.RunFrames(1);
        EXPECT_NE(engine.ring[second - 1].state, 0) << second;
        EXPECT_TRUE(LastPlayed(app, ringSounds[second - 1].channel, ringSounds[second - 1].sound)) << second;
        for (uint32_t k = second; k < 3; ++k) EXPECT_EQ(engine.ring[k].state, 0) << second << " " << k;
        EXPECT_EQ(backdrop.shipX, 368);
        EXPECT_EQ(backdrop.shipY, 310);
    }
    EXPECT_EQ(engine.ring[2].state, 2);
    EXPECT_TRUE(ShowsReference(driver, "main_menu_opening"));
    RunToSecond(driver, 5);
    EXPECT_LT(backdrop.shipX, 368);
    EXPECT_GT(backdrop.shipY, 310);

    // Back from another scene: no hold, no rings.
    driver.TapKey(key::kC);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Credits, 3));
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 3));
    EXPECT_EQ(backdrop.openingFlight, 0);
    const int32_t x = backdrop.shipX, y = backdrop.shipY;
    RunToSecond(driver, 4);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(engine.ring[k].state, 0);
    EXPECT_TRUE(backdrop.shipX != x || backdrop.shipY != y);
}

TEST(MainMenu, ALostDeviceTakesTheBackdropsArtWhichComesBackAfterLoading) {
    GameDriver driver;
    ASSERT_TRUE(ToMainMenu(driver));
    driver.RunFrames(5);
    const uint32_t loading = driver.App().loadingScreens;
    driver.LoseDevice();
    driver.RunFrames(2);
    EXPECT_EQ(Backdrop(driver).sheet, nullptr);
    driver.RestoreDevice();
    driver.RunFrames(2);
    EXPECT_NE(Backdrop(driver).sheet, nullptr);
    EXPECT_EQ(driver.App().loadingScreens, loading + 1);
    driver.TapKey(key::kN);
    EXPECT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 3));
}
