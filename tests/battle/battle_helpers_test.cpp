#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "battle/battle_engine.h"
#include "battle/quest_helper_tables.h"
#include "battle/quest_helpers.h"

namespace {

// Every offer of every quest of both regions, bought alone and entered from
// each of the quest's areas: its units arrive once, in their slots, as listed.
TEST(Helpers, EveryBoughtOfferArrivesOnceInItsSlots) {
    const struct {
        const RegionHelpers& region;
    } regions[] = {{EarthSystemHelpers()}, {InvasionsHelpers()}};
    int entries = 0, laterAreas = 0;
    for (const auto& r : regions) {
        ASSERT_GT(r.region.questCount, 0);
        for (int q = 0; q < r.region.questCount; ++q) {
            const QuestHelpers& quest = r.region.quests[q];
            for (uint8_t area : quest.areas) {
                if (area == 0) break;
                laterAreas += area != quest.areas[0];
                for (int j = 0; j < 3; ++j) {
                    SCOPED_TRACE("quest " + std::to_string(quest.quest) + " area " + std::to_string(area) +
                                 " offer " + std::to_string(j));
                    ++entries;
                    auto engine = std::make_unique<BattleEngine>();
                    uint8_t& flag = engine->allyFlags[3 * (quest.quest - r.region.firstQuest) + j];
                    flag = 1;
                    uint8_t arrived = 0;
                    SpawnQuestHelpers(*engine, r.region, area, &arrived);
                    EXPECT_EQ(flag, 2);
                    EXPECT_EQ(arrived, 1);
                    EXPECT_EQ(engine->helpArrivedEvent, 1);
                    int placed = 0;
                    for (int a = 0; a < kAllySlots; ++a) placed += engine->ally.active[a];
                    EXPECT_EQ(placed, quest.offers[j].count);
                    ASSERT_GT(quest.offers[j].count, 0);
                    for (int u = 0; u < quest.offers[j].count; ++u) {
                        const HelperUnit& unit = quest.offers[j].units[u];
                        const AllyTable& ally = engine->ally;
                        const int s = unit.slot;
                        EXPECT_EQ(ally.exists[s] + ally.active[s], 2);
                        EXPECT_EQ(ally.w[s], unit.size);
                        EXPECT_EQ(ally.h[s], unit.size);
                        EXPECT_EQ(ally.frame[s], unit.image);
                        EXPECT_EQ(ally.damage[s], unit.damage);
                        EXPECT_EQ(ally.shields[s], unit.shields);
                        EXPECT_EQ(ally.armor[s], unit.armor);
                        EXPECT_EQ(ally.protection[s], unit.protection);
                        EXPECT_EQ(ally.fireGroup[s], unit.fireGroup);
                        EXPECT_EQ(ally.leashX[s], unit.leashX);
                        EXPECT_EQ(ally.leashY[s], unit.leashY);
                        EXPECT_EQ(ally.keepOffX[s], unit.keepOffX);
                        EXPECT_EQ(ally.keepOffY[s], unit.keepOffY);
                        EXPECT_EQ(ally.returningX[s] + ally.returningY[s], 2) << "they fly in from afar";
                    }
                    // Entering again brings nothing.
                    engine->ally.active[quest.offers[j].units[0].slot] = 0;
                    arrived = 0;
                    SpawnQuestHelpers(*engine, r.region, area, &arrived);
                    EXPECT_EQ(arrived, 0);
                    EXPECT_EQ(engine->ally.active[quest.offers[j].units[0].slot], 0);
                }
            }
        }
    }
    EXPECT_GT(entries, 100);
    EXPECT_GT(laterAreas, 0) << "some quest spans more than one area";
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
    int rows = 0;
    for (int k = 0; k < EarthSystemHelpers().areaUnitCount; ++k) {
        const AreaUnitRow& row = EarthSystemHelpers().areaUnits[k];
        if (row.area != 8) continue;
        ++rows;
        for (int s = row.firstSlot; s < row.firstSlot + row.count; ++s) {
            const AllyTable& ally = engine->ally;
            EXPECT_EQ(ally.w[s] + ally.h[s], 2 * row.size) << s;
            EXPECT_EQ(ally.frame[s], row.image) << s;
            EXPECT_EQ(ally.subFrame[s], row.subFrame) << s;
            EXPECT_EQ(ally.armor[s], row.armor) << s;
            EXPECT_EQ(ally.protection[s], row.protection) << s;
            EXPECT_EQ(ally.shields[s], 0u) << s;
        }
    }
    EXPECT_GT(rows, 0);
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
