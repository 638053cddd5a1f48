#include <gtest/gtest.h>

#include "areas/area_backdrop.h"
#include "areas/area_sounds.h"
#include "areas/control_panel.h"
#include "battle/battle_engine.h"
#include "platform/key_codes.h"
#include "region_test_support.h"
#include "shell/game_state.h"

namespace {
uint32_t Plays(GameApp& app, AreaSound sound) { return app.areaSoundsPlayed[static_cast<int>(sound)]; }
}  // namespace

TEST_F(RegionTest, FreshArrivalClearsTheAreaAndSoundsOnce) {
    EnterArea(2, 200, -600);
    ASSERT_EQ(App().sceneFrame, scenes::EarthSystem);
    EXPECT_EQ(State().location, 2u);
    EXPECT_EQ(State().questSet, 1u);
    RunFrames(3);
    EXPECT_EQ(Plays(App(), AreaSound::Arrival), 1u);
    EXPECT_TRUE(driver_.Screenshot(OutPath("region_area2.png")));
}
