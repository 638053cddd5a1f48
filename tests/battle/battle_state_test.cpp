#include <gtest/gtest.h>

#include <memory>

#include "battle/battle_engine.h"

TEST(BattleState, ConstructionDefaults) {
    auto engine = std::make_unique<BattleEngine>();
    EXPECT_EQ(engine->shipX, 368);
    EXPECT_EQ(engine->shipY, 310);
    EXPECT_EQ(engine->heading, 0);
    EXPECT_EQ(engine->stepUnitX, 0);
    EXPECT_EQ(engine->stepUnitY, 8);
}
