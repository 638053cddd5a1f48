// The real game through device losses on the software renderer: the atlas
// pages and the kept frames are made again after each reset, no more of them
// than before, and the area still draws exactly what SDL's renderer draws.
#include <gtest/gtest.h>

#include <memory>

#include "hud/area_backdrop.h"
#include "areas/region_scene.h"
#include "harness/game_driver.h"
#include "platform/image_codec.h"
#include "platform/key_codes.h"
#include "platform/random_range.h"
#include "platform/software_canvas.h"
#include "platform/texture_atlas.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"
#include "shell/scene_id.h"

namespace {

struct Flight {
    Image shot;
    int pagesBefore = 0;
    int pagesAfter[2] = {};
    int framesKeptAfter[2] = {};
};

// A new game flown in area 2 through two device losses, with the canvas on
// or with every sprite and triangle left to SDL.
Flight FlyThroughTwoResets(bool canvas) {
    Flight flight;
    RandomRange::Seed(1);
    GameDriver driver;
    EXPECT_TRUE(driver.Start());
    GameApp& app = driver.App();
    app.graphics.UseCanvas(canvas);
    driver.RunFrames(2);
    driver.TapKey(key::kReturn);
    EXPECT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 10));
    app.gameState->NewGame();
    record_exchange::SeedNewAreaEngine(*app.battleEngine, *app.gameState);
    if (!app.areaBackdrop) app.areaBackdrop = std::make_unique<AreaBackdrop>();
    app.areaBackdrop->areaNumber = 2;
    app.areaBackdrop->viewX = 832;
    app.areaBackdrop->viewY = -4560;
    app.gameState->currentArea = 2;
    app.SwitchScene(SceneId::EarthSystem);
    driver.RunFrames(3);
    driver.PressButton(0);
    driver.RunFrames(30);
    flight.pagesBefore = app.graphics.Atlas().Pages();
    for (int reset = 0; reset < 2; ++reset) {
        driver.LoseDevice();
        driver.RunFrames(2);
        driver.RestoreDevice();
        driver.RunFrames(20);
        flight.pagesAfter[reset] = app.graphics.Atlas().Pages();
        flight.framesKeptAfter[reset] = app.graphics.Canvas() ? app.graphics.Canvas()->Frames().Frames() : 0;
    }
    EXPECT_EQ(app.graphics.ReadBackBuffer(flight.shot), 1);
    return flight;
}

}  // namespace

TEST(SoftwareDrawingThroughResets, AtlasAndKeptFramesAreMadeAgainAndDrawAsSdlDoes) {
    const Flight direct = FlyThroughTwoResets(true);
    const Flight sdl = FlyThroughTwoResets(false);
    ASSERT_GT(direct.pagesBefore, 0);
    for (int reset = 0; reset < 2; ++reset) {
        EXPECT_EQ(direct.pagesAfter[reset], direct.pagesBefore) << "the art packs into as many pages as before";
        EXPECT_GT(direct.framesKeptAfter[reset], 0) << "turned and stretched frames are kept again";
    }
    ASSERT_EQ(direct.shot.pixels.size(), sdl.shot.pixels.size());
    int differing = 0;
    for (size_t i = 0; i < sdl.shot.pixels.size(); ++i) differing += direct.shot.pixels[i] != sdl.shot.pixels[i];
    EXPECT_EQ(differing, 0) << "pixels differ from SDL's own drawing of the same frame";
}
