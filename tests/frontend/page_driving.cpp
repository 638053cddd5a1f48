#include "page_driving.h"

#include "frontend_test_support.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"

namespace page_driving {

bool ToMainMenu(GameDriver& driver) {
    if (!driver.Start()) return false;
    driver.RunFrames(2);
    driver.TapKey(key::kReturn);
    return driver.RunUntilScene(SceneId::MainMenu, 20);
}

bool ToHomeBase(GameDriver& driver) {
    if (!ToMainMenu(driver)) return false;
    driver.TapKey(key::kN);
    if (!driver.RunUntilScene(SceneId::NameEntry, 50)) return false;
    driver.TapKey(key::kReturn);
    return driver.RunUntilScene(SceneId::HomeBase, 50);
}

void PointAt(GameDriver& driver, Point at) {
    const MouseCursor& cursor = *driver.App().cursor;
    driver.MoveMouse(at.x - cursor.x, at.y - cursor.y);
    driver.RunFrames(1);
}

void Click(GameDriver& driver, Point at) {
    PointAt(driver, at);
    driver.PressButton(0);
    driver.RunFrames(1);
    driver.ReleaseButton(0);
    driver.RunFrames(1);
}

bool LastPlayed(GameApp& app, int channel, const char* sound) {
    return app.channels[channel].segment != nullptr && app.channels[channel].segment == app.audio.LoadSound(sound);
}

::testing::AssertionResult ShowsReference(GameDriver& driver, const std::string& name) {
    const std::string path = driver.GameDir() + "/" + name + ".png";
    Image shot;
    if (!driver.Screenshot(path) || !LoadImageFile(path, shot)) return ::testing::AssertionFailure() << "no screenshot";
    return frontend_test::MatchesReference(shot, name);
}

}  // namespace page_driving
