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

TEST_F(RegionTest, FliesThroughThePortalOfArea2IntoArea3AndFightsItsFirstWave) {
    EnterArea(2, 832, -4560);
    RunFrames(2);
    ASSERT_EQ(Engine().portal.exists[1], 1);
    EXPECT_EQ(Engine().portal.x[1], 1200);
    EXPECT_EQ(Engine().portal.y[1], -4400);

    // Fly up with the left button held above the ship until the portal is touched.
    PointAt(400, 120);
    driver_.PressButton(0);
    for (int frame = 0; frame < 600 && !Engine().portal.touched[1]; ++frame) RunFrames(1);
    driver_.ReleaseButton(0);
    RunFrames(1);
    ASSERT_EQ(Engine().portal.touched[1], 1) << "the ship reached the Green Path portal";
    EXPECT_TRUE(driver_.Screenshot(OutPath("region_flight_area2_portal.png")));

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
    EXPECT_TRUE(driver_.Screenshot(OutPath("region_flight_area3_wave.png")));

    // A sturdy ship fights until some of the wave are destroyed.
    State().shipArmor = 100000;
    State().shipArmorMax = 100000;
    Engine().shipArmor = 100000;
    const uint32_t experienceBefore = State().experience;
    EXPECT_GE(Fight(2), 2);
    ASSERT_EQ(App().sceneFrame, SceneId::EarthSystem);
    EXPECT_GT(State().experience, experienceBefore) << "kills credit experience";
    EXPECT_TRUE(driver_.Screenshot(OutPath("region_flight_area3_fight.png")));
}
