#include <gtest/gtest.h>

#include <memory>

#include "battle/battle_engine.h"
#include "battle/quest_helpers.h"

namespace {

class Helpers : public ::testing::Test {
protected:
    void SetUp() override { engine = std::make_unique<BattleEngine>(); }
    int PlacedAllies() const {
        int n = 0;
        for (int a = 0; a < kAllySlots; ++a) n += engine->ally.active[a];
        return n;
    }
    std::unique_ptr<BattleEngine> engine;
    uint8_t helpTimer = 0;
};

TEST_F(Helpers, BoughtOffersArriveOnceInTheirSlots) {
    engine->allyFlags[0] = 1;  // quest 1, offer 1: the squad
    engine->allyFlags[2] = 1;  // offer 3: the large ship
    SpawnQuestHelpers(*engine, EarthSystemHelpers(), 5, &helpTimer);
    EXPECT_EQ(helpTimer, 1);
    EXPECT_EQ(engine->helpersPlaced, 1);
    EXPECT_EQ(engine->helpArrivedEvent, 1);
    EXPECT_EQ(engine->allyFlags[0], 2);
    EXPECT_EQ(engine->allyFlags[2], 2);
    EXPECT_EQ(PlacedAllies(), 4);
    for (int s : {0, 1, 2, 4}) EXPECT_EQ(engine->ally.active[s], 1) << s;
    EXPECT_EQ(engine->ally.active[3], 0);
    // The squad: 32 px, image 0, damage 5, armor 18, protection 10, shields 6.
    EXPECT_EQ(engine->ally.w[1], 32);
    EXPECT_EQ(engine->ally.frame[1], 0);
    EXPECT_EQ(engine->ally.damage[1], 5u);
    EXPECT_EQ(engine->ally.armor[1], 18u);
    EXPECT_EQ(engine->ally.protection[1], 10u);
    EXPECT_EQ(engine->ally.shields[1], 6u);
    EXPECT_EQ(engine->ally.leashX[1], 150);
    EXPECT_EQ(engine->ally.leashY[1], 130);
    EXPECT_EQ(engine->ally.keepOffX[2], 100);
    EXPECT_EQ(engine->ally.leashX[2], 200);
    EXPECT_EQ(engine->ally.returningX[0], 1);
    // The large ship in slot 4.
    EXPECT_EQ(engine->ally.h[4], 64);
    EXPECT_EQ(engine->ally.frame[4], 2);
    EXPECT_EQ(engine->ally.armor[4], 90u);
    EXPECT_EQ(engine->ally.fireGroup[4], 3);
    EXPECT_EQ(engine->ally.keepOffY[4], 30);

    // Entering again places nothing.
    engine->helpersPlaced = 0;
    engine->helpArrivedEvent = 0;
    helpTimer = 0;
    engine->ally.active[0] = 0;
    SpawnQuestHelpers(*engine, EarthSystemHelpers(), 5, &helpTimer);
    EXPECT_EQ(helpTimer, 0);
    EXPECT_EQ(engine->helpArrivedEvent, 0);
    EXPECT_EQ(engine->ally.active[0], 0);
}

TEST_F(Helpers, AreaOutsideTheQuestPlacesNoHelper) {
    engine->allyFlags[0] = engine->allyFlags[1] = engine->allyFlags[2] = 1;
    SpawnQuestHelpers(*engine, EarthSystemHelpers(), 4, &helpTimer);
    EXPECT_EQ(PlacedAllies(), 0);
    EXPECT_EQ(helpTimer, 0);
    EXPECT_EQ(engine->allyFlags[0], 1);
}

TEST_F(Helpers, EscortsOfTheFirstQuestsKeepCloser) {
    engine->allyFlags[1] = 1;  // quest 1 offer 2
    SpawnQuestHelpers(*engine, EarthSystemHelpers(), 3, &helpTimer);
    EXPECT_EQ(engine->ally.leashX[3], 380);
    EXPECT_EQ(engine->ally.leashY[3], 210);
    EXPECT_EQ(engine->ally.keepOffX[3], 80);
    EXPECT_EQ(engine->ally.fireGroup[3], 2);
    EXPECT_EQ(engine->ally.shields[3], 10u);

    // Quest 8's second offer is two escorts, slots 3 and 5.
    engine->allyFlags[3 * 7 + 1] = 1;
    SpawnQuestHelpers(*engine, EarthSystemHelpers(), 20, &helpTimer);
    EXPECT_EQ(engine->ally.frame[5], 8);
    EXPECT_EQ(engine->ally.armor[5], 400u);
    EXPECT_EQ(engine->ally.leashX[5], 180);
    EXPECT_EQ(engine->ally.leashX[3], 280);
    EXPECT_EQ(engine->ally.keepOffX[3], 140);
}

TEST_F(Helpers, AreaUnitsComeOnlyWithTheirArrivalsMark) {
    engine->allyFlags[3] = 1;  // quest 2 offer 1
    SpawnQuestHelpers(*engine, EarthSystemHelpers(), 8, &helpTimer);
    EXPECT_EQ(engine->ally.active[30], 0) << "no bases without the mark";
    EXPECT_EQ(engine->ally.active[0], 1);
    EXPECT_EQ(engine->ally.armor[0], 40u);

    engine->spawnAreaUnits = 1;
    engine->helpersPlaced = 0;
    helpTimer = 0;
    SpawnQuestHelpers(*engine, EarthSystemHelpers(), 8, &helpTimer);
    EXPECT_EQ(engine->spawnAreaUnits, 0);
    EXPECT_EQ(engine->helpersPlaced, 1);
    EXPECT_EQ(helpTimer, 0) << "bases are not bought help";
    for (int s = 30; s <= 41; ++s) EXPECT_EQ(engine->ally.active[s], 1) << s;
    EXPECT_EQ(engine->ally.active[42], 0);
    EXPECT_EQ(engine->ally.x[30], 800);
    EXPECT_EQ(engine->ally.y[30], -1000);
    EXPECT_EQ(engine->ally.x[37], 1700);
    EXPECT_EQ(engine->ally.y[37], -1500);
    EXPECT_EQ(engine->ally.y[40], -1250);
    EXPECT_EQ(engine->ally.armor[33], 100u);
    EXPECT_EQ(engine->ally.armor[38], 150u);
    EXPECT_EQ(engine->ally.subFrame[38], 1);
    EXPECT_EQ(engine->ally.frame[38], 3);
}

TEST_F(Helpers, SecondRegionStationAndLastConvoyFormation) {
    engine->spawnAreaUnits = 1;
    engine->ally.highlight[7] = 1;
    SpawnQuestHelpers(*engine, InvasionsHelpers(), 12, &helpTimer);
    EXPECT_EQ(engine->ally.highlight[7], 0);
    EXPECT_EQ(engine->ally.w[30], 128);
    EXPECT_EQ(engine->ally.armor[30], 4400u);
    EXPECT_EQ(engine->ally.highlight[30], 1);
    EXPECT_EQ(engine->ally.x[30], 1178);
    EXPECT_EQ(engine->ally.y[30], -1222);

    // Quest 24 in area 20: three large ships, flags 3 x 11 onward.
    for (int j = 0; j < 3; ++j) engine->allyFlags[33 + j] = 1;
    SpawnQuestHelpers(*engine, InvasionsHelpers(), 20, &helpTimer);
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(engine->ally.frame[s], 10) << s;
        EXPECT_EQ(engine->ally.damage[s], 650u) << s;
        EXPECT_EQ(engine->ally.armor[s], 7000u) << s;
        EXPECT_EQ(engine->ally.fireGroup[s], 3) << s;
    }
    EXPECT_EQ(engine->ally.leashY[1], 230);
    EXPECT_EQ(engine->ally.keepOffX[1], 240);
    EXPECT_EQ(engine->ally.keepOffY[2], 200);

    // Quest 13's squad has four members with shields; its escorts none.
    engine->allyFlags[0] = engine->allyFlags[1] = 1;
    SpawnQuestHelpers(*engine, InvasionsHelpers(), 2, &helpTimer);
    EXPECT_EQ(engine->ally.active[3], 1);
    EXPECT_EQ(engine->ally.shields[3], 6u);
    EXPECT_EQ(engine->ally.armor[3], 300u);
    EXPECT_EQ(engine->ally.leashY[2], 70);
    EXPECT_EQ(engine->ally.shields[4], 0u);
    EXPECT_EQ(engine->ally.armor[4], 530u);
}

}  // namespace
