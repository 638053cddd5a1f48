// The options page in the real game: the sliders and switches write the
// option files at once and are heard at once, the menu tune in the menus and
// the area's stream in an area; the page returns where it was opened from.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "frontend/options_scene.h"
#include "harness/driven_play.h"
#include "hud/advisor_bubble.h"
#include "page_driving.h"
#include "shell/game_state.h"

namespace {
using namespace page_driving;

Point MusicNotch(int i) { return {188 + 16 * i, 300}; }
Point SoundsNotch(int i) { return {188 + 16 * i, 360}; }
constexpr Point kMusicOn{390, 185};
constexpr Point kAdvisorOff{470, 445};
constexpr Point kBack{160, 250};
constexpr const char* kMusic = "MusicVolume.txt";
constexpr const char* kSounds = "SoundsVolume.txt";

// The number an option file holds; -1 when there is none.
int OptionFile(GameDriver& driver, const char* name) {
    std::ifstream file(driver.GameDir() + "/Saves/Options/" + name);
    int value = -1;
    file >> value;
    return value;
}

TEST(OptionsScene, FromTheMenusEveryNotchIsWrittenAtOnceAndHeardAsTheMenuTune) {
    GameDriver driver;
    ASSERT_TRUE(ToMainMenu(driver));
    driver.TapKey(key::kO);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Options, 10));
    GameApp& app = driver.App();
    struct Case {
        Point at;
        const char* file;
        int written;
        bool tune;  // the menu tune plays
    };
    // Music notch i gives 4(i + 1), its lowest switching music off; sounds
    // notch i gives 56 + i, its lowest switching sounds off in silence.
    const Case kCases[] = {{MusicNotch(11), kMusic, 48, true},   {MusicNotch(0), kMusic, 4, false},
                           {MusicNotch(24), kMusic, 100, true},  {SoundsNotch(24), kSounds, 80, true},
                           {SoundsNotch(1), kSounds, 57, true},  {SoundsNotch(0), kSounds, 0, true}};
    for (const Case& c : kCases) {
        Click(driver, c.at);
        EXPECT_EQ(OptionFile(driver, c.file), c.written) << c.at.x << "," << c.at.y;
        EXPECT_EQ(app.music.IsPlaying() == 1, c.tune) << c.at.x << "," << c.at.y;
        EXPECT_TRUE(!c.tune || app.music.volume == app.gameState->musicVolume) << "heard at its volume";
        EXPECT_EQ(app.mp3.IsRunning(), 0);
    }
    EXPECT_EQ(app.gameState->soundsOn, 0);
    PointAt(driver, kMusicOn);  // a new word under the pointer: its sound, silent now
    EXPECT_TRUE(LastPlayed(app, 1, "Data\\RIGHTDEF.wav"));
    EXPECT_EQ(app.channels[1].volume, 0u);

    Click(driver, kAdvisorOff);
    EXPECT_EQ(OptionFile(driver, "Advisor.txt"), 0);
    EXPECT_EQ(app.advisor->advisorOn, 0);

    // No game to show from the menus: the screen keys do nothing here.
    for (uint8_t code : {key::kY, key::kB, key::kO}) driver.TapKey(code);
    EXPECT_TRUE(app.IsCurrent(SceneId::Options));
    driver.LoseDevice();
    driver.RunFrames(2);
    driver.RestoreDevice();
    driver.RunFrames(3);
    EXPECT_TRUE(ShowsReference(driver, "options_page")) << "the art comes back after a device loss";
    driver.TapKey(key::kBack);
    EXPECT_TRUE(app.IsCurrent(SceneId::MainMenu));
    EXPECT_EQ(driver.SceneAs<OptionsScene>(SceneId::Options).Screen(), nullptr);
}

TEST(OptionsScene, FromAnAreaTheStreamFollowsTheSliderAndBackReturnsThere) {
    GameDriver driver;
    ASSERT_TRUE(ToMainMenu(driver));
    GameApp& app = driver.App();
    for (uint8_t code : {key::kN, key::kReturn, key::kReturn}) driver.TapKey(code);  // the last past the intro
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 50));
    driver.TapKey(key::kO);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Options, 10));
    Click(driver, MusicNotch(14));
    EXPECT_EQ(app.mp3.IsRunning(), 1);
    EXPECT_EQ(app.mp3.volume, (60 * 3 - 300) * 10);
    EXPECT_EQ(app.music.IsPlaying(), 0) << "no menu tune in an area";
    Click(driver, MusicNotch(0));
    EXPECT_EQ(app.mp3.IsRunning(), 0);
    Click(driver, kMusicOn);
    EXPECT_EQ(app.mp3.volume, (50 * 3 - 300) * 10) << "ON restarts the stream at 50";

    Click(driver, kBack);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 3));
    // From an area the screen keys work here too.
    driver.TapKey(key::kO);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Options, 10));
    driver.TapKey(key::kY);
    EXPECT_TRUE(app.IsCurrent(SceneId::YourShip));
}

// Opened in the first region, Esc goes back to it, not to the home base.
TEST(OptionsScene, FromTheFirstRegionEscReturnsThere) {
    GameDriver driver;
    ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver));
    ASSERT_TRUE(driven_play::FlyToBorderArea(driver));
    driver.RunFrames(5);
    driver.TapKey(key::kO);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Options, 10));
    EXPECT_EQ(driver.App().gameState->location, 2u);
    driver.TapKey(key::kEscape);
    EXPECT_TRUE(driver.RunUntilScene(SceneId::EarthSystem, 3));
}

}  // namespace

namespace {

// From an area the page's own key keeps the page as it is: it is not left
// and opened again, so the area is not told of a return and the word under
// the pointer does not sound a second time.
TEST(OptionsScene, ItsOwnKeyKeepsThePageOpenAsItIs) {
    GameDriver driver;
    ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver));
    GameApp& app = driver.App();
    driver.TapKey(key::kO);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Options, 10));
    const OptionsScene& scene = driver.SceneAs<OptionsScene>(SceneId::Options);
    PointAt(driver, kBack);
    driver.RunFrames(2);
    ASSERT_TRUE(LastPlayed(app, 1, "Data\\RIGHTDEF.wav")) << "Back sounds as the pointer comes onto it";
    app.channels[1].Stop();
    ASSERT_EQ(app.gameState->returnedFromScreen, 0);

    driver.TapKey(key::kO);
    driver.RunFrames(2);
    EXPECT_TRUE(app.IsCurrent(SceneId::Options));
    ASSERT_NE(scene.Screen(), nullptr);
    EXPECT_EQ(app.channels[1].segment, nullptr) << "no second hover sound: the same page";
    EXPECT_EQ(app.gameState->returnedFromScreen, 0) << "not left";
    driver.TapKey(key::kEscape);
    EXPECT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 3));
}

}  // namespace
