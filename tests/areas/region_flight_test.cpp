// A flight through the first region: from area 2 through its forward portal
// into area 3, then a fight with the first wave there.
#include <gtest/gtest.h>

#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "region_test_support.h"
#include "shell/game_state.h"

namespace {
int LiveEnemies(const BattleEngine& engine) {
    int n = 0;
    for (int e = 0; e < EnemyTable::kSlots; ++e) n += engine.enemy.active[e];
    return n;
}

int NearestEnemy(const BattleEngine& engine, const AreaBackdrop& backdrop) {
    const int32_t shipX = engine.shipX + backdrop.viewX;
    const int32_t shipY = engine.shipY + backdrop.viewY;
    int best = -1;
    int64_t bestDistance = 0;
    for (int e = 0; e < EnemyTable::kSlots; ++e) {
        if (!engine.enemy.active[e]) continue;
        const int64_t dx = engine.enemy.x[e] - shipX;
        const int64_t dy = engine.enemy.y[e] - shipY;
        const int64_t distance = dx * dx + dy * dy;
        if (best < 0 || distance < bestDistance) {
            best = e;
            bestDistance = distance;
        }
    }
    return best;
}
}  // namespace

TEST_F(RegionTest, FliesThroughThePortalOfArea2IntoArea3AndFightsItsFirstWave) {
    EnterArea(2, 832, -4560);
    RunFrames(2);
    ASSERT_EQ(Engine().portal.exists[1], 1);

    // Fly up with the left button held above the ship until the portal is touched.
    PointAt(400, 120);
    driver_.PressButton(0);
    for (int frame = 0; frame < 600 && !Engine().portal.touched[1]; ++frame) RunFrames(1);
    driver_.ReleaseButton(0);
    RunFrames(1);
    ASSERT_EQ(Engine().portal.touched[1], 1) << "the ship reached the Green Path portal";

    // Press and release on the prompt's row: the next frame loads area 3.
    PointAt(400, 50);
    ASSERT_EQ(Panel().menuRowHover, 2);
    driver_.PressButton(0);
    RunFrames(1);
    driver_.ReleaseButton(0);
    RunFrames(3);
    ASSERT_EQ(Backdrop().areaNumber, 3);
    EXPECT_EQ(Backdrop().viewX, 200);
    EXPECT_EQ(App().sceneFrame, SceneId::EarthSystem);

    // The first wave of Green Path comes in just above the arrival point.
    RunFrames(5);
    const int arrived = LiveEnemies(Engine());
    ASSERT_GT(arrived, 0) << "the wave script sent its first wave";

    // A sturdy ship on auto fire, held in place (D), wins the first kills.
    State().shipArmor = State().shipArmorMax = Engine().shipArmor = 100000;
    const uint32_t experienceBefore = State().experience;
    Tap(key::kF);
    driver_.PressKey(key::kD);
    for (int frame = 0; frame < 3000 && LiveEnemies(Engine()) >= arrived; frame += 10) {
        const int target = NearestEnemy(Engine(), Backdrop());
        if (target < 0) break;
        driver_.ReleaseButton(0);
        PointAt(Engine().enemy.x[target] - Backdrop().viewX + 16, Engine().enemy.y[target] - Backdrop().viewY + 16);
        driver_.PressButton(0);
        RunFrames(9);
    }
    driver_.ReleaseButton(0);
    driver_.ReleaseKey(key::kD);
    RunFrames(1);
    EXPECT_LT(LiveEnemies(Engine()), arrived) << "enemies were destroyed";
    EXPECT_GT(State().experience, experienceBefore) << "kills credit experience";
}
