#pragma once
#include <gtest/gtest.h>

#include <string>

#include "frontend_test_support.h"
#include "harness/game_driver.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"

// The real game driven through the front-end pages with real keys and mouse.
namespace page_driving {

struct Point {
    int x, y;
};

inline bool ToMainMenu(GameDriver& driver) {
    if (!driver.Start()) return false;
    driver.RunFrames(2);
    driver.TapKey(key::kReturn);
    return driver.RunUntilScene(SceneId::MainMenu, 20);
}

inline void PointAt(GameDriver& driver, Point at) {
    const MouseCursor& cursor = *driver.App().cursor;
    driver.MoveMouse(at.x - cursor.x, at.y - cursor.y);
    driver.RunFrames(1);
}

// Pressed for a frame on the point, then released.
inline void Click(GameDriver& driver, Point at) {
    PointAt(driver, at);
    driver.PressButton(0);
    driver.RunFrames(1);
    driver.ReleaseButton(0);
    driver.RunFrames(1);
}

inline bool LastPlayed(GameApp& app, int channel, const char* sound) {
    return app.channels[channel].segment && app.channels[channel].segment == app.audio.LoadSound(sound);
}

// The screen against tests/frontend/ref/<name>.png.
inline ::testing::AssertionResult ShowsReference(GameDriver& driver, const std::string& name) {
    const std::string path = driver.GameDir() + "/" + name + ".png";
    Image shot;
    if (!driver.Screenshot(path) || !LoadImageFile(path, shot)) return ::testing::AssertionFailure() << "no screenshot";
    return frontend_test::MatchesReference(shot, name);
}

}  // namespace page_driving
