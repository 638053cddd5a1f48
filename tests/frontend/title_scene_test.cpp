// The title in the real game: the option files it applies, Play by key or
// click, the credits panel, and the hand-over to the full-screen menu.
#include <gtest/gtest.h>

#include <string>

#include "front_end_driving.h"
#include "page_driving.h"
#include "frontend/title_scene.h"
#include "frontend/title_screen.h"
#include "harness/game_driver.h"
#include "hud/advisor_bubble.h"
#include "platform/key_codes.h"
#include "shell/game_state.h"

using namespace front_end_test;
using namespace page_driving;

namespace {

const TitleScreen& Screen(GameDriver& driver) { return *driver.SceneAs<TitleScene>(SceneId::Title).Screen(); }

void WriteOption(GameDriver& driver, const char* file, const char* text) {
    const std::string value(text);
    WriteFile(driver.GameDir() + "/Saves/Options/" + file, {value.begin(), value.end()});
}

struct OptionCase {
    const char* music;  // null: no file
    const char* sounds;
    const char* advisor;
    uint8_t musicOn, soundsOn;
    uint32_t musicVolume, soundVolume;
    int32_t mp3Volume;
    uint8_t advisorOn;
};
constexpr OptionCase kOptionCases[] = {
    {"4", "52", "0", 0, 0, 4, 0, -2880, 0},
    {"5", "53", "1", 1, 1, 5, 53, -2850, 1},
    {"100", "100", "1", 1, 1, 100, 100, 0, 1},
    {nullptr, nullptr, nullptr, 1, 1, 50, 82, -1500, 1},
};

}  // namespace

TEST(TitleScene, OptionFilesSetMusicSoundsAndAdvisorWithTheirThresholds) {
    for (const OptionCase& c : kOptionCases) {
        SCOPED_TRACE(testing::Message() << (c.music ? c.music : "-") << " / " << (c.sounds ? c.sounds : "-"));
        GameDriver driver;
        if (c.music) WriteOption(driver, "MusicVolume.txt", c.music);
        if (c.sounds) WriteOption(driver, "SoundsVolume.txt", c.sounds);
        if (c.advisor) WriteOption(driver, "Advisor.txt", c.advisor);
        ASSERT_TRUE(driver.Start());
        driver.RunFrames(2);
        const GameState& state = *driver.App().gameState;
        EXPECT_EQ(state.musicOn, c.musicOn);
        EXPECT_EQ(state.soundsOn, c.soundsOn);
        EXPECT_EQ(state.musicVolume, c.musicVolume);
        EXPECT_EQ(state.soundVolume, c.soundVolume);
        EXPECT_EQ(state.mp3Volume, c.mp3Volume);
        EXPECT_EQ(driver.App().advisor->advisorOn, c.advisorOn);
        EXPECT_EQ(driver.App().music.IsPlaying(), c.musicOn);
    }
}

TEST(TitleScene, PlayByKeyOrByAClickReleasedOverItOpensTheFullScreenMenu) {
    enum class Way { Enter, P, Click, ClickAfterAMiss };
    for (Way way : {Way::Enter, Way::P, Way::Click, Way::ClickAfterAMiss}) {
        SCOPED_TRACE(static_cast<int>(way));
        GameDriver driver;
        ASSERT_TRUE(driver.Start());
        driver.RunFrames(2);
        EXPECT_EQ(driver.App().graphics.width, 400);
        EXPECT_EQ(driver.App().graphics.windowed, 1);
        if (way == Way::Enter || way == Way::P) {
            driver.TapKey(way == Way::Enter ? key::kReturn : key::kP);
        } else {
            if (way == Way::ClickAfterAMiss) {
                // A click anywhere freezes the looks: Play no longer lights up.
                Click(driver, {50, 50});
                PointAt(driver, {200, 350});
                EXPECT_EQ(Screen(driver).playState, 0);
            }
            PointAt(driver, {200, 350});
            driver.PressButton(0);
            driver.RunFrames(3);
            EXPECT_TRUE(driver.App().IsCurrent(SceneId::Title)) << "held: nothing yet";
            EXPECT_EQ(Screen(driver).playState, 2);
            driver.ReleaseButton(0);
            driver.RunFrames(1);
        }
        ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 3));
        EXPECT_EQ(driver.SceneAs<TitleScene>(SceneId::Title).Screen(), nullptr);
        EXPECT_EQ(driver.App().optionsFile, nullptr);
        EXPECT_EQ(driver.App().graphics.width, 800);
        EXPECT_EQ(driver.App().graphics.height, 600);
        EXPECT_EQ(driver.App().graphics.windowed, 0);
    }
}

TEST(TitleScene, CreditsPanelTogglesOncePerPressAndEscClosesItBeforeQuitting) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    driver.RunFrames(2);
    PointAt(driver, {340, 355});
    driver.PressButton(0);
    driver.RunFrames(6);
    EXPECT_EQ(Screen(driver).page, TitleScreen::kPanelPage);
    EXPECT_EQ(Screen(driver).panelOpened, 2);
    driver.ReleaseButton(0);
    driver.RunFrames(1);
    Click(driver, {340, 355});
    EXPECT_EQ(Screen(driver).page, TitleScreen::kMainPage);

    driver.TapKey(key::kC);
    EXPECT_EQ(Screen(driver).page, TitleScreen::kPanelPage);
    // The zoom and the tint have settled by now.
    driver.RunFrames(120);
    EXPECT_TRUE(ShowsReference(driver, "title_credits"));
    driver.TapKey(key::kEscape);
    EXPECT_EQ(Screen(driver).page, TitleScreen::kMainPage);
    EXPECT_FALSE(driver.QuitRequested());
    driver.TapKey(key::kEscape);
    EXPECT_TRUE(driver.QuitRequested());
}
