#include <gtest/gtest.h>

#include "hud/area_backdrop.h"
#include "hud/area_scenery.h"
#include "platform/sprite_sheet.h"
#include "screen_test_support.h"

namespace {

class BackdropScreen : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        if (!HasArt()) GTEST_SKIP() << "no stand-in art in the game directory";
    }

    BackdropSheets Sheets() const { return {art_.menuSheet, art_.spaceSheet, art_.dustSheet, art_.cloudsSheet}; }

    // The area's ground with the view at (viewX, viewY), and its radar walls
    // round a ship in the middle of the screen.
    Image DrawArea(uint32_t questSet, int32_t area, int32_t viewX, int32_t viewY) {
        AreaBackdrop backdrop;
        backdrop.areaNumber = area;
        backdrop.viewX = viewX;
        backdrop.viewY = viewY;
        backdrop.SetupArea(questSet);
        Clear();
        graphics_.BeginScene();
        DrawAreaScenery(backdrop, Sheets(), questSet);
        backdrop.DrawRadarWalls(art_.menuSheet, 400, 300, 0, 0, 0, 0);
        graphics_.EndScene();
        return Shot();
    }
};

// Each view stands at a corner of its area so that two border strips, a
// corner and the radar's outline all show.
TEST_F(BackdropScreen, HomeBase) { EXPECT_TRUE(MatchesReference(DrawArea(1, 1, -100, -560), "backdrop_home")); }

TEST_F(BackdropScreen, ShapeABorderArea) {
    EXPECT_TRUE(MatchesReference(DrawArea(1, 2, -100, -560), "backdrop_shape_a"));
}

TEST_F(BackdropScreen, ShapeBGreenPath) {
    EXPECT_TRUE(MatchesReference(DrawArea(1, 3, 400, -9800), "backdrop_shape_b"));
}

TEST_F(BackdropScreen, ShapeCNeutralArea) {
    EXPECT_TRUE(MatchesReference(DrawArea(1, 4, 2500, -560), "backdrop_shape_c"));
}

TEST_F(BackdropScreen, ShapeBWithTintFourDrawsNoOverlays) {
    AreaBackdrop backdrop;
    backdrop.areaNumber = 6;
    backdrop.viewX = 0;
    backdrop.viewY = -900;
    auto floor = [&](SpriteSheet* dust, uint8_t code) {
        Clear();
        graphics_.BeginScene();
        backdrop.DrawFloorB(art_.spaceSheet, dust, code);
        graphics_.EndScene();
        return Shot();
    };
    const Image tilesOnly = floor(nullptr, 4);
    EXPECT_EQ(DifferentPixels(tilesOnly, floor(art_.dustSheet, 4)), 0);
    EXPECT_GT(DifferentPixels(tilesOnly, floor(art_.dustSheet, 5)), 1000);
}

// Whether tiles off the screen are skipped cannot be seen in a picture; what
// shows is that nothing of the area is drawn where the view does not reach.
TEST_F(BackdropScreen, AViewFarFromTheAreaShowsNothingOfIt) {
    const Image away = DrawArea(1, 8, 20000, -900);
    Clear();
    const Image empty = Shot();
    EXPECT_EQ(DifferentPixels(away, empty), 0);
}

}  // namespace
