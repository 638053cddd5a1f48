// Every frame a scene asks of a sprite sheet lies in its picture's grid:
// the stand-in art holds every frame the game draws. The scene tour of the
// device-loss test checks the same in each scene; here a fight in an area
// with waves of each region, whose shots, explosions and enemies draw the
// most frames.
#include <gtest/gtest.h>

#include <algorithm>

#include "battle/battle_engine.h"
#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "platform/key_codes.h"
#include "platform/sprite_sheet.h"

namespace {

::testing::AssertionResult NoFramePastTheGrid(int64_t before) {
    if (SpriteSheet::DrawsPastGrid() == before) return ::testing::AssertionSuccess();
    const SpritePastGridDraw& last = SpriteSheet::LastDrawPastGrid();
    return ::testing::AssertionFailure() << SpriteSheet::DrawsPastGrid() - before << " draws past the grid, the last "
                                         << "frame " << last.frame << " of image " << last.image << " ("
                                         << last.frameWidth << " x " << last.frameHeight << " frames in "
                                         << last.width << " x " << last.height << ")";
}

// The middle of the nearest live enemy on the screen, if any shows.
bool NearestEnemyOnScreen(const GameApp& app, int32_t& x, int32_t& y) {
    const BattleEngine& engine = *app.battleEngine;
    const AreaBackdrop& view = *app.areaBackdrop;
    int64_t best = -1;
    for (int e = 0; e < EnemyTable::kSlots; ++e) {
        if (!engine.enemy.active[e]) continue;
        const int32_t sx = engine.enemy.x[e] - view.viewX + 16, sy = engine.enemy.y[e] - view.viewY + 16;
        if (sx < 0 || sx > 800 || sy < 0 || sy > 520) continue;
        const int64_t d = int64_t{sx - 400} * (sx - 400) + int64_t{sy - 300} * (sy - 300);
        if (best < 0 || d < best) {
            best = d;
            x = sx;
            y = sy;
        }
    }
    return best >= 0;
}

// Auto-fire on, the wide spread, the ship steered at the nearest enemy (or
// round in a circle when none shows) with the left button held.
int FightFor(GameDriver& driver, uint32_t frames, SceneId area) {
    GameApp& app = driver.App();
    driver.TapKey(key::k3);
    driver.TapKey(key::kF);
    int sawEnemies = 0;
    for (uint32_t k = 0; k < frames && app.sceneFrame == area; k += 4) {
        int32_t x = 400 + static_cast<int32_t>(k % 240) - 120, y = 200;
        if (NearestEnemyOnScreen(app, x, y)) ++sawEnemies;
        driven_play::PointAt(driver, std::clamp(x, 5, 795), std::clamp(y, 5, 500));
        driver.PressButton(0);
        driver.RunFrames(3);
    }
    driver.ReleaseButton(0);
    return sawEnemies;
}

}  // namespace

TEST(FramesPastTheGrid, NoneInAFightInTheFirstRegion) {
    const int64_t before = SpriteSheet::DrawsPastGrid();
    GameDriver driver;
    ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver));
    ASSERT_TRUE(driven_play::FlyToBorderArea(driver));
    // The forward portal's prompt leads on to the Green Path and its waves.
    const BattleEngine& engine = *driver.App().battleEngine;
    int inside = 0;
    for (int frame = 0; frame < 1500 && inside < 20; ++frame) {
        if (engine.portal.touched[1]) ++inside;
        const AreaBackdrop& view = *driver.App().areaBackdrop;
        driven_play::PointAt(driver, std::clamp(engine.portal.x[1] + 32 - view.viewX, 20, 780),
                             std::clamp(engine.portal.y[1] + 32 - view.viewY, 20, 500));
        driver.PressButton(0);
    }
    driver.ReleaseButton(0);
    driver.RunFrames(1);
    ASSERT_EQ(engine.portal.touched[1], 1) << "the ship reached the forward portal";
    driven_play::PointAt(driver, 400, 50);
    driven_play::Click(driver);
    ASSERT_EQ(driver.App().areaBackdrop->areaNumber, 3);
    EXPECT_GT(FightFor(driver, 900, SceneId::EarthSystem), 0) << "no wave came";
    EXPECT_TRUE(NoFramePastTheGrid(before));
}

TEST(FramesPastTheGrid, NoneInAFightInTheSecondRegion) {
    const int64_t before = SpriteSheet::DrawsPastGrid();
    GameDriver driver;
    ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver));
    ASSERT_TRUE(driver.SetField("questSet", "2"));
    ASSERT_TRUE(driver.SetField("questStates", "2 2 1 0*97"));
    ASSERT_TRUE(driver.SetField("currentArea", "8"));
    driver.SwitchToScene(SceneId::Invasions);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Invasions, 5));
    EXPECT_GT(FightFor(driver, 900, SceneId::Invasions), 0) << "no wave came";
    EXPECT_TRUE(NoFramePastTheGrid(before));
}
