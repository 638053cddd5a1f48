#include "harness/driven_play.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "platform/image_codec.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"

namespace fs = std::filesystem;

namespace driven_play {
namespace {
// The home base's main portal in the world.
constexpr int32_t kPortalX = 532, kPortalY = -168;
// A point inside row r of the travel menu; row 3 is the Border Area, or
// Pluto in the second quest set.
constexpr int32_t kRowX = 400;
constexpr int32_t RowPointY(int row) { return 22 + 25 * (row - 1); }

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value ? value : fallback;
}

// The software renderer draws the same picture every run: any pixel that
// differs is a difference in what was drawn.
long MismatchedPixels(const Image& a, const Image& b) {
    long mismatched = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) mismatched += (a.pixels[i] & 0xFFFFFFu) != (b.pixels[i] & 0xFFFFFFu);
    return mismatched;
}
}  // namespace

bool NewGameAtHomeBase(GameDriver& driver) {
    if (!driver.Start()) return false;
    driver.RunFrames(2);
    driver.TapKey(key::kReturn);
    if (!driver.RunUntilScene(SceneId::MainMenu, 10)) return false;
    driver.TapKey(key::kN);
    if (!driver.RunUntilScene(SceneId::NameEntry, 50)) return false;
    driver.TapKey(key::kReturn);
    if (!driver.RunUntilScene(SceneId::Story, 5)) return false;
    driver.TapKey(key::kReturn);  // past the intro
    if (!driver.RunUntilScene(SceneId::HomeBase, 50)) return false;
    driver.RunFrames(5);
    return true;
}

void PointAt(GameDriver& driver, int32_t x, int32_t y) {
    const MouseCursor& cursor = *driver.App().cursor;
    driver.MoveMouse(x - cursor.x, y - cursor.y);
    driver.RunFrames(1);
}

void Click(GameDriver& driver, int button) {
    driver.PressButton(button);
    driver.RunFrames(1);
    driver.ReleaseButton(button);
    driver.RunFrames(2);
}

bool FlyToBorderArea(GameDriver& driver) { return FlyToThirdRow(driver, SceneId::EarthSystem); }

bool FlyToThirdRow(GameDriver& driver, SceneId region) { return FlyToTravelRow(driver, 3, region); }

bool FlyToTravelRow(GameDriver& driver, int row, SceneId target) {
    GameApp& app = driver.App();
    // Steered until well inside, so that the click on the menu does not take it off again.
    int inside = 0;
    for (int frame = 0; frame < 400 && inside < 40; ++frame) {
        if (app.battleEngine->portal.touched[0]) ++inside;
        const AreaBackdrop& view = *app.areaBackdrop;
        PointAt(driver, std::clamp(kPortalX - view.viewX, 20, 780), std::clamp(kPortalY - view.viewY, 20, 580));
        driver.PressButton(0);
    }
    driver.ReleaseButton(0);
    driver.RunFrames(3);
    PointAt(driver, kRowX, RowPointY(row));
    Click(driver);
    return driver.RunUntilScene(target, 10);
}

::testing::AssertionResult ShotMatchesReference(GameDriver& driver, const std::string& suite, const std::string& name) {
    const std::string outDir = EnvOr("GAME_TEST_OUT", fs::temp_directory_path().string());
    const std::string outPath = outDir + "/" + name + ".png";
    const std::string refPath = EnvOr("GAME_SOURCE_DIR", ".") + "/tests/" + suite + "/ref/" + name + ".png";
    Image actual;
    if (!driver.Screenshot(outPath) || !LoadImageFile(outPath, actual)) {
        return ::testing::AssertionFailure() << "no screenshot in " << outPath;
    }
    if (EnvOr("GAME_UPDATE_REFS", "") == "1" && !SavePngFile(refPath, actual)) {
        return ::testing::AssertionFailure() << "cannot write " << refPath;
    }
    Image expected;
    if (!LoadImageFile(refPath, expected) || expected.width != actual.width || expected.height != actual.height) {
        return ::testing::AssertionFailure() << "no reference of this size " << refPath << "; actual in " << outPath;
    }
    const long mismatched = MismatchedPixels(actual, expected);
    if (mismatched > 0) {
        return ::testing::AssertionFailure() << mismatched << " pixels differ from " << refPath << "; actual in "
                                             << outPath;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace driven_play
