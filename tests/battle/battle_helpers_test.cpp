#include <gtest/gtest.h>

#include <memory>

#include "battle/battle_engine.h"
#include "battle/quest_helper_tables.h"
#include "battle/quest_helpers.h"

namespace {

// Every offer of every quest of both regions, bought alone and entered from
// the quest's first area: its units arrive once, in their slots, as listed.
TEST(Helpers, EveryBoughtOfferArrivesOnceInItsSlots) {
    const struct {
        const RegionHelpers& region;
    } regions[] = {{EarthSystemHelpers()}, {InvasionsHelpers()}};
    for (const auto& r : regions) {
        for (int q = 0; q < r.region.questCount; ++q) {
            const QuestHelpers& quest = r.region.quests[q];
            for (int j = 0; j < 3; ++j) {
                auto engine = std::make_unique<BattleEngine>();
                uint8_t& flag = engine->allyFlags[3 * (quest.quest - r.region.firstQuest) + j];
                flag = 1;
                uint8_t arrived = 0;
                SpawnQuestHelpers(*engine, r.region, quest.areas[0], &arrived);
                EXPECT_EQ(flag, 2) << int{quest.quest} << " " << j;
                EXPECT_EQ(arrived, 1);
                EXPECT_EQ(engine->helpArrivedEvent, 1);
                int placed = 0;
                for (int a = 0; a < kAllySlots; ++a) placed += engine->ally.active[a];
                EXPECT_EQ(placed, quest.offers[j].count) << int{quest.quest} << " " << j;
                for (int u = 0; u < quest.offers[j].count; ++u) {
                    const HelperUnit& unit = quest.offers[j].units[u];
                    EXPECT_EQ(engine->ally.armor[unit.slot], unit.armor);
                    EXPECT_EQ(engine->ally.damage[unit.slot], unit.damage);
                    EXPECT_EQ(engine->ally.leashY[unit.slot], unit.leashY);
                    EXPECT_EQ(engine->ally.keepOffX[unit.slot], unit.keepOffX);
                    EXPECT_EQ(engine->ally.returningX[unit.slot], 1) << "they fly in from afar";
                }
                // Entering again brings nothing.
                engine->ally.active[quest.offers[j].units[0].slot] = 0;
                arrived = 0;
                SpawnQuestHelpers(*engine, r.region, quest.areas[0], &arrived);
                EXPECT_EQ(arrived, 0);
                EXPECT_EQ(engine->ally.active[quest.offers[j].units[0].slot], 0);
            }
        }
    }
}

TEST(Helpers, AreaUnitsComeOnlyWithTheirMarkAndOutsideAQuestNothingArrives) {
    auto engine = std::make_unique<BattleEngine>();
    uint8_t arrived = 0;
    engine->allyFlags[0] = engine->allyFlags[1] = engine->allyFlags[2] = 1;
    SpawnQuestHelpers(*engine, EarthSystemHelpers(), 4, &arrived);  // no quest of the first region lies in area 4
    EXPECT_EQ(engine->ally.active[0], 0);
    EXPECT_EQ(engine->allyFlags[0], 1);

    SpawnQuestHelpers(*engine, EarthSystemHelpers(), 8, &arrived);
    EXPECT_EQ(engine->ally.active[30], 0) << "no bases without the mark";
    engine->spawnAreaUnits = 1;
    SpawnQuestHelpers(*engine, EarthSystemHelpers(), 8, &arrived);
    EXPECT_EQ(engine->spawnAreaUnits, 0);
    EXPECT_EQ(arrived, 0) << "bases are not bought help";
    for (int s = 30; s <= 41; ++s) EXPECT_EQ(engine->ally.active[s], 1) << s;
    EXPECT_EQ(engine->ally.active[42], 0);
    // Bases stand in a grid of four columns and three rows; the station alone.
    const struct {
        int slot;
        int32_t x, y;
    } grid[] = {{30, 800, -1000}, {37, 1700, -1500}, {40, 1400, -1250}};
    for (const auto& g : grid) {
        EXPECT_EQ(engine->ally.x[g.slot], g.x) << g.slot;
        EXPECT_EQ(engine->ally.y[g.slot], g.y) << g.slot;
    }
    engine->ally.highlight[7] = 1;
    engine->spawnAreaUnits = 1;
    SpawnQuestHelpers(*engine, InvasionsHelpers(), 12, &arrived);
    EXPECT_EQ(engine->ally.highlight[7], 0) << "every entry clears the highlights";
    EXPECT_EQ(engine->ally.highlight[30], 1);
    EXPECT_EQ(engine->ally.x[30], 1178);
    EXPECT_EQ(engine->ally.y[30], -1222);
}

}  // namespace
