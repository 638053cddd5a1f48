// The help pages and the credits in the real game, reached from the main
// menu and left by their Back buttons and keys.
#include <gtest/gtest.h>

#include "frontend/credits_scene.h"
#include "frontend/credits_screen.h"
#include "frontend/directions_screen.h"
#include "frontend/help_scene.h"
#include "page_driving.h"

namespace {
using namespace page_driving;

constexpr Point kBack{720, 20};
Point TopicButton(int topic) { return {60, 80 + 40 * (topic - 1)}; }

const DirectionsScreen& Pages(GameDriver& d) { return *d.SceneAs<HelpScene>(SceneId::Help).Screen(); }

TEST(HelpScene, ATopicShowsOnPressAndClicksOnReleaseBackLeavesOnRelease) {
    GameDriver driver;
    ASSERT_TRUE(ToMainMenu(driver));
    GameApp& app = driver.App();
    driver.TapKey(key::kI);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Help, 10));
    const auto showTopic = [&](int topic) {
        PointAt(driver, TopicButton(topic));
        driver.PressButton(0);
        driver.RunFrames(2);
        EXPECT_EQ(Pages(driver).topic, topic);
        EXPECT_FALSE(LastPlayed(app, 0, "Data\\STAMP.wav")) << topic << ": no click before the release";
        driver.ReleaseButton(0);
        driver.RunFrames(1);
        EXPECT_TRUE(LastPlayed(app, 0, "Data\\STAMP.wav")) << topic;
        app.channels[0].Stop();
    };
    for (int topic : {13, 2, 7, 1, 9}) showTopic(topic);
    driver.LoseDevice();
    driver.RunFrames(2);
    driver.RestoreDevice();
    driver.RunFrames(3);
    EXPECT_TRUE(ShowsReference(driver, "help_skills")) << "pages and backdrop come back after a device loss";
    for (int topic : {3, 12, 4, 11, 5, 10, 6, 8}) showTopic(topic);

    PointAt(driver, kBack);
    driver.PressButton(0);
    driver.RunFrames(3);
    EXPECT_TRUE(app.IsCurrent(SceneId::Help)) << "held on Back";
    driver.ReleaseButton(0);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 3));
    EXPECT_TRUE(LastPlayed(app, 0, "Data\\SETUPWH.wav"));
    driver.TapKey(key::kI);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Help, 10));
    EXPECT_EQ(Pages(driver).topic, 1) << "each visit starts at the first topic";
}

TEST(CreditsScene, BackEscAndBackspaceReturnToTheMenu) {
    GameDriver driver;
    ASSERT_TRUE(ToMainMenu(driver));
    GameApp& app = driver.App();
    driver.TapKey(key::kC);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Credits, 10));
    PointAt(driver, {400, 500});
    EXPECT_TRUE(ShowsReference(driver, "credits_page"));
    PointAt(driver, kBack);
    EXPECT_TRUE(LastPlayed(app, 1, "Data\\SNAP1.wav")) << "the pointer came onto Back";

    // Held on Back the page stays; sliding off while held leaves at once.
    driver.PressButton(0);
    driver.RunFrames(3);
    EXPECT_EQ(driver.SceneAs<CreditsScene>(SceneId::Credits).Screen()->backFrame, 2);
    PointAt(driver, {400, 300});
    EXPECT_TRUE(app.IsCurrent(SceneId::MainMenu));
    driver.ReleaseButton(0);
    for (uint8_t code : {key::kEscape, key::kBack}) {
        driver.TapKey(key::kC);
        ASSERT_TRUE(driver.RunUntilScene(SceneId::Credits, 10));
        app.channels[0].Stop();
        driver.TapKey(code);
        EXPECT_TRUE(app.IsCurrent(SceneId::MainMenu)) << int(code);
        EXPECT_TRUE(LastPlayed(app, 0, "Data\\SETUPWH.wav")) << int(code);
    }
}

}  // namespace
